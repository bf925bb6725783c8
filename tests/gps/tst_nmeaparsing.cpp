#include "nmeaparsingharness.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// Shorthand lines of the rows: "G:time" or "G:time,latitude,longitude,altitude"
// for $GPGGA, "R:date,time" for $GPRMC, "L:time" for $GPGLL, "W" for $GPWPL.
// Any other line is taken as it is.
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

QString expandAll(const char *text)
{
    QStringList lines = QString::fromLatin1(text).split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = expand(line);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class NmeaParsingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parse();
    void longCorruptLines();

private:
    QString summary(const char *key, const QString &text);

    std::unique_ptr<NmeaParsingHarness> m_harness;
};

void NmeaParsingTest::initTestCase()
{
    m_harness = std::make_unique<NmeaParsingHarness>();
    QVERIFY2(m_harness->isReady(), qPrintable(m_harness->errorString()));
    // Without the zone data a zone name silently means UTC, and the runs in
    // a daylight-saving zone would prove nothing.
    const QByteArray zone = qgetenv("TZ");
    qInfo("TZ=%s", zone.constData());
    if (zone == "Europe/Berlin")
        QVERIFY(m_harness->localTimeHasDaylightSaving());
}

// The fields named in key ("time/interval") of every point, or
// "withoutDateTime" for the whole track, or the thrown error as "message@line"
// ("none" when the error has no line).
QString NmeaParsingTest::summary(const char *key, const QString &text)
{
    const QVariantMap result = m_harness->parse(text);
    if (!result.contains(QStringLiteral("points"))) {
        const QString name = result.value(QStringLiteral("name")).toString();
        return (name == QLatin1String("SyntaxError") ? QString() : name + QStringLiteral(": "))
               + result.value(QStringLiteral("message")).toString() + QLatin1Char('@')
               + (result.value(QStringLiteral("hasIncorrectLine")).toBool()
                      ? result.value(QStringLiteral("incorrectLine")).toString()
                      : QStringLiteral("none"));
    }
    const QVariantList points = result.value(QStringLiteral("points")).toList();
    if (qstrcmp(key, "withoutDateTime") == 0)
        return m_harness->trackHasPointsWithoutDateTime(points) ? QStringLiteral("true")
                                                                : QStringLiteral("false");
    QStringList values;
    for (const QVariant &point : points) {
        QStringList fields;
        for (const QString &field : QString::fromLatin1(key).split(QLatin1Char('/')))
            fields.append(point.toMap().value(field, QStringLiteral("?")).toString());
        values.append(fields.join(QLatin1Char('/')));
    }
    return values.join(QLatin1Char(' '));
}

