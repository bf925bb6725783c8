#include "recordingserver.h"

#include "gps/gpsemulationmanager.h"
#include "transport/remotedbusinvokerservice.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>

#include <QJSValue>
#include <QMetaMethod>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlError>
#include <QQmlExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <limits>
#include <memory>

using namespace EmulationManagement::Internal;

namespace {

const QString callPrefix = QStringLiteral(
    "system ru.quor.GeoclueEmulationManagement /ru/quor/GeoclueEmulationManagement "
    "ru.quor.GeoclueEmulationManagement ");

QStringList calls(const QStringList &methodsAndArguments)
{
    QStringList result;
    for (const QString &call : methodsAndArguments)
        result.append(callPrefix + call);
    return result;
}

QVariantMap trackPoint(const QVariant &latitude,
                       const QVariant &longitude,
                       const QVariant &altitude,
                       const QVariant &interval)
{
    return {{QStringLiteral("latitude"), latitude},
            {QStringLiteral("longitude"), longitude},
            {QStringLiteral("altitude"), altitude},
            {QStringLiteral("interval"), interval}};
}

Utils::Key gpsKey(const char *name)
{
    return Utils::keyFromString(QStringLiteral("emulationmanagement/") + QLatin1String(name));
}

using Operation = std::function<void(GPSEmulationManager &)>;

} // namespace

Q_DECLARE_METATYPE(Operation)

class GpsEmulationManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Wire texts
    void callTable_data();
    void callTable();
    void trackTexts_data();
    void trackTexts();

    // Local state
    void positionIsShownAndStored();
    void localPositionSendsNothing();
    void loadTrackResetsTheIndexSilently();
    void propertyWriteSendsNothingButGoToPositionDoes();
    void stopTrackResetsTheIndex();
    void settersSignalEveryCall();

    // Connections
    void firstConnectionSendsTheStoredState();
    void everyReconnectionResendsTheCurrentState();
    void directResynchronisationDropsTheTrack();

    // As QML sees it
    void metaObjectInterface();
    void qmlDrivesTheManager();
    void repliesReachTheManager();

private:
    // Sends a marker frame and waits for it: every frame sent before it has
    // arrived then.
    bool flush();
    // Runs operation and returns what it sent, marked off before and after.
    QStringList sentBy(const std::function<void()> &operation);
    void connectManager();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Utils::QtcSettings> m_settings;
    std::unique_ptr<Core::ICore> m_core;
    std::unique_ptr<RecordingServer> m_server;
    std::unique_ptr<RemoteDBusInvokerService> m_invoker;
    std::unique_ptr<GPSEmulationManager> m_manager;
    int m_markers = 0;
};

void GpsEmulationManagerTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_settings = std::make_unique<Utils::QtcSettings>(
        m_dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    m_core = std::make_unique<Core::ICore>(nullptr, m_settings.get(), Utils::FilePath());
    m_server = std::make_unique<RecordingServer>();
    QVERIFY(m_server->listen());
    m_invoker = std::make_unique<RemoteDBusInvokerService>();
    m_manager = std::make_unique<GPSEmulationManager>();
    m_manager->setRdbusinvoker(m_invoker.get());
}

void GpsEmulationManagerTest::cleanup()
{
    m_manager.reset();
    m_invoker.reset();
    m_server.reset();
    m_core.reset();
    m_settings.reset();
    m_dir.reset();
}

void GpsEmulationManagerTest::connectManager()
{
    QSignalSpy connected(m_manager.get(), &EmulationManager::emulatorConnected);
    m_invoker->connectToEmulator();
    QVERIFY(connected.wait());
    QVERIFY(m_server->waitForFrames(5));
    m_server->frames.clear();
}

