#include "emulator/emulatoroptions.h"
#include "emulator/frameratemeter.h"
#include "emulator/invokerprotocol.h"

#include <QTest>

using namespace EmulationManagement::Emulator;
using namespace EmulationManagement::Emulator::InvokerProtocol;

Q_DECLARE_METATYPE(QVariantList)

class EmulatorProtocolTest : public QObject
{
    Q_OBJECT

private slots:
    void parseCallSplitsSixFields_data();
    void parseCallSplitsSixFields();
    void parseCallNeedsSixFields_data();
    void parseCallNeedsSixFields();
    void parseArgumentsGivesTypedValues_data();
    void parseArgumentsGivesTypedValues();
    void parseArgumentsRejectsBadWords_data();
    void parseArgumentsRejectsBadWords();
    void rawValuesDropTheTypes();
    void valueTextIsCLocale_data();
    void valueTextIsCLocale();
    void replyHasFiveFields();
    void frameRateOverTheWindow();
    void frameRateFallsToZeroWhenFramesStop();
    void frameRateNeedsTwoSamples();
    void optionsDefaults();
    void optionsAllSet();
    void optionsRejected_data();
    void optionsRejected();
    void optionsHelp();
};

void EmulatorProtocolTest::parseCallSplitsSixFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");

    const QStringList prefix{"system",
                             "ru.quor.GeoclueEmulationManagement",
                             "/ru/quor/GeoclueEmulationManagement",
                             "ru.quor.GeoclueEmulationManagement"};
    const QString prefixText = prefix.join(' ') + ' ';
    QTest::newRow("one argument") << prefixText + "setAltitude double:150.00"
                                  << prefix + QStringList{"setAltitude", "double:150.00"};
    QTest::newRow("arguments with spaces stay in the last field")
        << prefixText + "setPosition double:-33.8688000 double:151.2093000 double:-5.00"
        << prefix
               + QStringList{"setPosition", "double:-33.8688000 double:151.2093000 double:-5.00"};
    QTest::newRow("trailing space means no arguments")
        << prefixText + "stopTrack " << prefix + QStringList{"stopTrack", ""};
    QTest::newRow("empty fields are kept") << "     " << QStringList{"", "", "", "", "", ""};
}

void EmulatorProtocolTest::parseCallSplitsSixFields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);

    const std::optional<Call> call = parseCall(text);
    QVERIFY(call);
    QCOMPARE((QStringList{call->bus,
                          call->service,
                          call->path,
                          call->interface,
                          call->method,
                          call->argumentText}),
             fields);
}

void EmulatorProtocolTest::parseCallNeedsSixFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("no trailing space after the method")
        << "system ru.quor.GeoclueEmulationManagement /ru/quor/GeoclueEmulationManagement "
           "ru.quor.GeoclueEmulationManagement stopTrack";
    QTest::newRow("one word") << "hello";
}

void EmulatorProtocolTest::parseCallNeedsSixFields()
{
    QFETCH(QString, text);
    QVERIFY(!parseCall(text));
}

void EmulatorProtocolTest::parseArgumentsGivesTypedValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariantList>("values");

    QTest::newRow("none") << "" << QVariantList{};
    QTest::newRow("int32") << "int32:-42" << QVariantList{-42};
    QTest::newRow("three int32") << "int32:0 int32:0 int32:1000" << QVariantList{0, 0, 1000};
    QTest::newRow("int32 limits") << "int32:-2147483648 int32:2147483647"
                                  << QVariantList{int(-2147483647 - 1), 2147483647};
    QTest::newRow("double in exponent form") << "double:4.3e-05" << QVariantList{4.3e-05};
    QTest::newRow("fixed-point doubles") << "double:55.7558260 double:37.6173000 double:150.00"
                                         << QVariantList{55.755826, 37.6173, 150.0};
    QTest::newRow("boolean 1") << "boolean:1" << QVariantList{true};
    QTest::newRow("boolean 0") << "boolean:0" << QVariantList{false};
    QTest::newRow("boolean words") << "boolean:true boolean:FALSE" << QVariantList{true, false};
    QTest::newRow("string") << "string:magnetometer"
                            << QVariantList{QStringLiteral("magnetometer")};
    QTest::newRow("string holding a colon") << "string:a:b" << QVariantList{QStringLiteral("a:b")};
    QTest::newRow("empty string") << "string:" << QVariantList{QString()};
    QTest::newRow("track")
        << "array:array:double:55.7500000,37.6100000,150.00,0;55.7600000,37.6200000,151.50,1000"
        << QVariantList{QVariant::fromValue(
               DoubleArrays{{55.75, 37.61, 150.0, 0.0}, {55.76, 37.62, 151.5, 1000.0}})};
    QTest::newRow("empty track") << "array:array:double:"
                                 << QVariantList{QVariant::fromValue(DoubleArrays{})};
    QTest::newRow("mixed") << "string:tap int32:6 boolean:1 double:1e+06"
                           << QVariantList{QStringLiteral("tap"), 6, true, 1e6};
}

