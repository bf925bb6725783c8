#include <ssh/sshremoteprocessrunner.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <gst/gst.h>

#include <cerrno>
#include <csignal>
#include <memory>

// Runs the real strova-emulator program and talks to it as the plug-in does:
// call texts over a WebSocket, the camera stream over UDP and "rpm -qa"
// through the ssh client stand-in.

namespace {

constexpr quint16 webSocketPort = 15454;
constexpr quint16 cameraPort = 44343;
constexpr int startTimeoutMs = 10000;

const QString sensorfw = QStringLiteral(
    "system ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement "
    "ru.quor.SensorfwEmulationManagement ");
const QString geoclue = QStringLiteral(
    "system ru.quor.GeoclueEmulationManagement /ru/quor/GeoclueEmulationManagement "
    "ru.quor.GeoclueEmulationManagement ");

const QStringList requiredPackages{"sensorfw-qt5-emulator-plugins",
                                   "remote-dbus-invoker",
                                   "geoclue-emulator",
                                   "gstreamer-emulator"};

// A process that is gone or a zombie nobody has reaped yet.
bool processIsGone(qint64 pid)
{
    if (::kill(pid_t(pid), 0) != 0)
        return errno == ESRCH;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
}

// One run of the program with its state and log files in a directory of its own.
class EmulatorRun
{
public:
    explicit EmulatorRun(const QStringList &extraArguments = {},
                         quint16 port = webSocketPort,
                         quint16 udpPort = cameraPort)
    {
        m_process.setProgram(QStringLiteral(EMULATOR_PROGRAM));
        // Ignored signals stay ignored across exec: start the program with
        // the default dispositions a shell would give it.
        m_process.setChildProcessModifier([] { ::signal(SIGPIPE, SIG_DFL); });
        m_process.setArguments(QStringList{"--port",
                                           QString::number(port),
                                           "--camera-port",
                                           QString::number(udpPort),
                                           "--state-file",
                                           stateFile(),
                                           "--log-file",
                                           logFile(),
                                           "--save-frame",
                                           frameFile()}
                               + extraArguments);
    }

    ~EmulatorRun()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000))
                m_process.kill();
            m_process.waitForFinished();
        }
    }

    // Starts the program and waits for its ready line.
    bool start()
    {
        m_process.start();
        if (!m_process.waitForStarted(startTimeoutMs))
            return false;
        while (!m_output.contains("ready:")) {
            if (!m_process.waitForReadyRead(startTimeoutMs))
                return false;
            m_output += m_process.readAllStandardOutput();
        }
        return true;
    }

    QString stateFile() const { return m_directory.filePath("state.json"); }
    QString logFile() const { return m_directory.filePath("emulator.log"); }
    QString frameFile() const { return m_directory.filePath("frame.jpg"); }

    QJsonObject state() const
    {
        QFile file(stateFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    // The value at a "/"-separated path of object keys in the state.
    QJsonValue stateAt(const QString &path) const
    {
        QJsonValue value = state();
        for (const QString &key : path.split('/'))
            value = value.toObject().value(key);
        return value;
    }

    QString log() const
    {
        QFile file(logFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QProcess &process() { return m_process; }

private:
    QTemporaryDir m_directory;
    QProcess m_process;
    QByteArray m_output;
};

// A WebSocket client in the place of the plug-in's invoker.
class InvokerClient
{
public:
    bool open(quint16 port = webSocketPort)
    {
        QSignalSpy connected(&m_socket, &QWebSocket::connected);
        m_socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(port)));
        return connected.wait(5000);
    }

    QStringList exchange(const QStringList &calls)
    {
        QSignalSpy replies(&m_socket, &QWebSocket::textMessageReceived);
        for (const QString &call : calls)
            m_socket.sendTextMessage(call);
        while (replies.size() < calls.size()) {
            if (!replies.wait(5000))
                break;
        }
        QStringList texts;
        for (const QList<QVariant> &reply : std::as_const(replies))
            texts.append(reply.constFirst().toString());
        return texts;
    }

    QString call(const QString &text)
    {
        const QStringList replies = exchange({text});
        return replies.isEmpty() ? QStringLiteral("<no reply>") : replies.constFirst();
    }

    QWebSocket &socket() { return m_socket; }

private:
    QWebSocket m_socket;
};

QJsonValue jsonValue(const QString &text)
{
    return QJsonDocument::fromJson(QStringLiteral("[%1]").arg(text).toUtf8()).array().at(0);
}

} // namespace

class EmulatorProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void switchedOffSensorsStartOff();
    void typedCalls_data();
    void typedCalls();
    void everyPluginCallIsAnswered_data();
    void everyPluginCallIsAnswered();
    void enabledFollowsEnableAndDisable();
    void goingToATrackPointMovesThePosition();
    void serviceErrorsLeaveTheStateAlone_data();
    void serviceErrorsLeaveTheStateAlone();
    void dbusErrorsKeepTheirNames_data();
    void dbusErrorsKeepTheirNames();
    void unreadableCallsAreAnswered_data();
    void unreadableCallsAreAnswered();
    void repliesKeepTheOrderOfCalls();
    void clientsHaveTheirOwnReplies();
    void logTellsCallsRepliesAndState();
    void cameraFramesAreCounted();

    void fakeSshListsThePackages_data();
    void fakeSshListsThePackages();
    void fakeSshFailures_data();
    void fakeSshFailures();

    void secondInstanceCannotTakeThePort();
    void badOptionsEndAtOnce();
    void terminationIsClean();
    void closedStdoutDoesNotEndTheProgram();
    void killingTakesTheBusAlong();

private:
    std::unique_ptr<EmulatorRun> m_run;
    InvokerClient m_client;
};

void EmulatorProcessTest::initTestCase()
{
    gst_init(nullptr, nullptr);
    m_run = std::make_unique<EmulatorRun>(QStringList{"--sensors-off", "gyroscope,tap"});
    QVERIFY(m_run->start());
    QVERIFY(m_client.open());
    QTRY_COMPARE(m_run->stateAt("clients").toInt(), 1);
}

void EmulatorProcessTest::switchedOffSensorsStartOff()
{
    const QJsonObject enabled = m_run->stateAt("sensors/enabled").toObject();
    QCOMPARE(enabled.keys(),
             (QStringList{"accelerometer",
                          "als",
                          "compass",
                          "gyroscope",
                          "magneticField",
                          "magnetometer",
                          "orientation",
                          "proximity",
                          "tap"}));
    for (const QString &name : enabled.keys())
        QCOMPARE(enabled.value(name).toBool(), name != "gyroscope" && name != "tap");
    QCOMPARE(m_client.call(sensorfw + "enabled string:gyroscope"), "enabled:gyroscope:false::");
    QCOMPARE(m_client.call(sensorfw + "enabled string:compass"), "enabled:compass:true::");
}

void EmulatorProcessTest::typedCalls_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("statePath");
    QTest::addColumn<QString>("stateValue");

    QTest::newRow("three int32") << sensorfw
                                        + "setAccelerometerValues int32:12 int32:-340 int32:987"
                                 << "setAccelerometerValues:12|-340|987:::"
                                 << "sensors/accelerometer"
                                 << R"({"x":12,"y":-340,"z":987})";
    QTest::newRow("one int32") << sensorfw + "setAccelerometerY int32:-1000"
                               << "setAccelerometerY:-1000:::"
                               << "sensors/accelerometer/y"
                               << "-1000";
    QTest::newRow("double in exponent form") << sensorfw + "setMagnetometerX double:4.3e-05"
                                             << "setMagnetometerX:4.3e-05:::"
                                             << "sensors/magnetometer/x"
                                             << "4.3e-05";
    QTest::newRow("three doubles")
        << sensorfw + "setGyroscopeValues double:0 double:-2.5 double:1.14592"
        << "setGyroscopeValues:0|-2.5|1.14592:::"
        << "sensors/gyroscope"
        << R"({"x":0,"y":-2.5,"z":1.14592})";
    QTest::newRow("fixed-point position")
        << geoclue + "setPosition double:55.7558260 double:37.6173000 double:150.00"
        << "setPosition:55.755826|37.6173|150:::"
        << "gps/position"
        << R"({"latitude":55.755826,"longitude":37.6173,"altitude":150})";
    QTest::newRow("boolean 1") << geoclue + "setTrackLooped boolean:1"
                               << "setTrackLooped:true:::"
                               << "gps/looped"
                               << "true";
    QTest::newRow("boolean 0") << geoclue + "setTrackIntervalMode boolean:0"
                               << "setTrackIntervalMode:false:::"
                               << "gps/useDefaultInterval"
                               << "false";
    QTest::newRow("string") << sensorfw + "enableSensor string:tap"
                            << "enableSensor:tap:::"
                            << "sensors/enabled/tap"
                            << "true";
    QTest::newRow("array of arrays of doubles")
        << geoclue
               + "loadTrack array:array:double:55.7500000,37.6100000,150.00,0;"
                 "55.7600000,37.6200000,151.50,1000"
        << "loadTrack:55.75,37.61,150,0;55.76,37.62,151.5,1000:::"
        << "gps/track"
        << "[[55.75,37.61,150,0],[55.76,37.62,151.5,1000]]";
    QTest::newRow("no arguments") << geoclue + "startTrack "
                                  << "startTrack::::"
                                  << "gps/playback"
                                  << R"("playing")";
    QTest::newRow("int32 speed") << geoclue + "setTrackSpeed int32:5"
                                 << "setTrackSpeed:5:::"
                                 << "gps/speed"
                                 << "5";
}

