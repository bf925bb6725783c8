#include "trackreading.h"

#include <QDateTime>

#include <array>
#include <charconv>
#include <cmath>

namespace EmulationManagement::Internal {

using namespace TrackReading;

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

enum class Sentence { Rmc, Gga, Gll, Wpl };

const char *const sentenceFormats[] = {"$GPRMC", "$GPGGA", "$GPGLL", "$GPWPL"};

// The talkers whose sentences are read: GPS, and the combined, GLONASS,
// Galileo and BeiDou ones of multi-constellation receivers.
std::optional<Sentence> sentenceOf(QByteArrayView type)
{
    if (type.size() != 6 || type[0] != '$')
        return std::nullopt;
    const QByteArrayView talker = type.sliced(1, 2);
    if (talker != "GP" && talker != "GN" && talker != "GL" && talker != "GA" && talker != "GB")
        return std::nullopt;
    const QByteArrayView kind = type.sliced(3);
    if (kind == "RMC")
        return Sentence::Rmc;
    if (kind == "GGA")
        return Sentence::Gga;
    if (kind == "GLL")
        return Sentence::Gll;
    if (kind == "WPL")
        return Sentence::Wpl;
    return std::nullopt;
}

// The first fields of a sentence; the last field kept runs to the line's end.
struct Fields
{
    static constexpr int capacity = 16;
    std::array<QByteArrayView, capacity> field;
    int count = 0;

    explicit Fields(QByteArrayView line)
    {
        qsizetype start = 0;
        while (count < capacity - 1) {
            const qsizetype comma = line.indexOf(',', start);
            if (comma < 0)
                break;
            field[count++] = line.sliced(start, comma - start);
            start = comma + 1;
        }
        field[count++] = line.sliced(start);
    }

