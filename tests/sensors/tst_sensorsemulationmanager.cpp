#include "recordingserver.h"

#include "sensors/sensorsemulationmanager.h"
#include "transport/remotedbusinvokerservice.h"

#include <coreplugin/icore.h>
#include <utils/qtcsettings.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <tuple>

using namespace EmulationManagement::Internal;

namespace {

const QString callPrefix = QStringLiteral(
    "system ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement "
    "ru.quor.SensorfwEmulationManagement ");

QStringList calls(const QStringList &methodsAndArguments)
{
    QStringList result;
    for (const QString &call : methodsAndArguments)
        result.append(callPrefix + call);
    return result;
}

QVariantMap enabledStates(bool state, const QVariantMap &exceptions = {})
{
    QVariantMap states;
    for (const char *name : {"accelerometer",
                             "als",
                             "compass",
                             "gyroscope",
                             "magnetometer",
                             "orientation",
                             "proximity",
                             "tap"})
        states.insert(QString::fromLatin1(name), state);
    states.insert(exceptions);
    return states;
}

// Watches every notify signal of the manager and its models, named
// "<model>.<property>" ("manager.<property>" for the manager's own).
class ChangeRecorder
{
public:
    explicit ChangeRecorder(SensorsEmulationManager &manager)
    {
        watch(QStringLiteral("manager"), &manager);
        const QMetaObject *meta = manager.metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (auto model = property.read(&manager).value<QObject *>())
                watch(QString::fromLatin1(property.name()), model);
        }
    }

    QMap<QString, int> counts() const
    {
        QMap<QString, int> result;
        for (const Watched &watched : m_watched) {
            if (watched.spy->size() > 0)
                result.insert(watched.name, watched.spy->size());
        }
        return result;
    }

    QVariant value(const QString &name) const
    {
        for (const Watched &watched : m_watched) {
            if (watched.name == name)
                return watched.object->property(watched.property.constData());
        }
        return {};
    }

private:
    struct Watched
    {
        QString name;
        QObject *object;
        QByteArray property;
        std::shared_ptr<QSignalSpy> spy;
    };

    void watch(const QString &prefix, QObject *object)
    {
        const QMetaObject *meta = object->metaObject();
        for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.hasNotifySignal())
                continue;
            m_watched.append({prefix + QLatin1Char('.') + QString::fromLatin1(property.name()),
                              object,
                              property.name(),
                              std::make_shared<QSignalSpy>(object, property.notifySignal())});
        }
    }

    QList<Watched> m_watched;
};

bool sameValue(const QVariant &actual, const QVariant &expected)
{
    switch (expected.typeId()) {
    case QMetaType::Double:
        return actual.toDouble() == expected.toDouble();
    case QMetaType::Int:
        return actual.toInt() == expected.toInt();
    case QMetaType::QVariantMap:
        return actual.toMap() == expected.toMap();
    default:
        return actual == expected;
    }
}

bool invoke(QObject *object, const QString &method, const QVariantList &arguments)
{
    QGenericArgument generic[3];
    for (int i = 0; i < arguments.size(); ++i)
        generic[i] = QGenericArgument(arguments.at(i).typeName(), arguments.at(i).constData());
    return QMetaObject::invokeMethod(object,
                                     method.toLatin1().constData(),
                                     Qt::DirectConnection,
                                     generic[0],
                                     generic[1],
                                     generic[2]);
}

int azimuthFor(int ax, int ay, int az, double mx = 4.3e-05, double my = 0, double mz = 0)
{
    return CompassModel::calculateAzimuth(ax, ay, az, mx, my, mz);
}

} // namespace

class SensorsEmulationManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructionSendsNothing();
    void serviceAddress();

    void callTable_data();
    void callTable();
    void compassAzimuthTurnsTheDevice_data();
    void compassAzimuthTurnsTheDevice();
    void lightLevels_data();
    void lightLevels();
    void tapDirection();
    void defaultValues();

    void firstConnectionQueriesThenAppliesDefaults();
    void firstConnectionAppliesStoredReadings();
    void reconnectionAppliesAvailabilityAndLatestReadings();
    void readingsSetWhileDisconnectedReachTheEmulator();

    void sensorAvailability();
    void allSensorsAvailable();

    void enabledReplies_data();
    void enabledReplies();
    void ignoredReplies_data();
    void ignoredReplies();

    void readingsAreWrittenThrough();
    void readingsSurviveARestart();

private:
    RemoteDBusInvokerService *connectInvoker();
    QStringList framesDuring(const std::function<void()> &operation);
    QString sendMarker();
    void restartSettings();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_fileName;
    std::unique_ptr<Utils::QtcSettings> m_settings;
    std::unique_ptr<Core::ICore> m_core;
    std::unique_ptr<RecordingServer> m_server;
    std::unique_ptr<RemoteDBusInvokerService> m_invoker;
    int m_markers = 0;
    bool m_invokerConnected = false;
};

void SensorsEmulationManagerTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_fileName = m_dir->filePath(QStringLiteral("settings.ini"));
    m_settings = std::make_unique<Utils::QtcSettings>(m_fileName, QSettings::IniFormat);
    m_core = std::make_unique<Core::ICore>(nullptr, m_settings.get(), Utils::FilePath());
    m_server = std::make_unique<RecordingServer>();
    QVERIFY(m_server->listen());
    m_invoker = std::make_unique<RemoteDBusInvokerService>();
    m_invokerConnected = false;
    connect(m_invoker.get(), &RemoteDBusInvokerService::webSocketConnected, this, [this] {
        m_invokerConnected = true;
    });
    connect(m_invoker.get(), &RemoteDBusInvokerService::webSocketDisconnected, this, [this] {
        m_invokerConnected = false;
    });
}

void SensorsEmulationManagerTest::cleanup()
{
    m_invoker.reset();
    m_server.reset();
    m_core.reset();
    m_settings.reset();
    m_dir.reset();
}

// Connects the invoker and returns it once the socket is open.
RemoteDBusInvokerService *SensorsEmulationManagerTest::connectInvoker()
{
    QSignalSpy connected(m_invoker.get(), &RemoteDBusInvokerService::webSocketConnected);
    m_invoker->connectToEmulator();
    if (!connected.wait())
        return nullptr;
    return m_invoker.get();
}

// The frames that the operation sends. Marker frames before and after it
// show that the earlier frames and all of the operation's have arrived.
QStringList SensorsEmulationManagerTest::framesDuring(const std::function<void()> &operation)
{
    if (m_invokerConnected && sendMarker().isEmpty())
        return {QStringLiteral("earlier frames never arrived")};
    const int start = m_server->frames.size();
    operation();
    const QString marker = sendMarker();
    if (marker.isEmpty())
        return {QStringLiteral("marker never arrived")};
    const QStringList frames = m_server->frames.mid(start);
    return frames.mid(0, frames.indexOf(marker));
}

// Sends a marker frame and returns its text once it has arrived, or an empty
// text if it never does.
QString SensorsEmulationManagerTest::sendMarker()
{
    const QString marker = QStringLiteral("marker%1").arg(++m_markers);
    m_invoker->invokeMethod(marker, {}, {}, {}, {}, {});
    const QString markerText = RemoteDBusInvokerService::callText(marker, {}, {}, {}, {}, {});
    if (!QTest::qWaitFor([&] { return m_server->frames.contains(markerText); }))
        return {};
    return markerText;
}

// The IDE restarting: a new settings object over the same file.
void SensorsEmulationManagerTest::restartSettings()
{
    m_core.reset();
    m_settings.reset();
    m_settings = std::make_unique<Utils::QtcSettings>(m_fileName, QSettings::IniFormat);
    m_core = std::make_unique<Core::ICore>(nullptr, m_settings.get(), Utils::FilePath());
}

void SensorsEmulationManagerTest::constructionSendsNothing()
{
    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    QCOMPARE(manager.sensorsEnabledStates(), enabledStates(false));
    QCOMPARE(manager.sensorsAvailability(), enabledStates(true));
    QCOMPARE(framesDuring([&] { manager.setRdbusinvoker(m_invoker.get()); }), QStringList());
    QCOMPARE(manager.accelerometer()->parent(), &manager);
    QCOMPARE(manager.tap()->parent(), &manager);
    QCOMPARE(manager.magneticField()->y(), 5.95);
    QCOMPARE(manager.compass()->azimuth(), 270);
}

void SensorsEmulationManagerTest::serviceAddress()
{
    const SensorsEmulationManager manager;
    QCOMPARE(manager.bus(), "system");
    QCOMPARE(manager.serviceName(), "ru.quor.SensorfwEmulationManagement");
    QCOMPARE(manager.objectPath(), "/ru/quor/SensorfwEmulationManagement");
    QCOMPARE(manager.interfaceName(), "ru.quor.SensorfwEmulationManagement");
}

