#include "xmltrack.h"

#include <QXmlStreamReader>

#include <array>
#include <cmath>

namespace EmulationManagement::Internal {

using namespace TrackReading;

namespace {

const QString gpx = QStringLiteral("GPX");

struct GpxPoint
{
    TrackPoint point;
    std::optional<qint64> time;
};

std::optional<TrackReadResult> readCoordinates(QXmlStreamReader &xml, TrackPoint *point)
{
    const int line = static_cast<int>(xml.lineNumber());
    const QXmlStreamAttributes attributes = xml.attributes();
    const std::optional<double> latitude = xmlNumber(attributes.value(QLatin1String("lat")));
    const std::optional<double> longitude = xmlNumber(attributes.value(QLatin1String("lon")));
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
            std::optional<double> altitude = xmlNumber(elementText(xml, &text));
            if (altitude)
                altitude = roundValue(*altitude, altRoundingSize);
            if (!altitude || !std::isfinite(*altitude))
                return failure(TrackReader::tr("GPX point has no valid elevation"), line);
            point->point.altitude = *altitude;
        } else if (xml.name() == QLatin1String("time")) {
            point->time = isoTime(elementText(xml, &text));
            if (!point->time)
                return failure(TrackReader::tr("GPX point has no valid time"), line);
        } else {
            xml.skipCurrentElement();
        }
    }
    return std::nullopt;
}

} // namespace

namespace TrackReading {

TrackReadResult readGpxText(QByteArrayView text, const TrackReader::Control &control)
{
    if (std::optional<TrackReadResult> refused = refuseHostileXml(text, gpx))
        return *refused;

    Progress progress(control, text.size());
    const std::array<QString, 3> kinds{
        QStringLiteral("trkpt"), QStringLiteral("rtept"), QStringLiteral("wpt")};
    QList<GpxPoint> pointsOfKind[3];
    XmlSource source(text);
    QXmlStreamReader xml(source.device());
    int elements = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (declaresDocumentType(xml))
            return documentTypeFailure(static_cast<int>(xml.lineNumber()), gpx);
        if (token != QXmlStreamReader::StartElement)
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
    const bool cutShort = xml.error() == QXmlStreamReader::PrematureEndOfDocumentError;
    if (xml.hasError() && !cutShort)
        return xmlFailure(xml, gpx);
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        if (pointsOfKind[kind].isEmpty())
            continue;
        TrackReadResult result;
        result.format = kinds.at(kind);
        result.points.reserve(pointsOfKind[kind].size());
        TrackClock clock(&result);
        for (const GpxPoint &point : std::as_const(pointsOfKind[kind]))
            clock.append(point.point, point.time);
        // A file cut short keeps the points read before the cut.
        result.linesCutOff = cutShort ? 1 : 0;
        progress.reach(text.size());
        return result;
    }
    if (cutShort)
        return xmlFailure(xml, gpx);
    return failure(TrackReader::tr("GPX file has no track points, route points or waypoints"),
                   static_cast<int>(xml.lineNumber()));
}

} // namespace TrackReading

} // namespace EmulationManagement::Internal
