#include "commandrunner.h"

#include "ctl/camerastreams.h"
#include "ctl/pagescripts.h"
#include "ctl/trackfile.h"
#include "ctl/trackplayer.h"
#include "sensors/compassmodel.h"
#include "sensors/settingsmanager.h"

#include <utils/qtcsettings.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMetaEnum>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <signal.h>
#include <utility>

namespace EmulationManagement::Internal {

namespace {

void writeLine(FILE *stream, const QString &line)
{
    std::fprintf(stream, "%s\n", line.toUtf8().constData());
    std::fflush(stream);
}

QJsonArray numbers(std::initializer_list<double> values)
{
    QJsonArray array;
    for (double value : values)
        array.append(value);
    return array;
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// Whether a process id still names a running emulation-ctl.
bool isStreamProcess(qint64 pid)
{
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0)
        return false;
    return QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid))
        .symLinkTarget()
        .endsWith("/emulation-ctl");
}

// Each sensor's reading in the pages' units, as text and as JSON.
QList<std::tuple<QString, QString, QJsonValue>> readingTexts(const SensorsEmulationManager &sensors)
{
    const AccelerometerModel &a = *sensors.accelerometer();
    const MagnetometerModel &m = *sensors.magnetometer();
    const GyroscopeModel &g = *sensors.gyroscope();
    const int azimuth = CompassModel::calculateAzimuth(a.x(), a.y(), a.z(), m.x(), m.y(), m.z());
    return {
        {"accelerometer",
         QStringLiteral("%1 %2 %3 g")
             .arg(fixed(a.x() / 1000.0, 3), fixed(a.y() / 1000.0, 3), fixed(a.z() / 1000.0, 3)),
         numbers({a.x() / 1000.0, a.y() / 1000.0, a.z() / 1000.0})},
        {"compass",
         QStringLiteral("%1°, calibration level %2").arg(azimuth).arg(m.calibrationLevel()),
         QJsonObject{{"azimuth", azimuth}, {"calibrationLevel", m.calibrationLevel()}}},
        {"orientation",
         QCoreApplication::translate("EmulationManagement::Internal::CommandRunner",
                                     "follows the accelerometer"),
         QJsonValue()},
        {"magnetometer",
         QStringLiteral("%1 %2 %3 μT, calibration level %4")
             .arg(fixed(m.x() * 1e6, 3), fixed(m.y() * 1e6, 3), fixed(m.z() * 1e6, 3))
             .arg(m.calibrationLevel()),
         numbers({m.x() * 1e6, m.y() * 1e6, m.z() * 1e6})},
        {"gyroscope",
         QStringLiteral("%1 %2 %3 deg/s").arg(fixed(g.x(), 3), fixed(g.y(), 3), fixed(g.z(), 3)),
         numbers({g.x(), g.y(), g.z()})},
        {"als", QStringLiteral("%1 lx").arg(sensors.als()->lux()), sensors.als()->lux()},
        {"proximity",
         QCoreApplication::translate("EmulationManagement::Internal::CommandRunner",
                                     "reflectance %1")
             .arg(sensors.proximity()->reflectance()),
         sensors.proximity()->reflectance()},
        {"tap",
         QString::fromLatin1(QMetaEnum::fromType<TapModel::TapDirection>().valueToKey(
             sensors.tap()->tapDirection())),
         int(sensors.tap()->tapDirection())},
    };
}

} // namespace

CommandRunner::CommandRunner(const GlobalOptions &options, Utils::QtcSettings &settings)
    : m_options(options)
    , m_settings(settings)
    , m_state(CtlState::load(settings))
    , m_storedValues(std::make_unique<SettingsManager>())
    , m_connection(std::make_unique<EmulatorConnection>(options.host, options.port))
{
    restoreReadings();
    m_track.setPoints(m_state.trackPoints);
}

