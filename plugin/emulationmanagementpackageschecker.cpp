#include "emulationmanagementpackageschecker.h"

const char sensorsPackage[] = "sensorfw-qt5-emulator-plugins";
const char remoteDBusInvokerPackage[] = "remote-dbus-invoker";
const char gpsPackage[] = "geoclue-emulator";
const char cameraPackage[] = "gstreamer-emulator";
const char listPackagesCommand[] = "rpm -qa";

EmulationManagementPackagesChecker::EmulationManagementPackagesChecker(QObject *parent)
    : QObject(parent)
{
    connect(&m_runner,
            &QSsh::SshRemoteProcessRunner::processClosed,
            this,
            &EmulationManagementPackagesChecker::handleSshProcessFinished);
}

QStringList EmulationManagementPackagesChecker::requiredPackages()
{
    return {QLatin1String(sensorsPackage),
            QLatin1String(remoteDBusInvokerPackage),
            QLatin1String(gpsPackage),
            QLatin1String(cameraPackage)};
}

void EmulationManagementPackagesChecker::checkPackages(
    const QSsh::SshConnectionParameters &parameters)
{
    m_sshParameters = parameters;
    m_packages.clear();
    for (const QString &package : requiredPackages())
        m_packages.insert(package, false);
    m_runner.run(
        QLatin1String(listPackagesCommand), m_sshParameters, QProcess::ManagedInputChannel);
}

void EmulationManagementPackagesChecker::handleSshProcessFinished(const QString &error)
{
    // Only the output decides: a run that failed lists nothing, so every
    // package counts as missing.
    Q_UNUSED(error)
    if (!m_runner.command().contains(QLatin1String(listPackagesCommand)))
        return;

    const QString output = QString::fromUtf8(m_runner.readAllStandardOutput());
    QString missing;
    // The table's order, so that the message is the same every time.
    for (const QString &package : requiredPackages()) {
        const bool installed = output.contains(package);
        m_packages.insert(package, installed);
        if (!installed)
            missing += package + QLatin1Char('\n');
    }
    if (missing.isEmpty()) {
        emit checkFinished(QString(), QString());
        return;
    }
    emit checkFinished(tr("Necessary packages not found on emulator!"),
                       tr("Packages is not installed: \n") + missing);
}
