#include "recordingserver.h"

#include "transport/dbusarguments.h"
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
    QString bus() const override { return QStringLiteral("system"); }
    QString serviceName() const override { return QStringLiteral("org.example.Service"); }
    QString objectPath() const override { return QStringLiteral("/org/example/Service"); }
    QString interfaceName() const override { return serviceName(); }

    QList<QStringList> processed;

protected:
    void processReply(const QStringList &fields) override { processed.append(fields); }
};

} // namespace

class TransportTest : public QObject
{
    Q_OBJECT

private slots:
    void callTextsGoOutByteForByte_data();
    void callTextsGoOutByteForByte();
    void repliesArriveUnchanged();
    void reconnectsAfterTheServerDropsTheClient();
    void failedAttemptsAreSpacedOut();
    void destructionDoesNotReportADisconnection();
    void reconnectsWhenTheEmulatorComesBack();
    void handleReply_data();
    void handleReply();
    void managerCallsItsOwnService();
    void managerLearnsEveryReconnection();
    void argumentNotation();
};

void TransportTest::callTextsGoOutByteForByte_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("expected");

    const QString prefix = QStringLiteral(
        "system ru.quor.GeoclueEmulationManagement /ru/quor/GeoclueEmulationManagement "
        "ru.quor.GeoclueEmulationManagement ");
    QTest::newRow("one argument") << "setAltitude"
                                  << "double:150.00" << prefix + "setAltitude double:150.00";
    QTest::newRow("no arguments keep the trailing space") << "stopTrack"
                                                          << "" << prefix + "stopTrack ";
    QTest::newRow("several arguments with their spaces")
        << "setPosition"
        << "double:-33.8688000 double:151.2093000 double:-5.00"
        << prefix + "setPosition double:-33.8688000 double:151.2093000 double:-5.00";
    QTest::newRow("percent signs are not substituted") << "m%1"
                                                       << "string:%2" << prefix + "m%1 string:%2";
}

void TransportTest::callTextsGoOutByteForByte()
{
    QFETCH(QString, method);
    QFETCH(QString, arguments);
    QFETCH(QString, expected);

    RecordingServer server;
    QVERIFY(server.listen());
    RemoteDBusInvokerService invoker;
    QSignalSpy connected(&invoker, &RemoteDBusInvokerService::webSocketConnected);
    invoker.connectToEmulator();
    QVERIFY(connected.wait());

    invoker.invokeMethod(QStringLiteral("system"),
                         QStringLiteral("ru.quor.GeoclueEmulationManagement"),
                         QStringLiteral("/ru/quor/GeoclueEmulationManagement"),
                         QStringLiteral("ru.quor.GeoclueEmulationManagement"),
                         method,
                         arguments);
    QVERIFY(server.waitForFrames(1));
    QCOMPARE(server.frames, QStringList{expected});
}

void TransportTest::repliesArriveUnchanged()
{
    RecordingServer server;
    QVERIFY(server.listen());
    RemoteDBusInvokerService invoker;
    QSignalSpy connected(&invoker, &RemoteDBusInvokerService::webSocketConnected);
    QSignalSpy replies(&invoker, &RemoteDBusInvokerService::replyReceived);
    invoker.connectToEmulator();
    QVERIFY(connected.wait());

    const QStringList texts{QStringLiteral("enabled:accelerometer:true::"),
                            QStringLiteral("no colon at all"),
                            QStringLiteral("a:b:c:org.freedesktop.DBus.Error.Failed:x: y"),
                            QStringLiteral(" leading and trailing spaces \u00e9 "),
                            QString()};
    for (const QString &text : texts)
        server.reply(text);
    QVERIFY(QTest::qWaitFor([&] { return replies.size() == texts.size(); }));
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(replies.at(i).at(0).toString(), texts.at(i));
}

void TransportTest::reconnectsAfterTheServerDropsTheClient()
{
    RecordingServer server;
    QVERIFY(server.listen());
    RemoteDBusInvokerService invoker;
    QSignalSpy connected(&invoker, &RemoteDBusInvokerService::webSocketConnected);
    QSignalSpy disconnected(&invoker, &RemoteDBusInvokerService::webSocketDisconnected);
    invoker.connectToEmulator();
    QVERIFY(connected.wait());

    for (int round = 2; round <= 4; ++round) {
        server.dropClients();
        QVERIFY(QTest::qWaitFor([&] { return connected.size() == round; }));
        QCOMPARE(disconnected.size(), round - 1);
    }
    QCOMPARE(server.connectionCount, 4);
}

void TransportTest::failedAttemptsAreSpacedOut()
{
    // Nothing listens: every attempt fails within a millisecond. Without
    // spacing this would be thousands of attempts.
    RemoteDBusInvokerService invoker;
    QSignalSpy disconnected(&invoker, &RemoteDBusInvokerService::webSocketDisconnected);
    invoker.connectToEmulator();
    QTest::qWait(1200);
    QVERIFY2(disconnected.size() >= 2, "the first failure must be retried at once");
    QVERIFY2(disconnected.size() <= 6, qPrintable(QString::number(disconnected.size())));
}

void TransportTest::destructionDoesNotReportADisconnection()
{
    RecordingServer server;
    QVERIFY(server.listen());
    auto invoker = std::make_unique<RemoteDBusInvokerService>();
    QSignalSpy connected(invoker.get(), &RemoteDBusInvokerService::webSocketConnected);
    invoker->connectToEmulator();
    QVERIFY(connected.wait());

    int disconnections = 0;
    QObject observer;
    connect(invoker.get(), &RemoteDBusInvokerService::webSocketDisconnected, &observer, [&] {
        ++disconnections;
    });
    invoker.reset();
    QCOMPARE(disconnections, 0);
}

