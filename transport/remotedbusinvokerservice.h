#pragma once

#include "transport/emulatorendpoint.h"

#include <QObject>
#include <QThread>
#include <QTimer>
#include <QUrl>

QT_BEGIN_NAMESPACE
class QWebSocket;
QT_END_NAMESPACE

namespace EmulationManagement::Internal {

// The one WebSocket channel to the emulator's remote D-Bus invoker. It formats
// and sends call texts and passes every reply frame on unchanged; it does not
// match replies to calls and keeps no queue. The socket works on a thread of
// its own: a long track's call is megabytes that the socket encodes, masks
// and copies for a tenth of a second, which the window must not wait for.
// Calls leave, and replies and connection changes arrive, in their order.
class RemoteDBusInvokerService : public QObject
{
    Q_OBJECT

public:
    explicit RemoteDBusInvokerService(QObject *parent = nullptr);
    ~RemoteDBusInvokerService() override;

    // Where connectToEmulator goes: the plug-in keeps the loopback end of the
    // machine's port forwarding; the command line may point elsewhere.
    void setAddress(const QString &host, quint16 port);
    QUrl url() const;

    void connectToEmulator();
    void invokeMethod(const QString &bus,
                      const QString &service,
                      const QString &objectPath,
                      const QString &interface,
                      const QString &method,
                      const QString &arguments);

    // How long the pending retry after a failed attempt waits; 0 when none waits.
    int retryDelayMs() const { return m_retryTimer.isActive() ? m_retryTimer.interval() : 0; }

    static QString callText(const QString &bus,
                            const QString &service,
                            const QString &objectPath,
                            const QString &interface,
                            const QString &method,
                            const QString &arguments);

signals:
    void webSocketConnected();
    void webSocketDisconnected();
    void replyReceived(QString reply);
    // One call text handed to the socket, when it is handed over. The text
    // is made on the caller's thread only while something listens.
    void callSent(QString callText);

private:
    void reconnect();

    QThread m_socketThread;
    QWebSocket *m_webSocket;
    QString m_host = QString::fromLatin1(Constants::emulatorHost);
    quint16 m_port = Constants::tcpHostPort;
    QTimer m_retryTimer;
    int m_nextRetryDelayMs = 0;
};

} // namespace EmulationManagement::Internal
