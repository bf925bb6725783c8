#include "emulatorconnection.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace EmulationManagement::Internal {

EmulatorConnection::EmulatorConnection(const QString &host, quint16 port)
{
    m_invoker.setAddress(host, port);
    m_replyWatchdog.setSingleShot(true);
    connect(&m_replyWatchdog, &QTimer::timeout, this, [this] {
        loseConnection(tr("no reply from the emulator within %1 s").arg(replyLimitMs() / 1000));
    });
    connect(&m_invoker, &RemoteDBusInvokerService::callSent, this, [this](const QString &call) {
        m_exchanges.append({call, {}});
        m_bytesDue += call.size();
        if (m_dryRun)
            ++m_replies;
        else if (m_supervising && !m_replyWatchdog.isActive())
            m_replyWatchdog.start(replyLimitMs());
        wake();
    });
    // Every manager reads every reply; the sensors manager's reading is the one kept.
    connect(&m_sensors,
            &EmulationManager::replyFromEmulatorReceived,
            this,
            [this](const QString &reply) {
                if (m_replies < m_exchanges.size())
                    m_exchanges[m_replies].reply = reply;
                ++m_replies;
                if (m_replies >= m_exchanges.size())
                    m_bytesDue = 0;
                superviseReplies(m_supervising);
                wake();
            });
    connect(&m_invoker, &RemoteDBusInvokerService::webSocketConnected, this, [this] {
        m_connected = true;
        wake();
    });
    connect(&m_invoker, &RemoteDBusInvokerService::webSocketDisconnected, this, [this] {
        m_lost = true;
        if (m_open)
            loseConnection(tr("the connection to the emulator was lost"));
        wake();
    });
}

void EmulatorConnection::setDryRun()
{
    m_dryRun = true;
    m_gps.setRdbusinvoker(&m_invoker);
    m_sensors.setRdbusinvoker(&m_invoker);
    m_open = true;
}

bool EmulatorConnection::open(QString *error)
{
    m_invoker.connectToEmulator();
    waitUntil([this] { return m_connected || m_lost; });
    if (!m_connected) {
        *error = m_lost ? tr("cannot reach the emulator at %1").arg(m_invoker.url().toString())
                        : tr("no answer from the emulator at %1 within %2 s")
                              .arg(m_invoker.url().toString())
                              .arg(timeoutMs / 1000);
        return false;
    }
    m_gps.setRdbusinvoker(&m_invoker);
    m_sensors.setRdbusinvoker(&m_invoker);
    m_open = true;
    return true;
}

bool EmulatorConnection::waitForReplies(QString *error)
{
    if (m_dryRun)
        return true;
    const int limitMs = replyLimitMs();
    const bool answered = waitUntil(
        [this] { return !m_lostReason.isEmpty() || m_replies >= m_exchanges.size(); }, limitMs);
    if (!m_lostReason.isEmpty()) {
        *error = m_lostReason;
        return false;
    }
    if (!answered) {
        *error = tr("no reply from the emulator within %1 s").arg(limitMs / 1000);
        return false;
    }
    for (const Exchange &exchange : std::as_const(m_exchanges)) {
        if (exchange.reply != "OK") {
            *error = tr("the emulator refused \"%1\": %2")
                         .arg(exchange.call.section(' ', 4), exchange.reply);
            return false;
        }
    }
    return true;
}

bool EmulatorConnection::waitUntil(const std::function<bool()> &done, int limitMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    m_wake = [&] {
        if (done())
            loop.quit();
    };
    loop.exec();
    m_wake = nullptr;
    return done();
}

void EmulatorConnection::superviseReplies(bool on)
{
    m_supervising = on;
    if (on && m_replies < m_exchanges.size())
        m_replyWatchdog.start(replyLimitMs());
    else
        m_replyWatchdog.stop();
}

int EmulatorConnection::replyLimitMs() const
{
    // A millisecond for every 100 characters, at most ten minutes more.
    constexpr qint64 longestExtraMs = 10 * 60 * 1000;
    return timeoutMs + int(qMin(m_bytesDue / 100, longestExtraMs));
}

void EmulatorConnection::loseConnection(const QString &reason)
{
    if (!m_lostReason.isEmpty())
        return;
    m_lostReason = reason;
    m_replyWatchdog.stop();
    emit lost();
}

void EmulatorConnection::wake()
{
    if (m_wake)
        m_wake();
}

QList<EmulatorConnection::Exchange> EmulatorConnection::takeExchanges()
{
    // Replies still due belong to the calls already taken.
    m_replies -= qMin(m_replies, m_exchanges.size());
    return std::exchange(m_exchanges, {});
}

} // namespace EmulationManagement::Internal
