#include "recordingserver.h"

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
    return connected.wait();
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
    QTRY_COMPARE(replies.size(), texts.size());
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(replies.at(i).at(0).toString(), texts.at(i));

    for (int round = 2; round <= 3; ++round) {
        m_server->dropClients();
        QTRY_COMPARE(connected.size(), round);
        QCOMPARE(disconnected.size(), round - 1);
    }
    QCOMPARE(m_server->connectionCount, 3);
}

void TransportTest::failedAttemptsAreSpacedOut()
{
    // Nothing listens: every attempt fails within a millisecond. Without
    // spacing this would be thousands of attempts.
    QSignalSpy disconnected(m_invoker.get(), &RemoteDBusInvokerService::webSocketDisconnected);
    m_invoker->connectToEmulator();
    QTest::qWait(1200);
    QVERIFY2(disconnected.size() >= 2, "the first failure must be retried at once");
    QVERIFY2(disconnected.size() <= 6, qPrintable(QString::number(disconnected.size())));
}

void TransportTest::reconnectsWhenTheEmulatorComesBack()
{
    QSignalSpy connected(m_invoker.get(), &RemoteDBusInvokerService::webSocketConnected);
    m_invoker->connectToEmulator();
    QTest::qWait(3000); // long enough to reach the largest spacing
    QVERIFY(m_server->listen());
    QVERIFY(connected.wait(5000));

    // A connection that worked is retried at once when it drops.
    m_server->dropClients();
    QTRY_COMPARE_WITH_TIMEOUT(connected.size(), 2, 1000);
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
