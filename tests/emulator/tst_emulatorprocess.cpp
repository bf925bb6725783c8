#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <csignal>
#include <memory>

// Runs the real strova-emulator program and talks to it as the plug-in does:
// call texts over a WebSocket, the camera stream over UDP and "rpm -qa"
// through the ssh client stand-in.

namespace {

constexpr quint16 webSocketPort = 15454;
constexpr quint16 cameraPort = 44343;
constexpr int startTimeoutMs = 10000;

const QString sensorfw = QStringLiteral("system ru.quor.SensorfwEmulationManagement "
                                        "/ru/quor/SensorfwEmulationManagement "
                                        "ru.quor.SensorfwEmulationManagement ");
const QString geoclue = QStringLiteral("system ru.quor.GeoclueEmulationManagement "
                                       "/ru/quor/GeoclueEmulationManagement "
                                       "ru.quor.GeoclueEmulationManagement ");

// A process that is gone or a zombie nobody has reaped yet.
bool processIsGone(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (::kill(pid_t(pid), 0) != 0 || !stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
}

// One run of the program with its state, log and frame files in a directory
// of its own.
class EmulatorRun
{
public:
    explicit EmulatorRun(quint16 port = webSocketPort,
                         quint16 udpPort = cameraPort,
                         const QStringList &extraArguments = {})
    {
        // Ignored signals stay ignored across exec: give the program the
        // default dispositions a shell would give it.
        process.setChildProcessModifier([] { ::signal(SIGPIPE, SIG_DFL); });
        process.setProgram(QStringLiteral(EMULATOR_PROGRAM));
        process.setArguments(QStringLiteral("--port %1 --camera-port %2 --state-file %3/state.json "
                                            "--log-file %3/emulator.log --save-frame %3/frame.jpg")
                                 .arg(port)
                                 .arg(udpPort)
                                 .arg(directory.path())
                                 .split(' ')
                             + extraArguments);
    }
    ~EmulatorRun()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished();
    }

    // Starts the program and waits for its ready line.
    bool start()
    {
        process.start();
        QByteArray output;
        while (!output.contains("ready:")) {
            if (!process.waitForReadyRead(startTimeoutMs))
                return false;
            output += process.readAllStandardOutput();
        }
        return true;
    }

    QString path(const QString &fileName) const { return directory.filePath(fileName); }
    QByteArray read(const QString &fileName) const
    {
        QFile file(path(fileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QJsonObject state() const { return QJsonDocument::fromJson(read("state.json")).object(); }

    // The value at a "/"-separated path of object keys in the state.
    QJsonValue stateAt(const QString &path) const
    {
        QJsonValue value = state();
        for (const QString &key : path.split('/'))
            value = value.toObject().value(key);
        return value;
    }

    QTemporaryDir directory;
    QProcess process;
};

// A WebSocket client in the place of the plug-in's invoker.
class InvokerClient
{
public:
    bool open(quint16 port = webSocketPort)
    {
        QSignalSpy connected(&socket, &QWebSocket::connected);
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(port)));
        return connected.wait(5000);
    }

    QStringList exchange(const QStringList &calls)
    {
        QSignalSpy replies(&socket, &QWebSocket::textMessageReceived);
        for (const QString &call : calls)
            socket.sendTextMessage(call);
        while (replies.size() < calls.size() && replies.wait(5000)) {
        }
        QStringList texts;
        for (const QList<QVariant> &reply : std::as_const(replies))
            texts.append(reply.constFirst().toString());
        return texts;
    }

    QString call(const QString &text) { return exchange({text}).value(0, "<no reply>"); }

    QWebSocket socket;
};

} // namespace

class EmulatorProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void callsAreAnsweredAndKept();
    void repliesKeepTheOrderOfCalls();
    void fakeSsh();
    void secondInstanceCannotTakeThePort();
    void terminationAndKillTakeTheBusAlong();

private:
    std::unique_ptr<EmulatorRun> m_run;
    InvokerClient m_client;
};

void EmulatorProcessTest::initTestCase()
{
    m_run = std::make_unique<EmulatorRun>(
        webSocketPort, cameraPort, QStringList{"--sensors-off", "gyroscope,tap"});
    QVERIFY(m_run->start());
    QVERIFY(m_client.open());
    QTRY_COMPARE(m_run->stateAt("clients").toInt(), 1);
}

