#include "trackreader.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QXmlStreamReader>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace EmulationManagement::Internal {

namespace {

constexpr int latLongRoundingSize = 7;
constexpr int altRoundingSize = 2;
constexpr qint64 millisPerDay = 24 * 60 * 60 * 1000;

// Rounds half-way values up, toward positive infinity, as a script's
// Math.round does; no negative zero is left, so none reaches the emulator.
double roundValue(double value, int precision)
{
    const double factor = std::pow(10.0, precision);
    const double scaled = value * factor;
    double rounded = std::floor(scaled);
    if (scaled - rounded >= 0.5)
        rounded += 1;
    return rounded / factor + 0.0;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reports progress when the percentage changes and tells whether to stop.
class Progress
{
public:
    Progress(const TrackReader::Control &control, qsizetype total)
        : m_control(control)
        , m_total(std::max<qsizetype>(total, 1))
    {}

    bool cancelled() const { return m_control.cancel && m_control.cancel->load(); }

    void reach(qsizetype done)
    {
        const int percent = static_cast<int>(std::min<qsizetype>(done, m_total) * 100 / m_total);
        if (percent != m_percent && m_control.progress) {
            m_percent = percent;
            m_control.progress(percent);
        }
    }

private:
    const TrackReader::Control &m_control;
    qsizetype m_total;
    int m_percent = -1;
};

// Days from 1970-01-01 to the given date; months and days out of their
// range roll over into the next or previous month, as Date.UTC does.
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

// ---- NMEA ---------------------------------------------------------------

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

// ddmm.mmmm (two degree digits) or dddmm.mmmm (three), negated for "S" or "W".
std::optional<double> coordinate(QByteArrayView text, QByteArrayView hemisphere, int degreesSize)
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
// time belongs to the day of the previous point, or to the next day when it
// lies before it: a track running across midnight.
qint64 timestamp(QByteArrayView date, QByteArrayView time, const qint64 *previous, int thisYear)
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
    if (!previous)
        return millis;
    const qint64 dayStart = *previous - ((*previous % millisPerDay) + millisPerDay) % millisPerDay;
    qint64 stamp = dayStart + millis;
    if (stamp < *previous)
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
    {}

    // Adds the sentence's point unless another type fixed the track; false
    // when a number does not fit.
    bool add(Sentence sentence, const Fields &f)
    {
        if (!m_result->points.isEmpty() && m_sentence != sentence)
            return true;
        const int at = sentence == Sentence::Rmc ? 3 : sentence == Sentence::Gga ? 2 : 1;
        const std::optional<double> latitude = coordinate(f[at], f[at + 1], 2);
        const std::optional<double> longitude = coordinate(f[at + 2], f[at + 3], 3);
        std::optional<double> altitude = 0.0;
        if (sentence == Sentence::Gga) {
            altitude = decimalValue(f[9]);
            if (altitude)
                altitude = roundValue(*altitude, altRoundingSize);
        }
        if (!latitude || !longitude || !altitude || !std::isfinite(*altitude))
            return false;

        qint64 stamp = 0;
        const bool hasStamp = timestampOf(sentence, f, &stamp);
        // A "$GPGLL" without a time keeps the previous timestamp, which
        // carries the next one across midnight.
        if (hasStamp) {
            m_previous = stamp;
            m_hasPrevious = true;
        }
        TrackPoint point{*latitude, *longitude, *altitude, 0, 0};
        if (m_result->points.isEmpty()) {
            m_sentence = sentence;
            m_start = stamp;
            m_hasStart = hasStamp;
        } else {
            // A point without a timestamp, or in a track whose first point
            // has none, gets the time 0, as waypoints do.
            point.time = m_hasStart && hasStamp ? stamp - m_start : 0;
            point.interval = point.time - m_result->points.constLast().time;
        }
        m_result->points.append(point);
        return true;
    }

    Sentence sentence() const { return m_sentence; }

private:
    bool timestampOf(Sentence sentence, const Fields &f, qint64 *stamp) const
    {
        const qint64 *previous = m_hasPrevious ? &m_previous : nullptr;
        switch (sentence) {
        case Sentence::Rmc:
            *stamp = timestamp(f[9], f[1], previous, m_thisYear);
            return true;
        case Sentence::Gga:
            *stamp = timestamp({}, f[1], previous, m_thisYear);
            return true;
        case Sentence::Gll:
            if (const std::optional<QByteArrayView> time = gllTime(f[5])) {
                *stamp = timestamp({}, *time, previous, m_thisYear);
                return true;
            }
            return false;
        case Sentence::Wpl:
            return false;
        }
        return false;
    }

    TrackReadResult *m_result;
    Sentence m_sentence = Sentence::Rmc;
    qint64 m_start = 0;
    bool m_hasStart = false;
    qint64 m_previous = 0;
    bool m_hasPrevious = false;
    int m_thisYear = currentYear();
};

TrackReadResult failure(const QString &message, int line)
{
    TrackReadResult result;
    result.errorMessage = message;
    result.errorLine = line;
    return result;
}

TrackReadResult cancelledResult()
{
    TrackReadResult result;
    result.cancelled = true;
    return result;
}

// ---- GPX ----------------------------------------------------------------

// More attributes on one element than any GPX writer puts there; the XML
// reader compares each attribute with all before it, so a file of one such
// element would take minutes.
constexpr int maximumAttributes = 256;

// The line of the first start tag with more attributes than allowed, or 0.
// Comments, processing instructions and character data are passed over; a
// ">" inside a quoted value does not end the tag.
int lineOfCrowdedElement(QByteArrayView text)
{
    int line = 1;
    qsizetype i = 0;
    const qsizetype size = text.size();
    const auto skipTo = [&](const char *end) {
        const qsizetype found = text.indexOf(end, i);
        const qsizetype stop = found < 0 ? size : found + qsizetype(std::strlen(end));
        line += int(text.sliced(i, stop - i).count('\n'));
        i = stop;
    };
    while (i < size) {
        const char c = text[i];
        if (c == '\n')
            ++line;
        if (c != '<') {
            ++i;
            continue;
        }
        const QByteArrayView rest = text.sliced(i);
        if (rest.startsWith("<!--")) {
            skipTo("-->");
        } else if (rest.startsWith("<![CDATA[")) {
            skipTo("]]>");
        } else if (rest.startsWith("<?") || rest.startsWith("<!")) {
            skipTo(">");
        } else {
            const int tagLine = line;
            int equals = 0;
            char quote = 0;
            for (++i; i < size; ++i) {
                const char t = text[i];
                if (t == '\n')
                    ++line;
                if (quote) {
                    quote = t == quote ? 0 : quote;
                } else if (t == '"' || t == '\'') {
                    quote = t;
                } else if (t == '=') {
                    if (++equals > maximumAttributes)
                        return tagLine;
                } else if (t == '>') {
                    ++i;
                    break;
                }
            }
        }
    }
    return 0;
}

struct GpxPoint
{
    TrackPoint point;
    std::optional<qint64> time;
};

std::optional<double> gpxNumber(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The ISO forms the fast path leaves out (no seconds, week dates); the
// fields are taken as UTC when the text has no zone.
std::optional<qint64> otherIsoTime(QStringView text)
{
    QDateTime time = QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
    // A local time in a clock change's gap is invalid until it is UTC.
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    if (!time.isValid())
        return std::nullopt;
    return time.toMSecsSinceEpoch();
}

int twoDigitsAt(QStringView text, qsizetype at, bool *ok)
{
    if (at + 2 > text.size() || !text[at].isDigit() || !text[at + 1].isDigit()) {
        *ok = false;
        return 0;
    }
    return text[at].digitValue() * 10 + text[at + 1].digitValue();
}

// YYYY-MM-DDThh:mm:ss[.f][Z|±hh:mm] in milliseconds since the epoch. GPX
// times are UTC; one written without a zone is read as UTC too, so no local
// clock change can make it a time that does not exist.
std::optional<qint64> gpxTime(QStringView text)
{
    text = text.trimmed();
    bool ok = text.size() >= 19 && text[4] == u'-' && text[7] == u'-'
              && (text[10] == u'T' || text[10] == u't' || text[10] == u' ') && text[13] == u':'
              && text[16] == u':';
    const int year = ok ? text.first(4).toInt(&ok) : 0;
    const int month = twoDigitsAt(text, 5, &ok);
    const int day = twoDigitsAt(text, 8, &ok);
    const int hours = twoDigitsAt(text, 11, &ok);
    const int minutes = twoDigitsAt(text, 14, &ok);
    const int seconds = twoDigitsAt(text, 17, &ok);
    if (!ok || !QDate::isValid(year, month, day) || hours > 23 || minutes > 59 || seconds > 60)
        return otherIsoTime(text);
    qint64 millis
        = (daysFromCivil(year, month - 1, day) * 86400 + hours * 3600 + minutes * 60 + seconds)
          * 1000;
    qsizetype at = 19;
    if (at < text.size() && (text[at] == u'.' || text[at] == u',')) {
        const qsizetype start = ++at;
        while (at < text.size() && text[at].isDigit())
            ++at;
        if (at == start)
            return std::nullopt;
        const QStringView digits = text.sliced(start, std::min<qsizetype>(at - start, 15));
        millis += static_cast<qint64>(
            roundValue(digits.toLongLong() * 1000 / std::pow(10.0, digits.size()), 0));
    }
    const QStringView zone = text.sliced(at);
    if (zone.isEmpty() || zone == u"Z" || zone == u"z")
        return millis;
    if (zone.size() != 6 || (zone[0] != u'+' && zone[0] != u'-') || zone[3] != u':')
        return std::nullopt;
    const int zoneHours = twoDigitsAt(zone, 1, &ok);
    const int zoneMinutes = twoDigitsAt(zone, 4, &ok);
    if (!ok)
        return std::nullopt;
    const qint64 offset = (zoneHours * 60 + zoneMinutes) * 60000;
    return zone[0] == u'+' ? millis - offset : millis + offset;
}

std::optional<TrackReadResult> readCoordinates(QXmlStreamReader &xml, TrackPoint *point)
{
    const int line = static_cast<int>(xml.lineNumber());
    const QXmlStreamAttributes attributes = xml.attributes();
    const std::optional<double> latitude = gpxNumber(attributes.value(QLatin1String("lat")));
    const std::optional<double> longitude = gpxNumber(attributes.value(QLatin1String("lon")));
    if (!latitude)
        return failure(TrackReader::tr("GPX point has no valid latitude"), line);
    if (!longitude)
        return failure(TrackReader::tr("GPX point has no valid longitude"), line);
    if (*latitude < -90 || *latitude > 90)
        return failure(TrackReader::tr("GPX point has a latitude outside -90 to 90"), line);
    if (*longitude < -180 || *longitude > 180)
        return failure(TrackReader::tr("GPX point has a longitude outside -180 to 180"), line);
    point->latitude = roundValue(*latitude, latLongRoundingSize);
    point->longitude = roundValue(*longitude, latLongRoundingSize);
    return std::nullopt;
}

// The text of the element the reader stands on; nested markup adds none.
// Unlike readElementText(), it makes no string of its own per element.
const QString &elementText(QXmlStreamReader &xml, QString *buffer)
{
    buffer->clear();
    for (;;) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            buffer->append(xml.text());
            break;
        case QXmlStreamReader::StartElement:
            xml.skipCurrentElement();
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            break;
        default:
            return *buffer;
        }
    }
}