bool GpsEmulationManagerTest::flush()
{
    const QString marker = QStringLiteral("marker%1").arg(++m_markers);
    const QString markerCall
        = RemoteDBusInvokerService::callText(marker, marker, marker, marker, marker, marker);
    m_invoker->invokeMethod(marker, marker, marker, marker, marker, marker);
    return QTest::qWaitFor([&] { return m_server->frames.contains(markerCall); });
}

QStringList GpsEmulationManagerTest::sentBy(const std::function<void()> &operation)
{
    if (!flush())
        return {QStringLiteral("earlier frames did not arrive")};
    m_server->frames.clear();
    operation();
    if (!flush())
        return {QStringLiteral("the marker frame did not arrive")};
    QStringList sent = m_server->frames;
    sent.removeLast();
    return sent;
}

void GpsEmulationManagerTest::callTable_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("call");

    QTest::newRow("setPosition") << Operation([](auto &m) {
        m.setPosition(55.755826, 37.6173, 150);
    }) << "setPosition double:55.7558260 double:37.6173000 double:150.00";
    QTest::newRow("setPosition negative")
        << Operation([](auto &m) { m.setPosition(-33.8688, 151.2093, -5); })
        << "setPosition double:-33.8688000 double:151.2093000 double:-5.00";
    QTest::newRow("setPosition rounds")
        << Operation([](auto &m) { m.setPosition(1e-8, 179.99999996, 0.005001); })
        << "setPosition double:0.0000000 double:180.0000000 double:0.01";
    QTest::newRow("setLatitude") << Operation([](auto &m) { m.setLatitude(-89.5); })
                                 << "setLatitude double:-89.5000000";
    QTest::newRow("setLongitude") << Operation([](auto &m) { m.setLongitude(12.3456789); })
                                  << "setLongitude double:12.3456789";
    QTest::newRow("setAltitude") << Operation([](auto &m) { m.setAltitude(150); })
                                 << "setAltitude double:150.00";
    QTest::newRow("setAltitude large")
        << Operation([](auto &m) { m.setAltitude(10000); }) << "setAltitude double:10000.00";
    QTest::newRow("startTrack") << Operation([](auto &m) { m.startTrack(); }) << "startTrack ";
    QTest::newRow("pauseTrack") << Operation([](auto &m) { m.pauseTrack(); }) << "pauseTrack ";
    QTest::newRow("stopTrack") << Operation([](auto &m) { m.stopTrack(); }) << "stopTrack ";
    QTest::newRow("setTrackLooped true")
        << Operation([](auto &m) { m.setTrackLooped(true); }) << "setTrackLooped boolean:1";
    QTest::newRow("setTrackLooped false")
        << Operation([](auto &m) { m.setTrackLooped(false); }) << "setTrackLooped boolean:0";
    QTest::newRow("setTrackIntervalMode true")
        << Operation([](auto &m) { m.setTrackIntervalMode(true); })
        << "setTrackIntervalMode boolean:1";
    QTest::newRow("setTrackIntervalMode false")
        << Operation([](auto &m) { m.setTrackIntervalMode(false); })
        << "setTrackIntervalMode boolean:0";
    QTest::newRow("setTrackSpeed")
        << Operation([](auto &m) { m.setTrackSpeed(5); }) << "setTrackSpeed int32:5";
    QTest::newRow("goToPositionOnTrack")
        << Operation([](auto &m) { m.goToPositionOnTrack(42); }) << "goToPositionOnTrack int32:42";
    QTest::newRow("goToPositionOnTrack negative")
        << Operation([](auto &m) { m.goToPositionOnTrack(-1); }) << "goToPositionOnTrack int32:-1";
}

void GpsEmulationManagerTest::callTable()
{
    QFETCH(Operation, operation);
    QFETCH(QString, call);

    connectManager();
    QCOMPARE(sentBy([&] { operation(*m_manager); }), calls({call}));
}

