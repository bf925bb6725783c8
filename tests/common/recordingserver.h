#pragma once

#include "testtimeouts.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QWebSocketServer>

QT_BEGIN_NAMESPACE
class QWebSocket;
QT_END_NAMESPACE

// A WebSocket server in the place of the emulator's remote D-Bus invoker:
// records every text frame and can answer, drop its clients or go away.
// With answering set it replies to each call as the emulator does: success,
// a sensor's enabled state (all start enabled), or the location service's
// error for a track point it does not have.
class RecordingServer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList frames MEMBER frames NOTIFY framesChanged)
    Q_PROPERTY(bool answering MEMBER answering)

public:
    explicit RecordingServer(quint16 port = 5454, QObject *parent = nullptr);
    ~RecordingServer() override;

    bool listen();
    void close();
    Q_INVOKABLE void dropClients();
    Q_INVOKABLE void reply(const QString &text);
    Q_INVOKABLE void clearFrames();

    // Waits until at least count frames (in all) have arrived.
    bool waitForFrames(int count, int timeoutMs = eventTimeoutMs);
    bool waitForConnections(int count, int timeoutMs = eventTimeoutMs);

    QStringList frames;
    int connectionCount = 0;
    bool answering = false;

signals:
    void frameReceived(const QString &frame);
    void framesChanged();

private:
    QString answer(const QString &frame);

    quint16 m_port;
    qsizetype m_trackPoints = 0;
    QSet<QString> m_disabledSensors;
    QWebSocketServer m_server;
    QList<QWebSocket *> m_clients;
};