    QByteArrayView operator[](int index) const
    {
        return index < count ? field[index] : QByteArrayView();
    }
};

bool allDigits(QByteArrayView text)
{
    for (char c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

// \d+\.\d+, with a leading "-" where allowed.
bool isDecimal(QByteArrayView text, bool signAllowed = false)
{
    if (signAllowed && text.startsWith('-'))
        text = text.sliced(1);
    const qsizetype point = text.indexOf('.');
    return point > 0 && point < text.size() - 1 && allDigits(text.first(point))
           && allDigits(text.sliced(point + 1));
}

// hhmmss with an optional fraction of 2 or 3 digits.
bool isTime(QByteArrayView text)
{
    if (text.size() < 6 || !allDigits(text.first(6)))
        return false;
    return text.size() == 6
           || ((text.size() == 9 || text.size() == 10) && text[6] == '.'
               && allDigits(text.sliced(7)));
}

bool isHemisphere(QByteArrayView text, char positive, char negative)
{
    return text.size() == 1 && (text[0] == positive || text[0] == negative);
}

bool hasPosition(const Fields &f, int at)
{
    return isDecimal(f[at]) && isHemisphere(f[at + 1], 'N', 'S') && isDecimal(f[at + 2])
           && isHemisphere(f[at + 3], 'E', 'W');
}

// The fields every sentence of its type needs: position, time, date and
// altitude where it has them, and the fields after them up to the last one
// the format names.
bool isWellFormed(Sentence sentence, const Fields &f)
{
    switch (sentence) {
    case Sentence::Rmc:
        return f.count >= 12 && isTime(f[1]) && hasPosition(f, 3) && f[9].size() == 6
               && allDigits(f[9]);
    case Sentence::Gga:
        return f.count >= 15 && isTime(f[1]) && hasPosition(f, 2) && isDecimal(f[9], true);
    case Sentence::Gll:
    case Sentence::Wpl:
        return f.count >= 6 && hasPosition(f, 1);
    }
    return false;
}

// Receivers write these before they have a position, and whenever they lose it.
bool hasNoFix(Sentence sentence, const Fields &f)
{
    switch (sentence) {
    case Sentence::Rmc:
        return f[2] == "V";
    case Sentence::Gga:
        return f[6] == "0";
    case Sentence::Gll:
        return f[6].startsWith('V');
    case Sentence::Wpl:
        return false;
    }
    return false;
}

// A decimal number as a script's Number() reads it (an empty text is 0), or
// nothing when it overflows.
std::optional<double> decimalValue(QByteArrayView text)
{
    if (text.isEmpty())
        return 0.0;
    double value = 0;
    const auto [end, error] = std::from_chars(text.begin(), text.end(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is refused.
        const qsizetype point = text.indexOf('.');
        QByteArrayView whole = point < 0 ? text : text.first(point);
        while (whole.startsWith('-') || whole.startsWith('0'))
            whole = whole.sliced(1);
        if (!whole.isEmpty())
            return std::nullopt;
        return 0.0;
    }
    if (error != std::errc() || end != text.end())
        return std::nullopt;
    return value;
}

// A position no receiver can have: the line is left out with this reason.
struct ImpossiblePosition
{
    QString reason;
};

// ddmm.mmmm (two degree digits) or dddmm.mmmm (three), negated for "S" or
// "W"; nothing when a number overflows.
std::optional<double> coordinate(QByteArrayView text,
                                 QByteArrayView hemisphere,
                                 int degreesSize,
                                 std::optional<ImpossiblePosition> *impossible)
{
    const std::optional<double> degrees
        = decimalValue(text.first(std::min<qsizetype>(degreesSize, text.size())));
    const std::optional<double> minutes
        = decimalValue(text.sliced(std::min<qsizetype>(degreesSize, text.size())));
    if (!degrees || !minutes)
        return std::nullopt;
    const double value = roundValue(*degrees + *minutes / 60, latLongRoundingSize);
    if (!std::isfinite(value))
        return std::nullopt;
    if (*minutes >= 60)
        *impossible = ImpossiblePosition{TrackReader::tr("60 minutes or more")};
    else if (degreesSize == 2 && value > 90)
        *impossible = ImpossiblePosition{TrackReader::tr("a latitude over 90 degrees")};
    else if (degreesSize == 3 && value > 180)
        *impossible = ImpossiblePosition{TrackReader::tr("a longitude over 180 degrees")};
    return hemisphere == "S" || hemisphere == "W" ? 0.0 - value : value;
}

qint64 digitsValue(QByteArrayView text)
{
    qint64 value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value;
}

// Milliseconds of the day of hhmmss with an optional fraction of a second.
qint64 millisOfDay(QByteArrayView time)
{
    qint64 millis = ((digitsValue(time.first(2)) * 60 + digitsValue(time.sliced(2, 2))) * 60
                     + digitsValue(time.sliced(4, 2)))
                    * 1000;
    if (time.size() > 7) {
        // Digits past the fifteenth change nothing a millisecond shows.
        const QByteArrayView fraction
            = time.sliced(7).first(std::min<qsizetype>(time.size() - 7, 15));
        millis += static_cast<qint64>(
            roundValue(double(digitsValue(fraction)) * 1000 / std::pow(10.0, fraction.size()), 0));
    }
    return millis;
}

// The time field of "$GPGLL" is optional: only a leading hhmmss[.f] counts.
std::optional<QByteArrayView> gllTime(QByteArrayView field)
{
    if (field.size() < 6 || !allDigits(field.first(6)))
        return std::nullopt;
    qsizetype end = 6;
    if (field.size() > 7 && field[6] == '.' && isDigit(field[7])) {
        end = 8;
        while (end < field.size() && isDigit(field[end]))
            ++end;
    }
    return field.first(end);
}

int currentYear()
{
    return QDateTime::currentDateTimeUtc().date().year();
}

// NMEA times and dates are UTC; reading them as local time would put a
// daylight-saving change into the track's intervals. Without a date the
// time belongs to the day of the latest point, or to the next day when the
// clock wrapped: when it lies more than 12 hours before that point, going
// on past midnight is the shorter way. A smaller step back is a point out
// of order.
qint64 timestamp(QByteArrayView date, QByteArrayView time, const qint64 *latest, int thisYear)
{
    const qint64 millis = millisOfDay(time);
    if (!date.isEmpty()) {
        qint64 year = 2000 + digitsValue(date.sliced(4, 2));
        if (year > thisYear)
            year -= 100;
        return daysFromCivil(year, digitsValue(date.sliced(2, 2)) - 1, digitsValue(date.first(2)))
                   * millisPerDay
               + millis;
    }
    if (!latest)
        return millis;
    const qint64 dayStart = *latest - ((*latest % millisPerDay) + millisPerDay) % millisPerDay;
    qint64 stamp = dayStart + millis;
    if (*latest - stamp > millisPerDay / 2)
        stamp += millisPerDay;
    return stamp;
}

// A sentence holds no line separator but the carriage return and line feed
// that end it.
bool holdsUnicodeLineSeparator(QByteArrayView text)
{
    return text.contains("\xE2\x80\xA8") || text.contains("\xE2\x80\xA9");
}

class NmeaTrack

{
public:
    explicit NmeaTrack(TrackReadResult *result)
        : m_result(result)
        , m_clock(result)
    {}

    enum class Outcome { Added, Impossible, Overflow };

    // Adds the sentence's point unless another type fixed the track.
    Outcome add(Sentence sentence, const Fields &f, std::optional<ImpossiblePosition> *impossible)
    {
        if (!m_result->points.isEmpty() && m_sentence != sentence)
            return Outcome::Added;
        const int at = sentence == Sentence::Rmc ? 3 : sentence == Sentence::Gga ? 2 : 1;
        const std::optional<double> latitude = coordinate(f[at], f[at + 1], 2, impossible);
        const std::optional<double> longitude = coordinate(f[at + 2], f[at + 3], 3, impossible);
        std::optional<double> altitude = 0.0;
        if (sentence == Sentence::Gga) {
            altitude = decimalValue(f[9]);
            if (altitude)
                altitude = roundValue(*altitude, altRoundingSize);
        }
        if (!latitude || !longitude || !altitude || !std::isfinite(*altitude))
            return Outcome::Overflow;
        if (*impossible)
            return Outcome::Impossible;

        const std::optional<qint64> stamp = timestampOf(sentence, f);
        // A "$GPGLL" without a time keeps the latest timestamp, which
        // carries the next one across midnight.
        if (stamp && (!m_latest || *stamp > *m_latest))
            m_latest = stamp;
        if (m_result->points.isEmpty())
            m_sentence = sentence;
        m_clock.append({*latitude, *longitude, *altitude, 0, 0}, stamp);
        return Outcome::Added;
    }

    Sentence sentence() const { return m_sentence; }

private:
    std::optional<qint64> timestampOf(Sentence sentence, const Fields &f) const
    {
        const qint64 *latest = m_latest ? &*m_latest : nullptr;
        switch (sentence) {
        case Sentence::Rmc:
            return timestamp(f[9], f[1], latest, m_thisYear);
        case Sentence::Gga:
            return timestamp({}, f[1], latest, m_thisYear);
        case Sentence::Gll:
            if (const std::optional<QByteArrayView> time = gllTime(f[5]))
                return timestamp({}, *time, latest, m_thisYear);
            return std::nullopt;
        case Sentence::Wpl:
            return std::nullopt;
        }
        return std::nullopt;
    }

    TrackReadResult *m_result;
    TrackClock m_clock;
    Sentence m_sentence = Sentence::Rmc;
    std::optional<qint64> m_latest;
    int m_thisYear = currentYear();
};

} // namespace

namespace TrackReading {

TrackReadResult readNmeaText(QByteArrayView text, const TrackReader::Control &control)
{
    QByteArray decoded;
    switch (byteOrderMark(text)) {
    case ByteOrderMark::Utf8:
        text = text.sliced(3);
        break;
    case ByteOrderMark::Utf16LittleEndian:
    case ByteOrderMark::Utf16BigEndian:
        decoded = utf16ToUtf8(text);
        text = decoded;
        break;
    case ByteOrderMark::None:
        break;
    }
    Progress progress(control, text.size());
    TrackReadResult result;
    NmeaTrack track(&result);
    const bool mayHoldLineSeparators = holdsUnicodeLineSeparator(text);
    const bool endsInLineBreak = text.endsWith('\n') || text.endsWith('\r');
    int lineNumber = 0;
    int firstImpossibleLine = 0;
    QString firstImpossibleReason;
    qsizetype position = 0;
    const qsizetype size = text.size();
    while (position < size) {
        if (text[position] == '\n' || text[position] == '\r') {
            ++position;
            continue;
        }
        qsizetype end = position;
        while (end < size && text[end] != '\n' && text[end] != '\r')
            ++end;
        const QByteArrayView line = text.sliced(position, end - position);
        position = end;
        ++lineNumber;
        if ((lineNumber & 0xfff) == 0) {
            if (progress.cancelled())
                return cancelledResult();
            progress.reach(position);
        }

        const qsizetype comma = line.indexOf(',');
        const std::optional<Sentence> sentence = sentenceOf(comma < 0 ? line : line.first(comma));
        if (!sentence)
            continue;
        const Fields fields(line);
        if (hasNoFix(*sentence, fields)) {
            ++result.linesWithoutFix;
            continue;
        }
        if (!isWellFormed(*sentence, fields)
            || (mayHoldLineSeparators && holdsUnicodeLineSeparator(line))) {
            // A writer stopped in the middle of the last line.
            if (end == size && !endsInLineBreak) {
                ++result.linesCutOff;
                continue;
            }
            return failure(TrackReader::tr("Incorrect NMEA file"), lineNumber);
        }
        std::optional<ImpossiblePosition> impossible;
        switch (track.add(*sentence, fields, &impossible)) {
        case NmeaTrack::Outcome::Added:
            break;
        case NmeaTrack::Outcome::Impossible:
            if (++result.linesWithImpossiblePosition == 1) {
                firstImpossibleLine = lineNumber;
                firstImpossibleReason = impossible->reason;
            }
            break;
        case NmeaTrack::Outcome::Overflow:
            return failure(TrackReader::tr("NMEA file has a number out of range"), lineNumber);
        }
    }
    if (lineNumber == 0)
        return failure(TrackReader::tr("NMEA file is empty"), 0);
    if (result.points.isEmpty() && firstImpossibleLine > 0) {
        return failure(
            TrackReader::tr("NMEA file has an impossible position: %1").arg(firstImpossibleReason),
            firstImpossibleLine);
    }
    if (result.points.isEmpty()) {
        return failure(
            TrackReader::tr("NMEA file has incorrect points format.\nSupported formats: GPRMC, "
                            "GPGGA, GPGLL, GPWPL."),
            lineNumber);
    }
    result.format = QLatin1String(sentenceFormats[int(track.sentence())]);
    progress.reach(size);
    return result;
}

} // namespace TrackReading

} // namespace EmulationManagement::Internal