void GpsEmulationManagerTest::trackTexts_data()
{
    QTest::addColumn<QVariantList>("points");
    QTest::addColumn<QString>("argument");

    QTest::newRow("two points") << QVariantList{trackPoint(55.75, 37.61, 150, 0),
                                                trackPoint(55.76, 37.62, 151.5, 1000)}
                                << "array:array:double:55.7500000,37.6100000,150.00,0;"
                                   "55.7600000,37.6200000,151.50,1000";
    QTest::newRow("empty") << QVariantList{} << "array:array:double:";
    QTest::newRow("one point has no separator")
        << QVariantList{trackPoint(-33.8688, 151.2093, -5, 0)}
        << "array:array:double:-33.8688000,151.2093000,-5.00,0";
    QTest::newRow("intervals in general format")
        << QVariantList{trackPoint(0, 0, 0, 1e6),
                        trackPoint(0, 0, 0, 2.5),
                        trackPoint(0, 0, 0, 1234567),
                        trackPoint(0, 0, 0, 999999)}
        << "array:array:double:0.0000000,0.0000000,0.00,1e+06;0.0000000,0.0000000,0.00,2.5;"
           "0.0000000,0.0000000,0.00,1.23457e+06;0.0000000,0.0000000,0.00,999999";
    QTest::newRow("texts of the page's table cells")
        << QVariantList{trackPoint(QStringLiteral("48.1173000"),
                                   QStringLiteral("-11.5166667"),
                                   QStringLiteral("545.40"),
                                   2000)}
        << "array:array:double:48.1173000,-11.5166667,545.40,2000";
    QTest::newRow("a grouped altitude text is not a number")
        << QVariantList{trackPoint(QStringLiteral("1.0000000"),
                                   QStringLiteral("2.0000000"),
                                   QStringLiteral("1,000.00"),
                                   0)}
        << "array:array:double:1.0000000,2.0000000,0.00,0";
    QTest::newRow("missing keys and other texts")
        << QVariantList{QVariantMap{{QStringLiteral("interval"), 500}},
                        trackPoint(QStringLiteral("abc"), QStringLiteral("12,5"), QString(), 0)}
        << "array:array:double:0.0000000,0.0000000,0.00,500;0.0000000,0.0000000,0.00,0";
    QTest::newRow("not finite") << QVariantList{trackPoint(std::numeric_limits<double>::quiet_NaN(),
                                                           std::numeric_limits<double>::infinity(),
                                                           QStringLiteral("nan"),
                                                           QStringLiteral("inf"))}
                                << "array:array:double:0.0000000,0.0000000,0.00,0";
}

void GpsEmulationManagerTest::trackTexts()
{
    QFETCH(QVariantList, points);
    QFETCH(QString, argument);

    QCOMPARE(GPSEmulationManager::trackArgument(points), argument);
    connectManager();
    QCOMPARE(sentBy([&] { m_manager->loadTrack(points); }),
             calls({QStringLiteral("loadTrack ") + argument}));
}