void EmulatorProcessTest::typedCalls()
{
    QFETCH(QString, call);
    QFETCH(QString, reply);
    QFETCH(QString, statePath);
    QFETCH(QString, stateValue);

    QCOMPARE(m_client.call(call), reply);
    // The state file is written before the reply goes out.
    QCOMPARE(m_run->stateAt(statePath), jsonValue(stateValue));
}

void EmulatorProcessTest::everyPluginCallIsAnswered_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("arguments");

    const QList<std::pair<const char *, const char *>> sensorCalls{
        {"enableSensor", "string:accelerometer"},
        {"disableSensor", "string:proximity"},
        // Device sensor tables list the magnetic field too.
        {"enableSensor", "string:magneticField"},
        {"enabled", "string:als"},
        {"setAccelerometerValues", "int32:0 int32:0 int32:1000"},
        {"setAccelerometerX", "int32:1"},
        {"setAccelerometerY", "int32:2"},
        {"setAccelerometerZ", "int32:3"},
        {"setAlsValue", "int32:-1"},
        {"setGyroscopeValues", "double:0 double:0 double:1.14592"},
        {"setGyroscopeX", "double:0.5"},
        {"setGyroscopeY", "double:-0.5"},
        {"setGyroscopeZ", "double:1e+06"},
        {"setMagnetometerValues", "double:4.3e-05 double:0 double:0"},
        {"setMagnetometerX", "double:1e-05"},
        {"setMagnetometerY", "double:2e-05"},
        {"setMagnetometerZ", "double:-3e-05"},
        {"setMagnetometerCalibrationLevel", "int32:3"},
        {"setProximitySensorValue", "int32:10"},
        {"setTapSensorValue", "int32:6"},
    };
    for (const auto &[method, arguments] : sensorCalls)
        QTest::addRow("%s %s", method, arguments) << sensorfw << method << arguments;
    const QList<std::pair<const char *, const char *>> gpsCalls{
        {"setPosition", "double:-33.8688000 double:151.2093000 double:-5.00"},
        {"setLatitude", "double:-90.0000000"},
        {"setLongitude", "double:180.0000000"},
        {"setAltitude", "double:8848.86"},
        {"loadTrack", "array:array:double:55.7500000,37.6100000,150.00,0"},
        {"startTrack", ""},
        {"pauseTrack", ""},
        {"stopTrack", ""},
        {"setTrackLooped", "boolean:0"},
        {"setTrackIntervalMode", "boolean:1"},
        {"setTrackSpeed", "int32:1"},
        {"goToPositionOnTrack", "int32:0"},
    };
    for (const auto &[method, arguments] : gpsCalls)
        QTest::addRow("%s %s", method, arguments) << geoclue << method << arguments;
}

void EmulatorProcessTest::everyPluginCallIsAnswered()
{
    QFETCH(QString, prefix);
    QFETCH(QString, method);
    QFETCH(QString, arguments);

    const QStringList fields = m_client.call(prefix + method + ' ' + arguments).split(':');
    QCOMPARE(fields.size(), 5);
    QCOMPARE(fields[0], method);
    QCOMPARE(fields[3], QString());
    QCOMPARE(fields[4], QString());
}

