#include "bench/tracktexts.h"
#include "ctl/commandline.h"
#include "recordingserver.h"
#include "testmedia.h"
#include "testtimeouts.h"

#include "gps/trackfingerprint.h"
#include "scenario/scenarioformat.h"

#include <QFile>
#include <QFileInfo>
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

using namespace EmulationManagement::Internal;

namespace {

constexpr int timeoutMs = eventTimeoutMs;
constexpr quint16 emulatorPort = 15470;
constexpr quint16 spareEmulatorPort = 15473;
const QString trackDir = QStringLiteral(TRACK_DIR);
const QString nmeaTrack
    = "loadTrack "
      "array:array:double:48.1173000,11.5166667,545.40,0;48.1189667,11.5183333,546.40,1000;48."
      "1206333,11.5216667,1234.50,1000;48.1223000,11.5233333,547.40,0";

struct CtlRun
{
    int exitCode = -1;
    QString output;
    QString error;
};

} // namespace

Q_DECLARE_METATYPE(std::optional<QStringList>)

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
    void streamEndingKeepsLaterLoads();
    void refusedTrackIsNotLoaded();
    void dayLongTrackStaysOutOfLaterRuns();
    void lostConnectionEndsWaits_data();
    void lostConnectionEndsWaits();
    void scriptLineWords_data();
    void scriptLineWords();
    void scriptsReadAsAShellWould_data();
    void scriptsReadAsAShellWould();
    void recordedCallsReplayByteForByte();
    void badScenarioSendsNothing();
    void failingStreamEndsWithItsError();

private:
    bool startEmulator(QProcess &emulator,
                       quint16 port,
                       const QString &logFile,
                       bool keepState = false);
    CtlRun ctl(const QStringList &arguments, quint16 port = emulatorPort);
    QProcess *startCtl(const QStringList &arguments);
    QProcessEnvironment ctlEnvironment() const;
    QJsonObject gpsStatus();
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
    QVERIFY(startEmulator(m_emulator, emulatorPort, m_dir.filePath("emulator.log"), true));
    newCalls();
}

// The state file holds the whole track after every call, which a day-long
// track makes slow; only the emulator whose state the tests read keeps one.
bool EmulationCtlTest::startEmulator(QProcess &emulator,
                                     quint16 port,
                                     const QString &logFile,
                                     bool keepState)
{
    emulator.setProgram(QStringLiteral(EMULATOR_PROGRAM));
    emulator.setArguments({"--port",
                           QString::number(port),
                           "--camera-port",
                           QString::number(port + 28900),
                           "--log-file",
                           logFile});
    if (keepState)
        emulator.setArguments(emulator.arguments() << "--state-file" << logFile + ".json");
    emulator.start();
    QByteArray output;
    while (!output.contains("ready:") && emulator.waitForReadyRead(timeoutMs))
        output += emulator.readAllStandardOutput();
    if (!output.contains("ready:"))
        qWarning("%s", (output + emulator.readAllStandardError()).constData());
    return output.contains("ready:");
}

void EmulationCtlTest::cleanupTestCase()
{
    m_emulator.terminate();
    m_emulator.waitForFinished(timeoutMs);
}

QProcessEnvironment EmulationCtlTest::ctlEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The command's own settings in the test's folder; German numbers must not
    // leak into calls. Its messages, which the test reads, in English.
    environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    environment.insert("LC_ALL", "de_DE.UTF-8");
    environment.insert("LANGUAGE", "en");
    environment.insert("GST_PLUGIN_PATH", VIRTUAL_CAMERA_DIR);
    return environment;
}

QProcess *EmulationCtlTest::startCtl(const QStringList &arguments)
{
    auto process = new QProcess(this);
    process->setProcessEnvironment(ctlEnvironment());
    process->start(QStringLiteral(CTL_PROGRAM), arguments);
    return process;
}