void SensorsEmulationManagerTest::callTable_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QStringList>("frames");
    // Every property whose change signal must fire (once), with its value after.
    QTest::addColumn<QVariantMap>("changes");
    // Properties of the changes whose signal fires twice.
    QTest::addColumn<QStringList>("twice");

    using O = QOrientationReading;
    QTest::newRow("enableSensor") << "enableSensor" << QVariantList{QStringLiteral("gyroscope")}
                                  << QStringList{"enableSensor string:gyroscope"} << QVariantMap()
                                  << QStringList();
    QTest::newRow("disableSensor")
        << "disableSensor" << QVariantList{QStringLiteral("tap")}
        << QStringList{"disableSensor string:tap"} << QVariantMap() << QStringList();
    QTest::newRow("setAccelerometerValues")
        << "setAccelerometerValues" << QVariantList{10, -20, 981}
        << QStringList{"setAccelerometerValues int32:10 int32:-20 int32:981"}
        << QVariantMap{{"accelerometer.x", 10},
                       {"accelerometer.y", -20},
                       {"accelerometer.z", 981},
                       {"compass.azimuth", azimuthFor(10, -20, 981)},
                       {"orientation.orientation", int(O::FaceUp)}}
        << QStringList();
    QTest::newRow("zero accelerometer gives azimuth 0")
        << "setAccelerometerValues" << QVariantList{0, 0, 0}
        << QStringList{"setAccelerometerValues int32:0 int32:0 int32:0"}
        << QVariantMap{{"accelerometer.x", 0},
                       {"accelerometer.y", 0},
                       {"accelerometer.z", 0},
                       {"compass.azimuth", 0},
                       {"orientation.orientation", int(O::FaceUp)}}
        << QStringList();
    QTest::newRow("setAccelerometerX")
        << "setAccelerometerX" << QVariantList{-500} << QStringList{"setAccelerometerX int32:-500"}
        << QVariantMap{{"accelerometer.x", -500},
                       {"compass.azimuth", azimuthFor(-500, 0, 1000)},
                       {"orientation.orientation", int(O::LeftUp)}}
        << QStringList();
    QTest::newRow("setAccelerometerY")
        << "setAccelerometerY" << QVariantList{1234567}
        << QStringList{"setAccelerometerY int32:1234567"}
        << QVariantMap{{"accelerometer.y", 1234567},
                       {"compass.azimuth", azimuthFor(0, 1234567, 1000)},
                       {"orientation.orientation", int(O::TopUp)}}
        << QStringList();
    QTest::newRow("setAccelerometerZ") << "setAccelerometerZ" << QVariantList{-1000}
                                       << QStringList{"setAccelerometerZ int32:-1000"}
                                       << QVariantMap{{"accelerometer.z", -1000},
                                                      {"compass.azimuth", 90},
                                                      {"orientation.orientation", int(O::FaceDown)}}
                                       << QStringList();
    QTest::newRow("setAlsLuxValue")
        << "setAlsLuxValue" << QVariantList{2500} << QStringList{"setAlsValue int32:2500"}
        << QVariantMap{{"als.lux", 2500}} << QStringList();
    QTest::newRow("setGyroscopeValues")
        << "setGyroscopeValues" << QVariantList{0.5, -1.1459155902616465, 4.3e-05}
        << QStringList{"setGyroscopeValues double:0.5 double:-1.14592 double:4.3e-05"}
        << QVariantMap{{"gyroscope.x", 0.5},
                       {"gyroscope.y", -1.1459155902616465},
                       {"gyroscope.z", 4.3e-05}}
        << QStringList();
    QTest::newRow("setGyroscopeX") << "setGyroscopeX" << QVariantList{1234567.0}
                                   << QStringList{"setGyroscopeX double:1.23457e+06"}
                                   << QVariantMap{{"gyroscope.x", 1234567.0}} << QStringList();
    QTest::newRow("setGyroscopeY")
        << "setGyroscopeY" << QVariantList{0.0001} << QStringList{"setGyroscopeY double:0.0001"}
        << QVariantMap{{"gyroscope.y", 0.0001}} << QStringList();
    QTest::newRow("setGyroscopeZ")
        << "setGyroscopeZ" << QVariantList{-100.0} << QStringList{"setGyroscopeZ double:-100"}
        << QVariantMap{{"gyroscope.z", -100.0}} << QStringList();
    QTest::newRow("setMagnetometerValues")
        << "setMagnetometerValues" << QVariantList{0.0, 4.3e-05, -1e-07}
        << QStringList{"setMagnetometerValues double:0 double:4.3e-05 double:-1e-07"}
        << QVariantMap{{"magnetometer.x", 0.0},
                       {"magnetometer.y", 4.3e-05},
                       {"magnetometer.z", -1e-07},
                       {"compass.azimuth", azimuthFor(0, 0, 1000, 0, 4.3e-05, -1e-07)}}
        << QStringList();
    QTest::newRow("setMagnetometerX")
        << "setMagnetometerX" << QVariantList{-2.5e-05}
        << QStringList{"setMagnetometerX double:-2.5e-05"}
        << QVariantMap{{"magnetometer.x", -2.5e-05}, {"compass.azimuth", 90}} << QStringList();
    QTest::newRow("setMagnetometerY")
        << "setMagnetometerY" << QVariantList{4.3e-05}
        << QStringList{"setMagnetometerY double:4.3e-05"}
        << QVariantMap{{"magnetometer.y", 4.3e-05}, {"compass.azimuth", 315}} << QStringList();
    QTest::newRow("setMagnetometerZ")
        << "setMagnetometerZ" << QVariantList{1.5e-05}
        << QStringList{"setMagnetometerZ double:1.5e-05"}
        << QVariantMap{{"magnetometer.z", 1.5e-05},
                       {"compass.azimuth", azimuthFor(0, 0, 1000, 4.3e-05, 0, 1.5e-05)}}
        << QStringList();
    QTest::newRow("setMagnetometerCalibrationLevel")
        << "setMagnetometerCalibrationLevel" << QVariantList{3}
        << QStringList{"setMagnetometerCalibrationLevel int32:3"}
        << QVariantMap{{"magnetometer.calibrationLevel", 3}, {"compass.calibrationLevel", 3}}
        << QStringList();
    QTest::newRow("setCompassCalibrationLevel")
        << "setCompassCalibrationLevel" << QVariantList{2}
        << QStringList{"setMagnetometerCalibrationLevel int32:2"}
        << QVariantMap{{"magnetometer.calibrationLevel", 2}, {"compass.calibrationLevel", 2}}
        << QStringList{"compass.calibrationLevel"};
    QTest::newRow("setProximitySensorReflectanceValue")
        << "setProximitySensorReflectanceValue" << QVariantList{7}
        << QStringList{"setProximitySensorValue int32:7"}
        << QVariantMap{{"proximity.reflectance", 7}} << QStringList();
    QTest::newRow("near") << "setProximitySensorNearValue" << QVariantList{true}
                          << QStringList{"setProximitySensorValue int32:0"}
                          << QVariantMap{{"proximity.reflectance", 0}} << QStringList();
    QTest::newRow("far") << "setProximitySensorNearValue" << QVariantList{false}
                         << QStringList{"setProximitySensorValue int32:10"}
                         << QVariantMap{{"proximity.reflectance", 10}} << QStringList();

    const QList<std::tuple<int, int, int, int>> orientations = {{O::TopUp, 0, 100, 0},
                                                                {O::TopDown, 0, -100, 0},
                                                                {O::LeftUp, -100, 0, 0},
                                                                {O::RightUp, 100, 0, 0},
                                                                {O::FaceUp, 0, 0, 300},
                                                                {O::FaceDown, 0, 0, -300}};
    for (const auto &[orientation, x, y, z] : orientations) {
        QTest::addRow("setOrientation %d", orientation)
            << "setOrientation" << QVariantList{orientation}
            << QStringList{QStringLiteral("setAccelerometerValues int32:%1 int32:%2 int32:%3")
                               .arg(x)
                               .arg(y)
                               .arg(z)}
            << QVariantMap{{"accelerometer.x", x},
                           {"accelerometer.y", y},
                           {"accelerometer.z", z},
                           {"compass.azimuth", azimuthFor(x, y, z)},
                           {"orientation.orientation", orientation}}
            << QStringList();
    }
    QTest::newRow("setOrientation 0 is ignored")
        << "setOrientation" << QVariantList{0} << QStringList() << QVariantMap() << QStringList();
    QTest::newRow("setOrientation 7 is ignored")
        << "setOrientation" << QVariantList{7} << QStringList() << QVariantMap() << QStringList();

    QTest::newRow("setMagneticFieldValues sends nothing")
        << "setMagneticFieldValues" << QVariantList{1.0, 2.0, 3.0} << QStringList()
        << QVariantMap{{"magneticField.x", 1.0}, {"magneticField.y", 2.0}, {"magneticField.z", 3.0}}
        << QStringList();
    QTest::newRow("setMagneticFieldX") << "setMagneticFieldX" << QVariantList{-4.5} << QStringList()
                                       << QVariantMap{{"magneticField.x", -4.5}} << QStringList();
    QTest::newRow("setMagneticFieldY") << "setMagneticFieldY" << QVariantList{4.5} << QStringList()
                                       << QVariantMap{{"magneticField.y", 4.5}} << QStringList();
    QTest::newRow("setMagneticFieldZ") << "setMagneticFieldZ" << QVariantList{45.0} << QStringList()
                                       << QVariantMap{{"magneticField.z", 45.0}} << QStringList();
    QTest::newRow("setSensorEnabled sends nothing")
        << "setSensorEnabled" << QVariantList{QStringLiteral("als"), true} << QStringList()
        << QVariantMap{{"manager.sensorsEnabledStates", enabledStates(false, {{"als", true}})}}
        << QStringList();
}