void EmulatorProcessTest::enabledFollowsEnableAndDisable()
{
    QCOMPARE(m_client.call(sensorfw + "disableSensor string:magnetometer"),
             "disableSensor:magnetometer:::");
    QCOMPARE(m_run->stateAt("sensors/enabled/magnetometer"), QJsonValue(false));
    QCOMPARE(m_client.call(sensorfw + "enabled string:magnetometer"),
             "enabled:magnetometer:false::");
    QCOMPARE(m_client.call(sensorfw + "enableSensor string:magnetometer"),
             "enableSensor:magnetometer:::");
    QCOMPARE(m_client.call(sensorfw + "enabled string:magnetometer"),
             "enabled:magnetometer:true::");
    QCOMPARE(m_run->stateAt("sensors/enabled/magnetometer"), QJsonValue(true));
}

void EmulatorProcessTest::goingToATrackPointMovesThePosition()
{
    QCOMPARE(m_client.call(geoclue
                           + "loadTrack array:array:double:10,20,30,0;11,21,31,500;12,22,32,500"),
             "loadTrack:10,20,30,0;11,21,31,500;12,22,32,500:::");
    QCOMPARE(m_run->stateAt("gps/playback"), QJsonValue("stopped"));
    QCOMPARE(m_client.call(geoclue + "startTrack "), "startTrack::::");
    QCOMPARE(m_client.call(geoclue + "goToPositionOnTrack int32:2"), "goToPositionOnTrack:2:::");
    QCOMPARE(m_run->stateAt("gps/currentIndex"), QJsonValue(2));
    QCOMPARE(m_run->stateAt("gps/position"),
             jsonValue(R"({"latitude":12,"longitude":22,"altitude":32})"));
    QCOMPARE(m_client.call(geoclue + "pauseTrack "), "pauseTrack::::");
    QCOMPARE(m_run->stateAt("gps/playback"), QJsonValue("paused"));
    QCOMPARE(m_client.call(geoclue + "stopTrack "), "stopTrack::::");
    QCOMPARE(m_run->stateAt("gps/playback"), QJsonValue("stopped"));
    QCOMPARE(m_run->stateAt("gps/currentIndex"), QJsonValue(0));
    // Stopping leaves the position where the track was.
    QCOMPARE(m_run->stateAt("gps/position/latitude"), QJsonValue(12));
}

void EmulatorProcessTest::serviceErrorsLeaveTheStateAlone_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("reply");

    const QString invalidArgs = "org.freedesktop.DBus.Error.InvalidArgs";
    QTest::newRow("unknown sensor")
        << sensorfw + "enableSensor string:barometer"
        << "enableSensor:barometer::" + invalidArgs + ":There is no sensor named \"barometer\"";
    QTest::newRow("enabled of an unknown sensor")
        << sensorfw + "enabled string:thermometer"
        << "enabled:thermometer::" + invalidArgs + ":There is no sensor named \"thermometer\"";
    QTest::newRow("tap direction out of range")
        << sensorfw + "setTapSensorValue int32:9"
        << "setTapSensorValue:9::" + invalidArgs + ":Tap direction 9 is out of range";
    QTest::newRow("latitude out of range")
        << geoclue + "setPosition double:90.5000000 double:0.0000000 double:0.00"
        << "setPosition:90.5|0|0::" + invalidArgs + ":Latitude 90.5 is out of range";
    QTest::newRow("longitude out of range")
        << geoclue + "setLongitude double:-180.0000001"
        << "setLongitude:-180.0000001::" + invalidArgs + ":Longitude -180 is out of range";
    QTest::newRow("track point with three values")
        << geoclue + "loadTrack array:array:double:1,2,3,0;1,2,3"
        << "loadTrack:1,2,3,0;1,2,3::" + invalidArgs + ":Track point 1 has 3 values instead of 4";
    QTest::newRow("track point with a negative interval")
        << geoclue + "loadTrack array:array:double:1,2,3,-5"
        << "loadTrack:1,2,3,-5::" + invalidArgs + ":Track point 0 has the invalid interval -5";
    QTest::newRow("speed zero") << geoclue + "setTrackSpeed int32:0"
                                << "setTrackSpeed:0::" + invalidArgs
                                       + ":Track speed 0 is not a positive factor";
    QTest::newRow("track point past the end")
        << geoclue + "goToPositionOnTrack int32:3"
        << "goToPositionOnTrack:3::" + invalidArgs + ":The track has no point 3";
    QTest::newRow("negative track point")
        << geoclue + "goToPositionOnTrack int32:-1"
        << "goToPositionOnTrack:-1::" + invalidArgs + ":The track has no point -1";
}

