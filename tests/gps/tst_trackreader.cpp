#include "gps/gpsemulationmanager.h"
#include "gps/trackreader.h"

#include "emulator/geoclueemulationservice.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

using namespace EmulationManagement::Internal;

namespace {

// Shorthand lines of the rows: "G:time" or "G:time,latitude,longitude,altitude"
// for $GPGGA, "R:date,time" for $GPRMC, "L:time" for $GPGLL, "W" for $GPWPL.
// Any other line is taken as it is. Every text ends in a line break unless
// it ends in "<cut>", a writer stopped in its last line.
QString expand(const QString &line)
{
    static const QRegularExpression shorthand(QStringLiteral("^([GRL]):(.*)$|^W$"));
    const QRegularExpressionMatch match = shorthand.match(line);
    if (!match.hasMatch())
        return line;
    const QStringList f = match.captured(2).split(QLatin1Char(','));
    switch (line.at(0).unicode()) {
    case 'G':
        return QStringLiteral("$GPGGA,%1,%2,N,%3,E,1,08,0.9,%4,M,46.9,M,,*47")
            .arg(f.at(0),
                 f.value(1, QStringLiteral("4807.038")),
                 f.value(2, QStringLiteral("01131.000")),
                 f.value(3, QStringLiteral("545.4")));
    case 'R':
        return QStringLiteral("$GPRMC,%2,A,4807.038,N,01131.000,E,022.4,084.4,%1,003.1,W*6A")
            .arg(f.at(0), f.value(1));
    case 'L':
        return QStringLiteral("$GPGLL,4916.45,N,12311.12,W,%1,A*1D").arg(f.at(0));
    default:
        return QStringLiteral("$GPWPL,4917.16,N,12310.64,W,003*65");
    }
}

QByteArray expandAll(const char *text)
{
    QString source = QString::fromUtf8(text);
    const bool cut = source.endsWith(QLatin1String("<cut>"));
    source.chop(cut ? 5 : 0);
    QStringList lines = source.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = expand(line);
    return (lines.join(QLatin1Char('\n')) + (cut ? QString() : QStringLiteral("\n"))).toUtf8();
}

// A body ending in "<cut>" is the end of a file cut short; one starting with
// "<?xml" is a whole document.
QByteArray xmlDocument(const QByteArray &head, const QByteArray &text, const char *root)
{
    if (text.startsWith("<?xml"))
        return text;
    return text.endsWith("<cut>") ? head + text.chopped(5) : head + text + "\n</" + root + ">\n";
}

QByteArray gpxDocument(const QByteArray &body)
{
    return xmlDocument("<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" "
                       "xmlns=\"http://www.topografix.com/GPX/1/1\">\n",
                       body,
                       "gpx");
}

QByteArray kmlDocument(const QByteArray &body)
{
    return xmlDocument("<?xml version=\"1.0\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\" "
                       "xmlns:gx=\"urn:x-kml-extensions\">\n",
                       body,
                       "kml");
}

QByteArray utf16(const QByteArray &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encode(encoding, QStringConverter::Flag::WriteBom);
    return encode(QString::fromUtf8(text));
}

const QByteArray utf8Bom = "\xEF\xBB\xBF";

// The fields named in key ("time/interval") of every point, "withoutDateTime"
// for the whole track, "skipped" for the lines left out, or the failure as
// "message@line".
QString summary(const char *key, const TrackReadResult &result)
{
    if (!result.succeeded())
        return QStringLiteral("%1@%2").arg(result.errorMessage).arg(result.errorLine);
    if (qstrcmp(key, "withoutDateTime") == 0)
        return QVariant(TrackReader::hasPointsWithoutTime(result.points)).toString();
    if (qstrcmp(key, "skipped") == 0)
        return QString::number(result.points.size()) + QLatin1Char(' ')
               + TrackReader::skippedLinesNote(result);
    QStringList values;
    for (const QVariant &point : TrackReader::toVariantList(result)) {
        QStringList fields;
        for (const QString &field : QString::fromLatin1(key).split(QLatin1Char('/')))
            fields.append(point.toMap().value(field, QStringLiteral("?")).toString());
        values.append(fields.join(QLatin1Char('/')));
    }
    return values.join(QLatin1Char(' '));
}

void addColumns()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
}