// Each call of the plug-in's vocabulary, its exact reply, and what the state
// file holds afterwards (written before the reply goes out). A reply ending
// in "*" is compared up to it; a failed call leaves the state alone.
void EmulatorProcessTest::callsAreAnsweredAndKept()
{
    struct Row
    {
        char service; // 'S' sensors, 'G' location, '-' the text as it is
        const char *call;
        const char *reply;
        const char *statePath;
        const char *stateJson;
    };
    // clang-format off
    const Row rows[] = {
        {'S', "enabled string:gyroscope", "enabled:gyroscope:false::", "sensors/enabled/gyroscope", "false"},
        {'S', "enabled string:compass", "enabled:compass:true::", "sensors/enabled/compass", "true"},
        {'S', "disableSensor string:magnetometer", "disableSensor:magnetometer:::", "sensors/enabled/magnetometer", "false"},
        {'S', "enableSensor string:tap", "enableSensor:tap:::", "sensors/enabled/tap", "true"},
        {'S', "setAccelerometerValues int32:12 int32:-340 int32:987", "setAccelerometerValues:12|-340|987:::", "sensors/accelerometer", R"({"x":12,"y":-340,"z":987})"},
        {'S', "setAccelerometerY int32:-1000", "setAccelerometerY:-1000:::", "sensors/accelerometer/y", "-1000"},
        {'S', "setMagnetometerX double:4.3e-05", "setMagnetometerX:4.3e-05:::", "sensors/magnetometer/x", "4.3e-05"},
        {'S', "setGyroscopeValues double:0 double:-2.5 double:1.14592", "setGyroscopeValues:0|-2.5|1.14592:::", "sensors/gyroscope", R"({"x":0,"y":-2.5,"z":1.14592})"},
        {'G', "setPosition double:55.7558260 double:37.6173000 double:150.00", "setPosition:55.755826|37.6173|150:::", "gps/position", R"({"latitude":55.755826,"longitude":37.6173,"altitude":150})"},
        {'G', "setTrackLooped boolean:1", "setTrackLooped:true:::", "gps/looped", "true"},
        {'G', "setTrackIntervalMode boolean:0", "setTrackIntervalMode:false:::", "gps/useDefaultInterval", "false"},
        {'G', "setTrackSpeed int32:5", "setTrackSpeed:5:::", "gps/speed", "5"},
        {'G', "loadTrack array:array:double:10,20,30,0;11,21,31,500;12,22,32,500", "loadTrack:10,20,30,0;11,21,31,500;12,22,32,500:::", "gps/track", "[[10,20,30,0],[11,21,31,500],[12,22,32,500]]"},
        {'G', "startTrack ", "startTrack::::", "gps/playback", R"("playing")"},
        {'G', "goToPositionOnTrack int32:2", "goToPositionOnTrack:2:::", "gps/position", R"({"latitude":12,"longitude":22,"altitude":32})"},
        {'G', "pauseTrack ", "pauseTrack::::", "gps/playback", R"("paused")"},
        {'G', "stopTrack ", "stopTrack::::", "gps/position/latitude", "12"},
        {'S', "enableSensor string:barometer", "enableSensor:barometer::org.freedesktop.DBus.Error.InvalidArgs:There is no sensor named \"barometer\"", nullptr, nullptr},
        {'S', "setTapSensorValue int32:9", "setTapSensorValue:9::org.freedesktop.DBus.Error.InvalidArgs:Tap direction 9 is out of range", nullptr, nullptr},
        {'G', "setPosition double:90.5000000 double:0.0000000 double:0.00", "setPosition:90.5|0|0::org.freedesktop.DBus.Error.InvalidArgs:Latitude 90.5 is out of range", nullptr, nullptr},
        {'G', "loadTrack array:array:double:1,2,3,0;1,2,3", "loadTrack:1,2,3,0;1,2,3::org.freedesktop.DBus.Error.InvalidArgs:Track point 1 has 3 values instead of 4", nullptr, nullptr},
        {'G', "setTrackSpeed int32:0", "setTrackSpeed:0::org.freedesktop.DBus.Error.InvalidArgs:Track speed 0 is not a positive factor", nullptr, nullptr},
        {'G', "goToPositionOnTrack int32:3", "goToPositionOnTrack:3::org.freedesktop.DBus.Error.InvalidArgs:The track has no point 3", nullptr, nullptr},
        {'S', "setAlsValue int32:bright", "setAlsValue:bright::org.freedesktop.DBus.Error.InvalidArgs:Argument 1 is not a valid int32 value", nullptr, nullptr},
        {'S', "setThermometerValue int32:20", "setThermometerValue:20::org.freedesktop.DBus.Error.UnknownMethod:*", nullptr, nullptr},
        {'S', "setAccelerometerX double:1.5", "setAccelerometerX:1.5::org.freedesktop.DBus.Error.UnknownMethod:*", nullptr, nullptr},
        {'-', "system ru.quor.CameraEmulationManagement /ru/quor/CameraEmulationManagement ru.quor.CameraEmulationManagement start ", "start:::org.freedesktop.DBus.Error.ServiceUnknown:*", nullptr, nullptr},
        {'-', "system ru.quor.SensorfwEmulationManagement /ru/quor/Nothing ru.quor.SensorfwEmulationManagement enabled string:als", "enabled:als::org.freedesktop.DBus.Error.UnknownObject:*", nullptr, nullptr},
        {'-', "system ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement ru.quor.Nothing enabled string:als", "enabled:als::org.freedesktop.DBus.Error.UnknownInterface:*", nullptr, nullptr},
        {'-', "system ru.quor.SensorfwEmulationManagement nopath ru.quor.SensorfwEmulationManagement enabled string:als", "enabled:als::org.qtproject.QtDBus.Error.InvalidObjectPath:*", nullptr, nullptr},
        {'-', "user ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement ru.quor.SensorfwEmulationManagement enabled string:als", "enabled:als::org.freedesktop.DBus.Error.InvalidArgs:There is no bus named \"user\"", nullptr, nullptr},
        {'-', "", ":::org.freedesktop.DBus.Error.InvalidArgs:The call text does not hold six fields", nullptr, nullptr},
    };
    // clang-format on
    for (const Row &row : rows) {
        const QString prefix = row.service == 'S'   ? sensorfw
                               : row.service == 'G' ? geoclue
                                                    : QString();
        const QJsonObject before = m_run->state();
        const QString reply = m_client.call(prefix + QString::fromUtf8(row.call));
        QString expected = QString::fromUtf8(row.reply);
        if (expected.endsWith('*')) {
            expected.chop(1);
            QVERIFY2(reply.startsWith(expected) && reply.size() > expected.size(),
                     qPrintable(reply));
        } else {
            QCOMPARE(reply, expected);
        }
        const QJsonObject after = m_run->state();
        QCOMPARE(after.value("calls").toInt(), before.value("calls").toInt() + 1);
        if (row.statePath) {
            const QByteArray json = QByteArray("[") + row.stateJson + "]";
            QCOMPARE(m_run->stateAt(QString::fromLatin1(row.statePath)),
                     QJsonDocument::fromJson(json).array().at(0));
        } else {
            QCOMPARE(after.value("sensors"), before.value("sensors"));
            QCOMPARE(after.value("gps"), before.value("gps"));
        }
    }
}

