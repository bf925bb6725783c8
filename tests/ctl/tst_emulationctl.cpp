#include "recordingserver.h"
#include "testmedia.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

// Runs emulation-ctl as a user does, against the simulated emulator, and
// compares what the emulator received with the calls the window's page
// tests pin for the same actions.

namespace {

constexpr int timeoutMs = 30000;
constexpr quint16 emulatorPort = 15470;
const QString trackDir = QStringLiteral(TRACK_DIR);

struct CtlRun
{
    int exitCode = -1;
    QString output;
    QString error;
};

} // namespace

class EmulationCtlTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void callsMatchTheWindow();
    void badInputSendsNothing();
    void playbackStepsThroughTheTrack();
    void errorRepliesFail();
    void cameraStreamsUntilStopped();
    void failingStreamEndsWithItsError();

private:
    CtlRun ctl(const QStringList &arguments, quint16 port = emulatorPort);
    QProcess *startCtl(const QStringList &arguments);
    // The method and argument texts of the calls the emulator logged since the last look.
    QStringList newCalls();
    QJsonValue stateAt(const QString &path) const;

    QTemporaryDir m_dir;
    QProcess m_emulator;
    qsizetype m_logRead = 0;
    TestMedia m_media;
};

void EmulationCtlTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_emulator.setProgram(QStringLiteral(EMULATOR_PROGRAM));
    m_emulator.setArguments({"--port",
                             QString::number(emulatorPort),
                             "--camera-port",
                             "44370",
                             "--log-file",
                             m_dir.filePath("emulator.log"),
                             "--state-file",
                             m_dir.filePath("state.json")});
    m_emulator.start();
    QByteArray output;
    while (!output.contains("ready:") && m_emulator.waitForReadyRead(timeoutMs))
        output += m_emulator.readAllStandardOutput();
    QVERIFY2(output.contains("ready:"), (output + m_emulator.readAllStandardError()).constData());
    newCalls();
}

void EmulationCtlTest::cleanupTestCase()
{
    m_emulator.terminate();
    m_emulator.waitForFinished(timeoutMs);
}

QProcess *EmulationCtlTest::startCtl(const QStringList &arguments)
{
    auto process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The command's own settings in the test's folder; German numbers must not leak into calls.
    environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    environment.insert("LC_ALL", "de_DE.UTF-8");
    environment.insert("GST_PLUGIN_PATH", VIRTUAL_CAMERA_DIR);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(CTL_PROGRAM), arguments);
    return process;
}

CtlRun EmulationCtlTest::ctl(const QStringList &arguments, quint16 port)
{
    QProcess *process = startCtl(QStringList{"--port", QString::number(port)} + arguments);
    CtlRun run;
    // The event loop runs meanwhile, for a server in this process.
    if (QTest::qWaitFor([process] { return process->state() == QProcess::NotRunning; }, timeoutMs))
        run.exitCode = process->exitCode();
    run.output = QString::fromUtf8(process->readAllStandardOutput());
    run.error = QString::fromUtf8(process->readAllStandardError());
    process->kill();
    process->deleteLater();
    return run;
}

QStringList EmulationCtlTest::newCalls()
{
    QFile log(m_dir.filePath("emulator.log"));
    if (!log.open(QIODevice::ReadOnly))
        return {"no log"};
    const QString text = QString::fromUtf8(log.readAll());
    const QStringList lines = text.mid(m_logRead).split('\n', Qt::SkipEmptyParts);
    m_logRead = text.size();
    QStringList calls;
    for (const QString &line : lines) {
        const qsizetype at = line.indexOf(" call  ");
        if (at >= 0)
            calls << line.mid(at + 7).section(' ', 4);
    }
    return calls;
}

QJsonValue EmulationCtlTest::stateAt(const QString &path) const
{
    QFile file(m_dir.filePath("state.json"));
    QJsonValue value = file.open(QIODevice::ReadOnly)
                           ? QJsonDocument::fromJson(file.readAll()).object()
                           : QJsonObject();
    for (const QString &key : path.split('/'))
        value = value.toObject().value(key);
    return value;
}

