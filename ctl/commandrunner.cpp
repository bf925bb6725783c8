#include "commandrunner.h"

#include "scenario/scenarioformat.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace EmulationManagement::Internal {

namespace {

void writeLine(FILE *stream, const QString &line)
{
    std::fprintf(stream, "%s\n", line.toUtf8().constData());
    std::fflush(stream);
}

} // namespace

CommandRunner::CommandRunner(const GlobalOptions &options, Utils::QtcSettings &settings)
    : m_session(options, settings)
    , m_sensors(m_session)
    , m_pose(m_session)
    , m_gps(m_session)
    , m_camera(m_session)
    , m_script(m_session,
               [this](const Command &command, QString *error) { return execute(command, error); })
{}

CommandRunner::~CommandRunner() = default;

int CommandRunner::run(const Command &command)
{
    QString error;
    const bool done = command.kind == Command::Script
                          ? m_script.run(command, &error)
                          : ScriptRunner::checkTrackFile(command, &error) && execute(command, &error);
    if (done)
        return 0;
    printError(m_session.options(), error);
    return 1;
}

bool CommandRunner::execute(const Command &command, QString *error)
{
    // A track file that cannot be used is refused before the emulator hears of it.
    if (command.kind == Command::GpsLoad && !m_gps.readTrack(command, error))
        return false;
    EmulatorConnection &connection = m_session.connection();
    if (command.needsEmulator() && !connection.isOpen() && !connection.open(error))
        return false;
    CommandOutcome outcome;
    // A dry run shows what is not a call as the command it is.
    if (connection.isDryRun() && !command.needsEmulator() && command.kind != Command::Sleep) {
        writeLine(stdout, "# " + command.text);
        return true;
    }
    const bool done = dispatch(command, &outcome, error)
                      && (!connection.isOpen() || connection.waitForReplies(error));
    const QList<EmulatorConnection::Exchange> exchanges = connection.takeExchanges();
    m_session.saveState();
    if (done)
        print(command, exchanges, outcome);
    return done;
}

bool CommandRunner::dispatch(const Command &command, CommandOutcome *outcome, QString *error)
{
    switch (command.kind) {
    case Command::SensorList:
        return m_sensors.list(outcome, error);
    case Command::SensorEnable:
    case Command::SensorDisable:
        m_sensors.switchSensors(command);
        return true;
    case Command::SensorSet:
        m_sensors.set(command.setting);
        return true;
    case Command::Pose:
    case Command::PosePreset:
        return m_pose.run(command, error);
    case Command::GpsFix:
        return m_gps.fix(command);
    case Command::GpsLoad:
        return m_gps.load(command, outcome, error);
    case Command::GpsPlay:
    case Command::GpsPause:
    case Command::GpsStop:
    case Command::GpsGoto:
        return m_gps.trackCommand(command, error);
    case Command::GpsStatus:
        m_gps.status(outcome);
        return true;
    case Command::CameraList:
        m_camera.list(outcome);
        return true;
    case Command::CameraStreamCamera:
    case Command::CameraStreamFile:
        return m_camera.stream(command, error);
    case Command::CameraStop:
        return m_camera.stop(outcome, error);
    case Command::Sleep:
        return m_session.connection().isDryRun() || m_session.sleep(command.numbers.value(0), error);
    case Command::Call: {
        const Scenario::Call call = Scenario::callTo(command.name, command.method, command.arguments);
        m_session.connection().invoker().invokeMethod(
            call.bus, call.service, call.objectPath, call.interface, call.method, call.arguments);
        return true;
    }
    case Command::Script:
        break;
    }
    *error = tr("a script cannot run another script");
    return false;
}

void CommandRunner::print(const Command &command,
                          const QList<EmulatorConnection::Exchange> &exchanges,
                          const CommandOutcome &outcome)
{
    if (m_session.options().json) {
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
    for (const EmulatorConnection::Exchange &exchange : exchanges) {
        if (m_session.connection().isDryRun())
            writeLine(stdout, exchange.call);
        else
            writeLine(stdout,
                      QStringLiteral("%1: %2").arg(exchange.call.section(' ', 4), exchange.reply));
    }
    for (const QString &line : outcome.lines)
        writeLine(stdout, line);
}

void printError(const GlobalOptions &options, const QString &error)
{
    if (options.json) {
        const QJsonObject object{{"ok", false}, {"error", error}};
        writeLine(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
    }
    writeLine(stderr, "emulation-ctl: " + error);
}

} // namespace EmulationManagement::Internal
