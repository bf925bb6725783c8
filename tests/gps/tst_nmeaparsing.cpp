#include "nmeaparsingharness.h"

#include <QTest>

#include <cmath>

namespace {

QString gga(const QString &time,
            const QString &latitude = QStringLiteral("4807.038"),
            const QString &longitude = QStringLiteral("01131.000"),
            const QString &altitude = QStringLiteral("545.4"))
{
    return QStringLiteral("$GPGGA,%1,%2,N,%3,E,1,08,0.9,%4,M,46.9,M,,*47")
        .arg(time, latitude, longitude, altitude);
}

QString rmc(const QString &date, const QString &time)
{
    return QStringLiteral("$GPRMC,%1,A,4807.038,N,01131.000,E,022.4,084.4,%2,003.1,W*6A")
        .arg(time, date);
}

QString gll(const QString &time)
{
    return QStringLiteral("$GPGLL,4916.45,N,12311.12,W,%1,A*1D").arg(time);
}

const QString wpl = QStringLiteral("$GPWPL,4917.16,N,12310.64,W,003*65");

QString lines(const QStringList &sentences)
{
    return sentences.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QVariantList column(const QVariantList &points, const char *key)
{
    QVariantList values;
    for (const QVariant &point : points)
        values.append(point.toMap().value(QLatin1String(key)));
    return values;
}

QList<double> numbers(const QVariantList &points, const char *key)
{
    QList<double> values;
    for (const QVariant &value : column(points, key))
        values.append(value.toDouble());
    return values;
}

QStringList texts(const QVariantList &points, const char *key)
{
    QStringList values;
    for (const QVariant &value : column(points, key))
        values.append(value.toString());
    return values;
}

const QString incorrectFile = QStringLiteral("Incorrect NMEA file");
const QString emptyFile = QStringLiteral("NMEA file is empty");
const QString noPoints = QStringLiteral(
    "NMEA file has incorrect points format.\nSupported formats: GPRMC, GPGGA, GPGLL, GPWPL.");

} // namespace

class NmeaParsingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Times and intervals
    void ggaTimesAndIntervals();
    void fractionsOfSeconds_data();
    void fractionsOfSeconds();
    void ggaCarriesAcrossMidnight();
    void rmcCarriesAcrossMonthEnd();
    void rmcTwoDigitYearsBeforeThisCentury();
    void timeStringWrapsAtADay();
    void timesAreUtcAcrossDaylightSavingChanges_data();
    void timesAreUtcAcrossDaylightSavingChanges();
    void gllWithoutTimeGetsTimeZero_data();
    void gllWithoutTimeGetsTimeZero();
    void gllWithoutTimeKeepsTheMidnightCarry();
    void waypointsHaveNoTime();

    // Positions
    void coordinates_data();
    void coordinates();
    void altitudes();

    // Sentence types
    void firstAcceptedTypeFixesTheTrack();
    void otherSentencesAreSkipped();
    void checksumsAreNotVerified();
    void crlfAndBlankLines();

    // Failures
    void errors_data();
    void errors();
    void shiftedFieldsAreIncorrect_data();
    void shiftedFieldsAreIncorrect();

    void trackHasPointsWithoutDateTime();

private:
    bool parsePoints(const QString &text, QVariantList *points);

    std::unique_ptr<NmeaParsingHarness> m_harness;
};

bool NmeaParsingTest::parsePoints(const QString &text, QVariantList *points)
{
    const QVariantMap result = m_harness->parse(text);
    if (!result.contains(QStringLiteral("points"))) {
        qWarning() << "parse failed:" << result;
        return false;
    }
    *points = result.value(QStringLiteral("points")).toList();
    return true;
}

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

void NmeaParsingTest::ggaTimesAndIntervals()
{
    QVariantList points;
    QVERIFY(parsePoints(lines({gga("123519"), gga("123521"), gga("123524.50")}), &points));
    QCOMPARE(numbers(points, "index"), (QList<double>{0, 1, 2}));
    QCOMPARE(numbers(points, "time"), (QList<double>{0, 2000, 5500}));
    QCOMPARE(numbers(points, "interval"), (QList<double>{0, 2000, 3500}));
    QCOMPARE(texts(points, "timeString"), (QStringList{"00:00:00.0", "00:00:02.0", "00:00:05.5"}));
    QCOMPARE(texts(points, "format"), (QStringList{"$GPGGA", "$GPGGA", "$GPGGA"}));
}