// Unreadable calls are answered at once, D-Bus calls later: the replies still
// come in the order of the calls, and the log tells each call and reply.
void EmulatorProcessTest::repliesKeepTheOrderOfCalls()
{
    QStringList calls;
    QStringList expected;
    for (int i = 0; i < 20; ++i) {
        calls << sensorfw + QStringLiteral("setAlsValue int32:%1").arg(i) << "broken";
        expected << QStringLiteral("setAlsValue:%1:::").arg(i)
                 << ":::org.freedesktop.DBus.Error.InvalidArgs:The call text does not hold six "
                    "fields";
    }
    QCOMPARE(m_client.exchange(calls), expected);
    QCOMPARE(m_run->stateAt("sensors/als/lux"), QJsonValue(19));
    const QString log = QString::fromUtf8(m_run->read("emulator.log"));
    for (const QString &line :
         {QStringLiteral("ready: WebSocket 127.0.0.1:15454, camera UDP 127.0.0.1:44343"),
          QStringLiteral("client connected (1 in all)"),
          "call  " + sensorfw + "setAlsValue int32:19\n",
          QStringLiteral("reply setAlsValue:19:::\n"),
          QStringLiteral(R"("als":{"lux":19})")})
        QVERIFY2(log.contains(line), qPrintable(line));
}