// The point element the reader stands on, with its "ele" and "time"
// children; anything else inside it is skipped.
std::optional<TrackReadResult> readPoint(QXmlStreamReader &xml, GpxPoint *point)
{
    if (std::optional<TrackReadResult> failed = readCoordinates(xml, &point->point))
        return failed;
    QString text;
    while (xml.readNextStartElement()) {
        const int line = static_cast<int>(xml.lineNumber());
        if (xml.name() == QLatin1String("ele")) {
            std::optional<double> altitude = gpxNumber(elementText(xml, &text));
            if (altitude)
                altitude = roundValue(*altitude, altRoundingSize);
            if (!altitude || !std::isfinite(*altitude))
                return failure(TrackReader::tr("GPX point has no valid elevation"), line);
            point->point.altitude = *altitude;
        } else if (xml.name() == QLatin1String("time")) {
            point->time = gpxTime(elementText(xml, &text));
            if (!point->time)
                return failure(TrackReader::tr("GPX point has no valid time"), line);
        } else {
            xml.skipCurrentElement();
        }
    }
    return std::nullopt;
}

// Without both times a point has the time 0, as NMEA waypoints do.
QList<TrackPoint> timedPoints(const QList<GpxPoint> &points)
{
    QList<TrackPoint> track;
    track.reserve(points.size());
    const std::optional<qint64> &start = points.first().time;
    for (const GpxPoint &gpxPoint : points) {
        TrackPoint point = gpxPoint.point;
        point.time = start && gpxPoint.time ? *gpxPoint.time - *start : 0;
        point.interval = track.isEmpty() ? 0 : point.time - track.constLast().time;
        track.append(point);
    }
    return track;
}

} // namespace