CtlRun EmulationCtlTest::ctl(const QStringList &arguments, quint16 port)
{
    QProcess *process = startCtl(QStringList{"--port=" + QString::number(port)} + arguments);
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

QJsonObject EmulationCtlTest::gpsStatus()
{
    return QJsonDocument::fromJson(ctl({"--json", "gps", "status"}).output.toUtf8()).object();
}

QJsonValue EmulationCtlTest::stateAt(const QString &path) const
{
    QFile file(m_dir.filePath("emulator.log.json"));
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
        {"gps load " + trackDir + "/timed.gpx", {"stopTrack ", "loadTrack array:array:double:48.1173000,11.5166667,545.40,0;48.1190000,11.5183333,1546.40,2500", "goToPositionOnTrack int32:0"}},
        {"gps load " + trackDir + "/track.nmea", {"stopTrack ", nmeaTrack, "goToPositionOnTrack int32:0"}},
        // A new run sends the track again before its first use.
        {"gps goto 3", {nmeaTrack, "goToPositionOnTrack int32:3"}},
        {"gps play --speed 2", {"setTrackSpeed int32:2", nmeaTrack, "stopTrack ", "goToPositionOnTrack int32:0", "startTrack "}},
        {"gps pause", {nmeaTrack, "pauseTrack ", "goToPositionOnTrack int32:0"}},
        {"gps load " + trackDir + "/route.kml", {"setTrackIntervalMode boolean:1", "stopTrack ", "loadTrack array:array:double:49.2860000,-123.1773333,12.00,0;49.2876667,-123.1790000,14.50,0;49.2890000,-123.1810000,15.00,0;49.2897000,-123.1832000,13.25,0", "goToPositionOnTrack int32:0"}},
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
    const QJsonObject json = gpsStatus();
    QCOMPARE(json.value("points").toInt(), 3);
    QCOMPARE(json.value("useDefaultInterval").toBool(), true);
}

void EmulationCtlTest::badInputSendsNothing()
{
    // clang-format off
    const std::tuple<QString, int, QString> rows[] = {
        {"sensor set thermometer 20", 2, "unknown sensor reading \"thermometer\""},
        {"--json sensor set thermometer 20", 2, "unknown sensor reading \"thermometer\""},
        {"--json --port=0 sensor list", 2, "port: 0 is out of range (1…65535)"},
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
        if (command.startsWith("--json")) {
            const QJsonObject json = QJsonDocument::fromJson(run.output.toUtf8()).object();
            QCOMPARE(json.value("ok"), QJsonValue(false));
            QVERIFY(json.value("error").toString().contains(message));
        }
    }
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    // clang-format off
    const std::tuple<quint16, QString, QString> unreachable[] = {
        {emulatorPort + 50, "sensor set als 5", "cannot reach the emulator at ws://127.0.0.1:15520"},
        {emulatorPort + 50, "--host=localhost sensor set als 5", "cannot reach the emulator at ws://localhost:15520"},
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
    QCOMPARE(calls.mid(0, 3), QStringList({"setTrackSpeed int32:5", nmeaTrack, "startTrack "}));
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

// A stream runs in its own process until another run stops it; the camera
// tests check what it sends. What other runs change meanwhile outlives the
// stream, and an entry whose process id now names another process stops
// nothing.
void EmulationCtlTest::cameraStreamsUntilStopped()
{
    const QString video = m_media.make("vp8.webm", "vp8enc deadline=1 ! webmmux", 30);
    QVERIFY(!video.isEmpty());
    const CtlRun list = ctl({"camera", "list"});
    QVERIFY2(list.exitCode == 0 && !list.output.isEmpty(), qPrintable(list.error));
    QCOMPARE(ctl({"gps", "load", trackDir + "/track.nmea"}).exitCode, 0);
    QSettings state(m_dir.filePath("config/QtProject/emulation-ctl.ini"), QSettings::IniFormat);
    for (const bool sameProcess : {true, false}) {
        QProcess *stream = startCtl({"camera", "stream", "--file", video});
        // The stream announces itself once it plays.
        QVERIFY(QTest::qWaitFor(
            [&] {
                state.sync();
                return state.value("emulation-ctl/stream_process").toLongLong()
                       == stream->processId();
            },
            timeoutMs));
        const QVariant started = state.value("emulation-ctl/stream_process_start");
        if (!sameProcess) {
            state.setValue("emulation-ctl/stream_process_start", started.toLongLong() + 1);
            state.sync();
            QCOMPARE(ctl({"camera", "stop"}).output, QString("no camera stream is running\n"));
            state.setValue("emulation-ctl/stream_process", stream->processId());
            state.setValue("emulation-ctl/stream_process_start", started);
            state.sync();
        }
        QCOMPARE(ctl({"gps", "load", trackDir + "/timed.gpx"}).exitCode, 0);
        const CtlRun stop = ctl({"camera", "stop"});
        QVERIFY2(stop.exitCode == 0, qPrintable(stop.error));
        QCOMPARE(stop.output, QString("stream stopped\n"));
        QVERIFY(QTest::qWaitFor([stream] { return stream->state() == QProcess::NotRunning; },
                                timeoutMs));
        QCOMPARE(stream->exitCode(), 0);
        QVERIFY(gpsStatus().value("trackFile").toString().endsWith("/timed.gpx"));
    }
    QCOMPARE(ctl({"camera", "stop"}).output, QString("no camera stream is running\n"));
}

void EmulationCtlTest::refusedTrackIsNotLoaded()
{
    QCOMPARE(ctl({"gps", "load", trackDir + "/track.nmea"}).exitCode, 0);
    RecordingServer server(emulatorPort + 1);
    QVERIFY(server.listen());
    connect(&server, &RecordingServer::frameReceived, &server, [&server](const QString &frame) {
        const QString method = frame.section(' ', 4, 4);
        server.reply(method == "loadTrack"
                         ? "loadTrack:::org.freedesktop.DBus.Error.LimitsExceeded:Too many points"
                         : method + "::::");
    });
    const CtlRun run = ctl({"gps", "load", trackDir + "/timed.gpx"}, emulatorPort + 1);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.error.contains("Too many points"), qPrintable(run.error));
    const QJsonObject status = gpsStatus();
    QVERIFY(status.value("trackFile").toString().endsWith("/track.nmea"));
    QCOMPARE(status.value("points").toInt(), 4);
}

// A day-long log loaded once costs later runs nothing: the settings file
// keeps its path, and a run that does not play the track never reads it.
void EmulationCtlTest::dayLongTrackStaysOutOfLaterRuns()
{
    QFile day(m_dir.filePath("day.nmea"));
    QVERIFY(day.open(QIODevice::WriteOnly) && day.write(TrackTexts::ggaLog(86400)) > 0);
    day.close();
    QProcess emulator;
    QVERIFY(startEmulator(emulator, spareEmulatorPort, m_dir.filePath("spare-emulator.log")));
    const CtlRun load = ctl({"gps", "load", day.fileName()}, spareEmulatorPort);
    QVERIFY2(load.exitCode == 0, qPrintable(load.error));
    QVERIFY(QFileInfo(m_dir.filePath("config/QtProject/emulation-ctl.ini")).size() < 16 * 1024);

    // The peak memory of one run, measured apart from this large process.
    QProcess run;
    run.setProcessEnvironment(ctlEnvironment());
    run.start(
        PEAK_MEMORY_PROGRAM,
        {CTL_PROGRAM, "--port=" + QString::number(spareEmulatorPort), "sensor", "set", "als", "5"});
    QVERIFY(run.waitForFinished(timeoutMs));
    QCOMPARE(run.exitCode(), 0);
    const QString figures = QString::fromUtf8(run.readAllStandardError());
    const qint64 peakKiB = figures.section("peak-memory: ", 1).section(' ', 0, 0).toLongLong();
    // A third of what reading the whole log took (300 MB), with room for the
    // sanitizers' own bookkeeping; bench_ctl prints the plain figure.
    QVERIFY2(peakKiB > 0 && peakKiB < 100 * 1024, qPrintable(figures));
}

void EmulationCtlTest::lostConnectionEndsWaits_data()
{
    QTest::addColumn<QString>("loop");
    QTest::newRow("to the end") << "--no-loop";
    QTest::newRow("looped") << "--loop";
}

// The emulator dies while a track plays: the waiting run ends with the
// reason instead of playing on to the end of an hour-long track, or forever.
void EmulationCtlTest::lostConnectionEndsWaits()
{
    QFETCH(QString, loop);
    QFile hour(m_dir.filePath("hour.nmea"));
    QVERIFY(hour.open(QIODevice::WriteOnly) && hour.write(TrackTexts::ggaLog(3600)) > 0);
    hour.close();
    QProcess emulator;
    const QString log = m_dir.filePath("spare-emulator.log");
    QFile::remove(log);
    QVERIFY(startEmulator(emulator, spareEmulatorPort, log));
    QCOMPARE(ctl({"gps", "load", hour.fileName()}, spareEmulatorPort).exitCode, 0);
    QProcess *play
        = startCtl({"--port=" + QString::number(spareEmulatorPort), "gps", "play", "--wait", loop});
    QVERIFY(QTest::qWaitFor(
        [&] {
            QFile file(log);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("startTrack");
        },
        timeoutMs));
    emulator.kill();
    QVERIFY(QTest::qWaitFor([play] { return play->state() == QProcess::NotRunning; }, timeoutMs));
    QCOMPARE(play->exitCode(), 1);
    QCOMPARE(play->readAllStandardError(),
             QByteArray("emulation-ctl: the connection to the emulator was lost\n"));
    play->deleteLater();
}

void EmulationCtlTest::scriptLineWords_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<std::optional<QStringList>>("words");
    using Words = std::optional<QStringList>;
    // clang-format off
    QTest::newRow("double quotes") << R"(gps load "my walk.nmea")" << Words(QStringList{"gps", "load", "my walk.nmea"});
    QTest::newRow("single quotes") << R"(--camera 'Integrated Camera')" << Words(QStringList{"--camera", "Integrated Camera"});
    QTest::newRow("escaped blank") << R"(my\ walk.nmea x)" << Words(QStringList{"my walk.nmea", "x"});
    QTest::newRow("escapes in double quotes") << R"("a\"b\\c\n")" << Words(QStringList{R"(a"b\c\n)"});
    QTest::newRow("no escapes in single quotes") << R"('a\b' "")" << Words(QStringList{R"(a\b)", ""});
    QTest::newRow("quotes join a word") << R"(a"b c"'d')" << Words(QStringList{"ab cd"});
    QTest::newRow("comment") << "sleep 5 # wait\t# more" << Words(QStringList{"sleep", "5"});
    QTest::newRow("hash inside a word") << "a#b '#c'" << Words(QStringList{"a#b", "#c"});
    QTest::newRow("blank") << " \t " << Words(QStringList());
    QTest::newRow("unterminated") << R"(gps load "my walk.nmea)" << Words();
    QTest::newRow("escaped quote leaves it open") << R"('a' "b\")" << Words();
    // clang-format on
}