void SensorsEmulationManagerTest::callTable()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QStringList, frames);
    QFETCH(QVariantMap, changes);
    QFETCH(QStringList, twice);

    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    const ChangeRecorder recorder(manager);

    QCOMPARE(framesDuring([&] { QVERIFY(invoke(&manager, method, arguments)); }), calls(frames));

    QMap<QString, int> expectedCounts;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        expectedCounts.insert(it.key(), twice.contains(it.key()) ? 2 : 1);
    QCOMPARE(recorder.counts(), expectedCounts);
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (!sameValue(recorder.value(it.key()), it.value())) {
            QFAIL(qPrintable(
                QStringLiteral("%1 is %2, expected %3")
                    .arg(it.key(), recorder.value(it.key()).toString(), it.value().toString())));
        }
    }
}

void SensorsEmulationManagerTest::compassAzimuthTurnsTheDevice_data()
{
    QTest::addColumn<int>("azimuth");
    QTest::addColumn<QString>("magnetometer");
    QTest::addColumn<int>("result");

    QTest::newRow("370") << 370 << "double:-7.56915e-06 double:4.29268e-05 double:0" << 10;
    QTest::newRow("-10") << -10 << "double:7.56915e-06 double:4.29268e-05 double:0" << 350;
    QTest::newRow("90") << 90 << "double:-4.3589e-05 double:2.66906e-21 double:0" << 90;
}

void SensorsEmulationManagerTest::compassAzimuthTurnsTheDevice()
{
    QFETCH(int, azimuth);
    QFETCH(QString, magnetometer);
    QFETCH(int, result);

    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    manager.setAccelerometerValues(200, 300, -700);
    QList<int> azimuths;
    connect(manager.compass(), &CompassModel::azimuthChanged, this, [&] {
        azimuths.append(manager.compass()->azimuth());
    });

    QCOMPARE(framesDuring([&] { manager.setCompassAzimuth(azimuth); }),
             calls({"setAccelerometerValues int32:0 int32:0 int32:1000",
                    "setMagnetometerValues " + magnetometer}));
    QCOMPARE(azimuths.size(), 3);
    QCOMPARE(azimuths.first(), azimuth);
    QCOMPARE(azimuths.at(1), 270);
    QCOMPARE(manager.compass()->azimuth(), result);
    QCOMPARE(manager.accelerometer()->z(), 1000);
    QCOMPARE(manager.orientation()->orientation(), QOrientationReading::FaceUp);
}

