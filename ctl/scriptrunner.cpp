#include "scriptrunner.h"

#include "ctl/scriptreader.h"
#include "gps/trackfingerprint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <utility>

namespace EmulationManagement::Internal {

ScriptRunner::ScriptRunner(CtlSession &session, Execute execute)
    : m_session(session)
    , m_execute(std::move(execute))
{}

bool ScriptRunner::run(const Command &script, QString *error)
{
    // Every line is checked before the first one runs; the lines are read
    // twice rather than held, so that a long script takes little memory.
    m_force = script.force;
    m_needsEmulator = false;
    if (!forEachLine(script.name, {}, error))
        return false;
    m_session.setInScript(true);
    EmulatorConnection &connection = m_session.connection();
    if (script.dryRun)
        connection.setDryRun();
    // Connected before the first line, so that connecting delays no call.
    else if (m_needsEmulator && !connection.isOpen() && !connection.open(error))
        return false;
    // The sleeps keep to the script's own clock: the time the lines take
    // comes out of the next sleep, so a long recording keeps its timing.
    // A line that waits by itself (a played track, a stream of set length)
    // starts the clock anew.
    const double speed = script.replaySpeed;
    QElapsedTimer clock;
    clock.start();
    double dueMs = 0;
    return forEachLine(
        script.name,
        [&](const Command &command, QString *lineError) {
            if (command.kind != Command::Sleep) {
                const bool done = m_execute(command, lineError);
                if (command.wait || command.seconds > 0)
                    dueMs = double(clock.elapsed());
                return done;
            }
            dueMs += command.numbers.value(0) / speed;
            Command sleep = command;
            sleep.numbers = {qMax(0.0, dueMs - double(clock.elapsed()))};
            return m_execute(sleep, lineError);
        },
        error);
}

bool ScriptRunner::checkTrackFile(const Command &command, QString *error)
{
    if (command.kind != Command::GpsLoad || command.fingerprint.isEmpty())
        return true;
    const std::optional<TrackFingerprint> recorded = TrackFingerprint::fromText(command.fingerprint);
    const std::optional<TrackFingerprint> present = TrackFingerprint::ofFile(command.name, error);
    if (!present)
        return false;
    // The contents decide: a copy of the file elsewhere, with a time of its
    // own, replays the same points.
    if (recorded && recorded->size == present->size && recorded->sha256 == present->sha256)
        return true;
    *error = tr("%1 is not the track file that was recorded (%2 now, %3 then); --force replays it "
                "anyway")
                 .arg(command.name, present->toText(), command.fingerprint);
    return false;
}

bool ScriptRunner::forEachLine(const QString &path, const Execute &execute, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    ScriptReader reader(file);
    QString lineError;
    const bool read = reader.forEachCommand(
        [&](const Command &command, QString *commandError) {
            if (!execute) {
                m_needsEmulator = m_needsEmulator || command.needsEmulator();
                return m_force || checkTrackFile(command, commandError);
            }
            if (m_session.stopSignals().received()) {
                *commandError = tr("interrupted");
                return false;
            }
            return execute(command, commandError);
        },
        &lineError);
    if (read && file.error() != QFileDevice::NoError)
        lineError = file.errorString();
    else if (read)
        return true;
    *error = QStringLiteral("%1:%2: %3").arg(path).arg(reader.lineNumber()).arg(lineError);
    return false;
}

} // namespace EmulationManagement::Internal