void EmulatorProcessTest::serviceErrorsLeaveTheStateAlone()
{
    QFETCH(QString, call);
    QFETCH(QString, reply);

    QCOMPARE(m_client.call(geoclue
                           + "loadTrack array:array:double:10,20,30,0;11,21,31,500;12,22,32,500"),
             "loadTrack:10,20,30,0;11,21,31,500;12,22,32,500:::");
    const QJsonObject before = m_run->state();
    QCOMPARE(m_client.call(call), reply);
    const QJsonObject after = m_run->state();
    QCOMPARE(after.value("sensors"), before.value("sensors"));
    QCOMPARE(after.value("gps"), before.value("gps"));
    QCOMPARE(after.value("calls").toInt(), before.value("calls").toInt() + 1);
}

void EmulatorProcessTest::dbusErrorsKeepTheirNames_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("errorName");

    QTest::newRow("unknown method") << sensorfw + "setThermometerValue int32:20"
                                    << "org.freedesktop.DBus.Error.UnknownMethod";
    QTest::newRow("wrong argument type") << sensorfw + "setAccelerometerX double:1.5"
                                         << "org.freedesktop.DBus.Error.UnknownMethod";
    QTest::newRow("missing argument") << geoclue + "setTrackSpeed "
                                      << "org.freedesktop.DBus.Error.UnknownMethod";
    QTest::newRow("unknown service")
        << "system ru.quor.CameraEmulationManagement /ru/quor/CameraEmulationManagement "
           "ru.quor.CameraEmulationManagement start "
        << "org.freedesktop.DBus.Error.ServiceUnknown";
    QTest::newRow("unknown object path")
        << "system ru.quor.SensorfwEmulationManagement /ru/quor/Nothing "
           "ru.quor.SensorfwEmulationManagement enabled string:als"
        << "org.freedesktop.DBus.Error.UnknownObject";
    QTest::newRow("unknown interface")
        << "system ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement "
           "ru.quor.Nothing enabled string:als"
        << "org.freedesktop.DBus.Error.UnknownInterface";
    QTest::newRow("invalid object path") << "system ru.quor.SensorfwEmulationManagement nopath "
                                            "ru.quor.SensorfwEmulationManagement enabled string:als"
                                         << "org.qtproject.QtDBus.Error.InvalidObjectPath";
}

void EmulatorProcessTest::dbusErrorsKeepTheirNames()
{
    QFETCH(QString, call);
    QFETCH(QString, errorName);

    const QString reply = m_client.call(call);
    const QStringList fields = reply.split(':');
    QVERIFY2(fields.size() >= 5, qPrintable(reply));
    QCOMPARE(fields[0], call.split(QLatin1Char(' ')).value(4));
    QCOMPARE(fields[2], QString());
    QCOMPARE(fields[3], errorName);
    QVERIFY2(!fields[4].isEmpty(), qPrintable(reply));
}

void EmulatorProcessTest::unreadableCallsAreAnswered_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("reply");

    const QString invalidArgs = "org.freedesktop.DBus.Error.InvalidArgs";
    QTest::newRow("fewer than six fields")
        << "system ru.quor.SensorfwEmulationManagement enabled"
        << ":::" + invalidArgs + ":The call text does not hold six fields";
    QTest::newRow("empty frame") << ""
                                 << ":::" + invalidArgs + ":The call text does not hold six fields";
    QTest::newRow("unreadable int32")
        << sensorfw + "setAlsValue int32:bright"
        << "setAlsValue:bright::" + invalidArgs + ":Argument 1 is not a valid int32 value";
    QTest::newRow("unknown type") << sensorfw + "setAlsValue uint32:5"
                                  << "setAlsValue:5::" + invalidArgs
                                         + ":Argument 1 has the unknown type uint32";
    QTest::newRow("unknown bus")
        << "user ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement "
           "ru.quor.SensorfwEmulationManagement enabled string:als"
        << "enabled:als::" + invalidArgs + ":There is no bus named \"user\"";
}

