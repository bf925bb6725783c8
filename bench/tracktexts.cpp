#include "tracktexts.h"

namespace TrackTexts {

namespace {

QByteArray twoDigits(int value)
{
    return QByteArray::number(value).rightJustified(2, '0');
}

QByteArray nmeaTime(int second)
{
    return twoDigits(second / 3600 % 24) + twoDigits(second / 60 % 60) + twoDigits(second % 60);
}

QByteArray latitude(int second)
{
    return "48" + QByteArray::number(7.038 + second % 3000 * 0.0001, 'f', 4).rightJustified(7, '0');
}

QByteArray gga(int second)
{
    return "$GPGGA," + nmeaTime(second) + ',' + latitude(second) + ",N,01131.000,E,1,08,0.9,"
           + QByteArray::number(500 + second % 100 * 0.1, 'f', 1) + ",M,46.9,M,,*47";
}

QByteArray isoTime(int second)
{
    return "2023-06-" + twoDigits(1 + second / 86400 % 28) + 'T' + twoDigits(second / 3600 % 24)
           + ':' + twoDigits(second / 60 % 60) + ':' + twoDigits(second % 60) + 'Z';
}

QByteArray gpxDocument(const QByteArray &body, const QByteArray &rootAttributes = {})
{
    return "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"" + rootAttributes
           + " xmlns=\"http://www.topografix.com/GPX/1/1\">\n" + body + "</gpx>\n";
}

} // namespace

QByteArray ggaLog(int seconds)
{
    QByteArray text;
    for (int second = 0; second < seconds; ++second)
        text += gga(second) + "\r\n";
    return text;
}

QByteArray mixedLog(int lineCount)
{
    QByteArrayList lines;
    for (int i = 0; lines.size() < lineCount; ++i) {
        lines.append(gga(i));
        lines.append("$GPRMC," + nmeaTime(i) + ",A," + latitude(i)
                     + ",N,01131.000,E,022.4,084.4,230394,003.1,W*6A");
        lines.append("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00*74");
        lines.append("$GPGLL," + latitude(i) + ",N,01131.000,E," + nmeaTime(i) + ",A*1D");
        lines.append("$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48");
        lines.append("$GPWPL," + latitude(i) + ",N,01131.000,E,WPT" + QByteArray::number(i)
                     + "*65");
    }
    lines.resize(lineCount);
    return lines.join('\n');
}

QByteArray rmcLog(qsizetype bytes)
{
    QByteArray text;
    text.reserve(bytes + 100);
    for (int second = 0; text.size() < bytes; ++second) {
        text += "$GPRMC," + nmeaTime(second) + ",A," + latitude(second)
                + ",N,01131.000,E,022.4,084.4," + twoDigits(1 + second / 86400 % 28)
                + "0623,003.1,W*6A\r\n";
    }
    return text;
}

QByteArray gpxTrack(qsizetype bytes)
{
    QByteArray body = "<trk><name>ride</name><trkseg>\n";
    body.reserve(bytes + 200);
    for (int second = 0; body.size() < bytes; ++second) {
        body += "<trkpt lat=\"48.1" + QByteArray::number(second % 9000).rightJustified(4, '0')
                + "\" lon=\"11.5166\"><ele>" + QByteArray::number(500 + second % 100 * 0.1, 'f', 1)
                + "</ele><time>" + isoTime(second) + "</time></trkpt>\n";
    }
    return gpxDocument(body + "</trkseg></trk>\n");
}

QList<std::pair<const char *, QByteArray>> awkwardGpxFiles()
{
    QByteArray attributes;
    for (int i = 0; i < 100000; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"1\"";
    QByteArray namespaces;
    for (int i = 0; i < 30000; ++i)
        namespaces += " xmlns:n" + QByteArray::number(i) + "=\"u" + QByteArray::number(i) + '"';
    const QByteArray point = "<wpt lat=\"1.5\" lon=\"2.5\"/>\n";
    return {
        {"100,000 attributes on one element",
         gpxDocument("<wpt lat=\"1\" lon=\"2\"" + attributes + "/>\n")},
        {"100,000 nested elements",
         gpxDocument(QByteArray("<e>").repeated(100000) + QByteArray("</e>").repeated(100000)
                     + point)},
        {"one text of 1 MB", gpxDocument("<desc>" + QByteArray(1000000, 'x') + "</desc>" + point)},
        {"30,000 namespaces on the root", gpxDocument(point.repeated(1000), namespaces)},
        {"an attribute value of 1 MB",
         gpxDocument("<wpt lat=\"1\" lon=\"2\" name=\"" + QByteArray(1000000, 'y') + "\"/>\n")},
        {"40,000 small points", gpxDocument(point.repeated(40000))},
        {"an entity of 4,000 characters in each of 25 points",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE gpx [<!ENTITY e \"" + QByteArray(4000, 'e')
             + "\">]>\n<gpx>"
             + QByteArray("<wpt lat=\"1\" lon=\"2\"><desc>&e;</desc></wpt>").repeated(25)
             + "</gpx>\n"},
        {"10 MB of nesting",
         gpxDocument(QByteArray("<e>").repeated(1700000) + QByteArray("</e>").repeated(1700000))},
    };
}

} // namespace TrackTexts