// One command a row, in order: state such as the magnetic field and the
// loaded track carries over from row to row as it does between runs.
void EmulationCtlTest::callsMatchTheWindow()
{
    const QString nmeaTrack
        = "loadTrack "
          "array:array:double:48.1173000,11.5166667,545.40,0;48.1189667,11.5183333,546.40,1000;48."
          "1206333,11.5216667,1234.50,1000;48.1223000,11.5233333,547.40,0";
    // clang-format off
    const std::pair<QString, QStringList> rows[] = {
        {"sensor set accelerometer.x 1.5", {"setAccelerometerX int32:1500"}},
        {"sensor set accelerometer.y -0.2", {"setAccelerometerY int32:-200"}},
        {"sensor set magnetometer.x 40", {"setMagnetometerX double:4e-05"}},
        {"sensor set gyroscope.z 24.125", {"setGyroscopeZ double:24.125"}},
        {"sensor set compass.calibration 2", {"setMagnetometerCalibrationLevel int32:2"}},
        {"sensor set proximity 7", {"setProximitySensorValue int32:7"}},
        {"sensor set als Bright", {"setAlsValue int32:400"}},
        {"sensor set orientation FaceDown", {"setAccelerometerValues int32:0 int32:0 int32:-300"}},
        {"sensor set tap Z_Pos", {"setTapSensorValue int32:6"}},
        {"sensor enable compass", {"enableSensor string:accelerometer", "enableSensor string:compass", "enableSensor string:magnetometer"}},
        {"sensor disable accelerometer", {"disableSensor string:accelerometer", "disableSensor string:compass", "disableSensor string:orientation"}},
        {"sensor set magneticField 12 -34 56", {}},
        {"pose preset 1", {"setAccelerometerValues int32:0 int32:1000 int32:0", "setMagnetometerValues double:1.2e-05 double:-3.4e-05 double:5.6e-05"}},
        {"pose preset 5", {"setAccelerometerValues int32:0 int32:0 int32:1000", "setMagnetometerValues double:1.2e-05 double:-5.6e-05 double:-3.4e-05"}},
        {"pose 0 0 179", {"setAccelerometerValues int32:17 int32:-1000 int32:0", "setMagnetometerValues double:-1.25916e-05 double:3.37854e-05 double:5.6e-05"}},
        {"gps fix -33.8688 151.2093 1234.5", {"setPosition double:-33.8688000 double:151.2093000 double:1234.50"}},
        {"gps load " + trackDir + "/timed.gpx", {"stopTrack ", "loadTrack array:array:double:48.1173000,11.5166667,545.40,0;48.1190000,11.5183333,1546.40,2500"}},
        {"gps load " + trackDir + "/track.nmea", {"stopTrack ", nmeaTrack}},
        // A new run sends the track again before its first use.
        {"gps goto 3", {nmeaTrack, "goToPositionOnTrack int32:3"}},
        {"gps play --speed 2", {"setTrackSpeed int32:2", nmeaTrack, "stopTrack ", "goToPositionOnTrack int32:0", "startTrack "}},
        {"gps pause", {nmeaTrack, "pauseTrack ", "goToPositionOnTrack int32:0"}},
        {"gps load " + trackDir + "/waypoints.nmea", {"setTrackIntervalMode boolean:1", "stopTrack "}},
        {"sensor list", {"enabled string:accelerometer", "enabled string:als", "enabled string:compass", "enabled string:gyroscope", "enabled string:magnetometer", "enabled string:orientation", "enabled string:proximity", "enabled string:tap"}},
    };
    // clang-format on
    for (const auto &[command, calls] : rows) {
        const CtlRun run = ctl(command.split(' '));
        QVERIFY2(run.exitCode == 0, qPrintable(command + ": " + run.error));
        const QStringList sent = newCalls();
        QCOMPARE(sent.mid(0, calls.size()), calls);
        // Rows that load a waypoint file list only the calls that matter.
        if (!command.contains("waypoints"))
            QCOMPARE(sent.size(), calls.size());
    }
    const CtlRun status = ctl({"--json", "gps", "status"});
    const QJsonObject json = QJsonDocument::fromJson(status.output.toUtf8()).object();
    QCOMPARE(json.value("points").toInt(), 3);
    QCOMPARE(json.value("useDefaultInterval").toBool(), true);
}

void EmulationCtlTest::badInputSendsNothing()
{
    // clang-format off
    const std::tuple<QString, int, QString> rows[] = {
        {"sensor set thermometer 20", 2, "unknown sensor reading \"thermometer\""},
        {"sensor enable magneticField", 2, "unknown sensor \"magneticField\""},
        {"sensor set accelerometer 3.5 0 0", 2, "accelerometer: 3.5 is out of range (-3…3 g)"},
        {"sensor set als 5000", 2, "als: 5000 is out of range (-1…3000 lx)"},
        {"sensor set gyroscope.x 1.0005", 2, "is not a number with at most 3 decimals"},
        {"gps fix 91 0", 2, "latitude: 91 is out of range (-90…90)"},
        {"pose preset 7", 2, "preset: 7 is out of range (1…6)"},
        {"gps load " + trackDir + "/missing.nmea", 1, "cannot read " + trackDir + "/missing.nmea"},
        {"gps load " + trackDir + "/broken.gpx", 1, "GPX file is not well-formed XML: Opening and ending tag mismatch., line: 4"},
        {"gps goto 9", 1, "index 9 is beyond the track's last point, 2"},
        {"camera stream --camera nosuch", 1, "unknown camera \"nosuch\""},
        {"camera stream --file " + trackDir + "/track.nmea", 1, "is not a VP8 or VP9 video"},
    };
    // clang-format on
    for (const auto &[command, exitCode, message] : rows) {
        const CtlRun run = ctl(command.split(' '));
        QVERIFY2(run.error.contains(message), qPrintable(command + ": " + run.error));
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.error.count('\n'), 1);
        QCOMPARE(newCalls(), QStringList());
    }
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    // clang-format off
    const std::tuple<quint16, QString, QString> unreachable[] = {
        {emulatorPort + 50, "sensor set als 5", "cannot reach the emulator at ws://127.0.0.1:15520"},
        {silent.serverPort(), "sensor set als 5", "no answer from the emulator"},
        {emulatorPort + 50, "gps load " + trackDir + "/missing.nmea", "cannot read"},
    };
    // clang-format on
    for (const auto &[port, command, message] : unreachable) {
        const CtlRun run = ctl(command.split(' '), port);
        QVERIFY2(run.error.contains(message), qPrintable(run.error));
        QCOMPARE(run.exitCode, 1);
    }
}