void EmulatorProcessTest::fakeSsh()
{
    QTemporaryDir directory;
    QFile list(directory.filePath("packages.txt"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("remote-dbus-invoker-1.0-1.i486\n#gstreamer-emulator-1.0-1.i486\n\n"
               "sensorfw-qt5-emulator-plugins-0.1-1.i486\ngeoclue-emulator-0.1-1.i486\n");
    list.close();
    const QStringList required{"sensorfw-qt5-emulator-plugins",
                               "remote-dbus-invoker",
                               "geoclue-emulator",
                               "gstreamer-emulator"};
    struct Row
    {
        const char *arguments; // "|" between arguments, "@" for the SDK's login options
        bool ownList;
        int exitCode;
        const char *out; // every required package not named here is listed
        const char *err;
    };
    // clang-format off
    const Row rows[] = {
        {"@|rpm -qa", false, 0, "", ""},
        {"@|rpm -qa", true, 0, "gstreamer-emulator", ""},
        {"@|uname -a", false, 127, nullptr, "uname: command not found"},
        {"@|rpm|-q|bash", false, 1, nullptr, "only \"rpm -qa\" is simulated"},
        {"@", false, 255, nullptr, "interactive logins are not simulated"},
        {"-p|ssh|127.0.0.1|rpm -qa", false, 255, nullptr, "Bad port 'ssh'"},
        {"-p|2223", false, 255, nullptr, "usage"},
        {"--frobnicate|127.0.0.1|rpm -qa", false, 255, nullptr, "usage"},
    };
    // clang-format on
    for (const Row &row : rows) {
        QProcess ssh;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (row.ownList)
            environment.insert("STROVA_EMULATOR_PACKAGES", list.fileName());
        ssh.setProcessEnvironment(environment);
        const QString arguments = QString::fromLatin1(row.arguments)
                                      .replace('@', "-o|BatchMode=yes|-p|2223|-l|root|127.0.0.1");
        ssh.start(QStringLiteral(FAKE_SSH_PROGRAM), arguments.split('|'));
        QVERIFY(ssh.waitForFinished(10000));
        QCOMPARE(ssh.exitCode(), row.exitCode);
        const QString out = QString::fromUtf8(ssh.readAllStandardOutput());
        const QString err = QString::fromUtf8(ssh.readAllStandardError());
        QVERIFY2(err.contains(QLatin1String(row.err)), qPrintable(err));
        QCOMPARE(out.isEmpty(), !row.out);
        QVERIFY(!out.contains('#') && !out.contains("\n\n"));
        for (const QString &package : required)
            QCOMPARE(out.contains(package), row.out && package != QLatin1String(row.out));
    }
}

void EmulatorProcessTest::secondInstanceCannotTakeThePort()
{
    // clang-format off
    const std::tuple<quint16, quint16, const char *> rows[] = {
        {webSocketPort, cameraPort + 1, "Cannot listen for WebSocket clients on 127.0.0.1:15454"},
        {webSocketPort + 1, cameraPort, "Cannot receive the camera stream on UDP port 44343"},
    };
    // clang-format on
    for (const auto &[port, udpPort, error] : rows) {
        EmulatorRun second(port, udpPort);
        second.process.start();
        QVERIFY(second.process.waitForFinished(startTimeoutMs));
        QCOMPARE(second.process.exitCode(), 1);
        QVERIFY(second.process.readAllStandardError().contains(error));
    }
    QProcess badOptions;
    badOptions.start(QStringLiteral(EMULATOR_PROGRAM), {"--sensors-off", "thermometer"});
    QVERIFY(badOptions.waitForFinished(startTimeoutMs));
    QCOMPARE(badOptions.exitCode(), 2);
    // The first one goes on answering.
    QCOMPARE(m_client.call(sensorfw + "enabled string:als").split(':').value(0), "enabled");
}

void EmulatorProcessTest::terminationAndKillTakeTheBusAlong()
{
    const qint64 daemonPid = m_run->stateAt("busDaemonPid").toInteger();
    QVERIFY(daemonPid > 0 && !processIsGone(daemonPid));
    QSignalSpy disconnected(&m_client.socket, &QWebSocket::disconnected);
    m_run->process.terminate();
    QVERIFY(m_run->process.waitForFinished(10000));
    QCOMPARE(m_run->process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_run->process.exitCode(), 0);
    QVERIFY(processIsGone(daemonPid));
    QVERIFY(disconnected.size() == 1 || disconnected.wait(5000));

    EmulatorRun run;
    QVERIFY(run.start());
    const qint64 killedDaemonPid = run.stateAt("busDaemonPid").toInteger();
    run.process.kill();
    QVERIFY(run.process.waitForFinished(5000));
    QTRY_VERIFY_WITH_TIMEOUT(processIsGone(killedDaemonPid), 5000);

    // A new run after the killed one starts on the same ports, and goes on
    // when nobody reads its output: each call writes log lines to the closed pipe.
    EmulatorRun next;
    QVERIFY(next.start());
    next.process.closeReadChannel(QProcess::StandardOutput);
    InvokerClient client;
    QVERIFY(client.open());
    QCOMPARE(client.call(sensorfw + "enabled string:tap"), "enabled:tap:true::");
    QCOMPARE(client.call(sensorfw + "setTapSensorValue int32:3"), "setTapSensorValue:3:::");
    QCOMPARE(next.process.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(EmulatorProcessTest)

#include "tst_emulatorprocess.moc"
