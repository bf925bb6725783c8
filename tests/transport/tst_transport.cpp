#include "recordingserver.h"
#include "testtimeouts.h"

#include "transport/emulationmanager.h"
#include "transport/remotedbusinvokerservice.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace EmulationManagement::Internal;

namespace {

class RecordingManager : public EmulationManager
{
public:
    QString bus() const override { return QStringLiteral("session"); }
    QString serviceName() const override { return QStringLiteral("org.example.Service"); }
    QString objectPath() const override { return QStringLiteral("/org/example/Path"); }
    QString interfaceName() const override { return QStringLiteral("org.example.Interface"); }

    QList<QStringList> processed;

protected:
    void processReply(const QStringList &fields) override { processed.append(fields); }
};

} // namespace

class TransportTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void callTextsGoOutByteForByte();
    void repliesAndEveryReconnectionReachTheManager();
    void failedAttemptsAreSpacedOut();
    void reconnectsWhenTheEmulatorComesBack();
    void destructionDoesNotReportADisconnection();
    void handleReply();

private:
    bool connectInvoker();

    std::unique_ptr<RecordingServer> m_server;
    std::unique_ptr<RemoteDBusInvokerService> m_invoker;
};

void TransportTest::init()
{
    m_invoker = std::make_unique<RemoteDBusInvokerService>();
    m_server = std::make_unique<RecordingServer>();
}

bool TransportTest::connectInvoker()
{
    QSignalSpy connected(m_invoker.get(), &RemoteDBusInvokerService::webSocketConnected);
    if (!m_server->listen())
        return false;
    m_invoker->connectToEmulator();
    return connected.wait(eventTimeoutMs);
}

void TransportTest::callTextsGoOutByteForByte()
{
    // clang-format off
    static const struct { const char *method, *arguments, *expected; } rows[] = {
        {"setAltitude", "double:150.00", "setAltitude double:150.00"},
        {"stopTrack", "", "stopTrack "},
        {"setPosition", "double:-33.8688000 double:-5.00", "setPosition double:-33.8688000 double:-5.00"},
        {"m%1", "string:%2", "m%1 string:%2"},
    };
    // clang-format on
    QVERIFY(connectInvoker());
    RecordingManager manager;
    // Not bound yet: the call goes nowhere.
    manager.callMethod(QStringLiteral("setLux"), QStringLiteral("int32:1"));
    manager.setRdbusinvoker(m_invoker.get());
    for (const auto &row : rows)
        manager.callMethod(QLatin1String(row.method), QLatin1String(row.arguments));
    QStringList expected;
    for (const auto &row : rows) {
        expected.append(
            QStringLiteral("session org.example.Service /org/example/Path org.example.Interface ")
            + QLatin1String(row.expected));
    }
    QVERIFY(m_server->waitForFrames(int(expected.size())));
    QCOMPARE(m_server->frames, expected);
}

void TransportTest::repliesAndEveryReconnectionReachTheManager()
{
    RecordingManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    QSignalSpy connected(&manager, &EmulationManager::emulatorConnected);
    QSignalSpy disconnected(m_invoker.get(), &RemoteDBusInvokerService::webSocketDisconnected);
    QSignalSpy replies(m_invoker.get(), &RemoteDBusInvokerService::replyReceived);
    QVERIFY(connectInvoker());
    // Replies reach the invoker's listeners unchanged.
    const QStringList texts{QStringLiteral("a:b:c:org.freedesktop.DBus.Error.Failed:x: y"),
                            QStringLiteral(" leading and trailing spaces \u00e9 "),
                            QString()};
    for (const QString &text : texts)
        m_server->reply(text);
    QTRY_COMPARE_WITH_TIMEOUT(replies.size(), texts.size(), eventTimeoutMs);
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(replies.at(i).at(0).toString(), texts.at(i));

    for (int round = 2; round <= 3; ++round) {
        m_server->dropClients();
        QTRY_COMPARE_WITH_TIMEOUT(connected.size(), round, eventTimeoutMs);
        QCOMPARE(disconnected.size(), round - 1);
    }
    QCOMPARE(m_server->connectionCount, 3);
}

void TransportTest::failedAttemptsAreSpacedOut()
{
    // Nothing listens: every attempt fails within a millisecond. The first
    // failure is retried at once, later ones after growing pauses.
    // The test stands in for the retry timer: it reads the pause scheduled
    // after each failure and then tries at once.
    QSignalSpy disconnected(m_invoker.get(), &RemoteDBusInvokerService::webSocketDisconnected);
    QList<int> delays;
    m_invoker->connectToEmulator();
    for (int failures = 1; failures <= 6; ++failures) {
        QVERIFY(QTest::qWaitFor([&] { return disconnected.size() >= failures; }, eventTimeoutMs));
        delays.append(m_invoker->retryDelayMs());
        if (delays.last() > 0)
            m_invoker->connectToEmulator();
    }
    QCOMPARE(delays, (QList<int>{0, 250, 500, 1000, 2000, 2000}));
}

void TransportTest::reconnectsWhenTheEmulatorComesBack()
{
    QSignalSpy connected(m_invoker.get(), &RemoteDBusInvokerService::webSocketConnected);
    QSignalSpy disconnected(m_invoker.get(), &RemoteDBusInvokerService::webSocketDisconnected);
    m_invoker->connectToEmulator();
    QVERIFY(QTest::qWaitFor([&] { return disconnected.size() >= 3; }, eventTimeoutMs));
    QVERIFY(m_server->listen());
    QVERIFY(connected.wait(eventTimeoutMs));

    // A connection that worked is retried at once when it drops.
    m_server->dropClients();
    QVERIFY(disconnected.wait(eventTimeoutMs));
    QCOMPARE(m_invoker->retryDelayMs(), 0);
    QVERIFY(QTest::qWaitFor([&] { return connected.size() == 2; }, eventTimeoutMs));
}

void TransportTest::destructionDoesNotReportADisconnection()
{
    QVERIFY(connectInvoker());
    int disconnections = 0;
    QObject observer;
    connect(m_invoker.get(), &RemoteDBusInvokerService::webSocketDisconnected, &observer, [&] {
        ++disconnections;
    });
    m_invoker.reset();
    QCOMPARE(disconnections, 0);
}

void TransportTest::handleReply()
{
    // clang-format off
    static const struct { const char *reply, *status; bool processed; } rows[] = {
        {"enabled:accelerometer:true::", "OK", true},
        {"::::", "OK", true},
        {"setLux:100::org.freedesktop.DBus.Error.Failed:Failed", "org.freedesktop.DBus.Error.Failed Failed", false},
        {"setLux:100::Error.Failed:bad: value", "setLux:100::Error.Failed:bad: value", false},
        {"", "", false},
    };
    // clang-format on
    for (const auto &row : rows) {
        RecordingManager manager;
        QSignalSpy statuses(&manager, &EmulationManager::replyFromEmulatorReceived);
        manager.handleReply(QLatin1String(row.reply));
        QCOMPARE(statuses.size(), 1);
        QCOMPARE(statuses.at(0).at(0).toString(), QLatin1String(row.status));
        const QList<QStringList> processed{QString::fromLatin1(row.reply).split(QLatin1Char(':'))};
        QCOMPARE(manager.processed, row.processed ? processed : QList<QStringList>());
    }
}

QTEST_GUILESS_MAIN(TransportTest)

#include "tst_transport.moc"