TrackReadResult TrackReader::readNmea(QByteArrayView text, const Control &control)
{
    Progress progress(control, text.size());
    TrackReadResult result;
    NmeaTrack track(&result);
    const bool mayHoldLineSeparators = holdsUnicodeLineSeparator(text);
    const bool endsInLineBreak = text.endsWith('\n') || text.endsWith('\r');
    int lineNumber = 0;
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
            return failure(QStringLiteral("Incorrect NMEA file"), lineNumber);
        }
        if (!track.add(*sentence, fields))
            return failure(tr("NMEA file has a number out of range"), lineNumber);
    }
    if (lineNumber == 0)
        return failure(tr("NMEA file is empty"), 0);
    if (result.points.isEmpty()) {
        return failure(tr("NMEA file has incorrect points format.\nSupported formats: GPRMC, "
                          "GPGGA, GPGLL, GPWPL."),
                       lineNumber);
    }
    result.format = QLatin1String(sentenceFormats[int(track.sentence())]);
    progress.reach(size);
    return result;
}

TrackReadResult TrackReader::readGpx(QByteArrayView text, const Control &control)
{
    if (QByteArrayView(text).trimmed().isEmpty())
        return failure(tr("GPX file is empty"), 0);
    if (const int line = lineOfCrowdedElement(text)) {
        return failure(tr("GPX element has more than %1 attributes").arg(maximumAttributes), line);
    }

    Progress progress(control, text.size());
    const std::array<QString, 3> kinds{
        QStringLiteral("trkpt"), QStringLiteral("rtept"), QStringLiteral("wpt")};
    QList<GpxPoint> pointsOfKind[3];
    QXmlStreamReader xml(QByteArray::fromRawData(text.data(), text.size()));
    int elements = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if ((++elements & 0x3ff) == 0) {
            if (progress.cancelled())
                return cancelledResult();
            progress.reach(xml.characterOffset());
        }
        const auto kind = std::find(kinds.begin(), kinds.end(), xml.name()) - kinds.begin();
        if (kind == qsizetype(kinds.size()))
            continue;
        GpxPoint point;
        const std::optional<TrackReadResult> failed = readPoint(xml, &point);
        // A point the XML breaks off in is no point; the XML error is told.
        if (xml.hasError())
            break;
        if (failed)
            return *failed;
        pointsOfKind[kind].append(point);
    }
    TrackReadResult result;
    const bool cutShort = xml.error() == QXmlStreamReader::PrematureEndOfDocumentError;
    if (xml.hasError() && !cutShort) {
        return failure(tr("GPX file is not well-formed XML: %1").arg(xml.errorString()),
                       static_cast<int>(xml.lineNumber()));
    }
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        if (pointsOfKind[kind].isEmpty())
            continue;
        result.format = kinds.at(kind);
        result.points = timedPoints(pointsOfKind[kind]);
        // A file cut short keeps the points read before the cut.
        result.linesCutOff = cutShort ? 1 : 0;
        progress.reach(text.size());
        return result;
    }
    if (cutShort) {
        return failure(tr("GPX file is not well-formed XML: %1").arg(xml.errorString()),
                       static_cast<int>(xml.lineNumber()));
    }
    return failure(tr("GPX file has no track points, route points or waypoints"),
                   static_cast<int>(xml.lineNumber()));
}

TrackReadResult TrackReader::readFile(const QString &path, const Control &control)
{
    QFile file(path);
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (path.endsWith(QLatin1String(".gpx"), Qt::CaseInsensitive))
        return readGpx(text, control);
    return readNmea(text, control);
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
    if (result.linesCutOff > 0)
        reasons.append(tr("%1 cut off at the end of the file").arg(result.linesCutOff));
    const int count = result.linesWithoutFix + result.linesCutOff;
    if (count == 0)
        return {};
    const QString why = reasons.join(QLatin1String(", "));
    return count == 1 ? tr("Skipped 1 line: %1.").arg(why)
                      : tr("Skipped %1 lines: %2.").arg(count).arg(why);
}

} // namespace EmulationManagement::Internal
