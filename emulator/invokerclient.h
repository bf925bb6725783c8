#pragma once

#include <QMap>
#include <QObject>

QT_BEGIN_NAMESPACE
class QWebSocket;
QT_END_NAMESPACE

namespace EmulationManagement::Emulator {

// One WebSocket client of the invoker. Its replies go out in the order of
// its calls, whatever order the D-Bus answers come back in.
class InvokerClient : public QObject
{
    Q_OBJECT

public:
    // Takes the socket over.
    explicit InvokerClient(QWebSocket *socket, QObject *parent = nullptr);

    // The place of the next reply in the client's order.
    quint64 reserveReply();
    void sendReply(quint64 ticket, const QString &reply);

signals:
    void callReceived(const QString &text);
    void disconnected();

private:
    QWebSocket *m_socket;
    quint64 m_nextTicket = 0;
    quint64 m_nextToSend = 0;
    QMap<quint64, QString> m_waiting;
};

} // namespace EmulationManagement::Emulator