CommandRunner::~CommandRunner()
{
    m_player.reset();
    m_camera.reset();
    // The sensors manager stores its readings as it goes, for the next run.
    m_connection.reset();
    m_state.save(m_settings);
    m_settings.sync();
}

int CommandRunner::run(const Command &command)
{
    QString error;
    const bool done
        = command.kind == Command::Script ? runScript(command, &error) : execute(command, &error);
    if (done)
        return 0;
    printError(error);
    return 1;
}

bool CommandRunner::runScript(const Command &script, QString *error)
{
    QFile file(script.name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = tr("cannot read %1: %2").arg(script.name, file.errorString());
        return false;
    }
    // Every line is checked before the first one runs.
    QList<std::pair<int, Command>> commands;
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (int number = 1; number <= lines.size(); ++number) {
        const QStringList words = scriptLineWords(lines.at(number - 1));
        if (words.isEmpty())
            continue;
        QString lineError;
        const std::optional<Command> command = parseCommand(words, &lineError);
        if (command && command->kind == Command::Script)
            lineError = tr("a script cannot run another script");
        if (!command || !lineError.isEmpty()) {
            *error = QStringLiteral("%1:%2: %3").arg(script.name).arg(number).arg(lineError);
            return false;
        }
        commands.append({number, *command});
    }
    m_inScript = true;
    for (const auto &[number, command] : std::as_const(commands)) {
        if (m_stopSignals.received()) {
            *error = tr("%1:%2: interrupted").arg(script.name).arg(number);
            return false;
        }
        if (!execute(command, error)) {
            *error = QStringLiteral("%1:%2: %3").arg(script.name).arg(number).arg(*error);
            return false;
        }
    }
    return true;
}

bool CommandRunner::execute(const Command &command, QString *error)
{
    // A track file that cannot be used is refused before the emulator hears of it.
    if (command.kind == Command::GpsLoad) {
        m_trackFile = readTrackFile(command.name, error);
        if (!m_trackFile)
            return false;
    }
    if (command.needsEmulator() && !m_connection->isOpen() && !m_connection->open(error))
        return false;
    Outcome outcome;
    const bool done = dispatch(command, &outcome, error)
                      && (!m_connection->isOpen() || m_connection->waitForReplies(error));
    const QList<EmulatorConnection::Exchange> exchanges = m_connection->takeExchanges();
    if (done)
        print(command, exchanges, outcome);
    return done;
}

bool CommandRunner::dispatch(const Command &command, Outcome *outcome, QString *error)
{
    switch (command.kind) {
    case Command::SensorList:
        return sensorList(outcome, error);
    case Command::SensorEnable:
    case Command::SensorDisable:
        sensorSwitch(command);
        return true;
    case Command::SensorSet:
        sensorSet(command.setting);
        return true;
    case Command::Pose:
    case Command::PosePreset:
        return pose(command, error);
    case Command::GpsFix:
        return gpsFix(command);
    case Command::GpsLoad:
        gpsLoad(command, outcome);
        return true;
    case Command::GpsPlay:
    case Command::GpsPause:
    case Command::GpsStop:
    case Command::GpsGoto:
        return gpsTrackCommand(command, error);
    case Command::GpsStatus:
        gpsStatus(outcome);
        return true;
    case Command::CameraList:
        cameraList(outcome);
        return true;
    case Command::CameraStreamCamera:
    case Command::CameraStreamFile:
        return cameraStream(command, error);
    case Command::CameraStop:
        return cameraStop(outcome, error);
    case Command::Sleep:
        sleep(command.numbers.value(0));
        return true;
    case Command::Script:
        break;
    }
    *error = tr("a script cannot run another script");
    return false;
}