void SensorsEmulationManagerTest::lightLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("frame");

    QTest::newRow("Undefined") << int(AlsModel::Undefined) << "setAlsValue int32:-1";
    QTest::newRow("Dark") << int(AlsModel::Dark) << "setAlsValue int32:0";
    QTest::newRow("Twilight") << int(AlsModel::Twilight) << "setAlsValue int32:10";
    QTest::newRow("Light") << int(AlsModel::Light) << "setAlsValue int32:80";
    QTest::newRow("Bright") << int(AlsModel::Bright) << "setAlsValue int32:400";
    QTest::newRow("Sunny") << int(AlsModel::Sunny) << "setAlsValue int32:2500";
}

void SensorsEmulationManagerTest::lightLevels()
{
    QFETCH(int, level);
    QFETCH(QString, frame);

    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    QSignalSpy lux(manager.als(), &AlsModel::luxChanged);
    QCOMPARE(framesDuring([&] {
                 QVERIFY(QMetaObject::invokeMethod(
                     &manager,
                     "setAlsLightLevel",
                     Q_ARG(AlsModel::LightLevel, AlsModel::LightLevel(level))));
             }),
             calls({frame}));
    QCOMPARE(lux.size(), 1);
    QCOMPARE(manager.als()->lux(), level);
}

void SensorsEmulationManagerTest::tapDirection()
{
    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    QSignalSpy direction(manager.tap(), &TapModel::tapDirectionChanged);
    QCOMPARE(framesDuring([&] {
                 QVERIFY(QMetaObject::invokeMethod(&manager,
                                                   "setTapSensorValue",
                                                   Q_ARG(TapModel::TapDirection, TapModel::Z_Pos)));
             }),
             calls({"setTapSensorValue int32:6"}));
    QCOMPARE(direction.size(), 1);
    QCOMPARE(manager.tap()->tapDirection(), TapModel::Z_Pos);
    QCOMPARE(framesDuring([&] { manager.setTapSensorValue(TapModel::Y_Neg); }),
             calls({"setTapSensorValue int32:8"}));
}

void SensorsEmulationManagerTest::defaultValues()
{
    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    manager.setMagneticFieldValues(1, 2, 3);
    manager.setSensorEnabled(QStringLiteral("tap"), true);
    manager.setAccelerometerValues(1, 2, 3);
    manager.setAlsLuxValue(7);
    manager.setGyroscopeValues(1, 2, 3);
    manager.setMagnetometerValues(1, 2, 3);
    manager.setMagnetometerCalibrationLevel(2);
    manager.setProximitySensorReflectanceValue(1);
    manager.setTapSensorValue(TapModel::X_Pos);

    QCOMPARE(framesDuring([&] { manager.setDefaultValues(); }),
             calls({"setAccelerometerValues int32:0 int32:0 int32:1000",
                    "setAlsValue int32:100",
                    "setGyroscopeValues double:0 double:0 double:1.14592",
                    "setMagnetometerValues double:4.3e-05 double:0 double:0",
                    "setMagnetometerCalibrationLevel int32:0",
                    "setProximitySensorValue int32:5",
                    "setTapSensorValue int32:-1"}));
    QCOMPARE(manager.accelerometer()->z(), 1000);
    QCOMPARE(manager.gyroscope()->z(), 1.1459155902616465);
    QCOMPARE(manager.magnetometer()->x(), 4.3e-05);
    QCOMPARE(manager.compass()->azimuth(), 270);
    QCOMPARE(manager.compass()->calibrationLevel(), 0);
    QCOMPARE(manager.als()->lux(), 100);
    QCOMPARE(manager.proximity()->reflectance(), 5);
    QCOMPARE(manager.tap()->tapDirection(), TapModel::Undefined);
    QCOMPARE(manager.magneticField()->x(), 1.0);
    QCOMPARE(manager.magneticField()->z(), 3.0);
    QCOMPARE(manager.sensorsEnabledStates(), enabledStates(false, {{"tap", true}}));
}

void SensorsEmulationManagerTest::firstConnectionQueriesThenAppliesDefaults()
{
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    QSignalSpy initialized(&manager, &SensorsEmulationManager::sensorsInitialized);
    // A frame of its own shows where the signal comes among the calls.
    const QString initializedText
        = RemoteDBusInvokerService::callText(QStringLiteral("initialized"), {}, {}, {}, {}, {});
    connect(&manager, &SensorsEmulationManager::sensorsInitialized, this, [&] {
        m_invoker->invokeMethod(QStringLiteral("initialized"), {}, {}, {}, {}, {});
    });

    QStringList expected = calls({"enabled string:accelerometer",
                                  "enabled string:als",
                                  "enabled string:compass",
                                  "enabled string:gyroscope",
                                  "enabled string:magnetometer",
                                  "enabled string:orientation",
                                  "enabled string:proximity",
                                  "enabled string:tap",
                                  "setAccelerometerValues int32:0 int32:0 int32:1000",
                                  "setMagnetometerValues double:4.3e-05 double:0 double:0",
                                  "setMagnetometerCalibrationLevel int32:0",
                                  "setGyroscopeValues double:0 double:0 double:1.14592",
                                  "setAlsValue int32:100",
                                  "setProximitySensorValue int32:5",
                                  "setTapSensorValue int32:-1"});
    expected.append(initializedText);
    QCOMPARE(framesDuring([&] { QVERIFY(connectInvoker()); }), expected);
    QCOMPARE(initialized.size(), 1);
    QCOMPARE(manager.sensorsEnabledStates(), enabledStates(false));
    QCOMPARE(manager.magneticField()->y(), 5.95);
    QCOMPARE(manager.orientation()->orientation(), QOrientationReading::FaceUp);
}

