#include "invokerclient.h"

#include <QWebSocket>

namespace EmulationManagement::Emulator {

InvokerClient::InvokerClient(QWebSocket *socket, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
{
    m_socket->setParent(this);
    connect(m_socket, &QWebSocket::textMessageReceived, this, &InvokerClient::callReceived);
    connect(m_socket, &QWebSocket::disconnected, this, &InvokerClient::disconnected);
}

quint64 InvokerClient::reserveReply()
{
    return m_nextTicket++;
}

void InvokerClient::sendReply(quint64 ticket, const QString &reply)
{
    m_waiting.insert(ticket, reply);
    while (!m_waiting.isEmpty() && m_waiting.firstKey() == m_nextToSend) {
        m_socket->sendTextMessage(m_waiting.take(m_nextToSend));
        ++m_nextToSend;
    }
}

} // namespace EmulationManagement::Emulator