void EmulatorProcessTest::unreadableCallsAreAnswered()
{
    QFETCH(QString, call);
    QFETCH(QString, reply);

    const QJsonObject before = m_run->state();
    QCOMPARE(m_client.call(call), reply);
    const QJsonObject after = m_run->state();
    QCOMPARE(after.value("sensors"), before.value("sensors"));
    QCOMPARE(after.value("calls").toInt(), before.value("calls").toInt() + 1);
}

void EmulatorProcessTest::repliesKeepTheOrderOfCalls()
{
    // Unreadable calls are answered at once, D-Bus calls later: the replies
    // still come in the order of the calls.
    QStringList calls;
    QStringList expected;
    for (int i = 0; i < 20; ++i) {
        calls << sensorfw + QStringLiteral("setAlsValue int32:%1").arg(i) << "broken";
        expected
            << QStringLiteral("setAlsValue:%1:::").arg(i)
            << ":::org.freedesktop.DBus.Error.InvalidArgs:The call text does not hold six fields";
    }
    QCOMPARE(m_client.exchange(calls), expected);
    QCOMPARE(m_run->stateAt("sensors/als/lux"), QJsonValue(19));
}

void EmulatorProcessTest::clientsHaveTheirOwnReplies()
{
    InvokerClient second;
    QVERIFY(second.open());
    QTRY_COMPARE(m_run->stateAt("clients").toInt(), 2);
    QSignalSpy firstReplies(&m_client.socket(), &QWebSocket::textMessageReceived);
    QCOMPARE(second.call(sensorfw + "setProximitySensorValue int32:7"),
             "setProximitySensorValue:7:::");
    // Both share the emulator's state; the reply went only to the caller.
    QCOMPARE(m_client.call(sensorfw + "enabled string:proximity").split(':').value(0), "enabled");
    QCOMPARE(firstReplies.size(), 1);
    QCOMPARE(m_run->stateAt("sensors/proximity/reflectance"), QJsonValue(7));
    second.socket().close();
    QTRY_COMPARE(m_run->stateAt("clients").toInt(), 1);
}

void EmulatorProcessTest::logTellsCallsRepliesAndState()
{
    QCOMPARE(m_client.call(sensorfw + "setAlsValue int32:2500"), "setAlsValue:2500:::");
    QCOMPARE(m_client.call(geoclue + "setAltitude double:150.00"), "setAltitude:150:::");
    const QString log = m_run->log();
    QVERIFY(log.contains("ready: WebSocket 127.0.0.1:15454, camera UDP 127.0.0.1:44343"));
    QVERIFY(log.contains("client connected (1 in all)"));
    QVERIFY(log.contains("call  " + sensorfw + "setAlsValue int32:2500\n"));
    QVERIFY(log.contains("reply setAlsValue:2500:::\n"));
    QVERIFY(log.contains(R"("als":{"lux":2500})"));
    QVERIFY(log.contains("call  " + geoclue + "setAltitude double:150.00\n"));
    QVERIFY(log.contains("state gps {"));
}

