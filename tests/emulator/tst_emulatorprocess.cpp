#include "emulatorstate.h"

#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <csignal>

// Runs the real strova-emulator program for what a run through the plug-in
// never shows: failed calls, reply order, refused starts and the private bus
// ending with the program.

namespace {

constexpr int timeoutMs = 10000;
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

// One run of the program with its state file in a directory of its own.
struct EmulatorRun
{
    explicit EmulatorRun(quint16 port = 15454, quint16 udpPort = 44343)
    {
        // Numbers keep the C notation whatever the user's locale.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", "de_DE.UTF-8");
        process.setProcessEnvironment(environment);
        process.setProgram(QStringLiteral(EMULATOR_PROGRAM));
        const QString options
            = QStringLiteral("--port|%1|--camera-port|%2|--sensors-off|gyroscope");
        process.setArguments(options.arg(port).arg(udpPort).split('|')
                             << "--state-file" << directory.filePath("state.json"));
    }
    ~EmulatorRun()
    {
        process.kill();
        process.waitForFinished();
    }
    bool start()
    {
        process.start();
        QByteArray output;
        while (!output.contains("ready:") && process.waitForReadyRead(timeoutMs))
            output += process.readAllStandardOutput();
        return output.contains("ready:");
    }
    QJsonValue stateAt(const QString &path) const
    {
        return emulatorStateAt(directory.filePath("state.json"), path);
    }

    QTemporaryDir directory;
    QProcess process;
};

} // namespace

class EmulatorProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void failedCallsAreNamedAndLeaveTheStateAlone();
    void busyPortsAndBadOptionsEndTheProgram();
    void terminationTakesTheBusAlong();

private:
    EmulatorRun m_run;
    QWebSocket m_socket;
};

void EmulatorProcessTest::initTestCase()
{
    QVERIFY(m_run.start());
    QSignalSpy connected(&m_socket, &QWebSocket::connected);
    m_socket.open(QUrl(QStringLiteral("ws://127.0.0.1:15454")));
    QVERIFY(connected.wait(timeoutMs));
}

// Unreadable calls are answered at once and D-Bus calls later, yet replies
// keep the order of the calls; a failed call changes nothing in the state.
void EmulatorProcessTest::failedCallsAreNamedAndLeaveTheStateAlone()
{
    // clang-format off
    const std::pair<QString, const char *> rows[] = {
        {geoclue + "loadTrack array:array:double:10.5,20,30,0;11,21,31,500", "loadTrack:10.5,20,30,0;11,21,31,500:::"},
        {"broken", ":::org.freedesktop.DBus.Error.InvalidArgs:The call text does not hold six fields"},
        {geoclue + "goToPositionOnTrack int32:1", "goToPositionOnTrack:1:::"},
        {geoclue + "setPosition double:90.5000000 double:0.0000000 double:0.00", "setPosition:90.5|0|0::org.freedesktop.DBus.Error.InvalidArgs:Latitude 90.5 is out of range"},
        {geoclue + "goToPositionOnTrack int32:2", "goToPositionOnTrack:2::org.freedesktop.DBus.Error.InvalidArgs:The track has no point 2"},
        {sensorfw + "setAlsValue int32:bright", "setAlsValue:bright::org.freedesktop.DBus.Error.InvalidArgs:Argument 1 is not a valid int32 value"},
        {sensorfw + "setAccelerometerX double:1.5", "setAccelerometerX:1.5::org.freedesktop.DBus.Error.UnknownMethod:No such method 'setAccelerometerX' in interface 'ru.quor.SensorfwEmulationManagement' at object path '/ru/quor/SensorfwEmulationManagement' (signature 'd')"},
        {sensorfw + "enabled string:gyroscope", "enabled:gyroscope:false::"},
    };
    // clang-format on
    const QJsonValue als = m_run.stateAt("sensors/als");
    QSignalSpy replies(&m_socket, &QWebSocket::textMessageReceived);
    for (const auto &[call, reply] : rows)
        m_socket.sendTextMessage(call);
    QVERIFY(
        QTest::qWaitFor([&] { return replies.size() == qsizetype(std::size(rows)); }, timeoutMs));
    for (qsizetype i = 0; i < replies.size(); ++i)
        QCOMPARE(replies.at(i).first().toString(), QString::fromUtf8(rows[i].second));
    QCOMPARE(m_run.stateAt("gps/position"),
             QJsonObject({{"latitude", 11}, {"longitude", 21}, {"altitude", 31}}));
    QCOMPARE(m_run.stateAt("sensors/als"), als);
}

void EmulatorProcessTest::busyPortsAndBadOptionsEndTheProgram()
{
    // clang-format off
    const std::tuple<quint16, quint16, int, const char *> rows[] = {
        {15454, 44344, 1, "Cannot listen for WebSocket clients on 127.0.0.1:15454"},
        {15455, 44343, 1, "Cannot receive the camera stream on UDP port 44343"},
    };
    // clang-format on
    for (const auto &[port, udpPort, exitCode, error] : rows) {
        EmulatorRun second(port, udpPort);
        second.process.start();
        QVERIFY(second.process.waitForFinished(timeoutMs));
        QCOMPARE(second.process.exitCode(), exitCode);
        QVERIFY2(second.process.readAllStandardError().contains(error), error);
    }
}

void EmulatorProcessTest::terminationTakesTheBusAlong()
{
    const qint64 daemonPid = m_run.stateAt("busDaemonPid").toInteger();
    QVERIFY(daemonPid > 0 && !processIsGone(daemonPid));
    m_run.process.terminate();
    QVERIFY(m_run.process.waitForFinished(timeoutMs));
    QCOMPARE(m_run.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_run.process.exitCode(), 0);
    QVERIFY(processIsGone(daemonPid));
}

QTEST_GUILESS_MAIN(EmulatorProcessTest)

#include "tst_emulatorprocess.moc"