void row(const char *name, const char *key, const QByteArray &text, const char *expected)
{
    QTest::newRow(name) << QString::fromLatin1(key) << text << QString::fromUtf8(expected);
}

// A log a receiver might write: fixes of one type a second apart, with a
// midnight, reordered and repeated sentences, GLL fixes without a time,
// other types and impossible positions mixed in.
QByteArray randomLog(QRandomGenerator &random)
{
    const int kind = random.bounded(3);
    int second = random.bounded(2) ? 86399 - random.bounded(60) : random.bounded(86400);
    int day = 1;
    QList<QByteArray> lines;
    for (int i = 0, count = random.bounded(2, 40); i < count; ++i) {
        second += random.bounded(0, 3);
        if (second >= 86400) {
            second -= 86400;
            ++day;
        }
        const QByteArray time
            = QString::asprintf("%02d%02d%02d", second / 3600, second / 60 % 60, second % 60)
                  .toLatin1();
        const double latitude = random.bounded(90.0);
        const double longitude = random.bounded(180.0);
        const QByteArray lat
            = QString::asprintf("%02d%07.4f", int(latitude), (latitude - int(latitude)) * 59.9999)
                  .toLatin1()
              + (random.bounded(2) ? ",N" : ",S");
        const QByteArray lon = QString::asprintf("%03d%07.4f",
                                                 int(longitude),
                                                 (longitude - int(longitude)) * 59.9999)
                                   .toLatin1()
                               + (random.bounded(2) ? ",E" : ",W");
        const int type = random.bounded(10) == 0 ? random.bounded(3) : kind;
        if (type == 0)
            lines.append("$GPGGA," + time + "," + lat + "," + lon + ",1,08,0.9,"
                         + QByteArray::number(random.bounded(-400, 9000)) + ".5,M,46.9,M,,*47");
        else if (type == 1)
            lines.append("$GPRMC," + time + ",A," + lat + "," + lon + ",022.4,084.4,"
                         + QByteArray::number(day).rightJustified(2, '0') + "0623,003.1,W*6A");
        else
            lines.append("$GPGLL," + lat + "," + lon + ","
                         + (random.bounded(8) ? time : QByteArray()) + ",A*1D");
        if (random.bounded(10) == 0)
            lines.append("$GPGGA," + time + ",9507.038,N," + lon + ",1,08,0.9,1.5,M,46.9,M,,*47");
    }
    for (int swaps = random.bounded(3); swaps > 0; --swaps) {
        const int at = random.bounded(lines.size());
        lines.swapItemsAt(at, random.bounded(lines.size()));
    }
    return lines.join("\r\n") + "\r\n";
}

} // namespace

class TrackReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void nmea_data();
    void nmea() { check(TrackReader::readNmea); }
    void gpx_data();
    void gpx() { check(TrackReader::readGpx); }
    void kml_data();
    void kml() { check(TrackReader::readKml); }
    void progressAndCancel();
    void allocationFailureIsARefusedFile();
    void randomLogsGiveTracksTheEmulatorTakes();

private:
    void check(TrackReadResult (*read)(QByteArrayView, const TrackReadControl &));
};

void TrackReaderTest::check(TrackReadResult (*read)(QByteArrayView, const TrackReadControl &))
{
    QFETCH(QString, key);
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    QCOMPARE(summary(qPrintable(key), read(text, {})), expected);
}

