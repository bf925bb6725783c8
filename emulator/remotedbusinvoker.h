#pragma once

#include "emulator/invokerprotocol.h"

#include <QDBusConnection>
#include <QObject>
#include <QWebSocketServer>

namespace EmulationManagement::Emulator {

class InvokerClient;

// The emulator's remote D-Bus invoker: a WebSocket server on the loopback
// address that performs every call text it is sent as a D-Bus method call on
// the bus it is given and answers with one reply text.
class RemoteDBusInvoker : public QObject
{
    Q_OBJECT

public:
    explicit RemoteDBusInvoker(const QDBusConnection &bus, QObject *parent = nullptr);
    ~RemoteDBusInvoker() override;

    bool listen(quint16 port, QString *error);
    int clientCount() const { return m_clientCount; }

signals:
    void clientConnected();
    void clientDisconnected();
    // Emitted right before the reply is sent, so that what it triggers is
    // done by the time the client reads the reply. service is empty when
    // the call text could not be read.
    void callAnswered(const QString &callText, const QString &service, const QString &reply);

private:
    void acceptClients();
    void handleCall(InvokerClient *client, const QString &text);
    void invoke(InvokerClient *client,
                quint64 ticket,
                const QString &text,
                const InvokerProtocol::Call &call,
                const QVariantList &arguments);
    void answer(InvokerClient *client,
                quint64 ticket,
                const QString &text,
                const QString &service,
                const QString &reply);

    QWebSocketServer m_server;
    QDBusConnection m_bus;
    int m_clientCount = 0;
};

} // namespace EmulationManagement::Emulator
