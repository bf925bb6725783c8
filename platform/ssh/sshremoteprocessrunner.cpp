#include "sshremoteprocessrunner.h"

#include <utility>

namespace QSsh {

SshRemoteProcessRunner::SshRemoteProcessRunner(QObject *parent)
    : QObject(parent)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        finish(tr("The remote command did not finish in time."));
    });
}

SshRemoteProcessRunner::~SshRemoteProcessRunner()
{
    cancel();
}

QStringList SshRemoteProcessRunner::clientArguments(const QString &command,
                                                    const SshConnectionParameters &sshParams)
{
    QStringList args{QStringLiteral("-o"),
                     QStringLiteral("BatchMode=yes"),
                     QStringLiteral("-o"),
                     QStringLiteral("StrictHostKeyChecking=no"),
                     QStringLiteral("-o"),
                     QStringLiteral("UserKnownHostsFile=/dev/null"),
                     QStringLiteral("-o"),
                     QStringLiteral("ConnectTimeout=%1").arg(sshParams.timeout),
                     QStringLiteral("-p"),
                     QString::number(sshParams.port())};
    if (!sshParams.privateKeyFile.isEmpty())
        args << QStringLiteral("-i") << sshParams.privateKeyFile;
    if (!sshParams.userName().isEmpty())
        args << QStringLiteral("-l") << sshParams.userName();
    args << sshParams.host() << command;
    return args;
}

void SshRemoteProcessRunner::run(const QString &command,
                                 const SshConnectionParameters &sshParams,
                                 QProcess::InputChannelMode inputChannelMode)
{
    cancel();
    m_command = command;
    m_stdout.clear();
    m_stderr.clear();

    m_process = new QProcess(this);
    m_process->setInputChannelMode(inputChannelMode);
    connect(m_process, &QProcess::started, this, [this] {
        m_process->closeWriteChannel();
        emit processStarted();
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(m_process->errorString());
    });
    connect(
        m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
            if (status == QProcess::CrashExit)
                finish(tr("The SSH client crashed."));
            else if (exitCode != 0)
                finish(tr("The SSH client exited with code %1.").arg(exitCode));
            else
                finish({});
        });
    m_timeout.start(2 * qMax(1, sshParams.timeout) * 1000);
    m_process->start(SshSettings::sshFilePath(), clientArguments(command, sshParams));
}

void SshRemoteProcessRunner::cancel()
{
    m_timeout.stop();
    if (!m_process)
        return;
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
    // Possibly called from one of the process's own signals: delete it later.
    m_process->deleteLater();
    m_process = nullptr;
}

bool SshRemoteProcessRunner::isProcessRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

QByteArray SshRemoteProcessRunner::readAllStandardOutput()
{
    return std::exchange(m_stdout, {});
}

QByteArray SshRemoteProcessRunner::readAllStandardError()
{
    return std::exchange(m_stderr, {});
}

void SshRemoteProcessRunner::finish(const QString &error)
{
    if (!m_process)
        return;
    m_stdout += m_process->readAllStandardOutput();
    m_stderr += m_process->readAllStandardError();
    cancel();
    emit processClosed(error);
}

} // namespace QSsh
