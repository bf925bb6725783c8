#pragma once

#include <QObject>
#include <QVariantList>

namespace EmulationManagement::Internal {

// Reads GPX files into the track points that the GPS page builds from NMEA
// logs: the track points of a file, else its route points, else its
// waypoints, with the same fields and the same failures as the NMEA reader.
class GpxTrackReader : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        // Maps with "format", "latitude", "longitude", "altitude", "index",
        // "time", "interval" and "timeString"; empty on failure.
        QVariantList points;
        QString errorMessage;
        // 1-based line of the failure; 0 when no line is concerned.
        int errorLine = 0;
    };

    using QObject::QObject;

    static Result read(const QString &text);

    // The points of the GPX text, as the NMEA reader's loadNmeaLog gives
    // them. A failure is thrown into the calling script as a SyntaxError
    // with the message and "incorrectLine", as loadNmeaLog throws it.
    Q_INVOKABLE QVariantList loadGpxTrack(const QString &text);
};

} // namespace EmulationManagement::Internal
