#pragma once

#include <QObject>
#include <QVariantList>

QT_BEGIN_NAMESPACE
class QJSEngine;
QT_END_NAMESPACE

namespace EmulationManagement::Internal {

// The NMEA reader for scripts: the points of a whole log as maps, or the
// failure thrown into the calling script as a SyntaxError with the message
// and "incorrectLine".
class TrackParser : public QObject
{
    Q_OBJECT

public:
    explicit TrackParser(QJSEngine *engine, QObject *parent = nullptr);

    Q_INVOKABLE QVariantList loadNmeaLog(const QString &text);

private:
    QJSEngine *m_engine;
};

} // namespace EmulationManagement::Internal
