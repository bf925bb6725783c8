#pragma once

#include "gps/trackreader.h"

#include <optional>

// What the NMEA, GPX and KML readers share: rounding, dates, results,
// progress and the times of a track's points. Not for use outside gps/.
namespace EmulationManagement::Internal::TrackReading {

constexpr int latLongRoundingSize = 7;
constexpr int altRoundingSize = 2;
constexpr qint64 millisPerDay = 24 * 60 * 60 * 1000;

// Rounds half-way values up, toward positive infinity, as a script's
// Math.round does; no negative zero is left, so none reaches the emulator.
double roundValue(double value, int precision);

// Days from 1970-01-01 to the given date; months and days out of their
// range roll over into the next or previous month, as Date.UTC does.
qint64 daysFromCivil(qint64 year, qint64 month, qint64 day);

// The readers behind TrackReader's, which keep exceptions from escaping.
TrackReadResult readNmeaText(QByteArrayView text, const TrackReader::Control &control);
TrackReadResult readGpxText(QByteArrayView text, const TrackReader::Control &control);
TrackReadResult readKmlText(QByteArrayView text, const TrackReader::Control &control);

TrackReadResult failure(const QString &message, int line);

enum class ByteOrderMark { None, Utf8, Utf16LittleEndian, Utf16BigEndian };
ByteOrderMark byteOrderMark(QByteArrayView text);
// The text after a UTF-16 byte order mark, as UTF-8.
QByteArray utf16ToUtf8(QByteArrayView text);
TrackReadResult cancelledResult();

// Reports progress when the percentage changes and tells whether to stop.
class Progress
{
public:
    Progress(const TrackReader::Control &control, qsizetype total);

    bool cancelled() const { return m_control.cancel && m_control.cancel->load(); }
    void reach(qsizetype done);

private:
    const TrackReader::Control &m_control;
    qsizetype m_total;
    int m_percent = -1;
};

// Appends points with their timestamps (milliseconds, any epoch) and gives
// each its time from the first point's and its interval from the previous
// one, never negative. A point without a timestamp, or in a track whose
// first point has none, gets the time 0, as waypoints do: the track then
// has no usable times. A point whose timestamp lies before one already
// read keeps its place with the latest time so far, so that it follows
// the previous point at once; it is counted in pointsBackInTime.
class TrackClock
{
public:
    explicit TrackClock(TrackReadResult *result)
        : m_result(result)
    {}

    void append(const TrackPoint &position, std::optional<qint64> stamp);

private:
    TrackReadResult *m_result;
    std::optional<qint64> m_start;
    qint64 m_latest = 0;
};

} // namespace EmulationManagement::Internal::TrackReading
