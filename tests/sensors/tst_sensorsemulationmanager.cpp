#include "managerfixture.h"
#include "managertest.h"
#include "testtimeouts.h"

#include "sensors/sensorsemulationmanager.h"
#include "transport/remotedbusinvokerservice.h"

#include <QSignalSpy>
#include <QTest>

using namespace EmulationManagement::Internal;
using M = SensorsEmulationManager;

namespace {

QStringList calls(const QStringList &texts)
{
    return ManagerFixture::calls(QStringLiteral("ru.quor.SensorfwEmulationManagement"), texts);
}

// One call per switchable sensor in key order; the sensors named in off get offFormat.
QStringList perSensor(const QString &format,
                      const QStringList &off = {},
                      const QString &offFormat = {})
{
    QStringList texts;
    for (const QString &name :
         QStringLiteral(
             "accelerometer als compass gyroscope magnetometer orientation proximity tap")
             .split(QLatin1Char(' ')))
        texts.append((off.contains(name) ? offFormat : format).arg(name));
    return calls(texts);
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

template<typename Model>
QString xyz(const char *name, const Model *model)
{
    return QLatin1String(name) + QLatin1Char('=') + number(model->x()) + QLatin1Char(',')
           + number(model->y()) + QLatin1Char(',') + number(model->z());
}

QString switchedOn(const QVariantMap &states)
{
    QStringList names = states.keys();
    names.removeIf([&](const QString &name) { return !states.value(name).toBool(); });
    return names.join(QLatin1Char('+'));
}

// Everything the manager shows locally, one word per model.
QStringList readings(const M &m)
{
    return {
        xyz("a", m.accelerometer()),
        xyz("m", m.magnetometer())
            + QStringLiteral("/%1").arg(m.magnetometer()->calibrationLevel()),
        xyz("f", m.magneticField()),
        QStringLiteral("c=%1/%2").arg(m.compass()->azimuth()).arg(m.compass()->calibrationLevel()),
        QStringLiteral("o=%1").arg(int(m.orientation()->orientation())),
        xyz("g", m.gyroscope()),
        QStringLiteral("l=%1").arg(m.als()->lux()),
        QStringLiteral("p=%1").arg(m.proximity()->reflectance()),
        QStringLiteral("t=%1").arg(int(m.tap()->tapDirection())),
        QStringLiteral("e=") + switchedOn(m.sensorsEnabledStates()),
        QStringLiteral("v=") + switchedOn(m.sensorsAvailability())};
}

// The words of after that differ from before.
QString changes(const QStringList &before, const QStringList &after)
{
    QStringList changed;
    for (int i = 0; i < after.size(); ++i) {
        if (after.at(i) != before.at(i))
            changed.append(after.at(i));
    }
    return changed.join(QLatin1Char(' '));
}

const QStringList defaultReadings = calls({"setAccelerometerValues int32:0 int32:0 int32:1000",
                                           "setMagnetometerValues double:4.3e-05 double:0 double:0",
                                           "setMagnetometerCalibrationLevel int32:0",
                                           "setGyroscopeValues double:0 double:0 double:1.14592",
                                           "setAlsValue int32:100",
                                           "setProximitySensorValue int32:5",
                                           "setTapSensorValue int32:-1"});

} // namespace

class SensorsEmulationManagerTest : public ManagerTest<M>
{
    Q_OBJECT

private slots:
    void callTable();
    void defaultValuesLeaveFieldAndStates();
    void firstConnectionQueriesThenAppliesDefaults();
    void reconnectionAppliesAvailabilityAndLatestReadings();
    void availability();
    void enabledReplies();
    void readingsSurviveARestart();
};

void SensorsEmulationManagerTest::callTable()
{
    struct Row
    {
        void (*step)(M &);
        const char *frames; // one a line; empty: nothing sent
        const char *changes;
    };
    // clang-format off
    static const Row rows[] = {
        {[](M &m) { m.enableSensor("gyroscope"); }, "enableSensor string:gyroscope", ""},
        {[](M &m) { m.disableSensor("tap"); }, "disableSensor string:tap", ""},
        {[](M &m) { m.setAccelerometerValues(10, -20, 981); }, "setAccelerometerValues int32:10 int32:-20 int32:981", "a=10,-20,981"},
        {[](M &m) { m.setAccelerometerValues(0, 0, 0); }, "setAccelerometerValues int32:0 int32:0 int32:0", "a=0,0,0 c=0/0"},
        {[](M &m) { m.setAccelerometerX(-500); }, "setAccelerometerX int32:-500", "a=-500,0,1000 o=3"},
        {[](M &m) { m.setAccelerometerY(1234567); }, "setAccelerometerY int32:1234567", "a=0,1234567,1000 o=1"},
        {[](M &m) { m.setAccelerometerZ(-1000); }, "setAccelerometerZ int32:-1000", "a=0,0,-1000 c=90/0 o=6"},
        {[](M &m) { m.setAlsLuxValue(2500); }, "setAlsValue int32:2500", "l=2500"},
        {[](M &m) { m.setAlsLightLevel(AlsModel::Twilight); }, "setAlsValue int32:10", "l=10"},
        {[](M &m) { m.setGyroscopeValues(0.5, -1.1459155902616465, 4.3e-5); }, "setGyroscopeValues double:0.5 double:-1.14592 double:4.3e-05", "g=0.5,-1.14591559,4.3e-05"},
        {[](M &m) { m.setGyroscopeX(1234567); }, "setGyroscopeX double:1.23457e+06", "g=1234567,0,1.14591559"},
        {[](M &m) { m.setGyroscopeY(0.0001); }, "setGyroscopeY double:0.0001", "g=0,0.0001,1.14591559"},
        {[](M &m) { m.setGyroscopeZ(-100); }, "setGyroscopeZ double:-100", "g=0,0,-100"},
        {[](M &m) { m.setMagnetometerValues(0, 4.3e-5, -1e-7); }, "setMagnetometerValues double:0 double:4.3e-05 double:-1e-07", "m=0,4.3e-05,-1e-07/0 c=0/0"},
        {[](M &m) { m.setMagnetometerX(-2.5e-5); }, "setMagnetometerX double:-2.5e-05", "m=-2.5e-05,0,0/0 c=90/0"},
        {[](M &m) { m.setMagnetometerY(4.3e-5); }, "setMagnetometerY double:4.3e-05", "m=4.3e-05,4.3e-05,0/0 c=315/0"},
        {[](M &m) { m.setMagnetometerZ(1.5e-5); }, "setMagnetometerZ double:1.5e-05", "m=4.3e-05,0,1.5e-05/0"},
        {[](M &m) { m.setMagnetometerCalibrationLevel(3); }, "setMagnetometerCalibrationLevel int32:3", "m=4.3e-05,0,0/3 c=270/3"},
        {[](M &m) { m.setCompassCalibrationLevel(2); }, "setMagnetometerCalibrationLevel int32:2", "m=4.3e-05,0,0/2 c=270/2"},
        {[](M &m) { m.setCompassAzimuth(370); }, "setAccelerometerValues int32:0 int32:0 int32:1000\nsetMagnetometerValues double:-7.56915e-06 double:4.29268e-05 double:0", "m=-7.569148582e-06,4.292677474e-05,0/0 c=10/0"},
        {[](M &m) { m.setCompassAzimuth(-10); }, "setAccelerometerValues int32:0 int32:0 int32:1000\nsetMagnetometerValues double:7.56915e-06 double:4.29268e-05 double:0", "m=7.569148582e-06,4.292677474e-05,0/0 c=350/0"},
        {[](M &m) { m.setCompassAzimuth(90); }, "setAccelerometerValues int32:0 int32:0 int32:1000\nsetMagnetometerValues double:-4.3589e-05 double:2.66906e-21 double:0", "m=-4.358898944e-05,2.66905582e-21,0/0 c=90/0"},
        {[](M &m) { m.setProximitySensorReflectanceValue(7); }, "setProximitySensorValue int32:7", "p=7"},
        {[](M &m) { m.setTapSensorValue(TapModel::Z_Pos); }, "setTapSensorValue int32:6", "t=6"},
        {[](M &m) { m.setOrientation(1); }, "setAccelerometerValues int32:0 int32:100 int32:0", "a=0,100,0 o=1"},
        {[](M &m) { m.setOrientation(2); }, "setAccelerometerValues int32:0 int32:-100 int32:0", "a=0,-100,0 o=2"},
        {[](M &m) { m.setOrientation(3); }, "setAccelerometerValues int32:-100 int32:0 int32:0", "a=-100,0,0 c=90/0 o=3"},
        {[](M &m) { m.setOrientation(4); }, "setAccelerometerValues int32:100 int32:0 int32:0", "a=100,0,0 c=90/0 o=4"},
        {[](M &m) { m.setOrientation(5); }, "setAccelerometerValues int32:0 int32:0 int32:300", "a=0,0,300"},
        {[](M &m) { m.setOrientation(6); }, "setAccelerometerValues int32:0 int32:0 int32:-300", "a=0,0,-300 c=90/0 o=6"},
        {[](M &m) { m.setOrientation(0); m.setOrientation(7); }, "", ""},
        {[](M &m) { m.setMagneticFieldX(-4.5); m.setMagneticFieldY(4.5); m.setMagneticFieldZ(45); }, "", "f=-4.5,4.5,45"},
        {[](M &m) { m.setSensorEnabled("als", true); }, "", "e=als"},
    };
    // clang-format on
    QVERIFY(m_fixture->connectInvoker());
    for (const Row &row : rows) {
        M manager;
        manager.setRdbusinvoker(m_fixture->invoker());
        const QStringList before = readings(manager);
        const QStringList frames = QString::fromLatin1(row.frames).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(m_fixture->framesAfter([&] { row.step(manager); }), calls(frames));
        QCOMPARE(changes(before, readings(manager)), QLatin1String(row.changes));
    }
}

void SensorsEmulationManagerTest::defaultValuesLeaveFieldAndStates()
{
    QVERIFY(m_fixture->connectInvoker());
    m_manager->setMagneticFieldValues(1, 2, 3);
    m_manager->setSensorEnabled(QStringLiteral("tap"), true);
    m_manager->setAccelerometerValues(1, 2, 3);
    m_manager->setAlsLuxValue(7);
    m_manager->setGyroscopeValues(1, 2, 3);
    m_manager->setMagnetometerValues(1, 2, 3);
    m_manager->setMagnetometerCalibrationLevel(2);
    m_manager->setProximitySensorReflectanceValue(1);
    m_manager->setTapSensorValue(TapModel::X_Pos);

    QStringList expected;
    for (const int i : {0, 4, 3, 1, 2, 5, 6})
        expected.append(defaultReadings.at(i));
    QCOMPARE(m_fixture->framesAfter([&] { m_manager->setDefaultValues(); }), expected);
    const M fresh;
    QCOMPARE(changes(readings(fresh), readings(*m_manager)), QStringLiteral("f=1,2,3 e=tap"));
}

void SensorsEmulationManagerTest::firstConnectionQueriesThenAppliesDefaults()
{
    // A frame of its own shows where the signal comes among the calls.
    connect(m_manager.get(), &M::sensorsInitialized, this, [&] {
        m_fixture->invoker()->invokeMethod(QStringLiteral("initialized"), {}, {}, {}, {}, {});
    });
    QStringList expected = perSensor(QStringLiteral("enabled string:%1")) + defaultReadings;
    expected.append(
        RemoteDBusInvokerService::callText(QStringLiteral("initialized"), {}, {}, {}, {}, {}));
    QCOMPARE(m_fixture->framesAfter([&] { QVERIFY(m_fixture->connectInvoker()); }), expected);
    QCOMPARE(switchedOn(m_manager->sensorsEnabledStates()), QString());
}

void SensorsEmulationManagerTest::reconnectionAppliesAvailabilityAndLatestReadings()
{
    QSignalSpy initialized(m_manager.get(), &M::sensorsInitialized);
    QSignalSpy disconnected(m_fixture->invoker(), &RemoteDBusInvokerService::webSocketDisconnected);
    QVERIFY(m_fixture->connectInvoker());
    QTRY_COMPARE_WITH_TIMEOUT(initialized.size(), 1, eventTimeoutMs);
    m_manager->setSensorAvailability(QStringLiteral("compass"), false);
    m_manager->setSensorAvailability(QStringLiteral("tap"), false);
    m_manager->setSensorEnabled(QStringLiteral("als"), false);
    m_manager->setAccelerometerValues(0, 100, 0);

    // What the user sets while the emulator is away is dropped on the way,
    // but it is what the emulator gets when it is back.
    m_fixture->server().close();
    QVERIFY(disconnected.wait(eventTimeoutMs));
    m_manager->setAlsLuxValue(400);
    m_manager->setTapSensorValue(TapModel::Y_Pos);
    QVERIFY(m_fixture->server().listen());
    QSignalSpy enabledChanged(m_manager.get(), &M::sensorsEnabledStatesChanged);
    QSignalSpy availabilityChanged(m_manager.get(), &M::sensorsAvailabilityChanged);
    QCOMPARE(m_fixture->framesAfter([&] { QVERIFY(initialized.wait(eventTimeoutMs)); }),
             perSensor(QStringLiteral("enableSensor string:%1"),
                       {QStringLiteral("compass"), QStringLiteral("tap")},
                       QStringLiteral("disableSensor string:%1"))
                 + calls({"setAccelerometerValues int32:0 int32:100 int32:0",
                          "setMagnetometerValues double:4.3e-05 double:0 double:0",
                          "setMagnetometerCalibrationLevel int32:0",
                          "setGyroscopeValues double:0 double:0 double:1.14592",
                          "setAlsValue int32:400",
                          "setProximitySensorValue int32:5",
                          "setTapSensorValue int32:7"}));
    QCOMPARE(enabledChanged.size(), 8);
    QCOMPARE(availabilityChanged.size(), 8);
    QCOMPARE(switchedOn(m_manager->sensorsEnabledStates()),
             QStringLiteral("accelerometer+als+gyroscope+magnetometer+orientation+proximity"));
}

void SensorsEmulationManagerTest::availability()
{
    QVERIFY(m_fixture->connectInvoker());
    QStringList order;
    connect(m_manager.get(), &M::sensorsEnabledStatesChanged, this, [&] { order << "enabled"; });
    connect(m_manager.get(), &M::sensorsAvailabilityChanged, this, [&] { order << "available"; });
    QCOMPARE(m_fixture->framesAfter([&] {
        m_manager->setSensorAvailability(QStringLiteral("gyroscope"), false);
        m_manager->setSensorAvailability(QStringLiteral("proximity"), true);
    }),
             calls({"disableSensor string:gyroscope", "enableSensor string:proximity"}));
    QCOMPARE(order, QStringList({"enabled", "available", "enabled", "available"}));
    QCOMPARE(switchedOn(m_manager->sensorsEnabledStates()), QStringLiteral("proximity"));

    m_manager->setSensorAvailability(QStringLiteral("tap"), false);
    order.clear();
    QCOMPARE(m_fixture->framesAfter([&] { m_manager->setAllSensorsAvailable(); }),
             perSensor(QStringLiteral("enableSensor string:%1")));
    QCOMPARE(order.join(QLatin1Char(' ')),
             QStringLiteral("available") + QStringLiteral(" enabled").repeated(8));
    QCOMPARE(m_manager->sensorsEnabledStates(), m_manager->sensorsAvailability());
    QCOMPARE(switchedOn(m_manager->sensorsAvailability()).count(QLatin1Char('+')), 7);
}

void SensorsEmulationManagerTest::enabledReplies()
{
    struct Row
    {
        const char *reply;
        bool available;
        int gyroscope; // enabled after the reply, 0 or 1; -1: the reply is ignored
        const char *frame;
    };
    static const Row rows[] = {
        {"enabled:gyroscope:true::", true, 1, ""},
        {"enabled:gyroscope:yes::", true, 1, ""},
        {"enabled:gyroscope:::", true, 0, ""},
        {"ENABLED:gyroscope:true::", true, 1, ""},
        {"enabled:||gyroscope|tap:true::", true, 1, ""},
        {"enabled:gyroscope:true::", false, 0, "disableSensor string:gyroscope"},
        {"setAlsValue:100:::", true, -1, ""},
        {"enabled::true::", true, -1, ""},
        {"enabled:||:true::", true, -1, ""},
        {"enabled:magneticField:true::", true, -1, ""},
        {"enabled:Gyroscope:true::", true, -1, ""},
    };
    QVERIFY(m_fixture->connectInvoker());
    for (const Row &row : rows) {
        M manager;
        manager.setRdbusinvoker(m_fixture->invoker());
        manager.setSensorAvailability(QStringLiteral("gyroscope"), row.available);
        manager.setSensorEnabled(QStringLiteral("gyroscope"), row.gyroscope == 0);
        QSignalSpy changed(&manager, &M::sensorsEnabledStatesChanged);
        QSignalSpy status(&manager, &EmulationManager::replyFromEmulatorReceived);
        const QStringList expected = *row.frame ? calls({row.frame}) : QStringList();
        QCOMPARE(m_fixture->framesAfter([&] {
            m_fixture->server().reply(QLatin1String(row.reply));
            QVERIFY(status.wait(eventTimeoutMs));
        }),
                 expected);
        QCOMPARE(status.first().first().toString(), QStringLiteral("OK"));
        QCOMPARE(changed.size(), row.gyroscope < 0 ? 0 : 1);
        QCOMPARE(manager.sensorsEnabledStates().size(), 8);
        QCOMPARE(switchedOn(manager.sensorsEnabledStates()),
                 QLatin1String(row.gyroscope == 1 ? "gyroscope" : ""));
    }
}

void SensorsEmulationManagerTest::readingsSurviveARestart()
{
    m_manager->setAccelerometerValues(1, 2, 3);
    m_manager->setMagnetometerValues(1e-05, 2e-05, 3e-05);
    m_manager->setMagnetometerCalibrationLevel(1);
    m_manager->setProximitySensorReflectanceValue(3);
    m_manager->setTapSensorValue(TapModel::X_Both);
    // A page may write a model directly; the manager still keeps it.
    m_manager->gyroscope()->setZ(9.5);
    m_manager->magneticField()->setX(-7);
    m_manager->als()->setLux(80);
    m_manager.reset();
    m_fixture->restartSettings();

    m_manager = std::make_unique<M>();
    m_manager->setRdbusinvoker(m_fixture->invoker());
    const QStringList frames
        = m_fixture->framesAfter([&] { QVERIFY(m_fixture->connectInvoker()); });
    QCOMPARE(frames.mid(8),
             calls({"setAccelerometerValues int32:1 int32:2 int32:3",
                    "setMagnetometerValues double:1e-05 double:2e-05 double:3e-05",
                    "setMagnetometerCalibrationLevel int32:1",
                    "setGyroscopeValues double:0 double:0 double:9.5",
                    "setAlsValue int32:80",
                    "setProximitySensorValue int32:3",
                    "setTapSensorValue int32:0"}));
    QCOMPARE(xyz("f", m_manager->magneticField()), QStringLiteral("f=-7,5.95,-48.76"));
}

QTEST_GUILESS_MAIN(SensorsEmulationManagerTest)

#include "tst_sensorsemulationmanager.moc"