void NmeaParsingTest::fractionsOfSeconds_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<double>("time");
    QTest::addColumn<QString>("timeString");

    QTest::newRow("none") << "000000" << 0.0 << "00:00:00.0";
    QTest::newRow(".25") << "000001.25" << 1250.0 << "00:00:01.2";
    QTest::newRow(".123") << "000001.123" << 1123.0 << "00:00:01.1";
    QTest::newRow(".50") << "000001.50" << 1500.0 << "00:00:01.5";
    QTest::newRow(".999 is not rounded up") << "000001.999" << 1999.0 << "00:00:01.9";
    QTest::newRow("hours and minutes") << "010205.90" << 3725900.0 << "01:02:05.9";
}

void NmeaParsingTest::fractionsOfSeconds()
{
    QFETCH(QString, second);
    QFETCH(double, time);
    QFETCH(QString, timeString);

    QVariantList points;
    QVERIFY(parsePoints(lines({gga("000000"), gga(second)}), &points));
    QCOMPARE(points.at(1).toMap().value("time").toDouble(), time);
    QCOMPARE(points.at(1).toMap().value("interval").toDouble(), time);
    QCOMPARE(points.at(1).toMap().value("timeString").toString(), timeString);
}

void NmeaParsingTest::ggaCarriesAcrossMidnight()
{
    QVariantList points;
    QVERIFY(
        parsePoints(lines({gga("235959"), gga("000001"), gga("000003"), gga("235959")}), &points));
    // The last time of day lies after its predecessor's, on the same day.
    QCOMPARE(numbers(points, "time"), (QList<double>{0, 2000, 4000, 86400000}));
    QCOMPARE(numbers(points, "interval"), (QList<double>{0, 2000, 2000, 86396000}));
}

void NmeaParsingTest::rmcCarriesAcrossMonthEnd()
{
    QVariantList points;
    QVERIFY(parsePoints(lines({rmc("310123", "235959"), rmc("010223", "000001")}), &points));
    QCOMPARE(numbers(points, "interval"), (QList<double>{0, 2000}));
    QVERIFY(parsePoints(lines({rmc("290224", "235959.50"), rmc("010324", "000001.25")}), &points));
    QCOMPARE(numbers(points, "interval"), (QList<double>{0, 1750}));
}

void NmeaParsingTest::rmcTwoDigitYearsBeforeThisCentury()
{
    // 99 lies after the current year as 2099, so it is 1999.
    QVariantList points;
    QVERIFY(parsePoints(lines({rmc("311299", "235959"), rmc("010100", "000001")}), &points));
    QCOMPARE(numbers(points, "interval"), (QList<double>{0, 2000}));
}

void NmeaParsingTest::timeStringWrapsAtADay()
{
    QVariantList points;
    QVERIFY(parsePoints(lines({rmc("010123", "000000"), rmc("020123", "010000.10")}), &points));
    QCOMPARE(numbers(points, "time"), (QList<double>{0, 90000100}));
    QCOMPARE(texts(points, "timeString"), (QStringList{"00:00:00.0", "01:00:00.1"}));
}

void NmeaParsingTest::timesAreUtcAcrossDaylightSavingChanges_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("firstTime");
    QTest::addColumn<QString>("secondTime");
    QTest::addColumn<double>("interval");
    QTest::addColumn<QString>("timeString");

    // Berlin's local times 02:00 to 03:00 are skipped on 26 March 2023 and
    // repeated on 29 October 2023; read as local times these pairs would be
    // 2 s apart in spring and 2 h 2 s in autumn.
    QTest::newRow("spring") << "260323"
                            << "015959"
                            << "030001" << 3602000.0 << "01:00:02.0";
    QTest::newRow("autumn") << "291023"
                            << "015959"
                            << "030001" << 3602000.0 << "01:00:02.0";
    QTest::newRow("back in time") << "291023"
                                  << "023000"
                                  << "021000.50" << -1199500.0 << "-00:19:59.5";
}

