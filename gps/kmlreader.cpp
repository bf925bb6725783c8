#include "xmltrack.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace EmulationManagement::Internal {

using namespace TrackReading;

namespace {

const QString kml = QStringLiteral("KML");

struct TimedPoint
{
    TrackPoint point;
    qint64 time = 0;
};

// The elements that give a value its meaning; all others are Other.
enum class Element { Placemark, TimeStamp, Point, LineString, Track, Other };

Element elementOf(QStringView name)
{
    if (name == u"Placemark")
        return Element::Placemark;
    if (name == u"TimeStamp")
        return Element::TimeStamp;
    if (name == u"Point")
        return Element::Point;
    if (name == u"LineString")
        return Element::LineString;
    // <gx:Track> of KML 2.2 and <Track> of 2.3 alike.
    if (name == u"Track")
        return Element::Track;
    return Element::Other;
}

std::optional<TrackReadResult> checkedPosition(
    double longitude, double latitude, double altitude, int line, TrackPoint *point)
{
    if (latitude < -90 || latitude > 90)
        return failure(TrackReader::tr("KML point has a latitude outside -90 to 90"), line);
    if (longitude < -180 || longitude > 180)
        return failure(TrackReader::tr("KML point has a longitude outside -180 to 180"), line);
    point->latitude = roundValue(latitude, latLongRoundingSize);
    point->longitude = roundValue(longitude, latLongRoundingSize);
    point->altitude = roundValue(altitude, altRoundingSize);
    if (!std::isfinite(point->altitude))
        return failure(TrackReader::tr("KML point has no valid altitude"), line);
    return std::nullopt;
}

// One position, "longitude,latitude[,altitude]" or, in a track's <coord>,
// the same separated by spaces.
std::optional<TrackReadResult> readTuple(const QList<QStringView> &numbers,
                                         int line,
                                         TrackPoint *point)
{
    std::optional<double> values[3] = {std::nullopt, std::nullopt, 0.0};
    if (numbers.size() < 2 || numbers.size() > 3)
        return failure(TrackReader::tr("KML coordinates are not longitude,latitude[,altitude]"),
                       line);
    for (qsizetype i = 0; i < numbers.size(); ++i)
        values[i] = xmlNumber(numbers.at(i));
    if (!values[0] || !values[1] || !values[2])
        return failure(TrackReader::tr("KML coordinates are not longitude,latitude[,altitude]"),
                       line);
    return checkedPosition(*values[0], *values[1], *values[2], line, point);
}

class KmlDocument
{
public:
    explicit KmlDocument(QXmlStreamReader &xml)
        : m_xml(xml)
    {}

    // Reads the element the reader stands on; a failure ends the read.
    std::optional<TrackReadResult> start()
    {
        const QStringView name = m_xml.name();
        const Element parent = m_open.isEmpty() ? Element::Other : m_open.constLast();
        if (name == u"coordinates" && parent == Element::LineString)
            return readCoordinates(&m_line);
        if (name == u"coordinates" && parent == Element::Point)
            return readCoordinates(&m_placemarkPoints);
        if (name == u"when" && (parent == Element::TimeStamp || parent == Element::Track))
            return readWhen(parent);
        if (name == u"coord" && parent == Element::Track)
            return readCoord();
        const Element element = elementOf(name);
        if (element == Element::Placemark) {
            m_placemarkTime.reset();
            m_placemarkPoints.clear();
        } else if (element == Element::Track) {
            m_trackLine = int(m_xml.lineNumber());
            m_trackTimes.clear();
            m_trackPoints.clear();
        }
        m_open.append(element);
        return std::nullopt;
    }

    std::optional<TrackReadResult> end()
    {
        if (m_open.isEmpty())
            return std::nullopt;
        const Element element = m_open.takeLast();
        if (element == Element::Placemark)
            endPlacemark();
        else if (element == Element::Track)
            return endTrack(false);
        return std::nullopt;
    }

    // What a file cut short holds: the points of its last track that have times.
    void cutShort()
    {
        if (m_open.contains(Element::Track))
            endTrack(true);
    }