void EmulationCtlTest::scriptLineWords()
{
    QFETCH(QString, line);
    QFETCH(std::optional<QStringList>, words);
    QString error;
    QCOMPARE(EmulationManagement::Internal::scriptLineWords(line, &error), words);
    QCOMPARE(error.isEmpty(), words.has_value());
}

void EmulationCtlTest::scriptsReadAsAShellWould_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    const QByteArray walk = QFile::encodeName(m_dir.filePath("my walk.nmea"));
    QTest::newRow("quoted path, CR and CRLF")
        << "gps load \"" + walk + "\"\rsensor set als 5\r\n"
        << 0 << "track points loaded: 4\nsetAlsValue int32:5: OK\n";
    QTest::newRow("CR ends a line") << QByteArray("sleep 1\r0\n") << 1 << "script.txt:2: ";
}

void EmulationCtlTest::scriptsReadAsAShellWould()
{
    QFETCH(QByteArray, script);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFile::remove(m_dir.filePath("my walk.nmea"));
    QVERIFY(QFile::copy(trackDir + "/track.nmea", m_dir.filePath("my walk.nmea")));
    QFile file(m_dir.filePath("script.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(script) == script.size());
    file.close();
    newCalls();
    const CtlRun run = ctl({"script", file.fileName()});
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.output + run.error).contains(output), qPrintable(run.output + run.error));
    if (exitCode != 0)
        QCOMPARE(newCalls(), QStringList());
}



