#include "scriptrunner.h"

#include "gps/trackfingerprint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <utility>

namespace EmulationManagement::Internal {

namespace {

// Longer lines are refused rather than held in memory.
constexpr qsizetype maxLineBytes = 64 * 1024;

// Reads a script line by line as bytes: CR, LF and CRLF each end a line.
class LineReader
{
public:
    explicit LineReader(QFile &file)
        : m_file(file)
    {}

    // The next line without its end; false at the end of the file.
    bool next(QByteArray *line)
    {
        line->clear();
        m_tooLong = false;
        ++m_number;
        char c = 0;
        bool any = false;
        while (m_file.getChar(&c)) {
            any = true;
            if (c == '\n')
                return true;
            if (c == '\r') {
                char following = 0;
                if (m_file.peek(&following, 1) == 1 && following == '\n')
                    m_file.getChar(&following);
                return true;
            }
            if (line->size() < maxLineBytes)
                line->append(c);
            else
                m_tooLong = true;
        }
        return any;
    }

    int number() const { return m_number; }
    bool tooLong() const { return m_tooLong; }

private:
    QFile &m_file;
    int m_number = 0;
    bool m_tooLong = false;
};

} // namespace

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
    LineReader lines(file);
    QByteArray line;
    const auto fail = [&](const QString &reason) {
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(lines.number()).arg(reason);
        return false;
    };
    while (lines.next(&line)) {
        if (lines.tooLong())
            return fail(tr("the line is longer than %1 bytes").arg(maxLineBytes));
        QString lineError;
        const std::optional<QStringList> words
            = scriptLineWords(QString::fromUtf8(line), &lineError);
        if (!words)
            return fail(lineError);
        if (words->isEmpty())
            continue;
        const std::optional<Command> command = parseCommand(*words, &lineError);
        if (command && command->kind == Command::Script)
            lineError = tr("a script cannot run another script");
        if (!command || !lineError.isEmpty())
            return fail(lineError);
        if (!execute) {
            m_needsEmulator = m_needsEmulator || command->needsEmulator();
            if (!m_force && !checkTrackFile(*command, &lineError))
                return fail(lineError);
            continue;
        }
        if (m_session.stopSignals().received())
            return fail(tr("interrupted"));
        if (!execute(*command, &lineError))
            return fail(lineError);
    }
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    return true;
}

} // namespace EmulationManagement::Internal
