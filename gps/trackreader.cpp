#include "trackreader.h"

#include "trackreading.h"

#include <QFile>

#include <cstdio>
#include <exception>
#include <new>

namespace EmulationManagement::Internal {

using namespace TrackReading;

namespace {

// No exception leaves a read: a file too large for the memory left, or
// anything else a library throws, is a file that cannot be loaded.
template<typename Read>
TrackReadResult guarded(const Read &read, const char *kind)
{
    try {
        return read();
    } catch (const std::bad_alloc &) {
        return failure(TrackReader::tr("%1 file is too large for the memory available")
                           .arg(QLatin1String(kind)),
                       0);
    } catch (const std::exception &error) {
        return failure(TrackReader::tr("%1 file cannot be read: %2")
                           .arg(QLatin1String(kind), QString::fromLocal8Bit(error.what())),
                       0);
    }
}

} // namespace

TrackReadResult TrackReader::readNmea(QByteArrayView text, const Control &control)
{
    return guarded([&] { return readNmeaText(text, control); }, "NMEA");
}

TrackReadResult TrackReader::readGpx(QByteArrayView text, const Control &control)
{
    return guarded([&] { return readGpxText(text, control); }, "GPX");
}

TrackReadResult TrackReader::readKml(QByteArrayView text, const Control &control)
{
    return guarded([&] { return readKmlText(text, control); }, "KML");
}

TrackReadResult TrackReader::readFile(const QString &path, const Control &control)
{
    const bool gpx = path.endsWith(QLatin1String(".gpx"), Qt::CaseInsensitive);
    const bool kml = path.endsWith(QLatin1String(".kml"), Qt::CaseInsensitive);
    const char *const kind = gpx ? "GPX" : (kml ? "KML" : "NMEA");
    return guarded(
        [&] {
            QFile file(path);
            const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            if (gpx)
                return readGpxText(text, control);
            if (kml)
                return readKmlText(text, control);
            return readNmeaText(text, control);
        },
        kind);
}

QString TrackReader::timeString(qint64 millis)
{
    if (millis < 0)
        return QLatin1Char('-') + timeString(-millis);
    char text[32];
    std::snprintf(text,
                  sizeof text,
                  "%02d:%02d:%02d.%d",
                  int(millis / 3600000 % 24),
                  int(millis / 60000 % 60),
                  int(millis / 1000 % 60),
                  int(millis % 1000 / 100));
    return QString::fromLatin1(text);
}

bool TrackReader::hasPointsWithoutTime(const QList<TrackPoint> &points)
{
    for (qsizetype i = 1; i < points.size(); ++i) {
        if (points.at(i).time == 0)
            return true;
    }
    return false;
}

QVariantList TrackReader::toVariantList(const TrackReadResult &result)
{
    QVariantList list;
    list.reserve(result.points.size());
    for (const TrackPoint &point : result.points) {
        list.append(QVariantMap{{QStringLiteral("format"), result.format},
                                {QStringLiteral("latitude"), point.latitude},
                                {QStringLiteral("longitude"), point.longitude},
                                {QStringLiteral("altitude"), point.altitude},
                                {QStringLiteral("index"), list.size()},
                                {QStringLiteral("time"), double(point.time)},
                                {QStringLiteral("interval"), double(point.interval)},
                                {QStringLiteral("timeString"), timeString(point.time)}});
    }
    return list;
}

QString TrackReader::skippedLinesNote(const TrackReadResult &result)
{
    QStringList reasons;
    if (result.linesWithoutFix > 0)
        reasons.append(tr("%1 without a position fix").arg(result.linesWithoutFix));
    if (result.linesWithImpossiblePosition > 0) {
        reasons.append(
            tr("%1 with an impossible position").arg(result.linesWithImpossiblePosition));
    }
    if (result.linesCutOff > 0)
        reasons.append(tr("%1 cut off at the end of the file").arg(result.linesCutOff));
    const int count
        = result.linesWithoutFix + result.linesWithImpossiblePosition + result.linesCutOff;
    QStringList sentences;
    const QString why = reasons.join(QLatin1String(", "));
    if (count == 1)
        sentences.append(tr("Skipped 1 line: %1.").arg(why));
    else if (count > 1)
        sentences.append(tr("Skipped %1 lines: %2.").arg(count).arg(why));
    if (result.pointsBackInTime == 1)
        sentences.append(tr("1 point goes back in time; it follows the one before at once."));
    else if (result.pointsBackInTime > 1)
        sentences.append(tr("%1 points go back in time; each follows the one before at once.")
                             .arg(result.pointsBackInTime));
    return sentences.join(QLatin1Char(' '));
}

} // namespace EmulationManagement::Internal
