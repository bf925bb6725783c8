#pragma once

#include <ssh/sshconnection.h>
#include <ssh/sshremoteprocessrunner.h>

#include <QHash>
#include <QObject>

// Finds out over SSH whether the emulator has the packages that emulation
// relies on.
class EmulationManagementPackagesChecker : public QObject
{
    Q_OBJECT

public:
    explicit EmulationManagementPackagesChecker(QObject *parent = nullptr);

    void checkPackages(const QSsh::SshConnectionParameters &parameters);

    // The names of the required packages, in the order messages list them.
    static QStringList requiredPackages();

signals:
    // Both texts empty when every package is installed.
    void checkFinished(QString message, QString detailedText);

private slots:
    void handleSshProcessFinished(const QString &error);

private:
    QHash<QString, bool> m_packages;
    QSsh::SshRemoteProcessRunner m_runner;
    QSsh::SshConnectionParameters m_sshParameters;
};