void NmeaParsingTest::timesAreUtcAcrossDaylightSavingChanges()
{
    QFETCH(QString, date);
    QFETCH(QString, firstTime);
    QFETCH(QString, secondTime);
    QFETCH(double, interval);
    QFETCH(QString, timeString);

    QVariantList points;
    QVERIFY(parsePoints(lines({rmc(date, firstTime), rmc(date, secondTime)}), &points));
    QCOMPARE(numbers(points, "interval"), (QList<double>{0, interval}));
    QCOMPARE(points.at(1).toMap().value("timeString").toString(), timeString);
}

void NmeaParsingTest::gllWithoutTimeGetsTimeZero_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<double>>("times");

    const QString noTimeField = QStringLiteral("$GPGLL,4916.45,N,12311.12,W,");
    const QString emptyTime = QStringLiteral("$GPGLL,4916.45,N,12311.12,W,,A*1D");
    QTest::newRow("timed") << lines({gll("225444"), gll("225446.50")}) << QList<double>{0, 2500};
    QTest::newRow("no time field") << lines({gll("225444"), noTimeField}) << QList<double>{0, 0};
    QTest::newRow("empty time field")
        << lines({gll("225444"), emptyTime, gll("225446")}) << QList<double>{0, 0, 2000};
    QTest::newRow("first without time")
        << lines({emptyTime, gll("225444"), gll("225446")}) << QList<double>{0, 0, 0};
    QTest::newRow("time with checksum, no status")
        << lines({gll("225444"), QStringLiteral("$GPGLL,4916.45,N,12311.12,W,225446*1D")})
        << QList<double>{0, 2000};
}

void NmeaParsingTest::gllWithoutTimeGetsTimeZero()
{
    QFETCH(QString, text);
    QFETCH(QList<double>, times);

    QVariantList points;
    QVERIFY(parsePoints(text, &points));
    QCOMPARE(numbers(points, "time"), times);
    QList<double> intervals{0};
    for (int i = 1; i < times.size(); ++i)
        intervals.append(times.at(i) - times.at(i - 1));
    QCOMPARE(numbers(points, "interval"), intervals);
    for (const QString &timeString : texts(points, "timeString"))
        QVERIFY2(!timeString.contains(QLatin1String("NaN")), qPrintable(timeString));
}

void NmeaParsingTest::gllWithoutTimeKeepsTheMidnightCarry()
{
    QVariantList points;
    QVERIFY(parsePoints(lines({gll("235959"), gll(QString()), gll("000001")}), &points));
    QCOMPARE(numbers(points, "time"), (QList<double>{0, 0, 2000}));
}

void NmeaParsingTest::waypointsHaveNoTime()
{
    QVariantList points;
    QVERIFY(parsePoints(lines({wpl, wpl, wpl}), &points));
    QCOMPARE(numbers(points, "time"), (QList<double>{0, 0, 0}));
    QCOMPARE(numbers(points, "interval"), (QList<double>{0, 0, 0}));
    QCOMPARE(texts(points, "timeString"), (QStringList{"00:00:00.0", "00:00:00.0", "00:00:00.0"}));
    QCOMPARE(numbers(points, "index"), (QList<double>{0, 1, 2}));
}

void NmeaParsingTest::coordinates_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");

    QTest::newRow("GLL north west") << gll("225444") << 49.2741667 << -123.1853333;
    QTest::newRow("WPL") << wpl << 49.286 << -123.1773333;
    QTest::newRow("GGA north east") << gga("123519") << 48.1173 << 11.5166667;
    QTest::newRow("RMC") << rmc("230394", "123519") << 48.1173 << 11.5166667;
    QTest::newRow("south") << QStringLiteral("$GPWPL,3352.128,S,15112.558,E,SYD") << -33.8688
                           << 151.2093;
    QTest::newRow("three-digit degrees")
        << QStringLiteral("$GPWPL,0000.000,S,17959.994,W,X") << 0.0 << -179.9999;
}