void CommandRunner::print(const Command &command,
                          const QList<EmulatorConnection::Exchange> &exchanges,
                          const Outcome &outcome)
{
    if (m_options.json) {
        QJsonObject object = outcome.data;
        object.insert("command", command.text);
        object.insert("ok", true);
        QJsonArray calls;
        for (const EmulatorConnection::Exchange &exchange : exchanges)
            calls.append(QJsonObject{{"call", exchange.call}, {"reply", exchange.reply}});
        object.insert("calls", calls);
        writeLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
        return;
    }
    for (const EmulatorConnection::Exchange &exchange : exchanges)
        writeLine(stdout,
                  QStringLiteral("%1: %2").arg(exchange.call.section(' ', 4), exchange.reply));
    for (const QString &line : outcome.lines)
        writeLine(stdout, line);
}

void CommandRunner::printError(const QString &error)
{
    if (m_options.json) {
        const QJsonObject object{{"ok", false}, {"error", error}};
        writeLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
    }
    writeLine(stderr, "emulation-ctl: " + error);
}

bool CommandRunner::sensorList(Outcome *outcome, QString *error)
{
    SensorsEmulationManager &sensors = m_connection->sensors();
    // The query the window makes on its first connection.
    for (const QString &name : sensors.sensorsEnabledStates().keys())
        sensors.callMethod("enabled", "string:" + name);
    if (!m_connection->waitForReplies(error))
        return false;
    const QVariantMap enabled = sensors.sensorsEnabledStates();
    QJsonObject sensorsObject;
    for (const auto &[name, text, value] : readingTexts(sensors)) {
        const bool on = enabled.value(name).toBool();
        outcome->lines
            << QStringLiteral("%1 %2 %3").arg(name, -14).arg(on ? tr("on ") : tr("off"), text);
        sensorsObject.insert(name, QJsonObject{{"enabled", on}, {"value", value}});
    }
    const MagneticFieldModel &f = *sensors.magneticField();
    outcome->lines << QStringLiteral("%1 %2 %3 %4 μT")
                          .arg(tr("magneticField"), -18)
                          .arg(fixed(f.x(), 3), fixed(f.y(), 3), fixed(f.z(), 3));
    sensorsObject.insert("magneticField", QJsonObject{{"value", numbers({f.x(), f.y(), f.z()})}});
    outcome->data.insert("sensors", sensorsObject);
    return true;
}

void CommandRunner::sensorSwitch(const Command &command)
{
    const bool enable = command.kind == Command::SensorEnable;
    for (const QString &name : sensorsSwitchedTogether(command.name, enable)) {
        if (enable)
            m_connection->sensors().enableSensor(name);
        else
            m_connection->sensors().disableSensor(name);
        m_connection->sensors().setSensorEnabled(name, enable);
    }
}

