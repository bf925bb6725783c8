#pragma once

#include "sshconnection.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

namespace QSsh {

// Runs one command on a remote host through the SSH client program. Every
// run ends with processClosed(), also when the client cannot start or hangs.
class SshRemoteProcessRunner : public QObject
{
    Q_OBJECT

public:
    explicit SshRemoteProcessRunner(QObject *parent = nullptr);
    ~SshRemoteProcessRunner() override;

    void run(const QString &command,
             const SshConnectionParameters &sshParams,
             QProcess::InputChannelMode inputChannelMode = QProcess::ManagedInputChannel);
    void cancel();

    QString command() const { return m_command; }
    bool isProcessRunning() const;
    QByteArray readAllStandardOutput();
    QByteArray readAllStandardError();

    static QStringList clientArguments(const QString &command,
                                       const SshConnectionParameters &sshParams);

signals:
    void processStarted();
    void processClosed(const QString &error);

private:
    void finish(const QString &error);

    QProcess *m_process = nullptr;
    QTimer m_timeout;
    QString m_command;
    QByteArray m_stdout;
    QByteArray m_stderr;
};

} // namespace QSsh