void SensorsEmulationManagerTest::firstConnectionAppliesStoredReadings()
{
    {
        SettingsManager stored;
        stored.saveAccelerometerValues(-100, 0, 0);
        stored.saveMagnetometerValues(1e-05, -2e-05, 3e-05);
        stored.saveMagneticFieldValues(11, 12, 13);
        stored.saveMagnetometerCalibrationLevel(3);
        stored.saveGyroscopeValues(0.25, -0.5, 100);
        stored.saveAlsLux(80);
        stored.saveProximityReflectance(0);
        stored.saveTapDirection(4);
    }
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    QSignalSpy initialized(&manager, &SensorsEmulationManager::sensorsInitialized);

    const QStringList frames = framesDuring([&] { QVERIFY(connectInvoker()); });
    QCOMPARE(frames.mid(8),
             calls({"setAccelerometerValues int32:-100 int32:0 int32:0",
                    "setMagnetometerValues double:1e-05 double:-2e-05 double:3e-05",
                    "setMagnetometerCalibrationLevel int32:3",
                    "setGyroscopeValues double:0.25 double:-0.5 double:100",
                    "setAlsValue int32:80",
                    "setProximitySensorValue int32:0",
                    "setTapSensorValue int32:4"}));
    QCOMPARE(initialized.size(), 1);
    QCOMPARE(manager.magneticField()->x(), 11.0);
    QCOMPARE(manager.magneticField()->y(), 12.0);
    QCOMPARE(manager.magneticField()->z(), 13.0);
    QCOMPARE(manager.orientation()->orientation(), QOrientationReading::LeftUp);
    QCOMPARE(manager.compass()->azimuth(), azimuthFor(-100, 0, 0, 1e-05, -2e-05, 3e-05));
    QCOMPARE(manager.compass()->calibrationLevel(), 3);
    QCOMPARE(manager.tap()->tapDirection(), TapModel::X_Neg);
}

void SensorsEmulationManagerTest::reconnectionAppliesAvailabilityAndLatestReadings()
{
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    QSignalSpy initialized(&manager, &SensorsEmulationManager::sensorsInitialized);
    framesDuring([&] { QVERIFY(connectInvoker()); });
    QCOMPARE(initialized.size(), 1);

    manager.setSensorAvailability(QStringLiteral("compass"), false);
    manager.setSensorAvailability(QStringLiteral("tap"), false);
    manager.setSensorEnabled(QStringLiteral("als"), false);
    manager.setAccelerometerValues(0, 100, 0);
    manager.setAlsLuxValue(400);

    QSignalSpy enabledChanged(&manager, &SensorsEmulationManager::sensorsEnabledStatesChanged);
    QSignalSpy availabilityChanged(&manager, &SensorsEmulationManager::sensorsAvailabilityChanged);
    const QStringList frames = framesDuring([&] {
        m_server->dropClients();
        QVERIFY(initialized.wait());
    });
    QCOMPARE(frames,
             calls({"enableSensor string:accelerometer",
                    "enableSensor string:als",
                    "disableSensor string:compass",
                    "enableSensor string:gyroscope",
                    "enableSensor string:magnetometer",
                    "enableSensor string:orientation",
                    "enableSensor string:proximity",
                    "disableSensor string:tap",
                    "setAccelerometerValues int32:0 int32:100 int32:0",
                    "setMagnetometerValues double:4.3e-05 double:0 double:0",
                    "setMagnetometerCalibrationLevel int32:0",
                    "setGyroscopeValues double:0 double:0 double:1.14592",
                    "setAlsValue int32:400",
                    "setProximitySensorValue int32:5",
                    "setTapSensorValue int32:-1"}));
    QCOMPARE(initialized.size(), 2);
    QCOMPARE(enabledChanged.size(), 8);
    QCOMPARE(availabilityChanged.size(), 8);
    QCOMPARE(manager.sensorsEnabledStates(),
             enabledStates(true, {{"compass", false}, {"tap", false}}));
    QCOMPARE(manager.orientation()->orientation(), QOrientationReading::TopUp);
}

