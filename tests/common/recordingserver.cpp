#include "recordingserver.h"

#include "emulator/invokerprotocol.h"

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
            connect(client, &QWebSocket::textMessageReceived, this, [this, client](const QString &frame) {
                frames.append(frame);
                emit frameReceived(frame);
                emit framesChanged();
                if (answering)
                    client->sendTextMessage(answer(frame));
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

QString RecordingServer::answer(const QString &frame)
{
    namespace Protocol = EmulationManagement::Emulator::InvokerProtocol;
    using Protocol::Arguments, Protocol::Call, Protocol::DoubleArrays;
    const std::optional<Call> call = Protocol::parseCall(frame);
    const QString method = call ? call->method : QString();
    const Arguments arguments = Protocol::parseArguments(call ? call->argumentText : QString());
    const QStringList values = Protocol::valueTexts(arguments.values);
    const QString first = values.value(0);
    QString error;
    QString result;
    if (method == QLatin1String("enableSensor"))
        m_disabledSensors.remove(first);
    else if (method == QLatin1String("disableSensor"))
        m_disabledSensors.insert(first);
    else if (method == QLatin1String("enabled"))
        result = m_disabledSensors.contains(first) ? QStringLiteral("false") : QStringLiteral("true");
    else if (method == QLatin1String("loadTrack") && !arguments.values.isEmpty())
        m_trackPoints = arguments.values.constFirst().value<DoubleArrays>().size();
    else if (method == QLatin1String("startTrack") && m_trackPoints == 0)
        error = QStringLiteral("No track is loaded");
    else if (method == QLatin1String("goToPositionOnTrack") && !arguments.values.isEmpty()) {
        const int index = arguments.values.constFirst().toInt();
        if (index < 0 || index >= m_trackPoints)
            error = QStringLiteral("The track has no point %1").arg(index);
    }
    if (error.isEmpty())
        return Protocol::reply(method, values, result);
    return Protocol::reply(
        method, values, {}, QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"), error);
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