    // The timed points in time order if there are any, else the paths, else
    // the placemarks without times.
    bool take(TrackReadResult *result)
    {
        if (!m_timed.isEmpty()) {
            TrackClock clock(result);
            std::stable_sort(m_timed.begin(), m_timed.end(), [](const auto &a, const auto &b) {
                return a.time < b.time;
            });
            result->format = QStringLiteral("when");
            result->points.reserve(m_timed.size());
            for (const TimedPoint &point : std::as_const(m_timed))
                clock.append(point.point, point.time);
            m_timed = {};
        } else {
            // Points without times have the time and interval 0 as they are.
            const bool line = !m_line.isEmpty();
            result->format = line ? QStringLiteral("LineString") : QStringLiteral("Point");
            result->points = std::move(line ? m_line : m_untimedPoints);
        }
        return !result->points.isEmpty();
    }

private:
    // Reads the text as the XML reader delivers it, so that a path of many
    // megabytes is not copied; a tuple that a comment splits is joined.
    std::optional<TrackReadResult> readCoordinates(QList<TrackPoint> *points)
    {
        int line = int(m_xml.lineNumber());
        QString pending;
        const auto read = [&](QStringView text, bool last) -> std::optional<TrackReadResult> {
            qsizetype at = 0;
            while (at < text.size()) {
                if (text.at(at).isSpace()) {
                    line += text.at(at) == u'\n';
                    ++at;
                    continue;
                }
                qsizetype end = at;
                while (end < text.size() && !text.at(end).isSpace())
                    ++end;
                if (end == text.size() && !last) {
                    pending = text.sliced(at).toString();
                    return std::nullopt;
                }
                TrackPoint point;
                if (std::optional<TrackReadResult> failed
                    = readTuple(text.sliced(at, end - at).split(u','), line, &point))
                    return failed;
                points->append(point);
                at = end;
            }
            pending.clear();
            return std::nullopt;
        };
        for (;;) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference: {
                const QString joined
                    = pending.isEmpty() ? QString() : pending + m_xml.text().toString();
                if (std::optional<TrackReadResult> failed
                    = read(joined.isEmpty() ? m_xml.text() : QStringView(joined), false))
                    return failed;
                break;
            }
            case QXmlStreamReader::StartElement:
                m_xml.skipCurrentElement();
                break;
            case QXmlStreamReader::Comment:
            case QXmlStreamReader::ProcessingInstruction:
                break;
            default: {
                const QString last = std::exchange(pending, QString());
                return read(last, true);
            }
            }
        }
    }

    std::optional<TrackReadResult> readWhen(Element parent)
    {
        const int line = int(m_xml.lineNumber());
        const std::optional<qint64> time = isoTime(elementText(m_xml, &m_text));
        if (!time)
            return failure(TrackReader::tr("KML point has no valid time"), line);
        if (parent == Element::Track)
            m_trackTimes.append(*time);
        else if (m_open.contains(Element::Placemark))
            m_placemarkTime = time;
        return std::nullopt;
    }

    std::optional<TrackReadResult> readCoord()
    {
        const int line = int(m_xml.lineNumber());
        TrackPoint point;
        const QList<QStringView> numbers
            = QStringView(elementText(m_xml, &m_text)).trimmed().split(u' ', Qt::SkipEmptyParts);
        if (std::optional<TrackReadResult> failed = readTuple(numbers, line, &point))
            return failed;
        m_trackPoints.append(point);
        return std::nullopt;
    }

    void endPlacemark()
    {
        for (const TrackPoint &point : std::as_const(m_placemarkPoints)) {
            if (m_placemarkTime)
                m_timed.append({point, *m_placemarkTime});
            else
                m_untimedPoints.append(point);
        }
        m_placemarkPoints.clear();
    }

    // A track without times is a path; otherwise each position has its time.
    std::optional<TrackReadResult> endTrack(bool cutShort)
    {
        if (m_trackTimes.isEmpty()) {
            m_line.append(m_trackPoints);
        } else if (m_trackTimes.size() != m_trackPoints.size() && !cutShort) {
            return failure(TrackReader::tr("KML track has %1 times for %2 positions")
                               .arg(m_trackTimes.size())
                               .arg(m_trackPoints.size()),
                           m_trackLine);
        } else {
            const qsizetype count = std::min(m_trackTimes.size(), m_trackPoints.size());
            for (qsizetype i = 0; i < count; ++i)
                m_timed.append({m_trackPoints.at(i), m_trackTimes.at(i)});
        }
        m_trackTimes.clear();
        m_trackPoints.clear();
        return std::nullopt;
    }

    QXmlStreamReader &m_xml;
    QList<Element> m_open;
    QString m_text;
    QList<TrackPoint> m_line;
    QList<TrackPoint> m_untimedPoints;
    QList<TimedPoint> m_timed;
    std::optional<qint64> m_placemarkTime;
    QList<TrackPoint> m_placemarkPoints;
    int m_trackLine = 0;
    QList<qint64> m_trackTimes;
    QList<TrackPoint> m_trackPoints;
};

} // namespace

namespace TrackReading {

TrackReadResult readKmlText(QByteArrayView text, const TrackReader::Control &control)
{
    if (std::optional<TrackReadResult> refused = refuseHostileXml(text, kml))
        return *refused;

    Progress progress(control, text.size());
    XmlSource source(text);
    QXmlStreamReader xml(source.device());
    KmlDocument document(xml);
    int elements = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (declaresDocumentType(xml))
            return documentTypeFailure(static_cast<int>(xml.lineNumber()), kml);
        std::optional<TrackReadResult> failed;
        if (token == QXmlStreamReader::StartElement) {
            if ((++elements & 0x3ff) == 0) {
                if (progress.cancelled())
                    return cancelledResult();
                progress.reach(xml.characterOffset());
            }
            failed = document.start();
        } else if (token == QXmlStreamReader::EndElement) {
            failed = document.end();
        }
        // A value the XML breaks off in is none; the XML error is told.
        if (xml.hasError())
            break;
        if (failed)
            return *failed;
    }
    const bool cutShort = xml.error() == QXmlStreamReader::PrematureEndOfDocumentError;
    if (xml.hasError() && !cutShort)
        return xmlFailure(xml, kml);
    if (cutShort)
        document.cutShort();
    TrackReadResult result;
    if (document.take(&result)) {
        // A file cut short keeps the points read before the cut.
        result.linesCutOff = cutShort ? 1 : 0;
        progress.reach(text.size());
        return result;
    }
    if (cutShort)
        return xmlFailure(xml, kml);
    return failure(TrackReader::tr("KML file has no paths, tracks or placemarks with points"),
                   static_cast<int>(xml.lineNumber()));
}

} // namespace TrackReading

} // namespace EmulationManagement::Internal