void GpsEmulationManagerTest::positionIsShownAndStored()
{
    connectManager();
    PositionModel *position = m_manager->currentPosition();
    QCOMPARE(position->parent(), m_manager.get());

    m_manager->setPosition(55.755826, 37.6173, 150);
    QCOMPARE(position->latitude(), 55.755826);
    QCOMPARE(position->longitude(), 37.6173);
    QCOMPARE(position->altitude(), 150.0);
    QCOMPARE(m_settings->value(gpsKey("gps_latitude")).toDouble(), 55.755826);
    QCOMPARE(m_settings->value(gpsKey("gps_longitude")).toDouble(), 37.6173);
    QCOMPARE(m_settings->value(gpsKey("gps_altitude")).toDouble(), 150.0);

    QSignalSpy latitudeChanged(position, &PositionModel::latitudeChanged);
    QSignalSpy longitudeChanged(position, &PositionModel::longitudeChanged);
    QSignalSpy altitudeChanged(position, &PositionModel::altitudeChanged);
    m_manager->setLatitude(-10.5);
    QCOMPARE(latitudeChanged.size(), 1);
    QCOMPARE(longitudeChanged.size(), 0);
    QCOMPARE(m_settings->value(gpsKey("gps_latitude")).toDouble(), -10.5);
    QCOMPARE(m_settings->value(gpsKey("gps_longitude")).toDouble(), 37.6173);
    m_manager->setLongitude(20.25);
    m_manager->setAltitude(-5);
    QCOMPARE(longitudeChanged.size(), 1);
    QCOMPARE(altitudeChanged.size(), 1);
    QCOMPARE(position->longitude(), 20.25);
    QCOMPARE(position->altitude(), -5.0);
    QCOMPARE(m_settings->value(gpsKey("gps_longitude")).toDouble(), 20.25);
    QCOMPARE(m_settings->value(gpsKey("gps_altitude")).toDouble(), -5.0);

    // The stored position outlives the manager and its settings object.
    m_manager.reset();
    m_settings->sync();
    const QSettings file(m_dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("emulationmanagement/gps_latitude")).toDouble(), -10.5);
    QCOMPARE(file.value(QStringLiteral("emulationmanagement/gps_longitude")).toDouble(), 20.25);
    QCOMPARE(file.value(QStringLiteral("emulationmanagement/gps_altitude")).toDouble(), -5.0);
}

void GpsEmulationManagerTest::localPositionSendsNothing()
{
    connectManager();
    QSignalSpy latitudeChanged(m_manager->currentPosition(), &PositionModel::latitudeChanged);
    QCOMPARE(sentBy([&] { m_manager->setLocalPosition(48.1173, 11.5166667, 545.4); }),
             QStringList());
    QCOMPARE(latitudeChanged.size(), 1);
    QCOMPARE(m_manager->currentPosition()->longitude(), 11.5166667);
    QCOMPARE(m_manager->currentPosition()->altitude(), 545.4);
    QCOMPARE(m_settings->value(gpsKey("gps_latitude")).toDouble(), 48.1173);
    QCOMPARE(m_settings->value(gpsKey("gps_longitude")).toDouble(), 11.5166667);
    QCOMPARE(m_settings->value(gpsKey("gps_altitude")).toDouble(), 545.4);
}

void GpsEmulationManagerTest::loadTrackResetsTheIndexSilently()
{
    connectManager();
    m_manager->setCurrentPositionIndex(7);
    QSignalSpy indexChanged(m_manager.get(), &GPSEmulationManager::currentPositionIndexChanged);
    m_manager->loadTrack({trackPoint(1, 2, 3, 0)});
    QCOMPARE(m_manager->currentPositionIndex(), 0);
    QCOMPARE(m_manager->property("currentPositionIndex").toInt(), 0);
    QCOMPARE(indexChanged.size(), 0);
    QVERIFY(m_manager->trackLoaded());
}

void GpsEmulationManagerTest::propertyWriteSendsNothingButGoToPositionDoes()
{
    connectManager();
    QSignalSpy indexChanged(m_manager.get(), &GPSEmulationManager::currentPositionIndexChanged);
    QCOMPARE(sentBy([&] { QVERIFY(m_manager->setProperty("currentPositionIndex", 3)); }),
             QStringList());
    QCOMPARE(m_manager->currentPositionIndex(), 3);
    QCOMPARE(indexChanged.size(), 1);

    QCOMPARE(sentBy([&] { m_manager->goToPositionOnTrack(3); }),
             calls({"goToPositionOnTrack int32:3"}));
    QCOMPARE(m_manager->currentPositionIndex(), 3);
    QCOMPARE(indexChanged.size(), 2);

    QCOMPARE(sentBy([&] { m_manager->setCurrentPositionIndex(3); }), QStringList());
    QCOMPARE(indexChanged.size(), 3);
}

