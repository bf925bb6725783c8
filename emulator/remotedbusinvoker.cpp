#include "remotedbusinvoker.h"

#include "emulator/invokerclient.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QPointer>
#include <QWebSocket>

namespace EmulationManagement::Emulator {

namespace {

// The emulator has one bus; calls for the system or the session bus go there.
bool isKnownBus(const QString &bus)
{
    return bus == QLatin1String("system") || bus == QLatin1String("session");
}

QString invalidArgs()
{
    return QDBusError::errorString(QDBusError::InvalidArgs);
}

// The reply text for what D-Bus answered: its first value as the result, or
// its error.
QString replyText(const QString &method,
                  const QStringList &argumentValues,
                  const QDBusMessage &response)
{
    using namespace InvokerProtocol;
    if (response.type() == QDBusMessage::ErrorMessage)
        return reply(method, argumentValues, {}, response.errorName(), response.errorMessage());
    const QVariantList results = response.arguments();
    return reply(
        method, argumentValues, results.isEmpty() ? QString() : valueText(results.constFirst()));
}

} // namespace

RemoteDBusInvoker::RemoteDBusInvoker(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_server(QStringLiteral("remote-dbus-invoker"), QWebSocketServer::NonSecureMode)
    , m_bus(bus)
{
    connect(&m_server, &QWebSocketServer::newConnection, this, &RemoteDBusInvoker::acceptClients);
}

RemoteDBusInvoker::~RemoteDBusInvoker()
{
    // Sockets closing while the server goes are not clients leaving: nobody
    // is told, and the clients go before the server closes their sockets.
    blockSignals(true);
    qDeleteAll(findChildren<InvokerClient *>(Qt::FindDirectChildrenOnly));
    m_server.close();
}

bool RemoteDBusInvoker::listen(quint16 port, QString *error)
{
    if (m_server.listen(QHostAddress::LocalHost, port))
        return true;
    *error = tr("Cannot listen for WebSocket clients on 127.0.0.1:%1: %2")
                 .arg(port)
                 .arg(m_server.errorString());
    return false;
}

void RemoteDBusInvoker::acceptClients()
{
    while (QWebSocket *socket = m_server.nextPendingConnection()) {
        auto client = new InvokerClient(socket, this);
        ++m_clientCount;
        connect(client, &InvokerClient::callReceived, this, [this, client](const QString &text) {
            handleCall(client, text);
        });
        connect(client, &InvokerClient::disconnected, this, [this, client] {
            --m_clientCount;
            client->deleteLater();
            emit clientDisconnected();
        });
        emit clientConnected();
    }
}

void RemoteDBusInvoker::handleCall(InvokerClient *client, const QString &text)
{
    using namespace InvokerProtocol;
    const quint64 ticket = client->reserveReply();
    const std::optional<Call> call = parseCall(text);
    if (!call) {
        answer(client,
               ticket,
               text,
               {},
               reply({}, {}, {}, invalidArgs(), tr("The call text does not hold six fields")));
        return;
    }
    const Arguments arguments = parseArguments(call->argumentText);
    if (!arguments.error.isEmpty()) {
        answer(
            client,
            ticket,
            text,
            call->service,
            reply(call->method, rawValues(call->argumentText), {}, invalidArgs(), arguments.error));
        return;
    }
    if (!isKnownBus(call->bus)) {
        answer(client,
               ticket,
               text,
               call->service,
               reply(call->method,
                     valueTexts(arguments.values),
                     {},
                     invalidArgs(),
                     tr("There is no bus named \"%1\"").arg(call->bus)));
        return;
    }
    invoke(client, ticket, text, *call, arguments.values);
}

void RemoteDBusInvoker::invoke(InvokerClient *client,
                               quint64 ticket,
                               const QString &text,
                               const InvokerProtocol::Call &call,
                               const QVariantList &arguments)
{
    QDBusMessage message
        = QDBusMessage::createMethodCall(call.service, call.path, call.interface, call.method);
    message.setArguments(arguments);
    auto watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    const QPointer<InvokerClient> guardedClient(client);
    const QStringList argumentValues = InvokerProtocol::valueTexts(arguments);
    connect(watcher,
            &QDBusPendingCallWatcher::finished,
            this,
            [this, guardedClient, ticket, text, call, argumentValues](
                QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                answer(guardedClient,
                       ticket,
                       text,
                       call.service,
                       replyText(call.method, argumentValues, finished->reply()));
            });
}

void RemoteDBusInvoker::answer(InvokerClient *client,
                               quint64 ticket,
                               const QString &text,
                               const QString &service,
                               const QString &reply)
{
    emit callAnswered(text, service, reply);
    // The client may have gone while D-Bus was answering.
    if (client)
        client->sendReply(ticket, reply);
}

} // namespace EmulationManagement::Emulator
