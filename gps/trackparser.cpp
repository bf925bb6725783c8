#include "trackparser.h"

#include "trackreader.h"

#include <QJSEngine>

namespace EmulationManagement::Internal {

namespace {

QVariantList pointsOrThrow(QJSEngine *engine, const TrackReadResult &result)
{
    if (result.succeeded())
        return TrackReader::toVariantList(result);
    QJSValue error = engine->newErrorObject(QJSValue::SyntaxError, result.errorMessage);
    error.setProperty(QStringLiteral("incorrectLine"), result.errorLine);
    engine->throwError(error);
    return {};
}

} // namespace

TrackParser::TrackParser(QJSEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{}

QVariantList TrackParser::loadNmeaLog(const QString &text)
{
    return pointsOrThrow(m_engine, TrackReader::readNmea(text.toUtf8()));
}

} // namespace EmulationManagement::Internal