namespace {

QString writeScript(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        return {};
    return path;
}

} // namespace

// Each call a recording holds becomes one script line that a dry run turns
// back into the same call text, whatever its argument text holds.
void EmulationCtlTest::recordedCallsReplayByteForByte()
{
    const QString sensors = "system ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement ru.quor.SensorfwEmulationManagement ";
    const QString location = "system ru.quor.GeoclueEmulationManagement /ru/quor/GeoclueEmulationManagement ru.quor.GeoclueEmulationManagement ";
    const QString rawSensors = "call ru.quor.SensorfwEmulationManagement ";
    newCalls();
    // clang-format off
    const std::pair<QString, QString> rows[] = {
        {sensors + "setAccelerometerX int32:1009", "sensor set accelerometer.x 1.009"},
        {sensors + "setAccelerometerValues int32:0 int32:-2046 int32:1000", "sensor set accelerometer 0.000 -2.046 1.000"},
        {location + "setPosition double:-33.8688000 double:151.2093000 double:12.50", "gps fix -33.8688000 151.2093000 12.50"},
        {sensors + "setAccelerometerX int32:5000", rawSensors + "setAccelerometerX int32:5000"},
        {sensors + "setGyroscopeValues double:0 double:0 double:1.14592", rawSensors + "setGyroscopeValues \"double:0 double:0 double:1.14592\""},
        {location + "startTrack ", "call ru.quor.GeoclueEmulationManagement startTrack \"\""},
        {sensors + "enableSensor string:a \"b\" \\c $d `e' f", rawSensors + "enableSensor \"string:a \\\"b\\\" \\\\c $d `e' f\""},
        {sensors + "enableSensor string:Kamera \u00fc \u65e5\u672c", rawSensors + "enableSensor \"string:Kamera \u00fc \u65e5\u672c\""},
        {sensors + "enableSensor   int32:1  #2 ", rawSensors + "enableSensor \"  int32:1  #2 \""},
    };
    // clang-format on
    for (const auto &[call, line] : rows) {
        QString error;
        QCOMPARE(Scenario::callLine(call, &error), line);
        const QString script = writeScript(m_dir.filePath("row.scenario"), "# header\n" + line + "\r\n");
        const CtlRun run = ctl({"script", script, "--dry-run"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.error));
        QCOMPARE(run.output, call + "\n");
    }
    QCOMPARE(newCalls(), QStringList());
}

