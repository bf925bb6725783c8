#include "trackreading.h"

#include <QStringDecoder>

#include <cmath>

namespace EmulationManagement::Internal::TrackReading {

double roundValue(double value, int precision)
{
    const double factor = std::pow(10.0, precision);
    const double scaled = value * factor;
    double rounded = std::floor(scaled);
    if (scaled - rounded >= 0.5)
        rounded += 1;
    return rounded / factor + 0.0;
}

qint64 daysFromCivil(qint64 year, qint64 month, qint64 day)
{
    year += (month >= 0 ? month : month - 11) / 12;
    month = ((month % 12) + 12) % 12 + 1;
    year -= month <= 2;
    const qint64 era = (year >= 0 ? year : year - 399) / 400;
    const qint64 yearOfEra = year - era * 400;
    const qint64 dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + day - 1;
}

TrackReadResult failure(const QString &message, int line)
{
    TrackReadResult result;
    result.errorMessage = message;
    result.errorLine = line;
    return result;
}

ByteOrderMark byteOrderMark(QByteArrayView text)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        return ByteOrderMark::Utf8;
    if (text.startsWith("\xFF\xFE"))
        return ByteOrderMark::Utf16LittleEndian;
    if (text.startsWith("\xFE\xFF"))
        return ByteOrderMark::Utf16BigEndian;
    return ByteOrderMark::None;
}

QByteArray utf16ToUtf8(QByteArrayView text)
{
    QStringDecoder decode(byteOrderMark(text) == ByteOrderMark::Utf16BigEndian
                              ? QStringConverter::Utf16BE
                              : QStringConverter::Utf16LE);
    return QString(decode(text.sliced(2))).toUtf8();
}

TrackReadResult cancelledResult()
{
    TrackReadResult result;
    result.cancelled = true;
    return result;
}

Progress::Progress(const TrackReader::Control &control, qsizetype total)
    : m_control(control)
    , m_total(std::max<qsizetype>(total, 1))
{}

void Progress::reach(qsizetype done)
{
    const int percent = static_cast<int>(std::min<qsizetype>(done, m_total) * 100 / m_total);
    if (percent != m_percent && m_control.progress) {
        m_percent = percent;
        m_control.progress(percent);
    }
}

void TrackClock::append(const TrackPoint &position, std::optional<qint64> stamp)
{
    TrackPoint point = position;
    point.time = 0;
    point.interval = 0;
    if (m_result->points.isEmpty()) {
        m_start = stamp;
        m_latest = stamp.value_or(0);
    } else if (m_start && stamp) {
        if (*stamp < m_latest)
            ++m_result->pointsBackInTime;
        else
            m_latest = *stamp;
        point.time = m_latest - *m_start;
        point.interval = std::max<qint64>(0, point.time - m_result->points.constLast().time);
    }
    m_result->points.append(point);
}

} // namespace EmulationManagement::Internal::TrackReading
