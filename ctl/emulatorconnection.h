#pragma once

#include "gps/gpsemulationmanager.h"
#include "sensors/sensorsemulationmanager.h"
#include "transport/remotedbusinvokerservice.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace EmulationManagement::Internal {

// The window's transport and managers, connected to the emulator once for
// a whole run. The managers are bound only after the connection is up: the
// command sends what the user asks for and nothing else, so the managers'
// resynchronisation on connecting stays out of it.
class EmulatorConnection : public QObject
{
    Q_OBJECT

public:
    static constexpr int timeoutMs = 5000;

    struct Exchange
    {
        QString call;
        QString reply; // the managers' status text: "OK" or the error
    };

    EmulatorConnection(const QString &host, quint16 port);

    SensorsEmulationManager &sensors() { return m_sensors; }
    GPSEmulationManager &gps() { return m_gps; }
    RemoteDBusInvokerService &invoker() { return m_invoker; }

    // From now on the calls are noted but not sent, and need no reply; the
    // connection counts as open without reaching the emulator.
    void setDryRun();
    bool isDryRun() const { return m_dryRun; }

    // Opens the WebSocket; false with a one-line error when the emulator
    // cannot be reached within the time limit.
    bool open(QString *error);
    bool isOpen() const { return m_open; }

    // Waits until every call sent has its reply; false with the first error
    // reply, or when replies stop coming or the connection drops.
    bool waitForReplies(QString *error);
    // The calls and replies since the last take.
    QList<Exchange> takeExchanges();
    // While on, calls without a reply for the time limit count as a lost
    // connection; for long waits, where nobody waits for the replies.
    void superviseReplies(bool on);
    // Empty while the open connection works; otherwise why it does not.
    QString lostReason() const { return m_lostReason; }

signals:
    // The open connection dropped, or calls have had no reply for the time limit.
    void lost();

private:
    // Runs the event loop until done() holds or limitMs have passed.
    bool waitUntil(const std::function<bool()> &done, int limitMs = timeoutMs);
    // How long replies may take: a day-long track is megabytes that the
    // emulator reads before it answers, so large calls get longer.
    int replyLimitMs() const;
    void wake();
    void loseConnection(const QString &reason);

    RemoteDBusInvokerService m_invoker;
    GPSEmulationManager m_gps;
    SensorsEmulationManager m_sensors;
    QList<Exchange> m_exchanges;
    qsizetype m_replies = 0;
    qint64 m_bytesDue = 0; // of the calls sent since every call last had its reply
    bool m_open = false;
    bool m_connected = false;
    bool m_lost = false;
    bool m_dryRun = false;
    std::function<void()> m_wake;
    // Runs while replies are due and supervised; each reply restarts it.
    QTimer m_replyWatchdog;
    bool m_supervising = false;
    QString m_lostReason;
};

} // namespace EmulationManagement::Internal
