#pragma once

#include <QObject>
#include <QTimer>
#include <QWebSocket>

namespace EmulationManagement::Internal {

// The one WebSocket channel to the emulator's remote D-Bus invoker. It formats
// and sends call texts and passes every reply frame on unchanged; it does not
// match replies to calls and keeps no queue.
class RemoteDBusInvokerService : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 port = 5454;

    explicit RemoteDBusInvokerService(QObject *parent = nullptr);
    ~RemoteDBusInvokerService() override;

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

private:
    void reconnect();

    QWebSocket m_webSocket;
    QTimer m_retryTimer;
    int m_nextRetryDelayMs = 0;
};

} // namespace EmulationManagement::Internal
