#pragma once

#include <ssh/sshconnection.h>

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

namespace Vesk {

// An emulator's virtual machine: its run state, port forwardings and SSH
// login. The functions marked as the machine's side are what the SDK's own
// machine monitoring does; the host's simulation and tests drive them.
class VirtualMachine : public QObject
{
    Q_OBJECT

public:
    enum State { Disconnected = 0, Starting = 1, Started = 2, Connecting = 3, Connected = 4 };
    Q_ENUM(State)

    enum ConnectOption { NoConnectOption = 0x0, AskBeforeStarting = 0x1 };
    Q_DECLARE_FLAGS(ConnectOptions, ConnectOption)

    // When addPortForwarding() calls its callback.
    enum class CallbackTiming { BeforeReturn, Queued };

    struct PortForwarding
    {
        QString ruleName;
        QString protocol;
        quint16 hostPort = 0;
        quint16 emulatorPort = 0;
        friend bool operator==(const PortForwarding &a, const PortForwarding &b)
        {
            return a.ruleName == b.ruleName && a.protocol == b.protocol && a.hostPort == b.hostPort
                   && a.emulatorPort == b.emulatorPort;
        }
    };

    explicit VirtualMachine(QObject *parent = nullptr);
    ~VirtualMachine() override;

    bool isOff(bool *runningHeadless = nullptr, bool *startedOutside = nullptr) const;
    State state() const { return m_state; }
    bool hasPortForwarding(quint16 hostPort, QString *ruleName = nullptr) const;
    // Only possible while the machine is off; the callback runs through the
    // context object, and not at all once the context is gone.
    void addPortForwarding(const QString &ruleName,
                           const QString &protocol,
                           quint16 hostPort,
                           quint16 emulatorPort,
                           const QObject *context,
                           const std::function<void(bool)> &callback);
    // Asks the machine to start and connect; progress arrives through
    // stateChanged(), the callback runs once the state is Connected or the
    // machine goes off again.
    void connectTo(ConnectOptions options,
                   const QObject *context,
                   const std::function<void(bool)> &callback);
    QSsh::SshConnectionParameters sshParameters() const { return m_sshParameters; }

    // The machine's side.
    void setOff(bool off);
    void setState(State state);
    void setSshParameters(const QSsh::SshConnectionParameters &parameters);
    void setPortForwardings(const QList<PortForwarding> &forwardings);
    QList<PortForwarding> portForwardings() const { return m_portForwardings; }
    void setCallbackTiming(CallbackTiming timing) { m_callbackTiming = timing; }
    int connectRequestCount() const { return m_connectRequestCount; }

signals:
    void virtualMachineOffChanged(bool off);
    void stateChanged();
    void portForwardingsChanged();
    void connectRequested();

private:
    void deliver(const QObject *context, const std::function<void(bool)> &callback, bool ok);
    void finishConnect(bool ok);

    bool m_off = true;
    State m_state = Disconnected;
    QList<PortForwarding> m_portForwardings;
    QSsh::SshConnectionParameters m_sshParameters;
    CallbackTiming m_callbackTiming = CallbackTiming::Queued;
    QPointer<const QObject> m_connectContext;
    std::function<void(bool)> m_connectCallback;
    int m_connectRequestCount = 0;
};

} // namespace Vesk

Q_DECLARE_OPERATORS_FOR_FLAGS(Vesk::VirtualMachine::ConnectOptions)