// A hand-edited scenario is checked whole before its first call: a bad line
// or a track file that is not the one recorded is named with its line.
void EmulationCtlTest::badScenarioSendsNothing()
{
    newCalls();
    const QString track = trackDir + "/track.nmea";
    QString error;
    const QString recorded = TrackFingerprint::ofFile(track, &error)->toText();
    const QString otherTrack = "size=1 modified=0 sha256=" + QString(64, '0');
    // clang-format off
    const std::pair<QString, QString> rows[] = {
        {"call ru.quor.SensorfwEmulationManagement setAlsValue \"int32:5", ":3: unterminated \" quote"},
        {"call ru.quor.SensorfwEmulationManagement setAlsValue", ":3: "},
        {"sensor set accelerometer.x 9", ":3: accelerometer.x: 9 is out of range"},
        {"gps load \"" + track + "\" --fingerprint \"" + otherTrack + "\"", ":3: " + track + " is not the track file that was recorded"},
        {"gps load \"" + track + "\" --fingerprint bad", ":3: --fingerprint: \"bad\" is not a track fingerprint"},
    };
    // clang-format on
    for (const auto &[line, message] : rows) {
        const QString script = writeScript(m_dir.filePath("bad.scenario"), "# header\nsleep 1\n" + line + "\n");
        const CtlRun run = ctl({"script", script});
        QVERIFY2(run.error.contains(message), qPrintable(line + ": " + run.error));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(newCalls(), QStringList());
    }
    // A refused call ends the replay at its line; the lines before it ran.
    const QString refused = writeScript(m_dir.filePath("refused.scenario"), "call ru.quor.SensorfwEmulationManagement setAlsValue int32:7\ncall ru.quor.SensorfwEmulationManagement setAlsValue int32:x\nsensor set als 9\n");
    const CtlRun run = ctl({"script", refused});
    QVERIFY2(run.error.contains("refused.scenario:2: the emulator refused \"setAlsValue int32:x\""), qPrintable(run.error));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(newCalls(), QStringList({"setAlsValue int32:7", "setAlsValue int32:x"}));
    // The same track with its own fingerprint loads, and --force takes another.
    for (const auto &[fingerprint, options] : {std::pair{recorded, QStringList()}, std::pair{otherTrack, QStringList{"--force"}}}) {
        const QString script = writeScript(m_dir.filePath("load.scenario"), "gps load \"" + track + "\" --fingerprint \"" + fingerprint + "\"\n");
        const CtlRun load = ctl(QStringList{"script", script} + options);
        QVERIFY2(load.exitCode == 0, qPrintable(load.error));
        QCOMPARE(newCalls().filter("loadTrack").size(), 1);
    }
}

// A stream that ends by itself writes back nothing: a track another run
// loaded meanwhile stays the loaded one.
void EmulationCtlTest::streamEndingKeepsLaterLoads()
{
    const QString video = m_media.make("vp8.webm", "vp8enc deadline=1 ! webmmux", 30);
    QVERIFY(!video.isEmpty());
    QCOMPARE(ctl({"gps", "load", trackDir + "/track.nmea"}).exitCode, 0);
    QProcess *stream = startCtl({"camera", "stream", "--file", video, "--seconds", "5"});
    QSettings state(m_dir.filePath("config/QtProject/emulation-ctl.ini"), QSettings::IniFormat);
    QVERIFY(QTest::qWaitFor(
        [&] {
            state.sync();
            return state.value("emulation-ctl/stream_process").toLongLong() == stream->processId();
        },
        timeoutMs));
    QCOMPARE(ctl({"gps", "load", trackDir + "/timed.gpx"}).exitCode, 0);
    QVERIFY(
        QTest::qWaitFor([stream] { return stream->state() == QProcess::NotRunning; }, timeoutMs));
    QCOMPARE(stream->exitCode(), 0);
    QVERIFY(gpsStatus().value("trackFile").toString().endsWith("/timed.gpx"));
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
