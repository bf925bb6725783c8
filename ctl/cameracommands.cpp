#include "cameracommands.h"

#include "ctl/camerastreams.h"

#include <utils/qtcsettings.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace EmulationManagement::Internal {

namespace {

// When the process started, in clock ticks since boot; 0 when it does not run.
qint64 processStartTime(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return 0;
    // The name in parentheses may hold spaces; the start time is the 20th field after it.
    const QByteArray text = stat.read(4096);
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? fields.at(19).toLongLong() : 0;
}

// Whether the process id still names the emulation-ctl that started then.
bool isStreamProcess(qint64 pid, qint64 start)
{
    return start > 0 && processStartTime(pid) == start
           && QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid))
                  .symLinkTarget()
                  .endsWith("/emulation-ctl");
}

// SIGTERM to the stream process, if it is still that process: the signal
// goes through a handle taken before the check, which a reused id cannot
// redirect.
bool terminateStreamProcess(qint64 pid, qint64 start)
{
    const int handle = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
    bool sent = false;
    if (isStreamProcess(pid, start)) {
        sent = handle >= 0 ? ::syscall(SYS_pidfd_send_signal, handle, SIGTERM, nullptr, 0) == 0
                           : ::kill(pid_t(pid), SIGTERM) == 0;
    }
    if (handle >= 0)
        ::close(handle);
    return sent;
}

} // namespace

CameraCommands::CameraCommands(CtlSession &session)
    : m_session(session)
{}

CameraCommands::~CameraCommands() = default;

void CameraCommands::list(CommandOutcome *outcome)
{
    QJsonObject cameras;
    outcome->lines = camera().describe(&cameras);
    outcome->data.insert("cameras", cameras);
}

bool CameraCommands::stream(const Command &command, QString *error)
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
    if (m_session.inScript() && command.seconds <= 0)
        return true;
    // Another run stops it by this entry; it stays when the stream ends, as
    // it names this process only while it runs.
    if (!m_session.inScript()) {
        CtlState &state = m_session.state();
        state.streamProcess = QCoreApplication::applicationPid();
        state.streamProcessStart = processStartTime(state.streamProcess);
        m_session.saveState();
    }
    QEventLoop loop;
    streams.quitOnFailure(&loop);
    if (command.seconds > 0)
        QTimer::singleShot(int(command.seconds * 1000), &loop, &QEventLoop::quit);
    const bool connected = m_session.runUntilStopped(loop, error);
    streams.stop();
    if (!streams.failure().isEmpty()) {
        *error = tr("the camera stream stopped: %1").arg(streams.failure());
        return false;
    }
    return connected;
}

bool CameraCommands::stop(CommandOutcome *outcome, QString *error)
{
    if (m_camera && m_camera->isRunning()) {
        m_camera->stop();
        outcome->lines << tr("stream stopped");
        return true;
    }
    CtlState &state = m_session.state();
    const qint64 pid = std::exchange(state.streamProcess, 0);
    const qint64 start = std::exchange(state.streamProcessStart, 0);
    if (!terminateStreamProcess(pid, start)) {
        outcome->lines << tr("no camera stream is running");
        return true;
    }
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!isStreamProcess(pid, start))
            loop.quit();
    });
    QTimer::singleShot(EmulatorConnection::timeoutMs, &loop, &QEventLoop::quit);
    poll.start(20);
    loop.exec();
    if (isStreamProcess(pid, start)) {
        *error = tr("the stream of process %1 did not stop").arg(pid);
        return false;
    }
    outcome->lines << tr("stream stopped");
    return true;
}

CameraStreams &CameraCommands::camera()
{
    if (!m_camera)
        m_camera = std::make_unique<CameraStreams>();
    return *m_camera;
}

} // namespace EmulationManagement::Internal