void CommandRunner::sensorSet(const SensorSetting &setting)
{
    SensorsEmulationManager &s = m_connection->sensors();
    const QList<double> &v = setting.values;
    // Integer readings go through an int as from the pages, which drop the fraction.
    const auto i = [&v](int at) {
        return int(v.at(at));
    };
    using M = SensorsEmulationManager;
    const auto whole = [&s, &i](void (M::*set)(int)) {
        return [&s, &i, set] {
            (s.*set)(i(0));
        };
    };
    const auto real = [&s, &v](void (M::*set)(double)) {
        return [&s, &v, set] {
            (s.*set)(v.at(0));
        };
    };
    const auto realAxes = [&s, &v](void (M::*set)(double, double, double)) {
        return [&s, &v, set] {
            (s.*set)(v.at(0), v.at(1), v.at(2));
        };
    };
    const QMap<QString, std::function<void()>> setters = {
        {"accelerometer",
         [&] {
             s.setAccelerometerValues(i(0), i(1), i(2));
         }},
        {"accelerometer.x", whole(&M::setAccelerometerX)},
        {"accelerometer.y", whole(&M::setAccelerometerY)},
        {"accelerometer.z", whole(&M::setAccelerometerZ)},
        {"magnetometer", realAxes(&M::setMagnetometerValues)},
        {"magnetometer.x", real(&M::setMagnetometerX)},
        {"magnetometer.y", real(&M::setMagnetometerY)},
        {"magnetometer.z", real(&M::setMagnetometerZ)},
        {"magnetometer.calibration", whole(&M::setMagnetometerCalibrationLevel)},
        {"compass", whole(&M::setCompassAzimuth)},
        {"compass.calibration", whole(&M::setCompassCalibrationLevel)},
        {"magneticField", realAxes(&M::setMagneticFieldValues)},
        {"magneticField.x", real(&M::setMagneticFieldX)},
        {"magneticField.y", real(&M::setMagneticFieldY)},
        {"magneticField.z", real(&M::setMagneticFieldZ)},
        {"gyroscope", realAxes(&M::setGyroscopeValues)},
        {"gyroscope.x", real(&M::setGyroscopeX)},
        {"gyroscope.y", real(&M::setGyroscopeY)},
        {"gyroscope.z", real(&M::setGyroscopeZ)},
        {"als", whole(&M::setAlsLuxValue)},
        {"als.level",
         [&] {
             s.setAlsLightLevel(AlsModel::LightLevel(i(0)));
         }},
        {"proximity", whole(&M::setProximitySensorReflectanceValue)},
        {"proximity.near",
         [&] {
             s.setProximitySensorNearValue(i(0) != 0);
         }},
        {"orientation", whole(&M::setOrientation)},
        {"tap",
         [&] {
             s.setTapSensorValue(TapModel::TapDirection(i(0)));
         }},
    };
    setters.value(setting.target)();
}

bool CommandRunner::pose(const Command &command, QString *error)
{
    PageScripts &pageScripts = scripts(error);
    if (!error->isEmpty())
        return false;
    const auto angles = command.kind == Command::PosePreset
                            ? pageScripts.presetPose(int(command.numbers.at(0)))
                            : std::array<double, 3>{command.numbers.at(0),
                                                    command.numbers.at(1),
                                                    command.numbers.at(2)};
    SensorsEmulationManager &s = m_connection->sensors();
    const MagneticFieldModel &field = *s.magneticField();
    const PageScripts::Readings readings = pageScripts.restingReadings(
        angles[0], angles[1], angles[2], {field.x(), field.y(), field.z()});
    const auto &a = readings.accelerometer;
    s.setAccelerometerValues(a[0], a[1], a[2]);
    const auto &m = readings.magnetometer;
    s.setMagnetometerValues(m[0], m[1], m[2]);
    return true;
}

bool CommandRunner::gpsFix(const Command &command)
{
    const double altitude
        = command.numbers.size() > 2 ? command.numbers.at(2) : m_storedValues->readGpsAltitude();
    m_connection->gps().setPosition(command.numbers.at(0), command.numbers.at(1), altitude);
    return true;
}

void CommandRunner::gpsLoad(const Command &command, Outcome *outcome)
{
    const TrackReadResult track = *std::exchange(m_trackFile, std::nullopt);
    GPSEmulationManager &gps = m_connection->gps();
    m_player.reset();
    m_state.trackFile = QFileInfo(command.name).absoluteFilePath();
    m_state.trackPoints = TrackReader::toVariantList(track);
    m_state.index = 0;
    m_track.setPoints(m_state.trackPoints);
    // A file without times can only be played at the default interval. The
    // page keeps that mode for its life; the command follows each file.
    if (m_track.withoutTimes() || m_state.useDefaultInterval) {
        m_state.useDefaultInterval = m_track.withoutTimes();
        gps.setTrackIntervalMode(m_state.useDefaultInterval);
    }
    gps.stopTrack();
    gps.loadTrackModel(&m_track);
    gps.setCurrentPositionIndex(0);
    const QVariantMap first = m_track.record(0);
    gps.setLocalPosition(first.value("latitude").toDouble(),
                         first.value("longitude").toDouble(),
                         first.value("altitude").toDouble());
    outcome->lines << tr("track points loaded: %1").arg(m_track.rows());
    const QString note = TrackReader::skippedLinesNote(track);
    if (!note.isEmpty())
        outcome->lines << note;
    outcome->data.insert("points", m_track.rows());
}

