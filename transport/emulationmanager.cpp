#include "emulationmanager.h"

#include "remotedbusinvokerservice.h"

namespace EmulationManagement::Internal {

EmulationManager::EmulationManager(QObject *parent)
    : QObject(parent)
{}

void EmulationManager::setRdbusinvoker(RemoteDBusInvokerService *invoker)
{
    m_rdbusinvoker = invoker;
    connect(invoker,
            &RemoteDBusInvokerService::webSocketConnected,
            this,
            &EmulationManager::emulatorConnected);
    connect(
        invoker, &RemoteDBusInvokerService::replyReceived, this, &EmulationManager::handleReply);
    emit rdbusinvokerChanged();
}

void EmulationManager::callMethod(const QString &method, const QString &arguments)
{
    if (!m_rdbusinvoker)
        return;
    m_rdbusinvoker->invokeMethod(
        bus(), serviceName(), objectPath(), interfaceName(), method, arguments);
}

void EmulationManager::handleReply(const QString &reply)
{
    const QStringList fields = reply.split(QLatin1Char(':'));
    if (fields.size() != 5) {
        emit replyFromEmulatorReceived(reply);
        return;
    }
    if (fields.at(3).isEmpty()) {
        processReply(fields);
        emit replyFromEmulatorReceived(QStringLiteral("OK"));
        return;
    }
    emit replyFromEmulatorReceived(QStringLiteral("%1 %2").arg(fields.at(3), fields.at(4)));
}

} // namespace EmulationManagement::Internal