// The step to each point goes out as the page sends it; the 100 ms reminders
// in between repeat the current point, so repeats are dropped.
void EmulationCtlTest::playbackStepsThroughTheTrack()
{
    QVERIFY(ctl({"gps", "load", trackDir + "/track.nmea"}).exitCode == 0);
    newCalls();
    const CtlRun run = ctl({"gps", "play", "--speed", "5", "--wait"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.error));
    QStringList calls = newCalls();
    calls.erase(std::unique(calls.begin(), calls.end()), calls.end());
    calls.removeAll("goToPositionOnTrack int32:0");
    QCOMPARE(calls.mid(0, 3), QStringList({"setTrackSpeed int32:5", calls.at(1), "startTrack "}));
    QCOMPARE(calls.mid(3),
             QStringList({"goToPositionOnTrack int32:1",
                          "goToPositionOnTrack int32:2",
                          "goToPositionOnTrack int32:3"}));
    QCOMPARE(stateAt("gps/currentIndex").toInt(), 3);
}

void EmulationCtlTest::errorRepliesFail()
{
    RecordingServer server(emulatorPort + 1);
    QVERIFY(server.listen());
    connect(&server, &RecordingServer::frameReceived, &server, [&server] {
        server.reply("setAlsValue:5::org.freedesktop.DBus.Error.Failed:No light sensor");
    });
    const CtlRun run = ctl({"--json", "sensor", "set", "als", "5"}, emulatorPort + 1);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.error,
             QString("emulation-ctl: the emulator refused \"setAlsValue int32:5\": "
                     "org.freedesktop.DBus.Error.Failed No light sensor\n"));
    QCOMPARE(QJsonDocument::fromJson(run.output.toUtf8()).object().value("ok"), QJsonValue(false));
}

// A stream runs in its own process until another run stops it; the
// camera tests check what it sends.
void EmulationCtlTest::cameraStreamsUntilStopped()
{
    const QString video = m_media.make("vp8.webm", "vp8enc deadline=1 ! webmmux", 30);
    QVERIFY(!video.isEmpty());
    const CtlRun list = ctl({"camera", "list"});
    QVERIFY2(list.exitCode == 0 && !list.output.isEmpty(), qPrintable(list.error));
    QProcess *stream = startCtl({"camera", "stream", "--file", video});
    // The stream announces itself once it plays.
    const QString stateFile = m_dir.filePath("config/QtProject/emulation-ctl.ini");
    QVERIFY(QTest::qWaitFor(
        [&] {
            const QSettings state(stateFile, QSettings::IniFormat);
            return state.value("emulation-ctl/stream_process").toLongLong() == stream->processId();
        },
        timeoutMs));
    const CtlRun stop = ctl({"camera", "stop"});
    QVERIFY2(stop.exitCode == 0, qPrintable(stop.error));
    QCOMPARE(stop.output, QString("stream stopped\n"));
    QVERIFY(
        QTest::qWaitFor([stream] { return stream->state() == QProcess::NotRunning; }, timeoutMs));
    QCOMPARE(stream->exitCode(), 0);
    QCOMPARE(ctl({"camera", "stop"}).output, QString("no camera stream is running\n"));
}

// The file is gone when the stream starts over at its end.
void EmulationCtlTest::failingStreamEndsWithItsError()
{
    const QString video = m_media.make("gone.webm", "vp8enc deadline=1 ! webmmux", 5);
    QVERIFY(!video.isEmpty());
    QProcess *stream = startCtl({"camera", "stream", "--file", video, "--seconds", "600"});
    const QString stateFile = m_dir.filePath("config/QtProject/emulation-ctl.ini");
    QVERIFY(QTest::qWaitFor(
        [&] {
            const QSettings state(stateFile, QSettings::IniFormat);
            return state.value("emulation-ctl/stream_process").toLongLong() == stream->processId();
        },
        timeoutMs));
    QVERIFY(QFile::remove(video));
    QVERIFY(
        QTest::qWaitFor([stream] { return stream->state() == QProcess::NotRunning; }, timeoutMs));
    QCOMPARE(stream->exitCode(), 1);
    QVERIFY2(stream->readAllStandardError().startsWith(
                 "emulation-ctl: the camera stream stopped: Resource not found."),
             "the error is said");
}

QTEST_GUILESS_MAIN(EmulationCtlTest)

#include "tst_emulationctl.moc"