bool CommandRunner::gpsTrackCommand(const Command &command, QString *error)
{
    const int rows = m_track.rows();
    if (rows == 0) {
        *error = tr("no track is loaded; load one with \"gps load FILE\"");
        return false;
    }
    if (command.kind == Command::GpsGoto && command.numbers.at(0) >= rows) {
        *error = tr("index %1 is beyond the track's last point, %2")
                     .arg(command.numbers.at(0))
                     .arg(rows - 1);
        return false;
    }
    GPSEmulationManager &gps = m_connection->gps();
    if (command.kind == Command::GpsPlay) {
        if (command.speed > 0) {
            m_state.speed = command.speed;
            gps.setTrackSpeed(command.speed);
        }
        if (command.looped) {
            m_state.looped = *command.looped;
            gps.setTrackLooped(*command.looped);
        }
    }
    TrackPlayer &trackPlayer = player();
    switch (command.kind) {
    case Command::GpsGoto:
        trackPlayer.goTo(int(command.numbers.at(0)));
        break;
    case Command::GpsPause:
        trackPlayer.pause();
        break;
    case Command::GpsStop:
        trackPlayer.stop();
        break;
    default: {
        QEventLoop loop;
        bool finished = false;
        const auto connection = connect(&trackPlayer, &TrackPlayer::finished, &loop, [&] {
            finished = true;
            loop.quit();
        });
        trackPlayer.play();
        if (command.wait && !finished) {
            runUntilStopped(loop);
            // Interrupted: the emulator is not left playing with nobody driving it.
            if (!finished)
                trackPlayer.pause();
        }
        disconnect(connection);
    }
    }
    return true;
}

void CommandRunner::gpsStatus(Outcome *outcome)
{
    const double latitude = m_storedValues->readGpsLatitude();
    const double longitude = m_storedValues->readGpsLongitude();
    const double altitude = m_storedValues->readGpsAltitude();
    const int rows = m_track.rows();
    outcome->lines << tr("position: %1 %2 %3 m")
                          .arg(fixed(latitude, 7), fixed(longitude, 7), fixed(altitude, 2))
                   << tr("track: %1 (points: %2)")
                          .arg(m_state.trackFile.isEmpty() ? tr("none") : m_state.trackFile)
                          .arg(rows)
                   << tr("current point: %1").arg(m_state.index)
                   << tr("speed: %1x, loop: %2, own track times: %3")
                          .arg(m_state.speed)
                          .arg(m_state.looped ? tr("on") : tr("off"),
                               m_state.useDefaultInterval ? tr("off") : tr("on"));
    outcome->data = QJsonObject{
        {"position",
         QJsonObject{{"latitude", latitude}, {"longitude", longitude}, {"altitude", altitude}}},
        {"trackFile", m_state.trackFile},
        {"points", rows},
        {"currentIndex", m_state.index},
        {"speed", m_state.speed},
        {"looped", m_state.looped},
        {"useDefaultInterval", m_state.useDefaultInterval},
    };
}

void CommandRunner::cameraList(Outcome *outcome)
{
    QJsonObject cameras;
    outcome->lines = camera().describe(&cameras);
    outcome->data.insert("cameras", cameras);
}

