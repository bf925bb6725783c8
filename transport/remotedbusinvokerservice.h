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
    explicit RemoteDBusInvokerService(QObject *parent = nullptr);
    ~RemoteDBusInvokerService() override;

    void connectToEmulator();
    void invokeMethod(const QString &bus,
                      const QString &service,
                      const QString &objectPath,
                      const QString &interface,
                      const QString &method,
                      const QString &arguments);

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