void EmulatorProcessTest::cameraFramesAreCounted()
{
    constexpr int frames = 15;
    GError *error = nullptr;
    GstElement *sender = gst_parse_launch(
        QStringLiteral(
            "videotestsrc num-buffers=%1 ! video/x-raw,format=I420,width=320,height=240,"
            "framerate=30/1 ! jpegenc quality=50 ! rtpjpegpay ! udpsink host=127.0.0.1 port=%2")
            .arg(frames)
            .arg(cameraPort)
            .toUtf8()
            .constData(),
        &error);
    QVERIFY2(!error, error ? error->message : "");
    QVERIFY(gst_element_set_state(sender, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE);
    GstBus *bus = gst_element_get_bus(sender);
    GstMessage *end = gst_bus_timed_pop_filtered(
        bus, 10 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool reachedEnd = end && GST_MESSAGE_TYPE(end) == GST_MESSAGE_EOS;
    if (end)
        gst_message_unref(end);
    gst_object_unref(bus);
    gst_element_set_state(sender, GST_STATE_NULL);
    gst_object_unref(sender);
    QVERIFY(reachedEnd);

    QTRY_COMPARE_WITH_TIMEOUT(m_run->stateAt("camera/frames").toInt(), frames, 10000);
    QCOMPARE(m_run->stateAt("camera/width").toInt(), 320);
    QCOMPARE(m_run->stateAt("camera/height").toInt(), 240);
    QVERIFY(m_run->stateAt("camera/bytes").toInteger() > frames * 1000);
    QCOMPARE(m_run->stateAt("camera/error").toString(), QString());
    const QImage lastFrame(m_run->frameFile(), "JPEG");
    QCOMPARE(lastFrame.size(), QSize(320, 240));
    QVERIFY(m_run->log().contains("camera stream started, 320x240"));
    // Without frames for a second the stream counts as ended.
    QTRY_COMPARE_WITH_TIMEOUT(m_run->stateAt("camera/receiving").toBool(), false, 10000);
    QCOMPARE(m_run->stateAt("camera/framesPerSecond").toDouble(), 0.0);
    QVERIFY(m_run->log().contains("camera stream ended, 15 frames received in all"));
}

void EmulatorProcessTest::fakeSshListsThePackages_data()
{
    QTest::addColumn<QString>("packageList");
    QTest::addColumn<QStringList>("missing");

    QTest::newRow("default list") << QString() << QStringList{};
    QTest::newRow("one commented out") << "remote-dbus-invoker-1.0-1.i486\n"
                                          "#gstreamer-emulator-1.0-1.i486\n"
                                          "\n"
                                          "sensorfw-qt5-emulator-plugins-0.1-1.i486\n"
                                          "geoclue-emulator-0.1-1.i486\n"
                                       << QStringList{"gstreamer-emulator"};
    QTest::newRow("empty list") << "" << requiredPackages;
}

void EmulatorProcessTest::fakeSshListsThePackages()
{
    QFETCH(QString, packageList);
    QFETCH(QStringList, missing);

    QTemporaryDir directory;
    if (QTest::currentDataTag() != QLatin1String("default list")) {
        QFile list(directory.filePath("packages.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(packageList.toUtf8());
        qputenv("STROVA_EMULATOR_PACKAGES", list.fileName().toLocal8Bit());
    }
    const auto restoreEnvironment = qScopeGuard([] { qunsetenv("STROVA_EMULATOR_PACKAGES"); });

    QSsh::SshSettings::setSshFilePath(QStringLiteral(FAKE_SSH_PROGRAM));
    QSsh::SshConnectionParameters parameters;
    parameters.setHost("127.0.0.1");
    parameters.setPort(2223);
    parameters.setUserName("root");
    parameters.privateKeyFile = "/nonexistent/id_rsa";
    QSsh::SshRemoteProcessRunner runner;
    QSignalSpy closed(&runner, &QSsh::SshRemoteProcessRunner::processClosed);
    runner.run("rpm -qa", parameters);
    QVERIFY(closed.wait(10000));
    QCOMPARE(closed.constFirst().constFirst().toString(), QString());
    const QString output = QString::fromUtf8(runner.readAllStandardOutput());
    QVERIFY(!output.contains('#'));
    QVERIFY(!output.contains("\n\n"));
    for (const QString &package : requiredPackages)
        QCOMPARE(output.contains(package), !missing.contains(package));
}

void EmulatorProcessTest::fakeSshFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("errorPart");

    const QStringList options{"-o", "BatchMode=yes", "-p", "2223", "-l", "root"};
    QTest::newRow("unknown command")
        << options + QStringList{"127.0.0.1", "uname -a"} << 127 << "uname: command not found";
    QTest::newRow("other rpm query") << options + QStringList{"127.0.0.1", "rpm", "-q", "bash"} << 1
                                     << "only \"rpm -qa\" is simulated";
    QTest::newRow("no command") << options + QStringList{"127.0.0.1"} << 255
                                << "interactive logins are not simulated";
    QTest::newRow("bad port") << QStringList{"-p", "ssh", "127.0.0.1", "rpm -qa"} << 255
                              << "Bad port 'ssh'";
    QTest::newRow("no host") << QStringList{"-p", "2223"} << 255 << "usage";
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate", "127.0.0.1", "rpm -qa"} << 255 << "usage";
}

void EmulatorProcessTest::fakeSshFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, errorPart);

    QProcess ssh;
    ssh.start(QStringLiteral(FAKE_SSH_PROGRAM), arguments);
    QVERIFY(ssh.waitForFinished(10000));
    QCOMPARE(ssh.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ssh.exitCode(), exitCode);
    QCOMPARE(ssh.readAllStandardOutput(), QByteArray());
    const QString error = QString::fromUtf8(ssh.readAllStandardError());
    QVERIFY2(error.contains(errorPart), qPrintable(error));
}

void EmulatorProcessTest::secondInstanceCannotTakeThePort()
{
    EmulatorRun second({}, webSocketPort, cameraPort + 1);
    second.process().start();
    QVERIFY(second.process().waitForFinished(startTimeoutMs));
    QCOMPARE(second.process().exitCode(), 1);
    QVERIFY(second.process().readAllStandardError().contains(
        "Cannot listen for WebSocket clients on 127.0.0.1:15454"));

    EmulatorRun third({}, webSocketPort + 1, cameraPort);
    third.process().start();
    QVERIFY(third.process().waitForFinished(startTimeoutMs));
    QCOMPARE(third.process().exitCode(), 1);
    QVERIFY(third.process().readAllStandardError().contains(
        "Cannot receive the camera stream on UDP port 44343"));
    // The first one goes on answering.
    QCOMPARE(m_client.call(sensorfw + "enabled string:als").split(':').value(0), "enabled");
}

void EmulatorProcessTest::badOptionsEndAtOnce()
{
    QProcess process;
    process.start(QStringLiteral(EMULATOR_PROGRAM), {"--sensors-off", "thermometer"});
    QVERIFY(process.waitForFinished(startTimeoutMs));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().contains("Unknown sensor \"thermometer\""));
}