void TransportTest::reconnectsWhenTheEmulatorComesBack()
{
    RemoteDBusInvokerService invoker;
    QSignalSpy connected(&invoker, &RemoteDBusInvokerService::webSocketConnected);
    invoker.connectToEmulator();
    QTest::qWait(3000); // long enough to reach the largest spacing

    RecordingServer server;
    QVERIFY(server.listen());
    QVERIFY(connected.wait(5000));

    // A connection that worked is retried at once when it drops.
    server.dropClients();
    QVERIFY(QTest::qWaitFor([&] { return connected.size() == 2; }, 1000));
}

void TransportTest::handleReply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("processed");

    QTest::newRow("success") << "enabled:accelerometer:true::"
                             << "OK" << true;
    QTest::newRow("all fields empty") << "::::"
                                      << "OK" << true;
    QTest::newRow("error name and message")
        << "setLux:100::org.freedesktop.DBus.Error.Failed:Failed"
        << "org.freedesktop.DBus.Error.Failed Failed" << false;
    QTest::newRow("error message with a colon") << "setLux:100::Error.Failed:bad: value"
                                                << "setLux:100::Error.Failed:bad: value" << false;
    QTest::newRow("four fields") << "a:b:c:"
                                 << "a:b:c:" << false;
    QTest::newRow("no colon") << "garbage"
                              << "garbage" << false;
    QTest::newRow("empty") << ""
                           << "" << false;
}

void TransportTest::handleReply()
{
    QFETCH(QString, reply);
    QFETCH(QString, status);
    QFETCH(bool, processed);

    RecordingManager manager;
    QSignalSpy statuses(&manager, &EmulationManager::replyFromEmulatorReceived);
    manager.handleReply(reply);
    QCOMPARE(statuses.size(), 1);
    QCOMPARE(statuses.at(0).at(0).toString(), status);
    QCOMPARE(manager.processed.size(), processed ? 1 : 0);
    if (processed)
        QCOMPARE(manager.processed.at(0), reply.split(QLatin1Char(':')));
}

void TransportTest::managerCallsItsOwnService()
{
    RecordingServer server;
    QVERIFY(server.listen());
    RemoteDBusInvokerService invoker;
    RecordingManager manager;
    QSignalSpy bound(&manager, &EmulationManager::rdbusinvokerChanged);
    manager.setRdbusinvoker(&invoker);
    QCOMPARE(bound.size(), 1);
    QCOMPARE(manager.rdbusinvoker(), &invoker);

    QSignalSpy connected(&manager, &EmulationManager::emulatorConnected);
    invoker.connectToEmulator();
    QVERIFY(connected.wait());
    manager.callMethod(QStringLiteral("setLux"), QStringLiteral("int32:100"));
    QVERIFY(server.waitForFrames(1));
    QCOMPARE(server.frames.at(0),
             QStringLiteral("system org.example.Service /org/example/Service org.example.Service "
                            "setLux int32:100"));

    QSignalSpy statuses(&manager, &EmulationManager::replyFromEmulatorReceived);
    server.reply(QStringLiteral("setLux:100:::"));
    QVERIFY(statuses.wait());
    QCOMPARE(statuses.at(0).at(0).toString(), QStringLiteral("OK"));
}

void TransportTest::managerLearnsEveryReconnection()
{
    RecordingServer server;
    QVERIFY(server.listen());
    RemoteDBusInvokerService invoker;
    RecordingManager manager;
    manager.setRdbusinvoker(&invoker);
    QSignalSpy connected(&manager, &EmulationManager::emulatorConnected);
    invoker.connectToEmulator();
    QVERIFY(connected.wait());
    server.dropClients();
    QVERIFY(QTest::qWaitFor([&] { return connected.size() == 2; }));
    server.dropClients();
    QVERIFY(QTest::qWaitFor([&] { return connected.size() == 3; }));
}

void TransportTest::argumentNotation()
{
    namespace A = DBusArguments;
    QCOMPARE(A::int32(-1), QStringLiteral("int32:-1"));
    QCOMPARE(A::doubleValue(4.3e-5), QStringLiteral("double:4.3e-05"));
    QCOMPARE(A::doubleValue(1.1459155902616465), QStringLiteral("double:1.14592"));
    QCOMPARE(A::doubleValue(0), QStringLiteral("double:0"));
    QCOMPARE(A::doubleValue(-48.76), QStringLiteral("double:-48.76"));
    QCOMPARE(A::doubleValue(1e6), QStringLiteral("double:1e+06"));
    QCOMPARE(A::fixedDouble(150, 2), QStringLiteral("double:150.00"));
    QCOMPARE(A::fixedDouble(-33.8688, 7), QStringLiteral("double:-33.8688000"));
    QCOMPARE(A::boolean(true), QStringLiteral("boolean:1"));
    QCOMPARE(A::boolean(false), QStringLiteral("boolean:0"));
    QCOMPARE(A::string(QStringLiteral("tap")), QStringLiteral("string:tap"));
    QCOMPARE(A::doubleArrays({{"1", "2", "3", "4"}, {"5", "6", "7", "8"}}),
             QStringLiteral("array:array:double:1,2,3,4;5,6,7,8"));
    QCOMPARE(A::doubleArrays({}), QStringLiteral("array:array:double:"));
    QCOMPARE(A::join({A::int32(1), A::int32(2), A::int32(3)}),
             QStringLiteral("int32:1 int32:2 int32:3"));
}

QTEST_GUILESS_MAIN(TransportTest)

#include "tst_transport.moc"