void GpsEmulationManagerTest::stopTrackResetsTheIndex()
{
    connectManager();
    m_manager->goToPositionOnTrack(9);
    QSignalSpy indexChanged(m_manager.get(), &GPSEmulationManager::currentPositionIndexChanged);
    m_manager->pauseTrack();
    m_manager->startTrack();
    QCOMPARE(m_manager->currentPositionIndex(), 9);
    QCOMPARE(indexChanged.size(), 0);
    m_manager->stopTrack();
    QCOMPARE(m_manager->currentPositionIndex(), 0);
    QCOMPARE(indexChanged.size(), 1);
}

void GpsEmulationManagerTest::settersSignalEveryCall()
{
    QCOMPARE(m_manager->trackLooped(), false);
    QCOMPARE(m_manager->useDefaultInterval(), false);
    QCOMPARE(m_manager->trackSpeed(), 1);
    QCOMPARE(m_manager->currentPositionIndex(), 0);
    QCOMPARE(m_manager->trackLoaded(), false);

    QSignalSpy looped(m_manager.get(), &GPSEmulationManager::trackLoopedChanged);
    QSignalSpy interval(m_manager.get(), &GPSEmulationManager::defaultIntervalUsingChanged);
    QSignalSpy speed(m_manager.get(), &GPSEmulationManager::trackSpeedChanged);
    for (int i = 0; i < 2; ++i) {
        m_manager->setTrackLooped(true);
        m_manager->setTrackIntervalMode(true);
        m_manager->setTrackSpeed(3);
    }
    QCOMPARE(looped.size(), 2);
    QCOMPARE(interval.size(), 2);
    QCOMPARE(speed.size(), 2);
    QCOMPARE(m_manager->trackLooped(), true);
    QCOMPARE(m_manager->useDefaultInterval(), true);
    QCOMPARE(m_manager->trackSpeed(), 3);
}

void GpsEmulationManagerTest::firstConnectionSendsTheStoredState()
{
    m_settings->setValue(gpsKey("gps_latitude"), 59.9342802);
    m_settings->setValue(gpsKey("gps_longitude"), -30.3350986);
    m_settings->setValue(gpsKey("gps_altitude"), 12.5);
    m_manager->setCurrentPositionIndex(4);
    QSignalSpy indexChanged(m_manager.get(), &GPSEmulationManager::currentPositionIndexChanged);
    QSignalSpy looped(m_manager.get(), &GPSEmulationManager::trackLoopedChanged);
    QSignalSpy interval(m_manager.get(), &GPSEmulationManager::defaultIntervalUsingChanged);
    QSignalSpy speed(m_manager.get(), &GPSEmulationManager::trackSpeedChanged);

    m_invoker->connectToEmulator();
    QVERIFY(m_server->waitForFrames(5));
    QCOMPARE(m_server->frames,
             calls({"stopTrack ",
                    "setTrackLooped boolean:0",
                    "setTrackIntervalMode boolean:0",
                    "setTrackSpeed int32:1",
                    "setPosition double:59.9342802 double:-30.3350986 double:12.50"}));
    QCOMPARE(m_manager->currentPositionIndex(), 0);
    QCOMPARE(indexChanged.size(), 1);
    QCOMPARE(looped.size(), 1);
    QCOMPARE(interval.size(), 1);
    QCOMPARE(speed.size(), 1);
    QCOMPARE(m_manager->currentPosition()->latitude(), 59.9342802);
    QCOMPARE(m_manager->currentPosition()->longitude(), -30.3350986);
    QCOMPARE(m_manager->currentPosition()->altitude(), 12.5);

    // Nothing stored: the position is 0, 0, 0, and it is stored from then on.
    cleanup();
    init();
    m_invoker->connectToEmulator();
    QVERIFY(m_server->waitForFrames(5));
    QCOMPARE(m_server->frames.last(),
             calls({"setPosition double:0.0000000 double:0.0000000 double:0.00"}).first());
    QVERIFY(m_settings->contains(gpsKey("gps_altitude")));
}

