#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVariantList>

#include <atomic>
#include <functional>

namespace EmulationManagement::Internal {

// One position of a track: rounded to 7 decimals (coordinates) and 2
// (altitude), with its time in milliseconds from the first point's and the
// interval from the previous point's.
struct TrackPoint
{
    double latitude = 0;
    double longitude = 0;
    double altitude = 0;
    qint64 time = 0;
    qint64 interval = 0;
};

struct TrackReadResult
{
    // "$GPRMC", "$GPGGA", "$GPGLL" or "$GPWPL" for NMEA logs (whatever the
    // talker), "trkpt", "rtept" or "wpt" for GPX files, "when" (points with
    // times), "LineString" or "Point" for KML files.
    QString format;
    QList<TrackPoint> points;
    // Empty on success; then points holds at least one point.
    QString errorMessage;
    // 1-based line of the failure, counting non-empty lines in NMEA logs;
    // 0 when no line is concerned.
    int errorLine = 0;
    // Lines left out of a successful read, by reason.
    int linesWithoutFix = 0;
    int linesWithImpossiblePosition = 0;
    int linesCutOff = 0;
    // Points whose time lies before an earlier point's: they keep their
    // place and follow the point before them at once.
    int pointsBackInTime = 0;
    bool cancelled = false;

    bool succeeded() const { return errorMessage.isEmpty() && !cancelled; }
};

// How a caller on another thread follows a read: progress in whole percent,
// and a flag that stops it.
struct TrackReadControl
{
    const std::atomic_bool *cancel = nullptr;
    std::function<void(int percent)> progress;
};

// Reads NMEA 0183 logs, GPX and KML files into track points. Free of any
// GUI, so it can run on a worker thread. No interval is negative, and no
// exception leaves a read: a failure is a result with its message.
class TrackReader
{
    Q_DECLARE_TR_FUNCTIONS(TrackReader)

public:
    using Control = TrackReadControl;

    static TrackReadResult readNmea(QByteArrayView text, const Control &control = {});
    static TrackReadResult readGpx(QByteArrayView text, const Control &control = {});
    static TrackReadResult readKml(QByteArrayView text, const Control &control = {});
    // GPX when the name ends in ".gpx", KML for ".kml", else NMEA. A file
    // that cannot be read is read as an empty one.
    static TrackReadResult readFile(const QString &path, const Control &control = {});

    // hh:mm:ss.t, the hours modulo a day; negative times keep their sign.
    static QString timeString(qint64 millis);
    // Whether a point other than the first has the time 0: the track has no
    // usable times.
    static bool hasPointsWithoutTime(const QList<TrackPoint> &points);
    // The points as maps with "format", "latitude", "longitude", "altitude",
    // "index", "time", "interval" and "timeString".
    static QVariantList toVariantList(const TrackReadResult &result);
    // What was left out of a successful read, and which points go back in
    // time, for the user; empty when there is nothing to tell.
    static QString skippedLinesNote(const TrackReadResult &result);
};

} // namespace EmulationManagement::Internal