void TrackReaderTest::nmea_data()
{
    addColumns();
    const QByteArray huge(400, '9');
    const auto nmea
        = [](const char *name, const char *key, const QByteArray &text, const char *expected) {
              row(name, key, expandAll(text.constData()), expected);
          };
    // clang-format off
    nmea("times and intervals", "time/interval/index", "G:123519\nG:123521\nG:123524.50", "0/0/0 2000/2000/1 5500/3500/2");
    nmea("format", "format", "G:123519\nG:123521", "$GPGGA $GPGGA");
    nmea("fractions of a second", "time/timeString", "G:000000\nG:000001.123\nG:000001.25\nG:000001.50\nG:000001.999\nG:010205.90", "0/00:00:00.0 1123/00:00:01.1 1250/00:00:01.2 1500/00:00:01.5 1999/00:00:01.9 3725900/01:02:05.9");
    nmea("midnight without a date", "time/interval", "G:235959\nG:000001\nG:000003\nG:235959", "0/0 2000/2000 4000/2000 86400000/86396000");
    nmea("midnight after a long step back", "time", "G:230000\nG:100000", "0 39600000");
    nmea("month end", "interval", "R:310123,235959\nR:010223,000001", "0 2000");
    nmea("leap day", "interval", "R:290224,235959.50\nR:010324,000001.25", "0 1750");
    nmea("century", "interval", "R:311299,235959\nR:010100,000001", "0 2000");
    nmea("day change with a date", "time/timeString", "R:010123,000000\nR:020123,010000.10", "0/00:00:00.0 90000100/01:00:00.1");
    // UTC: Berlin skips 02:00-03:00 on 26 March 2023 and repeats it on 29 October 2023.
    nmea("UTC over a skipped hour", "interval/timeString", "R:260323,015959\nR:260323,030001", "0/00:00:00.0 3602000/01:00:02.0");
    nmea("UTC over a repeated hour", "interval/timeString", "R:291023,021000\nR:291023,023000.50", "0/00:00:00.0 1200500/00:20:00.5");
    // Points that go back in time follow the one before at once.
    nmea("RMC out of order", "time/interval", "R:010123,120005\nR:010123,120007\nR:010123,120006\nR:010123,120008", "0/0 2000/2000 2000/0 3000/1000");
    nmea("GGA one second back is no midnight", "time/interval", "G:120005\nG:120007\nG:120006\nG:120009", "0/0 2000/2000 2000/0 4000/2000");
    nmea("GGA eleven hours back is no midnight", "time/interval", "G:130000\nG:130001\nG:020000", "0/0 1000/1000 1000/0");
    nmea("reordered points noted", "skipped", "G:120005\nG:120007\nG:120006\nG:120004", "4 2 points go back in time; each follows the one before at once.");
    nmea("a reordered point noted", "skipped", "L:120005\nL:120004", "2 1 point goes back in time; it follows the one before at once.");
    nmea("reordered first points leave the track without times", "withoutDateTime", "G:120005\nG:120004\nG:120006", "true");
    // $GPGLL without a time has time 0
    nmea("GLL times", "time", "L:225444\nL:225446.50", "0 2500");
    nmea("GLL without a time field", "time/timeString", "L:225444\n$GPGLL,4916.45,N,12311.12,W,", "0/00:00:00.0 0/00:00:00.0");
    nmea("GLL without a time between", "time/interval", "L:225444\nL:\nL:225446", "0/0 0/0 2000/2000");
    nmea("GLL without a time last", "time/interval", "L:225444\nL:225446\nL:", "0/0 2000/2000 0/0");
    nmea("GLL without a first time", "time", "L:\nL:225444\nL:225446", "0 0 0");
    nmea("GLL time with checksum", "time", "L:225444\n$GPGLL,4916.45,N,12311.12,W,225446*1D", "0 2000");
    nmea("GLL across midnight without a time", "time", "L:235959\nL:\nL:000001", "0 0 2000");
    nmea("waypoints", "time/timeString", "W\nW\nW", "0/00:00:00.0 0/00:00:00.0 0/00:00:00.0");
    // Positions
    nmea("GLL position", "latitude/longitude/altitude", "L:225444", "49.2741667/-123.1853333/0");
    nmea("WPL position", "latitude/longitude/altitude", "W", "49.286/-123.1773333/0");
    nmea("GGA position", "latitude/longitude/altitude", "G:123519", "48.1173/11.5166667/545.4");
    nmea("RMC position", "latitude/longitude/altitude", "R:230394,123519", "48.1173/11.5166667/0");
    nmea("southern and eastern", "latitude/longitude", "$GPWPL,3352.128,S,15112.558,E,SYD", "-33.8688/151.2093");
    nmea("no negative zero", "latitude/longitude", "$GPWPL,0000.000,S,17959.994,W,X", "0/-179.9999");
    nmea("altitudes rounded", "altitude", "G:000000,4807.038,01131.000,545.456\nG:000001,4807.038,01131.000,0.125\nG:000002,4807.038,01131.000,-12.5", "545.46 0.13 -12.5");
    nmea("the poles and the date line", "latitude/longitude", "$GPWPL,9000.000,S,18000.000,W,X", "-90/-180");
    // Impossible positions are left out with their reason.
    nmea("latitude over 90", "skipped", "G:123519,9507.038\nG:123520", "1 Skipped 1 line: 1 with an impossible position.");
    nmea("longitude over 180", "skipped", "G:123519,4807.038,18131.000\nG:123520\nR:010123,123521", "1 Skipped 1 line: 1 with an impossible position.");
    nmea("60 minutes", "skipped", "G:123519,4860.000\nG:123520,4807.038,01175.000\nG:123521", "1 Skipped 2 lines: 2 with an impossible position.");
    nmea("only impossible positions", "error", "$GPGSV,3,1,11*74\nG:123519,4807.038,18131.000\nG:123520,9100.000", "NMEA file has an impossible position: a longitude over 180 degrees@2");
    // Byte order marks
    row("UTF-8 byte order mark", "index", utf8Bom + expandAll("G:123519"), "0");
    row("UTF-16 little-endian", "time", utf16(expandAll("G:123519\nG:123520"), QStringConverter::Utf16LE), "0 1000");
    row("UTF-16 big-endian", "time", utf16(expandAll("G:123519\nG:123520"), QStringConverter::Utf16BE), "0 1000");
    // Sentence types, of any satellite system's talker
    nmea("first type fixes the track", "format/interval", "$GPGSV,3,1,11,03,03,111,00*74\nR:230394,123519\nG:123520\nW\nR:230394,123521\nL:123522", "$GPRMC/0 $GPRMC/2000");
    nmea("waypoints fix the track", "format", "W\nG:123520\nW", "$GPWPL $GPWPL");
    nmea("GGA talkers", "format/time", "$GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\n$GPGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\n$GLGGA,123521,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", "$GPGGA/0 $GPGGA/1000 $GPGGA/2000");
    nmea("RMC talkers", "format/time", "$GARMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W\n$GBRMC,123520,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W", "$GPRMC/0 $GPRMC/1000");
    nmea("other lines skipped", "index", "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48\nconstructor\n$GXGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\nfree text, with commas\nG:123519", "0");
    nmea("lower case skipped", "index", "$gpgga,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\nG:123519", "0");
    nmea("CRLF", "interval", "\r\n$GPGLL,4916.45,N,12311.12,W,225444,A*1D\r\n\r\n$GPGLL,4916.45,N,12311.12,W,225446,A*1D\r\n", "0 2000");
    nmea("lone CR", "index", "$GPGLL,4916.45,N,12311.12,W,225444,A*1D\r$GPGLL,4916.45,N,12311.12,W,225446,A*1D", "0 1");
    // Lines without a fix are left out, before the first fix too; so is a last line cut short.
    nmea("GGA without a fix", "skipped", "$GPGGA,123519,,,,,0,00,99.99,,,,,,*48\nG:123520\n$GPGGA,123521,,,,,0,00,99.99,,,,,,*48\nG:123522", "2 Skipped 2 lines: 2 without a position fix.");
    nmea("RMC and GLL without a fix", "skipped", "$GPRMC,123519,V,,,,,,,230394,,,N*53\nR:230394,123520\n$GPGLL,,,,,123521,V,N*64", "1 Skipped 2 lines: 2 without a position fix.");
    nmea("last line cut", "skipped", "G:123519\n$GPGGA,123520,4807.0<cut>", "1 Skipped 1 line: 1 cut off at the end of the file.");
    nmea("reasons together", "skipped", "$GPGGA,123519,,,,,0,00,99.99,,,,,,*48\nG:123520\n$GPGGA,1235<cut>", "1 Skipped 2 lines: 1 without a position fix, 1 cut off at the end of the file.");
    nmea("nothing skipped", "skipped", "G:123519\nG:123520", "2 ");
    // Failures
    nmea("empty", "error", "", "NMEA file is empty@0");
    nmea("only line breaks", "error", "\n\r\n\n", "NMEA file is empty@0");
    nmea("no supported sentence", "error", "$GPGSV,3,1,11*74\n\nhello", "NMEA file has incorrect points format.\nSupported formats: GPRMC, GPGGA, GPGLL, GPWPL.@2");
    nmea("no fix at all", "error", "$GPRMC,123519,V,,,,,,,230394,,,N*53", "NMEA file has incorrect points format.\nSupported formats: GPRMC, GPGGA, GPGLL, GPWPL.@1");
    nmea("malformed other type", "error", "R:230394,123519\n\nG:123520\n$GPGGA,1235,x", "Incorrect NMEA file@3");
    nmea("empty lines not counted", "error", "\n\nG:123519\n\n\n$GPWPL,,,,,", "Incorrect NMEA file@2");
    nmea("altitude without a point", "error", "G:123519,4807.038,01131.000,545", "Incorrect NMEA file@1");
    nmea("one decimal of a second", "error", "G:123519.5", "Incorrect NMEA file@1");
    nmea("four decimals of a second", "error", "G:123519.1234", "Incorrect NMEA file@1");
    nmea("RMC without a date", "error", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,,003.1,W", "Incorrect NMEA file@1");
    nmea("lower-case hemisphere", "error", "$GPWPL,4917.16,n,12310.64,W,003", "Incorrect NMEA file@1");
    nmea("line separator inside", "error", "$GPWPL,4917.16,N,12310.64,W,\xE2\x80\xA8", "Incorrect NMEA file@1");
    nmea("huge latitude", "error", "$GPGLL,48" + huge + ".5,N,01131.000,E,225444,A\n", "NMEA file has a number out of range@1");
    nmea("huge altitude", "error", "G:123519\nG:123520,4807.038,01131.000," + huge + ".5", "NMEA file has a number out of range@2");
    // Extra commas that move the fields read
    nmea("RMC with an extra field", "error", "G:123518\n$GPRMC,123519,A,B,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A", "Incorrect NMEA file@2");
    nmea("GGA with an extra field", "error", "G:123518\n$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,x,545.4,M,46.9,M,,*47", "Incorrect NMEA file@2");
    nmea("RMC date moved", "error", "R:010123,000000\n$GPRMC,000001,A,4807.038,N,01131.000,E,1,2,x,010123,3,W", "Incorrect NMEA file@2");
    // Tracks with points that share a time
    nmea("one waypoint has times", "withoutDateTime", "W", "false");
    nmea("waypoints have none", "withoutDateTime", "W\nW", "true");
    nmea("a repeated later time", "withoutDateTime", "G:123519\nG:123520\nG:123520", "false");
    nmea("a repeated first time", "withoutDateTime", "G:123519\nG:123519", "true");
    nmea("a GLL without a time", "withoutDateTime", "L:225444\nL:", "true");
    // clang-format on
}

void TrackReaderTest::gpx_data()
{
    addColumns();
    QByteArray attributes;
    for (int i = 0; i < 254; ++i)
        attributes += " a" + QByteArray::number(i) + "='>'";
    const QByteArray crowded
        = "<wpt lat=\"1\" lon=\"2\"/>\n<!-- <a b=c d=e> -->\n<wpt lat=\"1\" lon=\"2\"" + attributes
          + " b=\"1\"/>";
    const QByteArray point
        = "<trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T00:00:0%1Z</time></trkpt>";
    const auto timed = [&](const char *seconds) {
        QByteArray points;
        for (const char *second = seconds; *second; ++second)
            points += *second == '-' ? QByteArray("<trkpt lat=\"1\" lon=\"2\"/>")
                                     : QByteArray(point).replace("%1", QByteArray(1, *second));
        return gpxDocument("<trk><trkseg>" + points + "</trkseg></trk>");
    };
    const auto gpx
        = [](const char *name, const char *key, const QByteArray &body, const char *expected) {
              row(name, key, gpxDocument(body), expected);
          };
    const QByteArray entities
        = "<?xml version=\"1.0\"?>\n<!DOCTYPE gpx [\n<!ENTITY a \"aaaaaaaa\">\n]>\n<gpx><wpt "
          "lat=\"1\" lon=\"2\"><name>&a;&a;</name></wpt></gpx>";
    const QByteArray defaults = "<?xml version=\"1.0\"?>\r<!DOCTYPE gpx [<!ATTLIST wpt a CDATA "
                                "\"x\">]><gpx><wpt lat=\"1\" lon=\"2\"/></gpx>";
    // clang-format off
    gpx("points with times", "format/index/time/interval/timeString/latitude/longitude/altitude", "<trk><trkseg><trkpt lat=\"48.1173\" lon=\"11.51666666\"><ele>545.456</ele><time>2023-03-26T00:59:59Z</time></trkpt>\n<trkpt lat=\"-33.86880005\" lon=\"-151.2093\"><time>2023-03-26T01:00:01.250Z</time><extensions><time>x</time></extensions></trkpt></trkseg></trk>", "trkpt/0/0/0/00:00:00.0/48.1173/11.5166667/545.46 trkpt/1/2250/2250/00:00:02.2/-33.8688/-151.2093/0");
    // Without a zone is UTC, also in an hour a local clock skips.
    gpx("zones", "time", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T23:59:59+01:00</time></trkpt><trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T23:00:00</time></trkpt><trkpt lat=\"1\" lon=\"2\"><time>2023-03-26T02:30:00</time></trkpt></trkseg></trk>", "0 1000 7183801000");
    gpx("other ISO forms", "time", "<wpt lat=\"1\" lon=\"2\"><time>2023-03-26T01:00:00Z</time></wpt><wpt lat=\"1\" lon=\"2\"><time>2023-03-26T02:30:00-00:30</time></wpt><wpt lat=\"1\" lon=\"2\"><time>2023-03-26T03:00</time></wpt>", "0 7200000 7200000");
    gpx("route before waypoints", "format/latitude/altitude", "<wpt lat=\"1\" lon=\"2\"/><rte><rtept lat=\"3\" lon=\"4\"/><rtept lat=\"-0.00000001\" lon=\"5\"><ele>0.125</ele></rtept></rte>", "rtept/3/0 rtept/0/0.13");
    gpx("a first point without a time", "time", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/><trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T00:00:00Z</time></trkpt></trkseg></trk>", "0 0");
    row("a last point without a time", "time/interval", timed("12-"), "0/0 1000/1000 0/0");
    row("the later recording first", "time/interval", timed("4512"), "0/0 1000/1000 1000/0 1000/0");
    row("recordings out of order noted", "skipped", timed("4512"), "4 2 points go back in time; each follows the one before at once.");
    gpx("256 attributes", "index", "<wpt lat=\"1\" lon=\"2\"" + attributes + "/>", "0");
    row("byte order mark", "index", utf8Bom + gpxDocument("<wpt lat=\"1\" lon=\"2\"/>"), "0");
    // A file cut short keeps the points before the cut.
    gpx("cut short", "skipped", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/><trkpt lat=\"3\" lon=\"4\"><ele>5</ele></trkpt><trkpt lat=\"5\" lon=\"6\"><ele>7</ele><cut>", "2 Skipped 1 line: 1 cut off at the end of the file.");
    gpx("no points", "error", "<metadata><name>none</name></metadata>", "GPX file has no track points, route points or waypoints@5");
    gpx("not well-formed", "error", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"></trkseg></trk>", "GPX file is not well-formed XML: Opening and ending tag mismatch.@3");
    gpx("latitude out of range", "error", "<wpt lat=\"91\" lon=\"2\"/>", "GPX point has a latitude outside -90 to 90@3");
    gpx("longitude out of range", "error", "<wpt lat=\"1\" lon=\"-180.5\"/>", "GPX point has a longitude outside -180 to 180@3");
    gpx("latitude not a number", "error", "<wpt lat=\"nan\" lon=\"2\"/>", "GPX point has no valid latitude@3");
    gpx("no longitude", "error", "<wpt lat=\"1\"/>", "GPX point has no valid longitude@3");
    gpx("elevation with a comma", "error", "<wpt lat=\"1\" lon=\"2\">\n<ele>1,000</ele></wpt>", "GPX point has no valid elevation@4");
    gpx("elevation too large", "error", "<wpt lat=\"1\" lon=\"2\">\n<ele>1e308</ele></wpt>", "GPX point has no valid elevation@4");
    gpx("invalid time", "error", "<wpt lat=\"1\" lon=\"2\">\n<time>yesterday</time></wpt>", "GPX point has no valid time@4");
    gpx("too many attributes", "error", crowded, "GPX element has more than 256 attributes@5");
    gpx("too many attributes after lone CRs", "error", QByteArray(crowded).replace('\n', '\r'), "GPX element has more than 256 attributes@5");
    gpx("too many attributes after CRLFs", "error", QByteArray(crowded).replace("\n", "\r\n"), "GPX element has more than 256 attributes@5");
    gpx("nesting within the limit", "index", QByteArray("<e>").repeated(63) + "<wpt lat=\"1\" lon=\"2\"/>" + QByteArray("</e>").repeated(63), "0");
    gpx("nesting too deep", "error", "\r\n" + QByteArray("<e>").repeated(64) + QByteArray("</e>").repeated(64), "GPX file nests elements more than 64 deep@4");
    row("entities declared", "error", entities, "GPX file declares a document type of its own, which GPX files do not use@2");
    row("default attributes declared", "error", defaults, "GPX file declares a document type of its own, which GPX files do not use@2");
    row("UTF-16", "error", utf16(gpxDocument("<wpt lat=\"1\" lon=\"2\"/>"), QStringConverter::Utf16LE), "GPX file is encoded in UTF-16, which is not read; save it as UTF-8@0");
    row("empty", "error", " \n", "GPX file is empty@0");
    row("unfinished", "error", "<gpx>", "GPX file is not well-formed XML: Premature end of document.@1");
    // clang-format on
}

void TrackReaderTest::kml_data()
{
    addColumns();
    const auto kml
        = [](const char *name, const char *key, const QByteArray &body, const char *expected) {
              row(name, key, kmlDocument(body), expected);
          };
    const QByteArray line = "<Placemark><LineString><coordinates>\n11.5,48.1,545.456 "
                            "11.6,48.2\n</coordinates></LineString></Placemark>";
    const QByteArray track
        = "<Placemark><gx:Track><when>2023-05-01T12:00:00Z</when><when>2023-05-01T12:00:02.5Z</"
          "when><gx:coord>11.5 48.1 545</gx:coord><gx:coord>11.6 48.2 "
          "546</gx:coord></gx:Track></Placemark>";
    const auto fix = [](const char *time, const char *coordinates) {
        return "<Placemark><TimeStamp><when>2023-05-01T12:00:0" + QByteArray(time)
               + "Z</when></TimeStamp><Point><coordinates>" + coordinates
               + "</coordinates></Point></Placemark>";
    };
    // clang-format off
    kml("a path", "format/latitude/longitude/altitude/time", line, "LineString/48.1/11.5/545.46/0 LineString/48.2/11.6/0/0");
    kml("a path has no times", "withoutDateTime", line, "true");
    kml("a track", "format/latitude/longitude/altitude/time/interval", track, "when/48.1/11.5/545/0/0 when/48.2/11.6/546/2500/2500");
    kml("fixes beside the path, in time order", "latitude/time", line + fix("4", "1,3") + "<Folder>" + fix("1", "1,1") + fix("2", "1,2") + "</Folder>", "1/0 2/1000 3/3000");
    kml("fixes without times", "format/latitude", fix("1", "1,1").replace("<TimeStamp><when>2023-05-01T12:00:01Z</when></TimeStamp>", ""), "Point/1");
    kml("a track cut short keeps its timed points", "skipped", "<Placemark><gx:Track><when>2023-05-01T12:00:00Z</when><when>2023-05-01T12:00:01Z</when><gx:coord>1 2 3</gx:coord><cut>", "1 Skipped 1 line: 1 cut off at the end of the file.");
    kml("times and positions that do not pair", "error", "\n<Placemark><gx:Track><when>2023-05-01T12:00:00Z</when><gx:coord>1 2 3</gx:coord><gx:coord>1 2 3</gx:coord></gx:Track></Placemark>", "KML track has 1 times for 2 positions@4");
    kml("a longitude out of range on its line", "error", "<Placemark><LineString><coordinates>\n1,2\r\n 200,2</coordinates></LineString></Placemark>", "KML point has a longitude outside -180 to 180@5");
    kml("coordinates that are no numbers", "error", "<Placemark><Point><coordinates>1;2</coordinates></Point></Placemark>", "KML coordinates are not longitude,latitude[,altitude]@3");
    kml("an invalid time", "error", "<Placemark>\n<TimeStamp><when>soon</when></TimeStamp></Placemark>", "KML point has no valid time@4");
    kml("no points", "error", "<Document><name>empty</name></Document>", "KML file has no paths, tracks or placemarks with points@5");
    kml("nesting too deep", "error", QByteArray("<Folder>").repeated(64) + QByteArray("</Folder>").repeated(64), "KML file nests elements more than 64 deep@3");
    row("entities declared", "error", "<?xml version=\"1.0\"?>\n<!DOCTYPE kml [<!ENTITY a \"b\">]>\n<kml/>", "KML file declares a document type of its own, which KML files do not use@2");
    // clang-format on
}
// Progress climbs to 100 %; a raised flag ends the read, and the making of
// the emulator's text, with nothing.
void TrackReaderTest::progressAndCancel()
{
    QByteArray log;
    for (int second = 0; second < 40000; ++second)
        log += expand(QStringLiteral("G:%1").arg(
                          120000 + second % 60 + second / 60 % 60 * 100, 6, 10, QLatin1Char('0')))
                   .toUtf8()
               + '\n';
    const QByteArray gpxText
        = gpxDocument(QByteArray("<wpt lat=\"1\" lon=\"2\"/>\n").repeated(40000).constData());
    for (const bool isGpx : {false, true}) {
        const QByteArray &text = isGpx ? gpxText : log;
        std::atomic_bool cancel = false;
        QList<int> percents;
        TrackReadControl control{&cancel, [&](int percent) {
                                     percents.append(percent);
                                     cancel = percents.size() > 3;
                                 }};
        QCOMPARE((isGpx ? TrackReader::readGpx(text, {nullptr, control.progress})
                        : TrackReader::readNmea(text, {nullptr, control.progress}))
                     .points.size(),
                 40000);
        QVERIFY(std::is_sorted(percents.begin(), percents.end()));
        QCOMPARE(percents.constLast(), 100);
        percents.clear();
        cancel = false;
        const TrackReadResult stopped
            = isGpx ? TrackReader::readGpx(text, control) : TrackReader::readNmea(text, control);
        QCOMPARE(stopped.cancelled, true);
        QCOMPARE(stopped.points.size(), 0);
        QCOMPARE(percents.size(), 4);
    }
    // The emulator's text of a read track stops as soon as the load is cancelled.
    const std::atomic_bool raised = true;
    QCOMPARE(GPSEmulationManager::trackArgument(TrackReader::readNmea(log).points, &raised),
             QString());
}

// An allocation that fails while a file is read refuses the file.
void TrackReaderTest::allocationFailureIsARefusedFile()
{
    const TrackReadControl control{nullptr, [](int percent) {
                                       if (percent > 0)
                                           throw std::bad_alloc();
                                   }};
    const QByteArray log = expandAll(QByteArray("G:123519\n").repeated(10000).constData());
    QCOMPARE(summary("", TrackReader::readNmea(log, control)),
             QStringLiteral("NMEA file is too large for the memory available@0"));
    const QByteArray points = QByteArray("<wpt lat=\"1\" lon=\"2\"/>\n").repeated(5000);
    QCOMPARE(summary("", TrackReader::readGpx(gpxDocument(points), control)),
             QStringLiteral("GPX file is too large for the memory available@0"));
}

// Whatever a receiver's log holds, every track read from it has positions
// in range and no negative interval, and the emulator takes it.
void TrackReaderTest::randomLogsGiveTracksTheEmulatorTakes()
{
    namespace Protocol = EmulationManagement::Emulator::InvokerProtocol;
    QRandomGenerator random(25);
    for (int run = 0; run < 300; ++run) {
        const QByteArray log = randomLog(random);
        const TrackReadResult result = TrackReader::readNmea(log);
        QVERIFY2(result.succeeded(), log.constData());
        for (const TrackPoint &point : result.points) {
            QVERIFY2(point.interval >= 0 && point.time >= 0, log.constData());
            QVERIFY2(std::abs(point.latitude) <= 90 && std::abs(point.longitude) <= 180,
                     log.constData());
        }
        const Protocol::Arguments arguments
            = Protocol::parseArguments(GPSEmulationManager::trackArgument(result.points));
        QVERIFY2(arguments.error.isEmpty(), qPrintable(arguments.error));
        const QString refusal = EmulationManagement::Emulator::GeoclueEmulationService::trackError(
            arguments.values.value(0).value<Protocol::DoubleArrays>());
        QVERIFY2(refusal.isEmpty(), qPrintable(refusal + '\n' + log));
    }
}

QTEST_GUILESS_MAIN(TrackReaderTest)

#include "tst_trackreader.moc"