void EmulatorProtocolTest::parseArgumentsGivesTypedValues()
{
    QFETCH(QString, text);
    QFETCH(QVariantList, values);

    const Arguments arguments = parseArguments(text);
    QCOMPARE(arguments.error, QString());
    QCOMPARE(arguments.values.size(), values.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
        QCOMPARE(arguments.values[i].metaType(), values[i].metaType());
        QCOMPARE(arguments.values[i], values[i]);
    }
}

void EmulatorProtocolTest::parseArgumentsRejectsBadWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");

    QTest::newRow("no type") << "int32:1 7"
                             << "Argument 2 has no type";
    QTest::newRow("unknown type") << "uint64:1"
                                  << "Argument 1 has the unknown type uint64";
    QTest::newRow("int32 not a number") << "int32:abc"
                                        << "Argument 1 is not a valid int32 value";
    QTest::newRow("int32 fraction") << "int32:1.5"
                                    << "Argument 1 is not a valid int32 value";
    QTest::newRow("int32 too large") << "int32:2147483648"
                                     << "Argument 1 is not a valid int32 value";
    QTest::newRow("int32 empty") << "int32:"
                                 << "Argument 1 is not a valid int32 value";
    QTest::newRow("double with comma") << "double:1,5"
                                       << "Argument 1 is not a valid double value";
    QTest::newRow("boolean 2") << "boolean:2"
                               << "Argument 1 is not a valid boolean value";
    QTest::newRow("double space") << "int32:1  int32:2"
                                  << "Argument 2 has no type";
    QTest::newRow("track value not a number")
        << "array:array:double:1,2,x,4"
        << "Argument 1 is not a valid array of arrays of doubles";
    QTest::newRow("track with a trailing semicolon")
        << "array:array:double:1,2,3,4;"
        << "Argument 1 is not a valid array of arrays of doubles";
}

void EmulatorProtocolTest::parseArgumentsRejectsBadWords()
{
    QFETCH(QString, text);
    QFETCH(QString, error);

    const Arguments arguments = parseArguments(text);
    QCOMPARE(arguments.error, error);
    QVERIFY(arguments.values.isEmpty());
    // The error becomes the last reply field, which must not be split again.
    QVERIFY(!arguments.error.contains(':'));
}

void EmulatorProtocolTest::rawValuesDropTheTypes()
{
    QCOMPARE(rawValues(QString()), QStringList());
    QCOMPARE(rawValues("int32:abc 7 array:array:double:1,2;3"), (QStringList{"abc", "7", "1,2;3"}));
}

void EmulatorProtocolTest::valueTextIsCLocale_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("negative int") << QVariant(-100) << "-100";
    QTest::newRow("whole double") << QVariant(150.0) << "150";
    QTest::newRow("small double") << QVariant(4.3e-05) << "4.3e-05";
    QTest::newRow("double keeps every digit") << QVariant(55.755826) << "55.755826";
    QTest::newRow("gyroscope default") << QVariant(1.1459155902616465) << "1.1459155902616465";
    QTest::newRow("true") << QVariant(true) << "true";
    QTest::newRow("false") << QVariant(false) << "false";
    QTest::newRow("string") << QVariant(QStringLiteral("als")) << "als";
    QTest::newRow("track") << QVariant::fromValue(DoubleArrays{{1.5, -2, 0, 1000}, {3, 4, 5, 6}})
                           << "1.5,-2,0,1000;3,4,5,6";
    QTest::newRow("empty track") << QVariant::fromValue(DoubleArrays{}) << "";
}

void EmulatorProtocolTest::valueTextIsCLocale()
{
    QFETCH(QVariant, value);
    QFETCH(QString, text);

    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString result = valueText(value);
    QLocale::setDefault(previous);
    QCOMPARE(result, text);
}

void EmulatorProtocolTest::replyHasFiveFields()
{
    QCOMPARE(reply("enabled", {"gyroscope"}, "true"), "enabled:gyroscope:true::");
    QCOMPARE(reply("setAccelerometerValues", {"0", "0", "1000"}, {}),
             "setAccelerometerValues:0|0|1000:::");
    QCOMPARE(reply("stopTrack", {}, {}), "stopTrack::::");
    QCOMPARE(reply("nope", {"1"}, {}, "org.freedesktop.DBus.Error.UnknownMethod", "No such method"),
             "nope:1::org.freedesktop.DBus.Error.UnknownMethod:No such method");
    QCOMPARE(valueTexts({1, 2.5, true}), (QStringList{"1", "2.5", "true"}));
}

