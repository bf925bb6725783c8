#include "nmeaparsingharness.h"

#include <QFileInfo>
#include <QJSValue>
#include <QQmlComponent>


static const char pageSource[] = R"(
import QtQml
import "nmea-parsing.js" as Nmea

QtObject {
    property int latLongRoundingSize: 7
    property int altRoundingSize: 2

    function parse(text) {
        try {
            return {points: Nmea.loadNmeaLog(text)};
        } catch (error) {
            return {name: error.name, message: error.message,
                    hasIncorrectLine: error.hasOwnProperty("incorrectLine"),
                    incorrectLine: error.incorrectLine};
        }
    }
    function countPoints(text) {
        try {
            return Nmea.loadNmeaLog(text).length;
        } catch (error) {
            return -1;
        }
    }
    function trackHasPointsWithoutDateTime(points) {
        return Nmea.trackHasPointsWithoutDateTime(points);
    }
    function localTimeHasDaylightSaving() {
        return new Date(2023, 0, 15).getTimezoneOffset() !== new Date(2023, 6, 15).getTimezoneOffset();
    }
}
)";

NmeaParsingHarness::NmeaParsingHarness()
{
    // The document sits beside the script, so the relative import finds it.
    const QString scriptDir = QFileInfo(QStringLiteral(NMEA_PARSING_JS)).absolutePath();
    QQmlComponent component(&m_engine);
    component.setData(pageSource, QUrl::fromLocalFile(scriptDir + QStringLiteral("/Harness.qml")));
    m_page.reset(component.create());
    if (!m_page)
        m_errorString = component.errorString();
}

NmeaParsingHarness::~NmeaParsingHarness() = default;

QVariant NmeaParsingHarness::call(const char *function, const QVariant &argument)
{
    QVariant result;
    QMetaObject::invokeMethod(
        m_page.get(), function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, argument));
    if (result.metaType() == QMetaType::fromType<QJSValue>())
        return result.value<QJSValue>().toVariant();
    return result;
}

QVariantMap NmeaParsingHarness::parse(const QString &text)
{
    return call("parse", text).toMap();
}

int NmeaParsingHarness::countPoints(const QString &text)
{
    return call("countPoints", text).toInt();
}

bool NmeaParsingHarness::trackHasPointsWithoutDateTime(const QVariantList &points)
{
    return call("trackHasPointsWithoutDateTime", points).toBool();
}

bool NmeaParsingHarness::localTimeHasDaylightSaving()
{
    QVariant result;
    QMetaObject::invokeMethod(
        m_page.get(), "localTimeHasDaylightSaving", Q_RETURN_ARG(QVariant, result));
    return result.toBool();
}
