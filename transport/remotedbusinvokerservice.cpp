#include "remotedbusinvokerservice.h"

#include <QMetaMethod>
#include <QWebSocket>

namespace EmulationManagement::Internal {

// While the emulator is down every attempt fails within a millisecond, so
// failed attempts after the first are spaced out instead of spinning.
static constexpr int firstRetryDelayMs = 250;
static constexpr int maxRetryDelayMs = 2000;

RemoteDBusInvokerService::RemoteDBusInvokerService(QObject *parent)
    : QObject(parent)
    , m_webSocket(new QWebSocket(QString(), QWebSocketProtocol::Version13))
{
    m_socketThread.setObjectName(QStringLiteral("EmulatorWebSocket"));
    m_webSocket->moveToThread(&m_socketThread);
    m_socketThread.start();
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &RemoteDBusInvokerService::connectToEmulator);

    connect(
        m_webSocket, &QWebSocket::connected, this, &RemoteDBusInvokerService::webSocketConnected);
    connect(m_webSocket,
            &QWebSocket::disconnected,
            this,
            &RemoteDBusInvokerService::webSocketDisconnected);
    connect(m_webSocket, &QWebSocket::disconnected, this, &RemoteDBusInvokerService::reconnect);
    connect(m_webSocket,
            &QWebSocket::textMessageReceived,
            this,
            &RemoteDBusInvokerService::replyReceived);
    // A retry armed by a second report of the lost connection would reopen
    // the connection made meanwhile.
    connect(m_webSocket, &QWebSocket::connected, this, [this] {
        m_nextRetryDelayMs = 0;
        m_retryTimer.stop();
    });
}

RemoteDBusInvokerService::~RemoteDBusInvokerService()
{
    // Closing an open socket signals a disconnection: nobody may react to
    // that, nor reconnect, while the service goes away.
    m_webSocket->disconnect(this);
    QMetaObject::invokeMethod(
        m_webSocket, [socket = m_webSocket] { delete socket; }, Qt::BlockingQueuedConnection);
    m_socketThread.quit();
    m_socketThread.wait();
}

void RemoteDBusInvokerService::setAddress(const QString &host, quint16 port)
{
    m_host = host;
    m_port = port;
}

QUrl RemoteDBusInvokerService::url() const
{
    QUrl url;
    url.setScheme(QStringLiteral("ws"));
    url.setHost(m_host);
    url.setPort(m_port);
    return url;
}

void RemoteDBusInvokerService::connectToEmulator()
{
    m_retryTimer.stop();
    QMetaObject::invokeMethod(m_webSocket,
                              [socket = m_webSocket, url = url()] { socket->open(url); });
}

void RemoteDBusInvokerService::invokeMethod(const QString &bus,
                                            const QString &service,
                                            const QString &objectPath,
                                            const QString &interface,
                                            const QString &method,
                                            const QString &arguments)
{
    static const QMetaMethod callSentSignal
        = QMetaMethod::fromSignal(&RemoteDBusInvokerService::callSent);
    QWebSocket *socket = m_webSocket;
    if (isSignalConnected(callSentSignal)) {
        const QString text = callText(bus, service, objectPath, interface, method, arguments);
        QMetaObject::invokeMethod(socket, [socket, text] { socket->sendTextMessage(text); });
        emit callSent(text);
        return;
    }
    // The fields are shared, not copied, until the socket's thread joins them.
    QMetaObject::invokeMethod(socket, [=] {
        socket->sendTextMessage(callText(bus, service, objectPath, interface, method, arguments));
    });
}

QString RemoteDBusInvokerService::callText(const QString &bus,
                                           const QString &service,
                                           const QString &objectPath,
                                           const QString &interface,
                                           const QString &method,
                                           const QString &arguments)
{
    // All fields in one pass, so that a "%" inside a field is never substituted again.
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(bus, service, objectPath, interface, method, arguments);
}

void RemoteDBusInvokerService::reconnect()
{
    const int delay = m_nextRetryDelayMs;
    m_nextRetryDelayMs = delay == 0 ? firstRetryDelayMs : qMin(2 * delay, maxRetryDelayMs);
    if (delay == 0)
        connectToEmulator();
    else
        m_retryTimer.start(delay);
}

} // namespace EmulationManagement::Internal
