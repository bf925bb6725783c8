#include "gps/trackreader.h"

#include <QRegularExpression>
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

// A body ending in "<cut>" is the end of a file cut short.
QByteArray gpxDocument(const char *body)
{
    const QByteArray head = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" "
                            "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    const QByteArray text(body);
    return text.endsWith("<cut>") ? head + text.chopped(5) : head + text + "\n</gpx>\n";
}

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

struct Row
{
    const char *key;
    const char *text;
    const char *expected;
};

QStringList failedRows(const Row *begin, const Row *end, bool isGpx)
{
    QStringList failures;
    for (const Row *row = begin; row != end; ++row) {
        const QByteArray text = isGpx ? gpxDocument(row->text) : expandAll(row->text);
        const QString actual
            = summary(row->key, isGpx ? TrackReader::readGpx(text) : TrackReader::readNmea(text));
        if (actual != QLatin1String(row->expected)) {
            failures.append(QStringLiteral("%1 of \"%2\" is \"%3\", expected \"%4\"")
                                .arg(QLatin1String(row->key),
                                     QString::fromUtf8(text),
                                     actual,
                                     QLatin1String(row->expected)));
        }
    }
    return failures;
}

} // namespace

class TrackReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void nmea();
    void gpx();
    void progressAndCancel();
};