void GpsEmulationManagerTest::everyReconnectionResendsTheCurrentState()
{
    connectManager();
    m_manager->setTrackLooped(true);
    m_manager->setTrackIntervalMode(true);
    m_manager->setTrackSpeed(4);
    m_manager->setPosition(-33.8688, 151.2093, -5);
    m_manager->setLocalPosition(1, 2, 3);
    m_manager->loadTrack({trackPoint(1, 2, 3, 0), trackPoint(4, 5, 6, 1000)});
    m_manager->goToPositionOnTrack(1);
    QVERIFY(m_server->waitForFrames(6));
    QVERIFY(m_manager->trackLoaded());

    for (int connection = 2; connection <= 3; ++connection) {
        m_server->frames.clear();
        QSignalSpy connected(m_manager.get(), &EmulationManager::emulatorConnected);
        m_server->dropClients();
        QVERIFY(connected.wait());
        QVERIFY(m_server->waitForFrames(5));
        QCOMPARE(m_server->frames,
                 calls({"stopTrack ",
                        "setTrackLooped boolean:1",
                        "setTrackIntervalMode boolean:1",
                        "setTrackSpeed int32:4",
                        "setPosition double:1.0000000 double:2.0000000 double:3.00"}));
        QCOMPARE(m_server->connectionCount, connection);
        QCOMPARE(m_manager->currentPositionIndex(), 0);
        QVERIFY(!m_manager->trackLoaded());
    }
}

void GpsEmulationManagerTest::directResynchronisationDropsTheTrack()
{
    connectManager();
    m_manager->setLocalPosition(10, 20, 30);
    m_manager->loadTrack({});
    QVERIFY(m_manager->trackLoaded());
    QCOMPARE(sentBy([&] { m_manager->handleEmulatorConnected(); }),
             calls({"stopTrack ",
                    "setTrackLooped boolean:0",
                    "setTrackIntervalMode boolean:0",
                    "setTrackSpeed int32:1",
                    "setPosition double:10.0000000 double:20.0000000 double:30.00"}));
    QVERIFY(!m_manager->trackLoaded());
}

void GpsEmulationManagerTest::metaObjectInterface()
{
    const QMetaObject *meta = m_manager->metaObject();
    QCOMPARE(meta->className(), "EmulationManagement::Internal::GPSEmulationManager");

    QStringList signalNames;
    QStringList invokables;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal)
            signalNames.append(QString::fromLatin1(method.methodSignature()));
        else if (method.methodType() == QMetaMethod::Method)
            invokables.append(QString::fromLatin1(method.methodSignature()));
    }
    QCOMPARE(signalNames,
             (QStringList{"trackLoopedChanged()",
                          "defaultIntervalUsingChanged()",
                          "trackSpeedChanged()",
                          "currentPositionIndexChanged()"}));
    QCOMPARE(invokables,
             (QStringList{"setLocalPosition(double,double,double)",
                          "setPosition(double,double,double)",
                          "setLatitude(double)",
                          "setLongitude(double)",
                          "setAltitude(double)",
                          "loadTrack(QVariantList)",
                          "startTrack()",
                          "pauseTrack()",
                          "stopTrack()",
                          "setTrackLooped(bool)",
                          "setTrackIntervalMode(bool)",
                          "setTrackSpeed(int)",
                          "goToPositionOnTrack(int)"}));

    struct Expected
    {
        const char *name;
        bool writable;
        bool constant;
        const char *notify;
    };
    const QList<Expected> properties{
        {"currentPosition", false, true, ""},
        {"trackLooped", false, false, "trackLoopedChanged"},
        {"useDefaultInterval", false, false, "defaultIntervalUsingChanged"},
        {"trackSpeed", false, false, "trackSpeedChanged"},
        {"currentPositionIndex", true, false, "currentPositionIndexChanged"},
        {"trackLoaded", false, false, ""}};
    QCOMPARE(meta->propertyCount() - meta->propertyOffset(), properties.size());
    for (int i = 0; i < properties.size(); ++i) {
        const QMetaProperty property = meta->property(meta->propertyOffset() + i);
        QCOMPARE(property.name(), properties.at(i).name);
        QCOMPARE(property.isWritable(), properties.at(i).writable);
        QCOMPARE(property.isConstant(), properties.at(i).constant);
        QCOMPARE(property.notifySignal().name(), QByteArray(properties.at(i).notify));
    }
}