void SensorsEmulationManagerTest::readingsSetWhileDisconnectedReachTheEmulator()
{
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    QSignalSpy initialized(&manager, &SensorsEmulationManager::sensorsInitialized);
    QSignalSpy disconnected(m_invoker.get(), &RemoteDBusInvokerService::webSocketDisconnected);
    framesDuring([&] { QVERIFY(connectInvoker()); });

    // The emulator goes away; what the user sets meanwhile is dropped by the
    // transport but must be what the emulator gets when it is back.
    m_server->close();
    QVERIFY(disconnected.wait());
    manager.setAccelerometerValues(5, 6, 7);
    manager.setGyroscopeZ(2.5);
    manager.setProximitySensorNearValue(true);
    manager.setTapSensorValue(TapModel::Y_Pos);
    QVERIFY(m_server->listen());

    const QStringList frames = framesDuring([&] { QVERIFY(initialized.wait(10000)); });
    QCOMPARE(frames.mid(8),
             calls({"setAccelerometerValues int32:5 int32:6 int32:7",
                    "setMagnetometerValues double:4.3e-05 double:0 double:0",
                    "setMagnetometerCalibrationLevel int32:0",
                    "setGyroscopeValues double:0 double:0 double:2.5",
                    "setAlsValue int32:100",
                    "setProximitySensorValue int32:0",
                    "setTapSensorValue int32:7"}));
}

void SensorsEmulationManagerTest::sensorAvailability()
{
    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    QStringList order;
    connect(&manager, &SensorsEmulationManager::sensorsEnabledStatesChanged, this, [&] {
        order << "enabled";
    });
    connect(&manager, &SensorsEmulationManager::sensorsAvailabilityChanged, this, [&] {
        order << "availability";
    });

    QCOMPARE(framesDuring([&] {
                 manager.setSensorAvailability(QStringLiteral("gyroscope"), false);
                 manager.setSensorAvailability(QStringLiteral("proximity"), true);
             }),
             calls({"disableSensor string:gyroscope", "enableSensor string:proximity"}));
    QCOMPARE(order, QStringList({"enabled", "availability", "enabled", "availability"}));
    QCOMPARE(manager.sensorsAvailability(), enabledStates(true, {{"gyroscope", false}}));
    QCOMPARE(manager.sensorsEnabledStates(), enabledStates(false, {{"proximity", true}}));
}

void SensorsEmulationManagerTest::allSensorsAvailable()
{
    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    manager.setSensorAvailability(QStringLiteral("tap"), false);
    QSignalSpy enabledChanged(&manager, &SensorsEmulationManager::sensorsEnabledStatesChanged);
    QSignalSpy availabilityChanged(&manager, &SensorsEmulationManager::sensorsAvailabilityChanged);

    QCOMPARE(framesDuring([&] { manager.setAllSensorsAvailable(); }),
             calls({"enableSensor string:accelerometer",
                    "enableSensor string:als",
                    "enableSensor string:compass",
                    "enableSensor string:gyroscope",
                    "enableSensor string:magnetometer",
                    "enableSensor string:orientation",
                    "enableSensor string:proximity",
                    "enableSensor string:tap"}));
    QCOMPARE(availabilityChanged.size(), 1);
    QCOMPARE(enabledChanged.size(), 8);
    QCOMPARE(manager.sensorsAvailability(), enabledStates(true));
    QCOMPARE(manager.sensorsEnabledStates(), enabledStates(true));
}

void SensorsEmulationManagerTest::enabledReplies_data()
{
    QTest::addColumn<bool>("available");
    QTest::addColumn<bool>("before");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("after");
    QTest::addColumn<QStringList>("frames");

    QTest::newRow("true") << true << false << "enabled:gyroscope:true::" << true << QStringList();
    QTest::newRow("True") << true << false << "enabled:gyroscope:True::" << true << QStringList();
    QTest::newRow("yes") << true << false << "enabled:gyroscope:yes::" << true << QStringList();
    QTest::newRow("1") << true << false << "enabled:gyroscope:1::" << true << QStringList();
    QTest::newRow("FALSE") << true << true << "enabled:gyroscope:FALSE::" << false << QStringList();
    QTest::newRow("0") << true << true << "enabled:gyroscope:0::" << false << QStringList();
    QTest::newRow("empty state") << true << true << "enabled:gyroscope:::" << false
                                 << QStringList();
    QTest::newRow("method in any case")
        << true << false << "ENABLED:gyroscope:true::" << true << QStringList();
    QTest::newRow("first non-empty argument")
        << true << false << "enabled:||gyroscope|tap:true::" << true << QStringList();
    QTest::newRow("unavailable sensor is switched off")
        << false << true << "enabled:gyroscope:true::" << false
        << QStringList{"disableSensor string:gyroscope"};
}

void SensorsEmulationManagerTest::enabledReplies()
{
    QFETCH(bool, available);
    QFETCH(bool, before);
    QFETCH(QString, reply);
    QFETCH(bool, after);
    QFETCH(QStringList, frames);

    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    manager.setSensorAvailability(QStringLiteral("gyroscope"), available);
    manager.setSensorEnabled(QStringLiteral("gyroscope"), before);
    QSignalSpy enabledChanged(&manager, &SensorsEmulationManager::sensorsEnabledStatesChanged);
    QSignalSpy status(&manager, &EmulationManager::replyFromEmulatorReceived);

    QCOMPARE(framesDuring([&] {
                 m_server->reply(reply);
                 QVERIFY(status.wait());
             }),
             calls(frames));
    QCOMPARE(status.first().first().toString(), "OK");
    QCOMPARE(enabledChanged.size(), 1);
    QCOMPARE(manager.sensorsEnabledStates(), enabledStates(false, {{"gyroscope", after}}));
}

