#include "gpxtrackreader.h"

#include <QDateTime>
#include <QJSEngine>
#include <QXmlStreamReader>

#include <cmath>
#include <optional>

namespace EmulationManagement::Internal {

namespace {

const int latLongRoundingSize = 7;
const int altRoundingSize = 2;

struct GpxPoint
{
    QString kind;
    double latitude = 0;
    double longitude = 0;
    double altitude = 0;
    QDateTime time;
};

struct Failure
{
    QString message;
    int line = 0;
};

// Rounds half-way values up, toward positive infinity, as the NMEA reader's
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

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// hh:mm:ss.t with the hours modulo a day, as the NMEA reader writes it.
QString pointTime(qint64 millis)
{
    if (millis < 0)
        return QLatin1Char('-') + pointTime(-millis);
    return QStringLiteral("%1:%2:%3.%4")
        .arg(twoDigits(millis / 3600000 % 24),
             twoDigits(millis / 60000 % 60),
             twoDigits(millis / 1000 % 60),
             QString::number(millis % 1000 / 100));
}

std::optional<double> number(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// GPX times are UTC; one written without a zone is read as UTC too.
QDateTime pointDateTime(const QString &text)
{
    QDateTime time = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
    if (time.isValid() && time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    return time;
}

std::optional<Failure> readCoordinates(QXmlStreamReader &xml, GpxPoint *point)
{
    const int line = static_cast<int>(xml.lineNumber());
    const std::optional<double> latitude = number(xml.attributes().value(QLatin1String("lat")));
    const std::optional<double> longitude = number(xml.attributes().value(QLatin1String("lon")));
    if (!latitude)
        return Failure{GpxTrackReader::tr("GPX point has no valid latitude"), line};
    if (!longitude)
        return Failure{GpxTrackReader::tr("GPX point has no valid longitude"), line};
    if (*latitude < -90 || *latitude > 90)
        return Failure{GpxTrackReader::tr("GPX point has a latitude outside -90 to 90"), line};
    if (*longitude < -180 || *longitude > 180)
        return Failure{GpxTrackReader::tr("GPX point has a longitude outside -180 to 180"), line};
    point->latitude = roundValue(*latitude, latLongRoundingSize);
    point->longitude = roundValue(*longitude, latLongRoundingSize);
    return std::nullopt;
}

// The point element the reader stands on, with its "ele" and "time"
// children; anything else inside it is skipped.
std::optional<Failure> readPoint(QXmlStreamReader &xml, GpxPoint *point)
{
    point->kind = xml.name().toString();
    if (const std::optional<Failure> failure = readCoordinates(xml, point))
        return failure;
    while (xml.readNextStartElement()) {
        const int line = static_cast<int>(xml.lineNumber());
        if (xml.name() == QLatin1String("ele")) {
            const std::optional<double> altitude = number(xml.readElementText());
            if (!altitude)
                return Failure{GpxTrackReader::tr("GPX point has no valid elevation"), line};
            point->altitude = roundValue(*altitude, altRoundingSize);
        } else if (xml.name() == QLatin1String("time")) {
            point->time = pointDateTime(xml.readElementText());
            if (!point->time.isValid())
                return Failure{GpxTrackReader::tr("GPX point has no valid time"), line};
        } else {
            xml.skipCurrentElement();
        }
    }
    return std::nullopt;
}

// Track points, else route points, else waypoints, as the file holds them.
QVariantList trackPoints(const QList<GpxPoint> &points)
{
    QVariantList records;
    const QDateTime &start = points.first().time;
    qint64 previousTime = 0;
    for (const GpxPoint &point : points) {
        // Without both times a point has the time 0, as NMEA waypoints do.
        const qint64 time = start.isValid() && point.time.isValid() ? start.msecsTo(point.time) : 0;
        records.append(QVariantMap{{QStringLiteral("format"), point.kind},
                                   {QStringLiteral("latitude"), point.latitude},
                                   {QStringLiteral("longitude"), point.longitude},
                                   {QStringLiteral("altitude"), point.altitude},
                                   {QStringLiteral("index"), records.size()},
                                   {QStringLiteral("time"), double(time)},
                                   {QStringLiteral("interval"), double(time - previousTime)},
                                   {QStringLiteral("timeString"), pointTime(time)}});
        previousTime = time;
    }
    return records;
}

} // namespace

GpxTrackReader::Result GpxTrackReader::read(const QString &text)
{
    if (text.trimmed().isEmpty())
        return {{}, tr("GPX file is empty"), 0};

    const QStringList kinds{
        QStringLiteral("trkpt"), QStringLiteral("rtept"), QStringLiteral("wpt")};
    QList<GpxPoint> pointsOfKind[3];
    QXmlStreamReader xml(text);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const qsizetype kind = kinds.indexOf(xml.name().toString());
        if (kind < 0)
            continue;
        GpxPoint point;
        if (const std::optional<Failure> failure = readPoint(xml, &point))
            return {{}, failure->message, failure->line};
        pointsOfKind[kind].append(point);
    }
    if (xml.hasError()) {
        return {{},
                tr("GPX file is not well-formed XML: %1").arg(xml.errorString()),
                static_cast<int>(xml.lineNumber())};
    }
    for (const QList<GpxPoint> &points : pointsOfKind) {
        if (!points.isEmpty())
            return {trackPoints(points), {}, 0};
    }
    return {{},
            tr("GPX file has no track points, route points or waypoints"),
            static_cast<int>(xml.lineNumber())};
}

QVariantList GpxTrackReader::loadGpxTrack(const QString &text)
{
    const Result result = read(text);
    QJSEngine *engine = qjsEngine(this);
    if (result.errorMessage.isEmpty() || !engine)
        return result.points;
    QJSValue error = engine->newErrorObject(QJSValue::SyntaxError, result.errorMessage);
    error.setProperty(QStringLiteral("incorrectLine"), result.errorLine);
    engine->throwError(error);
    return {};
}

} // namespace EmulationManagement::Internal
