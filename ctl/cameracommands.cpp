#include "cameracommands.h"

#include "ctl/camerastreams.h"

#include <utils/qtcsettings.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <signal.h>
#include <utility>

namespace EmulationManagement::Internal {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("EmulationManagement::Internal::CameraCommands", text);
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
    if (!m_session.inScript()) {
        m_session.state().streamProcess = QCoreApplication::applicationPid();
        m_session.state().save(m_session.settings());
        m_session.settings().sync();
    }
    if (command.seconds > 0) {
        m_session.sleep(command.seconds * 1000);
    } else {
        QEventLoop loop;
        m_session.runUntilStopped(loop);
    }
    streams.stop();
    if (!m_session.inScript())
        m_session.state().streamProcess = 0;
    return true;
}

bool CameraCommands::stop(CommandOutcome *outcome, QString *error)
{
    if (m_camera && m_camera->isRunning()) {
        m_camera->stop();
        outcome->lines << tr("stream stopped");
        return true;
    }
    const qint64 pid = std::exchange(m_session.state().streamProcess, 0);
    if (!isStreamProcess(pid)) {
        outcome->lines << tr("no camera stream is running");
        return true;
    }
    ::kill(pid_t(pid), SIGTERM);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
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

CameraStreams &CameraCommands::camera()
{
    if (!m_camera)
        m_camera = std::make_unique<CameraStreams>();
    return *m_camera;
}

} // namespace EmulationManagement::Internal
