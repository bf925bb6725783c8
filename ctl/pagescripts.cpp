#include "pagescripts.h"

#include <QQmlComponent>

namespace EmulationManagement::Internal {

namespace {

const QString scripts = QStringLiteral(":/emulationmanagement/js/");

// The NMEA reader reads the page's rounding settings and qsTr from the scope
// that imports it, so it runs inside a document as it does on the GPS page.
const QByteArray nmeaReaderDocument = R"(
import QtQml
import "qrc:/emulationmanagement/js/nmea-parsing.js" as Nmea

QtObject {
    property int latLongRoundingSize: 7
    property int altRoundingSize: 2

    function read(text) {
        try {
            return { points: Nmea.loadNmeaLog(text) };
        } catch (error) {
            return { message: String(error.message), line: error.incorrectLine > 0 ? error.incorrectLine : 0 };
        }
    }
    function hasPointsWithoutTime(points) {
        return Nmea.trackHasPointsWithoutDateTime(points);
    }
}
)";

} // namespace

PageScripts::PageScripts()
{
    m_pose = m_engine.importModule(scripts + "pose-readings.mjs");
    m_playback = m_engine.importModule(scripts + "track-playback.mjs");
    QQmlComponent component(&m_engine);
    component.setData(nmeaReaderDocument,
                      QUrl(QStringLiteral("qrc:/emulationmanagement/NmeaReader.qml")));
    m_nmeaReader.reset(component.create());
    if (m_pose.isError() || m_playback.isError())
        m_loadError = (m_pose.isError() ? m_pose : m_playback).toString();
    else if (!m_nmeaReader)
        m_loadError = component.errorString();
}

PageScripts::~PageScripts() = default;

QJSValue PageScripts::call(const QJSValue &module,
                           const QString &function,
                           const QJSValueList &arguments)
{
    return module.property(function).call(arguments);
}

PageScripts::Readings PageScripts::restingReadings(double x,
                                                   double y,
                                                   double z,
                                                   const std::array<double, 3> &field)
{
    QJSValue fieldValue = m_engine.newArray(3);
    for (quint32 i = 0; i < 3; ++i)
        fieldValue.setProperty(i, field[i]);
    const QJSValue result = call(m_pose, "restingReadings", {x, y, z, fieldValue});
    Readings readings;
    for (quint32 i = 0; i < 3; ++i) {
        readings.accelerometer[i] = result.property("accelerometer").property(i).toNumber();
        readings.magnetometer[i] = result.property("magnetometer").property(i).toNumber();
    }
    return readings;
}

std::array<double, 3> PageScripts::presetPose(int preset)
{
    const QJSValue rotation = m_pose.property("presetRotations").property(quint32(preset - 1));
    return {rotation.property(1).toNumber(), 0, rotation.property(0).toNumber()};
}

PageScripts::TrackText PageScripts::readNmea(const QString &text)
{
    QVariant result;
    QMetaObject::invokeMethod(
        m_nmeaReader.get(), "read", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, text));
    if (result.metaType() == QMetaType::fromType<QJSValue>())
        result = result.value<QJSValue>().toVariant();
    const QVariantMap map = result.toMap();
    TrackText track;
    track.points = map.value("points").toList();
    track.errorMessage = map.value("message").toString();
    track.errorLine = map.value("line").toInt();
    return track;
}

bool PageScripts::hasPointsWithoutTime(const QVariantList &points)
{
    QVariant result;
    QMetaObject::invokeMethod(m_nmeaReader.get(),
                              "hasPointsWithoutTime",
                              Q_RETURN_ARG(QVariant, result),
                              Q_ARG(QVariant, points));
    return result.toBool();
}

QVariantList PageScripts::trackRecords(const QVariantList &points)
{
    return call(m_playback, "trackRecords", {m_engine.toScriptValue(points), 7, 2})
        .toVariant()
        .toList();
}

int PageScripts::defaultInterval()
{
    return m_playback.property("defaultInterval").toInt();
}

int PageScripts::nextWait(int index,
                          int rows,
                          bool looped,
                          bool useDefaultInterval,
                          int speed,
                          const QVariantList &records)
{
    return call(m_playback,
                "nextWait",
                {index,
                 rows,
                 looped,
                 useDefaultInterval,
                 speed,
                 defaultInterval(),
                 m_engine.toScriptValue(records)})
        .toInt();
}

qint64 PageScripts::timerInterval(double scheduleStart, double scheduledWaits, double now)
{
    return qint64(
        call(m_playback, "timerInterval", {scheduleStart, scheduledWaits, now}).toNumber());
}

int PageScripts::nextIndex(int index, int rows)
{
    return call(m_playback, "nextIndex", {index, rows}).toInt();
}

} // namespace EmulationManagement::Internal