void NmeaParsingTest::coordinates()
{
    QFETCH(QString, sentence);
    QFETCH(double, latitude);
    QFETCH(double, longitude);

    QVariantList points;
    QVERIFY(parsePoints(sentence, &points));
    QCOMPARE(points.size(), 1);
    const QVariantMap point = points.first().toMap();
    QCOMPARE(point.value("latitude").toDouble(), latitude);
    QCOMPARE(point.value("longitude").toDouble(), longitude);
    // No negative zero: it would reach the emulator as "-0.0000000".
    QVERIFY(!std::signbit(point.value("latitude").toDouble()) || latitude < 0);
}

void NmeaParsingTest::altitudes()
{
    QVariantList points;
    QVERIFY(parsePoints(lines({gga("000000", "4807.038", "01131.000", "545.456"),
                               gga("000001", "4807.038", "01131.000", "0.125")}),
                        &points));
    // Half a hundredth rounds up.
    QCOMPARE(numbers(points, "altitude"), (QList<double>{545.46, 0.13}));

    for (const QString &sentence : {rmc("230394", "123519"), gll("225444"), wpl}) {
        QVERIFY(parsePoints(sentence, &points));
        QVERIFY(points.first().toMap().contains(QStringLiteral("altitude")));
        QCOMPARE(points.first().toMap().value("altitude").toDouble(), 0.0);
    }
}

void NmeaParsingTest::firstAcceptedTypeFixesTheTrack()
{
    QVariantList points;
    QVERIFY(parsePoints(lines({QStringLiteral("$GPGSV,3,1,11,03,03,111,00*74"),
                               rmc("230394", "123519"),
                               gga("123520"),
                               wpl,
                               rmc("230394", "123521"),
                               gll("123522")}),
                        &points));
    QCOMPARE(texts(points, "format"), (QStringList{"$GPRMC", "$GPRMC"}));
    QCOMPARE(numbers(points, "index"), (QList<double>{0, 1}));
    QCOMPARE(numbers(points, "interval"), (QList<double>{0, 2000}));

    QVERIFY(parsePoints(lines({wpl, gga("123520"), wpl}), &points));
    QCOMPARE(texts(points, "format"), (QStringList{"$GPWPL", "$GPWPL"}));
}

void NmeaParsingTest::otherSentencesAreSkipped()
{
    QVariantList points;
    QVERIFY(parsePoints(
        lines({QStringLiteral("$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48"),
               QStringLiteral("constructor"),
               QStringLiteral("__proto__,1,2"),
               QStringLiteral("$gpgga,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47"),
               QStringLiteral("free text, with commas"),
               gga("123519")}),
        &points));
    QCOMPARE(points.size(), 1);
    QCOMPARE(numbers(points, "index"), (QList<double>{0}));
}

void NmeaParsingTest::checksumsAreNotVerified()
{
    QVariantList points;
    QVERIFY(parsePoints(
        lines({QStringLiteral("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*00"),
               QStringLiteral("$GPGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")}),
        &points));
    QCOMPARE(points.size(), 2);
}

void NmeaParsingTest::crlfAndBlankLines()
{
    QVariantList points;
    const QString text = QStringLiteral("\r\n") + gga("123519") + QStringLiteral("\r\n\r\n")
                         + gga("123521") + QStringLiteral("\r\n");
    QVERIFY(parsePoints(text, &points));
    QCOMPARE(numbers(points, "interval"), (QList<double>{0, 2000}));
    QCOMPARE(numbers(points, "altitude"), (QList<double>{545.4, 545.4}));
    // No line break after the last line, and a lone carriage return.
    QVERIFY(parsePoints(gga("123519") + QLatin1Char('\r') + gga("123521"), &points));
    QCOMPARE(points.size(), 2);
}

