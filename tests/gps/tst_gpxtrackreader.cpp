#include "gps/gpxtrackreader.h"

#include <QTest>

using EmulationManagement::Internal::GpxTrackReader;

namespace {

// The points of a GPX text as "format/index/time/interval/timeString/latitude/
// longitude/altitude" each, or the failure as "message@line".
QString summary(const QString &text)
{
    const GpxTrackReader::Result result = GpxTrackReader::read(text);
    if (!result.errorMessage.isEmpty())
        return QStringLiteral("%1@%2").arg(result.errorMessage).arg(result.errorLine);
    QStringList points;
    for (const QVariant &point : result.points) {
        QStringList fields;
        const auto keys = QStringLiteral("format index time interval timeString latitude longitude "
                                         "altitude");
        for (const QString &key : keys.split(QLatin1Char(' ')))
            fields.append(point.toMap().value(key).toString());
        points.append(fields.join(QLatin1Char('/')));
    }
    return points.join(QLatin1Char(' '));
}

QString gpx(const char *body)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" "
                          "xmlns=\"http://www.topografix.com/GPX/1/1\">\n%1\n</gpx>\n")
        .arg(QLatin1String(body));
}

} // namespace

class GpxTrackReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void read();
};

void GpxTrackReaderTest::read()
{
    struct Row
    {
        const char *body;
        const char *expected;
    };
    // clang-format off
    const Row rows[] = {
        {"<trk><trkseg><trkpt lat=\"48.1173\" lon=\"11.51666666\"><ele>545.456</ele><time>2023-03-26T00:59:59Z</time></trkpt>\n<trkpt lat=\"-33.86880005\" lon=\"-151.2093\"><time>2023-03-26T01:00:01.250Z</time><extensions><time>x</time></extensions></trkpt></trkseg></trk>",
         "trkpt/0/0/0/00:00:00.0/48.1173/11.5166667/545.46 trkpt/1/2250/2250/00:00:02.2/-33.8688/-151.2093/0"},
        {"<trk><trkseg><trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T23:59:59+01:00</time></trkpt><trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T23:00:00</time></trkpt></trkseg></trk>",
         "trkpt/0/0/0/00:00:00.0/1/2/0 trkpt/1/1000/1000/00:00:01.0/1/2/0"},
        {"<wpt lat=\"1\" lon=\"2\"/><rte><rtept lat=\"3\" lon=\"4\"/><rtept lat=\"-0.00000001\" lon=\"5\"><ele>0.125</ele></rtept></rte>",
         "rtept/0/0/0/00:00:00.0/3/4/0 rtept/1/0/0/00:00:00.0/0/5/0.13"},
        {"<wpt lat=\"1\" lon=\"2\"><time>2023-01-01T00:00:00Z</time></wpt><wpt lat=\"3\" lon=\"4\"/>",
         "wpt/0/0/0/00:00:00.0/1/2/0 wpt/1/0/0/00:00:00.0/3/4/0"},
        {"<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/><trkpt lat=\"1\" lon=\"2\"><time>2023-01-01T00:00:00Z</time></trkpt></trkseg></trk>",
         "trkpt/0/0/0/00:00:00.0/1/2/0 trkpt/1/0/0/00:00:00.0/1/2/0"},
        {"<metadata><name>none</name></metadata>", "GPX file has no track points, route points or waypoints@5"},
        {"<trk><trkseg><trkpt lat=\"1\" lon=\"2\"></trkseg></trk>", "GPX file is not well-formed XML: Opening and ending tag mismatch.@3"},
        {"<wpt lat=\"91\" lon=\"2\"/>", "GPX point has a latitude outside -90 to 90@3"},
        {"<wpt lat=\"1\" lon=\"-180.5\"/>", "GPX point has a longitude outside -180 to 180@3"},
        {"<wpt lat=\"nan\" lon=\"2\"/>", "GPX point has no valid latitude@3"},
        {"<wpt lat=\"1\"/>", "GPX point has no valid longitude@3"},
        {"<wpt lat=\"1\" lon=\"2\">\n<ele>1,000</ele></wpt>", "GPX point has no valid elevation@4"},
        {"<wpt lat=\"1\" lon=\"2\">\n<time>yesterday</time></wpt>", "GPX point has no valid time@4"},
    };
    // clang-format on
    QStringList failures;
    for (const Row &row : rows) {
        const QString actual = summary(gpx(row.body));
        if (actual != QLatin1String(row.expected))
            failures.append(QStringLiteral("%1\n gives %2").arg(QLatin1String(row.body), actual));
    }
    QCOMPARE(summary(QStringLiteral(" \n")), QStringLiteral("GPX file is empty@0"));
    QCOMPARE(summary(QStringLiteral("<gpx>")),
             QStringLiteral("GPX file is not well-formed XML: Premature end of document.@1"));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(GpxTrackReaderTest)

#include "tst_gpxtrackreader.moc"
