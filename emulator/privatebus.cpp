#include "privatebus.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace EmulationManagement::Emulator {

namespace {

constexpr int startTimeoutMs = 10000;
constexpr int stopTimeoutMs = 5000;

// Runs in the forked child before dbus-daemon is executed: the daemon gets
// SIGTERM when the program dies (or has died already), and its own process
// group keeps a Ctrl-C in the terminal from ending it before the program has
// disconnected.
void detachDaemon(pid_t program)
{
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != program)
        ::_exit(1);
    ::setpgid(0, 0);
}

} // namespace

PrivateBus::PrivateBus(QObject *parent)
    : QObject(parent)
{
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_daemon, &QProcess::finished, this, [this](int exitCode) {
        if (!m_stopping)
            emit lost(tr("The private dbus-daemon ended with code %1.").arg(exitCode));
    });
}

PrivateBus::~PrivateBus()
{
    stop();
}

QString PrivateBus::configuration(const QString &socketName)
{
    return QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus "
                          "Configuration 1.0//EN\"\n"
                          " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                          "<busconfig>\n"
                          "  <type>session</type>\n"
                          "  <listen>unix:abstract=%1</listen>\n"
                          "  <auth>EXTERNAL</auth>\n"
                          "  <policy context=\"default\">\n"
                          "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                          "    <allow eavesdrop=\"true\"/>\n"
                          "    <allow own=\"*\"/>\n"
                          "  </policy>\n"
                          "</busconfig>\n")
        .arg(socketName.toHtmlEscaped());
}

bool PrivateBus::start(QString *error)
{
    // The daemon reads its configuration once at start; the directory goes
    // when this function returns. Its unique path names the socket.
    QTemporaryDir directory(QDir::tempPath() + QStringLiteral("/strova-emulator-XXXXXX"));
    if (!directory.isValid()) {
        *error
            = tr("Cannot create a directory for the private bus: %1").arg(directory.errorString());
        return false;
    }
    const QString configPath = directory.filePath(QStringLiteral("bus.conf"));
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly)
        || config.write(configuration(directory.filePath(QStringLiteral("bus"))).toUtf8()) < 0) {
        *error = tr("Cannot write %1: %2").arg(configPath, config.errorString());
        return false;
    }
    config.close();

    const pid_t program = ::getpid();
    m_daemon.setChildProcessModifier([program] { detachDaemon(program); });
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=%1").arg(configPath),
                    QStringLiteral("--nofork"),
                    QStringLiteral("--print-address")});
    if (!m_daemon.waitForStarted(startTimeoutMs)) {
        *error = tr("Cannot start dbus-daemon: %1").arg(m_daemon.errorString());
        return false;
    }
    return readAddress(error);
}

bool PrivateBus::readAddress(QString *error)
{
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(startTimeoutMs)) {
            *error = tr("dbus-daemon did not tell its address.");
            return false;
        }
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    return true;
}

QDBusConnection PrivateBus::openConnection(const QString &name)
{
    m_connectionNames.append(name);
    return QDBusConnection::connectToBus(m_address, name);
}

void PrivateBus::stop()
{
    for (const QString &name : std::as_const(m_connectionNames))
        QDBusConnection::disconnectFromBus(name);
    m_connectionNames.clear();
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_stopping = true;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(stopTimeoutMs)) {
        m_daemon.kill();
        m_daemon.waitForFinished(stopTimeoutMs);
    }
}

} // namespace EmulationManagement::Emulator