void EmulatorProcessTest::terminationIsClean()
{
    const qint64 daemonPid = m_run->stateAt("busDaemonPid").toInteger();
    QVERIFY(daemonPid > 0);
    QVERIFY(!processIsGone(daemonPid));
    QSignalSpy disconnected(&m_client.socket(), &QWebSocket::disconnected);
    m_run->process().terminate();
    QVERIFY(m_run->process().waitForFinished(10000));
    QCOMPARE(m_run->process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_run->process().exitCode(), 0);
    QVERIFY(processIsGone(daemonPid));
    QVERIFY(disconnected.size() == 1 || disconnected.wait(5000));
}

void EmulatorProcessTest::closedStdoutDoesNotEndTheProgram()
{
    EmulatorRun run;
    QVERIFY(run.start());
    run.process().closeReadChannel(QProcess::StandardOutput);
    InvokerClient client;
    QVERIFY(client.open());
    // Each call writes log lines to the closed pipe.
    QCOMPARE(client.call(sensorfw + "enabled string:tap"), "enabled:tap:true::");
    QCOMPARE(client.call(sensorfw + "setTapSensorValue int32:3"), "setTapSensorValue:3:::");
    QCOMPARE(run.process().state(), QProcess::Running);
    QVERIFY(run.log().contains("reply setTapSensorValue:3:::"));
}

void EmulatorProcessTest::killingTakesTheBusAlong()
{
    EmulatorRun run;
    QVERIFY(run.start());
    const qint64 daemonPid = run.stateAt("busDaemonPid").toInteger();
    QVERIFY(daemonPid > 0);
    run.process().kill();
    QVERIFY(run.process().waitForFinished(5000));
    QTRY_VERIFY_WITH_TIMEOUT(processIsGone(daemonPid), 5000);

    // A new run after the killed one starts on the same ports.
    EmulatorRun next;
    QVERIFY(next.start());
    InvokerClient client;
    QVERIFY(client.open());
    QCOMPARE(client.call(sensorfw + "enabled string:tap"), "enabled:tap:true::");
}

QTEST_GUILESS_MAIN(EmulatorProcessTest)

#include "tst_emulatorprocess.moc"