bool CommandRunner::cameraStream(const Command &command, QString *error)
{
    CameraStreams &streams = camera();
    const bool started
        = command.kind == Command::CameraStreamFile
              ? streams.startFile(command.name, error)
              : streams.startCamera(command.name, command.resolution, command.framerate, error);
    if (!started)
        return false;
    // Within a script the stream goes on beside the next lines; from the
    // shell the command stays until the stream is stopped.
    if (m_inScript && command.seconds <= 0)
        return true;
    if (!m_inScript) {
        m_state.streamProcess = QCoreApplication::applicationPid();
        m_state.save(m_settings);
        m_settings.sync();
    }
    QEventLoop loop;
    streams.quitOnFailure(&loop);
    if (command.seconds > 0)
        QTimer::singleShot(int(command.seconds * 1000), &loop, &QEventLoop::quit);
    runUntilStopped(loop);
    streams.stop();
    if (!m_inScript)
        m_state.streamProcess = 0;
    if (!streams.failure().isEmpty()) {
        *error = tr("the camera stream stopped: %1").arg(streams.failure());
        return false;
    }
    return true;
}

bool CommandRunner::cameraStop(Outcome *outcome, QString *error)
{
    if (m_camera && m_camera->isRunning()) {
        m_camera->stop();
        outcome->lines << tr("stream stopped");
        return true;
    }
    const qint64 pid = std::exchange(m_state.streamProcess, 0);
    if (!isStreamProcess(pid)) {
        outcome->lines << tr("no camera stream is running");
        return true;
    }
    ::kill(pid_t(pid), SIGTERM);
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!isStreamProcess(pid))
            loop.quit();
    });
    QTimer::singleShot(EmulatorConnection::timeoutMs, &loop, &QEventLoop::quit);
    poll.start(20);
    loop.exec();
    if (isStreamProcess(pid)) {
        *error = tr("the stream of process %1 did not stop").arg(pid);
        return false;
    }
    outcome->lines << tr("stream stopped");
    return true;
}

PageScripts &CommandRunner::scripts(QString *error)
{
    if (!m_scripts)
        m_scripts = std::make_unique<PageScripts>();
    if (!m_scripts->loadError().isEmpty())
        *error = tr("the page scripts did not load: %1").arg(m_scripts->loadError());
    return *m_scripts;
}

TrackPlayer &CommandRunner::player()
{
    if (!m_player) {
        QString error;
        m_player
            = std::make_unique<TrackPlayer>(m_connection->gps(), m_track, scripts(&error), m_state);
    }
    return *m_player;
}

CameraStreams &CommandRunner::camera()
{
    if (!m_camera)
        m_camera = std::make_unique<CameraStreams>();
    return *m_camera;
}

// The readings this command set last time, as the window restores them: the
// models take them without anything being sent.
void CommandRunner::restoreReadings()
{
    SensorsEmulationManager &s = m_connection->sensors();
    const SettingsManager &stored = *m_storedValues;
    s.accelerometer()->setX(stored.readAccelerometerX());
    s.accelerometer()->setY(stored.readAccelerometerY());
    s.accelerometer()->setZ(stored.readAccelerometerZ());
    s.magnetometer()->setX(stored.readMagnetometerX());
    s.magnetometer()->setY(stored.readMagnetometerY());
    s.magnetometer()->setZ(stored.readMagnetometerZ());
    s.magnetometer()->setCalibrationLevel(stored.readMagnetometerCalibrationLevel());
    s.setMagneticFieldValues(
        stored.readMagneticFieldX(), stored.readMagneticFieldY(), stored.readMagneticFieldZ());
    s.gyroscope()->setX(stored.readGyroscopeX());
    s.gyroscope()->setY(stored.readGyroscopeY());
    s.gyroscope()->setZ(stored.readGyroscopeZ());
    s.als()->setLux(stored.readAlsLux());
    s.proximity()->setReflectance(stored.readProximityReflectance());
    s.tap()->setTapDirection(TapModel::TapDirection(stored.readTapDirection()));
}

void CommandRunner::sleep(double milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(milliseconds), &loop, &QEventLoop::quit);
    runUntilStopped(loop);
}

void CommandRunner::runUntilStopped(QEventLoop &loop)
{
    connect(&m_stopSignals, &StopSignals::stopRequested, &loop, &QEventLoop::quit);
    if (!m_stopSignals.received())
        loop.exec();
}

} // namespace EmulationManagement::Internal