void NmeaParsingTest::errors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("incorrectLine");

    QTest::newRow("empty") << QString() << emptyFile << 0;
    QTest::newRow("only line breaks") << QStringLiteral("\n\r\n\n") << emptyFile << 0;
    QTest::newRow("only other sentences")
        << lines({QStringLiteral("$GPGSV,3,1,11*74"), QString(), QStringLiteral("hello")})
        << noPoints << 2;
    QTest::newRow("malformed other type after the first") << lines(
        {rmc("230394", "123519"), QString(), gga("123520"), QStringLiteral("$GPGGA,1235,x")})
                                                          << incorrectFile << 3;
    QTest::newRow("blank lines are not counted")
        << QStringLiteral("\n\n") + gga("123519") + QStringLiteral("\n\n\n$GPWPL,,,,,\n")
        << incorrectFile << 2;
    QTest::newRow("no fix") << lines(
        {gga("123519"), QStringLiteral("$GPGGA,123520,,,,,0,00,99.99,,,,,,*48")})
                            << incorrectFile << 2;
    QTest::newRow("RMC without fix")
        << QStringLiteral("$GPRMC,123519,V,,,,,,,230394,,,N*53") << incorrectFile << 1;
    QTest::newRow("GLL without fix")
        << QStringLiteral("$GPGLL,,,,,123519,V,N*64") << incorrectFile << 1;
    QTest::newRow("negative altitude")
        << gga("123519", "4807.038", "01131.000", "-12.5") << incorrectFile << 1;
    QTest::newRow("altitude without decimal point")
        << gga("123519", "4807.038", "01131.000", "545") << incorrectFile << 1;
    QTest::newRow("time with one decimal") << gga("123519.5") << incorrectFile << 1;
    QTest::newRow("time with four decimals") << gga("123519.1234") << incorrectFile << 1;
    QTest::newRow("RMC without date")
        << QStringLiteral("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,,003.1,W")
        << incorrectFile << 1;
    QTest::newRow("hemisphere in lower case")
        << QStringLiteral("$GPWPL,4917.16,n,12310.64,W,003") << incorrectFile << 1;
}

void NmeaParsingTest::errors()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, incorrectLine);

    const QVariantMap result = m_harness->parse(text);
    QVERIFY2(!result.contains(QStringLiteral("points")), "the text was accepted");
    QCOMPARE(result.value("name").toString(), QStringLiteral("SyntaxError"));
    QCOMPARE(result.value("message").toString(), message);
    QVERIFY(result.value("hasIncorrectLine").toBool());
    QCOMPARE(result.value("incorrectLine").toInt(), incorrectLine);
}

void NmeaParsingTest::shiftedFieldsAreIncorrect_data()
{
    QTest::addColumn<QString>("sentence");

    // Each passes its pattern, but an extra comma moves the fields that are read.
    QTest::newRow("RMC status") << QStringLiteral(
        "$GPRMC,123519,A,B,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A");
    QTest::newRow("RMC empty field")
        << QStringLiteral("$GPRMC,123519,A,,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A");
    QTest::newRow("GGA altitude") << QStringLiteral(
        "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,x,545.4,M,46.9,M,,*47");
}

void NmeaParsingTest::shiftedFieldsAreIncorrect()
{
    QFETCH(QString, sentence);

    const QVariantMap result = m_harness->parse(lines({gga("123518"), sentence}));
    QCOMPARE(result.value("message").toString(), incorrectFile);
    QCOMPARE(result.value("incorrectLine").toInt(), 2);
}

void NmeaParsingTest::trackHasPointsWithoutDateTime()
{
    QCOMPARE(m_harness->trackHasPointsWithoutDateTime({}), false);

    QVariantList points;
    QVERIFY(parsePoints(wpl, &points));
    QCOMPARE(m_harness->trackHasPointsWithoutDateTime(points), false);
    QVERIFY(parsePoints(lines({wpl, wpl}), &points));
    QCOMPARE(m_harness->trackHasPointsWithoutDateTime(points), true);
    QVERIFY(parsePoints(lines({gga("123519"), gga("123520")}), &points));
    QCOMPARE(m_harness->trackHasPointsWithoutDateTime(points), false);
    QVERIFY(parsePoints(lines({gga("123519"), gga("123520"), gga("123520")}), &points));
    QCOMPARE(m_harness->trackHasPointsWithoutDateTime(points), false);
    QVERIFY(parsePoints(lines({gga("123519"), gga("123519")}), &points));
    QCOMPARE(m_harness->trackHasPointsWithoutDateTime(points), true);
    QVERIFY(parsePoints(lines({gll("225444"), gll(QString())}), &points));
    QCOMPARE(m_harness->trackHasPointsWithoutDateTime(points), true);
}

QTEST_GUILESS_MAIN(NmeaParsingTest)

#include "tst_nmeaparsing.moc"
