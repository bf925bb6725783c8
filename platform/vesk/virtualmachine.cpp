#include "virtualmachine.h"

#include <QMetaObject>

#include <utility>

namespace Vesk {

VirtualMachine::VirtualMachine(QObject *parent)
    : QObject(parent)
{}

VirtualMachine::~VirtualMachine() = default;

bool VirtualMachine::isOff(bool *runningHeadless, bool *startedOutside) const
{
    if (runningHeadless)
        *runningHeadless = false;
    if (startedOutside)
        *startedOutside = false;
    return m_off;
}

bool VirtualMachine::hasPortForwarding(quint16 hostPort, QString *ruleName) const
{
    for (const PortForwarding &forwarding : m_portForwardings) {
        if (forwarding.hostPort == hostPort) {
            if (ruleName)
                *ruleName = forwarding.ruleName;
            return true;
        }
    }
    return false;
}

void VirtualMachine::addPortForwarding(const QString &ruleName,
                                       const QString &protocol,
                                       quint16 hostPort,
                                       quint16 emulatorPort,
                                       const QObject *context,
                                       const std::function<void(bool)> &callback)
{
    const bool ok = m_off && !hasPortForwarding(hostPort);
    if (ok) {
        m_portForwardings.append({ruleName, protocol, hostPort, emulatorPort});
        emit portForwardingsChanged();
    }
    deliver(context, callback, ok);
}

void VirtualMachine::connectTo(ConnectOptions options,
                               const QObject *context,
                               const std::function<void(bool)> &callback)
{
    Q_UNUSED(options)
    ++m_connectRequestCount;
    m_connectContext = context;
    m_connectCallback = callback;
    emit connectRequested();
}

void VirtualMachine::setOff(bool off)
{
    if (off == m_off)
        return;
    m_off = off;
    if (off) {
        m_state = Disconnected;
        finishConnect(false);
    }
    emit virtualMachineOffChanged(off);
}

void VirtualMachine::setState(State state)
{
    m_state = state;
    if (state != Disconnected)
        setOff(false);
    emit stateChanged();
    if (state == Connected)
        finishConnect(true);
}

void VirtualMachine::setSshParameters(const QSsh::SshConnectionParameters &parameters)
{
    m_sshParameters = parameters;
}

void VirtualMachine::setPortForwardings(const QList<PortForwarding> &forwardings)
{
    m_portForwardings = forwardings;
    emit portForwardingsChanged();
}

void VirtualMachine::deliver(const QObject *context,
                             const std::function<void(bool)> &callback,
                             bool ok)
{
    if (!context || !callback)
        return;
    if (m_callbackTiming == CallbackTiming::BeforeReturn) {
        callback(ok);
        return;
    }
    QMetaObject::invokeMethod(
        const_cast<QObject *>(context), [callback, ok] { callback(ok); }, Qt::QueuedConnection);
}

void VirtualMachine::finishConnect(bool ok)
{
    const QPointer<const QObject> context = std::exchange(m_connectContext, nullptr);
    const std::function<void(bool)> callback = std::exchange(m_connectCallback, nullptr);
    if (context && callback)
        callback(ok);
}

} // namespace Vesk