void GpsEmulationManagerTest::qmlDrivesTheManager()
{
    connectManager();
    QQmlEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("gpsEmulationManager"),
                                             m_manager.get());
    const auto evaluate = [&](const QString &expression) {
        QQmlExpression script(engine.rootContext(), nullptr, expression);
        const QVariant result = script.evaluate();
        if (script.hasError())
            qWarning() << script.error().toString();
        return result;
    };

    m_manager->setPosition(55.75, 37.61, 150);
    QCOMPARE(evaluate(QStringLiteral("gpsEmulationManager.currentPosition.latitude")).toDouble(),
             55.75);
    QCOMPARE(evaluate(QStringLiteral("gpsEmulationManager.trackSpeed")).toInt(), 1);
    QCOMPARE(evaluate(QStringLiteral("gpsEmulationManager.trackLoaded")).toBool(), false);

    // A script array of objects, as the page hands it over.
    QCOMPARE(sentBy([&] {
                 evaluate(QStringLiteral(
                     "gpsEmulationManager.loadTrack(["
                     "{latitude: '55.7500000', longitude: '37.6100000', altitude: '1,000.00', "
                     "interval: 0},"
                     "{latitude: 55.76, longitude: 37.62, altitude: 151.5, interval: 1000000}])"));
             }),
             calls({"loadTrack array:array:double:55.7500000,37.6100000,0.00,0;"
                    "55.7600000,37.6200000,151.50,1e+06"}));
    QCOMPARE(evaluate(QStringLiteral("gpsEmulationManager.trackLoaded")).toBool(), true);

    QCOMPARE(
        sentBy([&] { evaluate(QStringLiteral("gpsEmulationManager.currentPositionIndex = 2")); }),
        QStringList());
    QCOMPARE(m_manager->currentPositionIndex(), 2);
    QCOMPARE(sentBy([&] {
                 evaluate(QStringLiteral("gpsEmulationManager.setTrackLooped(true);"
                                         "gpsEmulationManager.setTrackSpeed(2)"));
             }),
             calls({"setTrackLooped boolean:1", "setTrackSpeed int32:2"}));
    QCOMPARE(evaluate(QStringLiteral("gpsEmulationManager.trackLooped")).toBool(), true);
}

void GpsEmulationManagerTest::repliesReachTheManager()
{
    connectManager();
    QSignalSpy replies(m_manager.get(), &EmulationManager::replyFromEmulatorReceived);
    m_server->reply(QStringLiteral("setPosition:1|2|3:::"));
    m_server->reply(QStringLiteral("enabled:accelerometer:true::"));
    m_server->reply(QStringLiteral("loadTrack:::org.freedesktop.DBus.Error.Failed:Failed"));
    m_server->reply(QString());
    QVERIFY(QTest::qWaitFor([&] { return replies.size() == 4; }));
    QCOMPARE(replies.at(0).at(0).toString(), QStringLiteral("OK"));
    QCOMPARE(replies.at(1).at(0).toString(), QStringLiteral("OK"));
    QCOMPARE(replies.at(2).at(0).toString(),
             QStringLiteral("org.freedesktop.DBus.Error.Failed Failed"));
    QCOMPARE(replies.at(3).at(0).toString(), QString());
}

QTEST_GUILESS_MAIN(GpsEmulationManagerTest)

#include "tst_gpsemulationmanager.moc"