void TrackReaderTest::nmea()
{
    const QByteArray huge(400, '9');
    const QByteArray hugeLatitude = "$GPGLL,48" + huge + ".5,N,01131.000,E,225444,A\n";
    const QByteArray hugeAltitude = "G:123519\nG:123520,4807.038,01131.000," + huge + ".5";
    // clang-format off
    const Row rows[] = {
        // Times and intervals
        {"time/interval/index", "G:123519\nG:123521\nG:123524.50", "0/0/0 2000/2000/1 5500/3500/2"},
        {"format", "G:123519\nG:123521", "$GPGGA $GPGGA"},
        {"time/timeString", "G:000000\nG:000001.123\nG:000001.25\nG:000001.50\nG:000001.999\nG:010205.90", "0/00:00:00.0 1123/00:00:01.1 1250/00:00:01.2 1500/00:00:01.5 1999/00:00:01.9 3725900/01:02:05.9"},
        {"time/interval", "G:235959\nG:000001\nG:000003\nG:235959", "0/0 2000/2000 4000/2000 86400000/86396000"},
        {"interval", "R:310123,235959\nR:010223,000001", "0 2000"},
        {"interval", "R:290224,235959.50\nR:010324,000001.25", "0 1750"},
        {"interval", "R:311299,235959\nR:010100,000001", "0 2000"},
        {"time/timeString", "R:010123,000000\nR:020123,010000.10", "0/00:00:00.0 90000100/01:00:00.1"},
        // UTC: Berlin skips 02:00-03:00 on 26 March 2023 and repeats it on 29 October 2023.
        {"interval/timeString", "R:260323,015959\nR:260323,030001", "0/00:00:00.0 3602000/01:00:02.0"},
        {"interval/timeString", "R:291023,023000\nR:291023,021000.50", "0/00:00:00.0 -1199500/-00:19:59.5"},
        // $GPGLL without a time has time 0
        {"time", "L:225444\nL:225446.50", "0 2500"},
        {"time/timeString", "L:225444\n$GPGLL,4916.45,N,12311.12,W,", "0/00:00:00.0 0/00:00:00.0"},
        {"time/interval", "L:225444\nL:\nL:225446", "0/0 0/0 2000/2000"},
        {"time", "L:\nL:225444\nL:225446", "0 0 0"},
        {"time", "L:225444\n$GPGLL,4916.45,N,12311.12,W,225446*1D", "0 2000"},
        {"time", "L:235959\nL:\nL:000001", "0 0 2000"},
        {"time/timeString", "W\nW\nW", "0/00:00:00.0 0/00:00:00.0 0/00:00:00.0"},
        // Positions
        {"latitude/longitude/altitude", "L:225444", "49.2741667/-123.1853333/0"},
        {"latitude/longitude/altitude", "W", "49.286/-123.1773333/0"},
        {"latitude/longitude/altitude", "G:123519", "48.1173/11.5166667/545.4"},
        {"latitude/longitude/altitude", "R:230394,123519", "48.1173/11.5166667/0"},
        {"latitude/longitude", "$GPWPL,3352.128,S,15112.558,E,SYD", "-33.8688/151.2093"},
        {"latitude/longitude", "$GPWPL,0000.000,S,17959.994,W,X", "0/-179.9999"},
        {"altitude", "G:000000,4807.038,01131.000,545.456\nG:000001,4807.038,01131.000,0.125\nG:000002,4807.038,01131.000,-12.5", "545.46 0.13 -12.5"},
        // Sentence types, of any satellite system's talker
        {"format/interval", "$GPGSV,3,1,11,03,03,111,00*74\nR:230394,123519\nG:123520\nW\nR:230394,123521\nL:123522", "$GPRMC/0 $GPRMC/2000"},
        {"format", "W\nG:123520\nW", "$GPWPL $GPWPL"},
        {"format/time", "$GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\n$GPGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\n$GLGGA,123521,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", "$GPGGA/0 $GPGGA/1000 $GPGGA/2000"},
        {"format/time", "$GARMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W\n$GBRMC,123520,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W", "$GPRMC/0 $GPRMC/1000"},
        {"index", "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48\nconstructor\n$GXGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\nfree text, with commas\nG:123519", "0"},
        {"index", "$gpgga,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\nG:123519", "0"},
        {"interval", "\r\n$GPGLL,4916.45,N,12311.12,W,225444,A*1D\r\n\r\n$GPGLL,4916.45,N,12311.12,W,225446,A*1D\r\n", "0 2000"},
        {"index", "$GPGLL,4916.45,N,12311.12,W,225444,A*1D\r$GPGLL,4916.45,N,12311.12,W,225446,A*1D", "0 1"},
        // Lines without a fix are left out, before the first fix too; so is a last line cut short.
        {"skipped", "$GPGGA,123519,,,,,0,00,99.99,,,,,,*48\nG:123520\n$GPGGA,123521,,,,,0,00,99.99,,,,,,*48\nG:123522", "2 Skipped 2 lines: 2 without a position fix."},
        {"skipped", "$GPRMC,123519,V,,,,,,,230394,,,N*53\nR:230394,123520\n$GPGLL,,,,,123521,V,N*64", "1 Skipped 2 lines: 2 without a position fix."},
        {"skipped", "G:123519\n$GPGGA,123520,4807.0<cut>", "1 Skipped 1 line: 1 cut off at the end of the file."},
        {"skipped", "$GPGGA,123519,,,,,0,00,99.99,,,,,,*48\nG:123520\n$GPGGA,1235<cut>", "1 Skipped 2 lines: 1 without a position fix, 1 cut off at the end of the file."},
        {"skipped", "G:123519\nG:123520", "2 "},
        // Failures
        {"error", "", "NMEA file is empty@0"},
        {"error", "\n\r\n\n", "NMEA file is empty@0"},
        {"error", "$GPGSV,3,1,11*74\n\nhello", "NMEA file has incorrect points format.\nSupported formats: GPRMC, GPGGA, GPGLL, GPWPL.@2"},
        {"error", "$GPRMC,123519,V,,,,,,,230394,,,N*53", "NMEA file has incorrect points format.\nSupported formats: GPRMC, GPGGA, GPGLL, GPWPL.@1"},
        {"error", "R:230394,123519\n\nG:123520\n$GPGGA,1235,x", "Incorrect NMEA file@3"},
        {"error", "\n\nG:123519\n\n\n$GPWPL,,,,,", "Incorrect NMEA file@2"},
        {"error", "G:123519,4807.038,01131.000,545", "Incorrect NMEA file@1"},
        {"error", "G:123519.5", "Incorrect NMEA file@1"},
        {"error", "G:123519.1234", "Incorrect NMEA file@1"},
        {"error", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,,003.1,W", "Incorrect NMEA file@1"},
        {"error", "$GPWPL,4917.16,n,12310.64,W,003", "Incorrect NMEA file@1"},
        {"error", "$GPWPL,4917.16,N,12310.64,W,\xE2\x80\xA8", "Incorrect NMEA file@1"},
        {"error", hugeLatitude.constData(), "NMEA file has a number out of range@1"},
        {"error", hugeAltitude.constData(), "NMEA file has a number out of range@2"},
        // Extra commas that move the fields read
        {"error", "G:123518\n$GPRMC,123519,A,B,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A", "Incorrect NMEA file@2"},
        {"error", "G:123518\n$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,x,545.4,M,46.9,M,,*47", "Incorrect NMEA file@2"},
        {"error", "R:010123,000000\n$GPRMC,000001,A,4807.038,N,01131.000,E,1,2,x,010123,3,W", "Incorrect NMEA file@2"},
        // Tracks with points that share a time
        {"withoutDateTime", "W", "false"},
        {"withoutDateTime", "W\nW", "true"},
        {"withoutDateTime", "G:123519\nG:123520\nG:123520", "false"},
        {"withoutDateTime", "G:123519\nG:123519", "true"},
        {"withoutDateTime", "L:225444\nL:", "true"},
    };
    // clang-format on
    const QStringList failures = failedRows(std::begin(rows), std::end(rows), false);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void TrackReaderTest::gpx()
{
    QByteArray attributes;
    for (int i = 0; i < 254; ++i)
        attributes += " a" + QByteArray::number(i) + "='>'";
    const QByteArray roomy = "<wpt lat=\"1\" lon=\"2\"" + attributes + "/>";
    const QByteArray crowded
        = "<wpt lat=\"1\" lon=\"2\"/>\n<!-- <a b=c d=e> -->\n<wpt lat=\"1\" lon=\"2\"" + attributes
          + " b=\"1\"/>";
    // clang-format off
    const Row rows[] = {
        {"format/index/time/interval/timeString/latitude/longitude/altitude", "<trk><trkseg><trkpt lat=\"48.1173\" lon=\"11.51666666\"><ele>545.456</ele><time>2023-03-26T00:59:59Z</time></trkpt>\n<trkpt lat=\"-33.86880005\" lon=\"-151.2093\"><time>2023-03-26T01:00:01.250Z</time><extensions><time>x</time></extensions></trkpt></trkseg></trk>",
         "trkpt/0/0/0/00:00:00.0/48.1173/11.5166667/545.46 trkpt/1/2250/2250/00:00:02.2/-33.8688/-151.2093/0"},
        // Without a zone is UTC, also in an hour a local clock skips.
        {"time", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T23:59:59+01:00</time></trkpt><trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T23:00:00</time></trkpt><trkpt lat=\"1\" lon=\"2\"><time>2023-03-26T02:30:00</time></trkpt></trkseg></trk>",
         "0 1000 7183801000"},
        {"time", "<wpt lat=\"1\" lon=\"2\"><time>2023-03-26T01:00:00Z</time></wpt><wpt lat=\"1\" lon=\"2\"><time>2023-03-26T02:30:00-00:30</time></wpt><wpt lat=\"1\" lon=\"2\"><time>2023-03-26T03:00</time></wpt>", "0 7200000 7200000"},
        {"format/latitude/altitude", "<wpt lat=\"1\" lon=\"2\"/><rte><rtept lat=\"3\" lon=\"4\"/><rtept lat=\"-0.00000001\" lon=\"5\"><ele>0.125</ele></rtept></rte>", "rtept/3/0 rtept/0/0.13"},
        {"time", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/><trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T00:00:00Z</time></trkpt></trkseg></trk>", "0 0"},
        {"index", roomy.constData(), "0"},
        // A file cut short keeps the points before the cut.
        {"skipped", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/><trkpt lat=\"3\" lon=\"4\"><ele>5</ele></trkpt><trkpt lat=\"5\" lon=\"6\"><ele>7</ele><cut>", "2 Skipped 1 line: 1 cut off at the end of the file."},
        {"error", "<metadata><name>none</name></metadata>", "GPX file has no track points, route points or waypoints@5"},
        {"error", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"></trkseg></trk>", "GPX file is not well-formed XML: Opening and ending tag mismatch.@3"},
        {"error", "<wpt lat=\"91\" lon=\"2\"/>", "GPX point has a latitude outside -90 to 90@3"},
        {"error", "<wpt lat=\"1\" lon=\"-180.5\"/>", "GPX point has a longitude outside -180 to 180@3"},
        {"error", "<wpt lat=\"nan\" lon=\"2\"/>", "GPX point has no valid latitude@3"},
        {"error", "<wpt lat=\"1\"/>", "GPX point has no valid longitude@3"},
        {"error", "<wpt lat=\"1\" lon=\"2\">\n<ele>1,000</ele></wpt>", "GPX point has no valid elevation@4"},
        {"error", "<wpt lat=\"1\" lon=\"2\">\n<ele>1e308</ele></wpt>", "GPX point has no valid elevation@4"},
        {"error", "<wpt lat=\"1\" lon=\"2\">\n<time>yesterday</time></wpt>", "GPX point has no valid time@4"},
        {"error", crowded.constData(), "GPX element has more than 256 attributes@5"},
    };
    // clang-format on
    QStringList failures = failedRows(std::begin(rows), std::end(rows), true);
    QCOMPARE(summary("", TrackReader::readGpx(" \n")), QStringLiteral("GPX file is empty@0"));
    QCOMPARE(summary("", TrackReader::readGpx("<gpx>")),
             QStringLiteral("GPX file is not well-formed XML: Premature end of document.@1"));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

// Progress climbs to 100 %; a raised flag ends the read with nothing.
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
}

QTEST_GUILESS_MAIN(TrackReaderTest)

#include "tst_trackreader.moc"