void EmulatorProtocolTest::frameRateOverTheWindow()
{
    FrameRateMeter meter(1000);
    // 30 frames per second, sampled every 200 ms for two seconds.
    for (int ms = 0; ms <= 2000; ms += 200)
        meter.sample(ms, quint64(ms * 30 / 1000));
    QCOMPARE(meter.framesPerSecond(), 30.0);
    // Ten frames in the next 200 ms: the window holds 1000 ms with 34 frames.
    meter.sample(2200, 70);
    QCOMPARE(meter.framesPerSecond(), 34.0);
}

void EmulatorProtocolTest::frameRateFallsToZeroWhenFramesStop()
{
    FrameRateMeter meter(1000);
    for (int ms = 0; ms <= 1000; ms += 200)
        meter.sample(ms, quint64(ms / 40));
    QCOMPARE(meter.framesPerSecond(), 25.0);
    meter.sample(1600, 25);
    QVERIFY(meter.framesPerSecond() > 0);
    meter.sample(2000, 25);
    QCOMPARE(meter.framesPerSecond(), 0.0);
}

void EmulatorProtocolTest::frameRateNeedsTwoSamples()
{
    FrameRateMeter meter;
    QCOMPARE(meter.framesPerSecond(), 0.0);
    meter.sample(0, 10);
    QCOMPARE(meter.framesPerSecond(), 0.0);
    meter.sample(0, 20);
    QCOMPARE(meter.framesPerSecond(), 0.0);
}

void EmulatorProtocolTest::optionsDefaults()
{
    QString error;
    bool help = true;
    const std::optional<EmulatorOptions> options
        = EmulatorOptions::parse({"strova-emulator"}, &error, &help);
    QVERIFY2(options, qPrintable(error));
    QVERIFY(!help);
    QCOMPARE(options->webSocketPort, 5454);
    QCOMPARE(options->cameraPort, 34343);
    QVERIFY(options->stateFile.isEmpty());
    QVERIFY(options->logFile.isEmpty());
    QVERIFY(options->frameFile.isEmpty());
    QVERIFY(!options->showCamera);
    QVERIFY(options->switchedOffSensors.isEmpty());
}

void EmulatorProtocolTest::optionsAllSet()
{
    QString error;
    bool help = false;
    const std::optional<EmulatorOptions> options = EmulatorOptions::parse({"strova-emulator",
                                                                           "--port",
                                                                           "15454",
                                                                           "--camera-port",
                                                                           "44343",
                                                                           "--state-file",
                                                                           "/tmp/s.json",
                                                                           "--log-file",
                                                                           "/tmp/e.log",
                                                                           "--save-frame",
                                                                           "/tmp/f.jpg",
                                                                           "--show-camera",
                                                                           "--sensors-off",
                                                                           "gyroscope,tap"},
                                                                          &error,
                                                                          &help);
    QVERIFY2(options, qPrintable(error));
    QCOMPARE(options->webSocketPort, 15454);
    QCOMPARE(options->cameraPort, 44343);
    QCOMPARE(options->stateFile, "/tmp/s.json");
    QCOMPARE(options->logFile, "/tmp/e.log");
    QCOMPARE(options->frameFile, "/tmp/f.jpg");
    QVERIFY(options->showCamera);
    QCOMPARE(options->switchedOffSensors, (QStringList{"gyroscope", "tap"}));
}

void EmulatorProtocolTest::optionsRejected_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("errorPart");

    QTest::newRow("port zero") << QStringList{"--port", "0"} << "1 to 65535";
    QTest::newRow("port too large") << QStringList{"--camera-port", "65536"} << "1 to 65535";
    QTest::newRow("port not a number") << QStringList{"--port", "http"} << "1 to 65535";
    QTest::newRow("unknown sensor") << QStringList{"--sensors-off", "tap,barometer"} << "barometer";
    QTest::newRow("unknown option") << QStringList{"--verbose"} << "verbose";
    QTest::newRow("positional argument") << QStringList{"extra"} << "extra";
}

void EmulatorProtocolTest::optionsRejected()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, errorPart);

    QString error;
    bool help = false;
    QVERIFY(!EmulatorOptions::parse(QStringList{"strova-emulator"} + arguments, &error, &help));
    QVERIFY(!help);
    QVERIFY2(error.contains(errorPart), qPrintable(error));
}

void EmulatorProtocolTest::optionsHelp()
{
    QString error;
    bool help = false;
    QVERIFY(!EmulatorOptions::parse({"strova-emulator", "--help"}, &error, &help));
    QVERIFY(help);
    const QString text = EmulatorOptions::helpText();
    for (const char *option : {"--port",
                               "--camera-port",
                               "--state-file",
                               "--log-file",
                               "--save-frame",
                               "--show-camera",
                               "--sensors-off"})
        QVERIFY2(text.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(EmulatorProtocolTest)

#include "tst_emulatorprotocol.moc"
