#include "recordingserver.h"

#include <QHostAddress>
#include <QTest>
#include <QWebSocket>

RecordingServer::RecordingServer(quint16 port, QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_server(QStringLiteral("recording"), QWebSocketServer::NonSecureMode)
{
    connect(&m_server, &QWebSocketServer::newConnection, this, [this] {
        while (QWebSocket *client = m_server.nextPendingConnection()) {
            ++connectionCount;
            m_clients.append(client);
            connect(client, &QWebSocket::textMessageReceived, this, [this](const QString &frame) {
                frames.append(frame);
                emit frameReceived(frame);
                emit framesChanged();
            });
            connect(client, &QWebSocket::disconnected, this, [this, client] {
                m_clients.removeOne(client);
                client->deleteLater();
            });
        }
    });
}

RecordingServer::~RecordingServer()
{
    close();
}

bool RecordingServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, m_port);
}

void RecordingServer::close()
{
    m_server.close();
    dropClients();
}

void RecordingServer::dropClients()
{
    const QList<QWebSocket *> clients = m_clients;
    for (QWebSocket *client : clients)
        client->abort();
}

void RecordingServer::reply(const QString &text)
{
    for (QWebSocket *client : std::as_const(m_clients))
        client->sendTextMessage(text);
}

void RecordingServer::clearFrames()
{
    frames.clear();
    emit framesChanged();
}

bool RecordingServer::waitForFrames(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return frames.size() >= count; }, timeoutMs);
}

bool RecordingServer::waitForConnections(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return connectionCount >= count; }, timeoutMs);
}