void SensorsEmulationManagerTest::ignoredReplies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("status");

    QTest::newRow("other method") << "setAlsValue:100:::"
                                  << "OK";
    QTest::newRow("error reply")
        << "enabled:gyroscope:true:org.freedesktop.DBus.Error.Failed:Failed"
        << "org.freedesktop.DBus.Error.Failed Failed";
    QTest::newRow("not five fields") << "enabled:gyroscope:true"
                                     << "enabled:gyroscope:true";
    QTest::newRow("no sensor named") << "enabled::true::"
                                     << "OK";
    QTest::newRow("only separators") << "enabled:||:true::"
                                     << "OK";
    QTest::newRow("magnetic field is not switchable") << "enabled:magneticField:true::"
                                                      << "OK";
    QTest::newRow("unknown sensor") << "enabled:barometer:false::"
                                    << "OK";
    QTest::newRow("sensor names are case-sensitive") << "enabled:Gyroscope:true::"
                                                     << "OK";
}

void SensorsEmulationManagerTest::ignoredReplies()
{
    QFETCH(QString, reply);
    QFETCH(QString, status);

    QVERIFY(connectInvoker());
    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    QSignalSpy enabledChanged(&manager, &SensorsEmulationManager::sensorsEnabledStatesChanged);
    QSignalSpy statusSpy(&manager, &EmulationManager::replyFromEmulatorReceived);

    QCOMPARE(framesDuring([&] {
                 m_server->reply(reply);
                 QVERIFY(statusSpy.wait());
             }),
             QStringList());
    QCOMPARE(statusSpy.first().first().toString(), status);
    QCOMPARE(enabledChanged.size(), 0);
    QCOMPARE(manager.sensorsEnabledStates(), enabledStates(false));
    QCOMPARE(manager.sensorsAvailability(), enabledStates(true));
}

void SensorsEmulationManagerTest::readingsAreWrittenThrough()
{
    SensorsEmulationManager manager;
    const SettingsManager stored;
    manager.setAccelerometerY(-300);
    QCOMPARE(stored.readAccelerometerY(), -300);
    QCOMPARE(stored.readAccelerometerZ(), 1000);
    manager.setAlsLightLevel(AlsModel::Twilight);
    QCOMPARE(stored.readAlsLux(), 10);
    manager.setGyroscopeValues(1, 2, 3);
    manager.setGyroscopeX(-1);
    QCOMPARE(stored.readGyroscopeX(), -1.0);
    QCOMPARE(stored.readGyroscopeZ(), 3.0);
    manager.setMagneticFieldZ(-40);
    QCOMPARE(stored.readMagneticFieldZ(), -40.0);
    QCOMPARE(stored.readMagneticFieldY(), 5.95);
    manager.setCompassAzimuth(90);
    QCOMPARE(stored.readMagnetometerX(), manager.magnetometer()->x());
    QCOMPARE(stored.readMagnetometerY(), manager.magnetometer()->y());
    manager.setCompassCalibrationLevel(2);
    QCOMPARE(stored.readMagnetometerCalibrationLevel(), 2);
    manager.setProximitySensorNearValue(false);
    QCOMPARE(stored.readProximityReflectance(), 10);
    manager.setTapSensorValue(TapModel::Z_Neg);
    QCOMPARE(stored.readTapDirection(), 5);
    manager.setOrientation(QOrientationReading::RightUp);
    QCOMPARE(stored.readAccelerometerX(), 100);
    QCOMPARE(stored.readAccelerometerZ(), 0);
}

void SensorsEmulationManagerTest::readingsSurviveARestart()
{
    {
        SensorsEmulationManager manager;
        manager.setAccelerometerValues(1, 2, 3);
        manager.setAlsLuxValue(80);
        manager.setGyroscopeValues(0.5, 0.25, 0.125);
        manager.setMagneticFieldValues(7, 8, 9);
        manager.setMagnetometerValues(1e-05, 2e-05, 3e-05);
        manager.setMagnetometerCalibrationLevel(1);
        manager.setProximitySensorReflectanceValue(3);
        manager.setTapSensorValue(TapModel::X_Both);
        // A page may write a model directly; the manager still keeps it.
        manager.gyroscope()->setZ(9.5);
        manager.magneticField()->setX(-7);
    }
    restartSettings();

    SensorsEmulationManager manager;
    manager.setRdbusinvoker(m_invoker.get());
    const QStringList frames = framesDuring([&] { QVERIFY(connectInvoker()); });
    QCOMPARE(frames.mid(8),
             calls({"setAccelerometerValues int32:1 int32:2 int32:3",
                    "setMagnetometerValues double:1e-05 double:2e-05 double:3e-05",
                    "setMagnetometerCalibrationLevel int32:1",
                    "setGyroscopeValues double:0.5 double:0.25 double:9.5",
                    "setAlsValue int32:80",
                    "setProximitySensorValue int32:3",
                    "setTapSensorValue int32:0"}));
    QCOMPARE(manager.magneticField()->x(), -7.0);
    QCOMPARE(manager.magneticField()->y(), 8.0);
    QCOMPARE(manager.magneticField()->z(), 9.0);
}

QTEST_GUILESS_MAIN(SensorsEmulationManagerTest)

#include "tst_sensorsemulationmanager.moc"