void NmeaParsingTest::parse()
{
    struct Row
    {
        const char *key;
        const char *text;
        const char *expected;
    };
    const QByteArray noPoints = "NMEA file has incorrect points format.\nSupported formats: GPRMC, "
                                "GPGGA, GPGLL, GPWPL.@2";
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
        {"interval", "R:291023,015959\nR:291023,030001", "0 3602000"},
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
        {"altitude", "G:000000,4807.038,01131.000,545.456\nG:000001,4807.038,01131.000,0.125", "545.46 0.13"},
        // Sentence types
        {"format/interval", "$GPGSV,3,1,11,03,03,111,00*74\nR:230394,123519\nG:123520\nW\nR:230394,123521\nL:123522", "$GPRMC/0 $GPRMC/2000"},
        {"format", "W\nG:123520\nW", "$GPWPL $GPWPL"},
        {"index", "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48\nconstructor\n__proto__,1,2\nhasOwnProperty\nfree text, with commas\nG:123519", "0"},
        {"index", "$gpgga,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\nG:123519", "0"},
        {"index", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*00\n$GPGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", "0 1"},
        {"interval", "\r\n$GPGLL,4916.45,N,12311.12,W,225444,A*1D\r\n\r\n$GPGLL,4916.45,N,12311.12,W,225446,A*1D\r\n", "0 2000"},
        {"index", "$GPGLL,4916.45,N,12311.12,W,225444,A*1D\r$GPGLL,4916.45,N,12311.12,W,225446,A*1D", "0 1"},
        // Failures
        {"error", "", "NMEA file is empty@0"},
        {"error", "\n\r\n\n", "NMEA file is empty@0"},
        {"error", "$GPGSV,3,1,11*74\n\nhello\n", noPoints.constData()},
        {"error", "R:230394,123519\n\nG:123520\n$GPGGA,1235,x\n", "Incorrect NMEA file@3"},
        {"error", "\n\nG:123519\n\n\n$GPWPL,,,,,\n", "Incorrect NMEA file@2"},
        {"error", "G:123519\n$GPGGA,123520,,,,,0,00,99.99,,,,,,*48", "Incorrect NMEA file@2"},
        {"error", "$GPRMC,123519,V,,,,,,,230394,,,N*53", "Incorrect NMEA file@1"},
        {"error", "$GPGLL,,,,,123519,V,N*64", "Incorrect NMEA file@1"},
        {"error", "G:123519,4807.038,01131.000,-12.5", "Incorrect NMEA file@1"},
        {"error", "G:123519,4807.038,01131.000,545", "Incorrect NMEA file@1"},
        {"error", "G:123519.5", "Incorrect NMEA file@1"},
        {"error", "G:123519.1234", "Incorrect NMEA file@1"},
        {"error", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,,003.1,W", "Incorrect NMEA file@1"},
        {"error", "$GPWPL,4917.16,n,12310.64,W,003", "Incorrect NMEA file@1"},
        // Extra commas that move the fields read
        {"error", "G:123518\n$GPRMC,123519,A,B,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A", "Incorrect NMEA file@2"},
        {"error", "G:123518\n$GPRMC,123519,A,,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A", "Incorrect NMEA file@2"},
        {"error", "G:123518\n$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,x,545.4,M,46.9,M,,*47", "Incorrect NMEA file@2"},
        // Tracks with points that share a time
        {"withoutDateTime", "W", "false"},
        {"withoutDateTime", "W\nW", "true"},
        {"withoutDateTime", "G:123519\nG:123520", "false"},
        {"withoutDateTime", "G:123519\nG:123520\nG:123520", "false"},
        {"withoutDateTime", "G:123519\nG:123519", "true"},
        {"withoutDateTime", "L:225444\nL:", "true"},
    };
    // clang-format on
    QCOMPARE(m_harness->trackHasPointsWithoutDateTime({}), false);
    QStringList failures;
    for (const Row &row : rows) {
        const QString text = expandAll(row.text);
        const QString actual = summary(row.key, text);
        if (actual != QLatin1String(row.expected)) {
            failures.append(
                QStringLiteral("%1 of \"%2\" is \"%3\", expected \"%4\"")
                    .arg(QLatin1String(row.key), text, actual, QLatin1String(row.expected)));
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

// One line of a million commas took the reader's former whole-line patterns
// hours to reject: such a parse runs into the test's time-out.
void NmeaParsingTest::longCorruptLines()
{
    struct Row
    {
        const char *line;
        const char *expected;
    };
    // clang-format off
    const Row rows[] = {
        {"$GPGGA,123519,4807.038,N,01131.000,E", "Incorrect NMEA file@1"},
        {"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4", "Incorrect NMEA file@1"},
        {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", "1 point"},
        {"$GPGLL,4916.45,N,12311.12,W,225444", "1 point"},
    };
    // clang-format on
    const QString commas(1000000, QLatin1Char(','));
    for (const Row &row : rows) {
        const QVariantMap result
            = m_harness->parse(QLatin1String(row.line) + commas);
        const QString actual
            = result.contains(QStringLiteral("points"))
                  ? QStringLiteral("%1 point").arg(result.value("points").toList().size())
                  : QStringLiteral("%1@%2").arg(result.value("message").toString(),
                                                result.value("incorrectLine").toString());
        QVERIFY2(actual == QLatin1String(row.expected),
                 qPrintable(QLatin1String(row.line) + " gives " + actual));
    }
    // A date that an extra field moves away from its place is no date.
    const char shiftedDate[] = "$GPRMC,000001,A,4807.038,N,01131.000,E,1,2,x,010123,3,W";
    QCOMPARE(summary("error",
                     expand(QStringLiteral("R:010123,000000")) + QLatin1Char('\n')
                         + QLatin1String(shiftedDate)),
             QStringLiteral("Incorrect NMEA file@2"));
}

QTEST_GUILESS_MAIN(NmeaParsingTest)

#include "tst_nmeaparsing.moc"
