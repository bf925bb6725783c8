#include "emulator/frameratemeter.h"
#include "emulator/invokerprotocol.h"

#include <QTest>

using namespace EmulationManagement::Emulator;
using namespace EmulationManagement::Emulator::InvokerProtocol;

class EmulatorProtocolTest : public QObject
{
    Q_OBJECT

private slots:
    void argumentsBecomeTypedValues();
    void badArgumentsAreNamed();
    void valuesAreWrittenInTheCLocale();
    void frameRateOverTheWindow();
};

void EmulatorProtocolTest::argumentsBecomeTypedValues()
{
    struct Row
    {
        const char *text;
        QVariantList values;
    };
    // clang-format off
    const Row rows[] = {
        {"", {}},
        {"int32:-2147483648 int32:2147483647", {int(-2147483647 - 1), 2147483647}},
        {"double:4.3e-05 double:55.7558260 double:150.00", {4.3e-05, 55.755826, 150.0}},
        {"boolean:1 boolean:0 boolean:true boolean:FALSE", {true, false, true, false}},
        {"string:a:b string:", {QStringLiteral("a:b"), QString()}},
        {"array:array:double:55.75,37.61,150.00,0;55.76,37.62,151.50,1000", {QVariant::fromValue(DoubleArrays{{55.75, 37.61, 150.0, 0.0}, {55.76, 37.62, 151.5, 1000.0}})}},
        {"array:array:double:", {QVariant::fromValue(DoubleArrays{})}},
    };
    // clang-format on
    for (const Row &row : rows) {
        const Arguments arguments = parseArguments(QString::fromLatin1(row.text));
        QCOMPARE(arguments.error, QString());
        QCOMPARE(arguments.values.size(), row.values.size());
        for (qsizetype i = 0; i < row.values.size(); ++i) {
            QCOMPARE(arguments.values[i].metaType(), row.values[i].metaType());
            QCOMPARE(arguments.values[i], row.values[i]);
        }
    }
    QCOMPARE(rawValues("int32:abc 7 array:array:double:1,2;3"), (QStringList{"abc", "7", "1,2;3"}));
}

void EmulatorProtocolTest::badArgumentsAreNamed()
{
    // clang-format off
    const std::pair<const char *, const char *> rows[] = {
        {"int32:1 7", "Argument 2 has no type"},
        {"int32:1  int32:2", "Argument 2 has no type"},
        {"uint64:1", "Argument 1 has the unknown type uint64"},
        {"int32:1.5", "Argument 1 is not a valid int32 value"},
        {"int32:2147483648", "Argument 1 is not a valid int32 value"},
        {"int32:", "Argument 1 is not a valid int32 value"},
        {"double:1,5", "Argument 1 is not a valid double value"},
        {"boolean:2", "Argument 1 is not a valid boolean value"},
        {"array:array:double:1,2,x,4", "Argument 1 is not a valid array of arrays of doubles"},
        {"array:array:double:1,2,3,4;", "Argument 1 is not a valid array of arrays of doubles"},
    };
    // clang-format on
    for (const auto &[text, error] : rows) {
        const Arguments arguments = parseArguments(QString::fromLatin1(text));
        QCOMPARE(arguments.error, QString::fromLatin1(error));
        QVERIFY(arguments.values.isEmpty());
    }
}

void EmulatorProtocolTest::valuesAreWrittenInTheCLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const DoubleArrays track{{1.5, -2, 0, 1000}, {3, 4, 5, 6}};
    const QStringList texts = valueTexts({-100,
                                          150.0,
                                          4.3e-05,
                                          1.1459155902616465,
                                          true,
                                          "als",
                                          QVariant::fromValue(track),
                                          QVariant::fromValue(DoubleArrays{})});
    QLocale::setDefault(previous);
    QCOMPARE(texts.join('|'),
             QStringLiteral("-100|150|4.3e-05|1.1459155902616465|true|als|1.5,-2,0,1000;3,4,5,6|"));
}

void EmulatorProtocolTest::frameRateOverTheWindow()
{
    FrameRateMeter meter(1000);
    meter.sample(0, 0);
    QCOMPARE(meter.framesPerSecond(), 0.0); // one sample is no rate
    for (int ms = 200; ms <= 2000; ms += 200)
        meter.sample(ms, quint64(ms * 30 / 1000));
    QCOMPARE(meter.framesPerSecond(), 30.0);
    meter.sample(2200, 70); // ten frames more: 34 in the last second
    QCOMPARE(meter.framesPerSecond(), 34.0);
    meter.sample(3200, 70);
    QCOMPARE(meter.framesPerSecond(), 0.0); // frames stopped
}

QTEST_GUILESS_MAIN(EmulatorProtocolTest)

#include "tst_emulatorprotocol.moc"
