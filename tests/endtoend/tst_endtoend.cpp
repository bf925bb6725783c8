#include "ideenvironment.h"
#include "simulatedmachine.h"

#include "plugin/emulationmanagementplugin.h"

#include <vesk/emulator.h>
#include <vesk/virtualmachine.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace EmulationManagement::Internal;
using Host::SimulatedMachine;

// The plug-in's code in this process, the simulated emulator as a real
// process behind real WebSocket, D-Bus and UDP, as in a demo run.
class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void openingFromAColdMachine();
    void sensorAndGpsChangesReachTheEmulator();
    void errorsComeBackWithTheirDBusNames();
    void emulatorRestartIsFollowedWithoutSpinning();
    void missingPackageIsReported();
    void cameraStreamReachesTheEmulator();

private:
    QJsonObject emulatorState() const;
    bool waitForState(const std::function<bool(const QJsonObject &)> &predicate,
                      int timeoutMs = 10000);
    void killEmulator();
    void writePackages(const QByteArray &list);

    QTemporaryDir m_dir;
    std::unique_ptr<IdeEnvironment> m_ide;
    std::unique_ptr<SimulatedMachine> m_machine;
    std::unique_ptr<EmulationManagementPlugin> m_plugin;
    Vesk::VirtualMachine *m_vm = nullptr;
};

static const QByteArray allPackages
    = "bash-5.2-1.armv7hl\nsensorfw-qt5-emulator-plugins-0.14-1.i486\n"
      "remote-dbus-invoker-1.2-1.i486\ngeoclue-emulator-0.3-1.i486\n"
      "gstreamer-emulator-1.0-1.i486\n";

void EndToEndTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    writePackages(allPackages);
    qputenv("STROVA_EMULATOR_PACKAGES", QFile::encodeName(m_dir.filePath("packages.txt")));
    qputenv("GST_PLUGIN_PATH", VIRTUAL_CAMERA_DIR);

    m_ide = std::make_unique<IdeEnvironment>();
    m_plugin = std::make_unique<EmulationManagementPlugin>();
    m_plugin->initialize({}, nullptr);
    m_plugin->extensionsInitialized();

    auto emulator = new Vesk::Emulator(QStringLiteral("Strova OS Emulator"),
                                       QStringLiteral("Strova Phone 5"));
    m_vm = emulator->virtualMachine();
    m_machine = std::make_unique<SimulatedMachine>(
        m_vm,
        &m_ide->settings,
        SimulatedMachine::Paths{EMULATOR_EXECUTABLE, FAKE_SSH, m_dir.filePath("strova-emulator")});
    m_ide->sdk.addEmulator(emulator);
}

void EndToEndTest::cleanupTestCase()
{
    m_plugin.reset();
    m_machine.reset();
    m_ide.reset();
}

void EndToEndTest::writePackages(const QByteArray &list)
{
    QFile file(m_dir.filePath("packages.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(list);
}

QJsonObject EndToEndTest::emulatorState() const
{
    QFile file(m_machine->stateFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool EndToEndTest::waitForState(const std::function<bool(const QJsonObject &)> &predicate,
                                int timeoutMs)
{
    return QTest::qWaitFor([&] { return predicate(emulatorState()); }, timeoutMs);
}

void EndToEndTest::killEmulator()
{
    const qint64 pid = m_machine->processId();
    QVERIFY(pid > 0);
    ::kill(pid_t(pid), SIGKILL);
    QVERIFY(QTest::qWaitFor([&] { return m_vm->isOff(); }, 5000));
}

void EndToEndTest::openingFromAColdMachine()
{
    QVERIFY(m_vm->isOff());
    QSignalSpy replies(m_plugin->sensorsManager(), &EmulationManager::replyFromEmulatorReceived);
    QSignalSpy initialized(m_plugin->sensorsManager(),
                           &SensorsEmulationManager::sensorsInitialized);
    IdeEnvironment::triggerMenuEntry();
    QCOMPARE(m_vm->portForwardings().size(), 2);
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, 20000));
    QVERIFY(m_ide->answerer.boxes.isEmpty());
    QVERIFY(initialized.wait(10000) || initialized.size() == 1);

    // Every reply of the first connection is a success: the emulator's
    // services took each argument with the D-Bus type they declare.
    QVERIFY(QTest::qWaitFor([&] { return replies.size() >= 16; }, 10000));
    for (const QList<QVariant> &reply : std::as_const(replies))
        QCOMPARE(reply.first().toString(), QStringLiteral("OK"));

    QVERIFY(waitForState([](const QJsonObject &state) {
        const QJsonObject sensors = state.value("sensors").toObject();
        return sensors.value("accelerometer").toObject().value("z").toInt() == 1000;
    }));
    const QJsonObject sensors = emulatorState().value("sensors").toObject();
    QCOMPARE(sensors.value("als").toObject().value("lux").toInt(), 100);
    QCOMPARE(sensors.value("proximity").toObject().value("reflectance").toInt(), 5);
    QCOMPARE(sensors.value("tap").toObject().value("direction").toInt(), -1);
    // The demo device has no proximity sensor.
    QCOMPARE(m_plugin->sensorsManager()->sensorsAvailability().value("proximity").toBool(), false);
}

void EndToEndTest::sensorAndGpsChangesReachTheEmulator()
{
    SensorsEmulationManager *sensors = m_plugin->sensorsManager();
    GPSEmulationManager *gps = m_plugin->gpsManager();
    sensors->setAccelerometerX(500);
    sensors->setAlsLuxValue(321);
    gps->setPosition(-33.8688, 151.2093, -5);
    gps->loadTrack(
        {QVariantMap{
             {"latitude", 49.2741667}, {"longitude", -123.1856}, {"altitude", 70}, {"interval", 0}},
         QVariantMap{{"latitude", 49.2742},
                     {"longitude", -123.1857},
                     {"altitude", 71},
                     {"interval", 1000}}});
    QVERIFY(waitForState([](const QJsonObject &state) {
        const QJsonObject sensors = state.value("sensors").toObject();
        const QJsonObject gps = state.value("gps").toObject();
        return sensors.value("accelerometer").toObject().value("x").toInt() == 500
               && sensors.value("als").toObject().value("lux").toInt() == 321
               && gps.value("track").toArray().size() == 2;
    }));
    const QJsonObject gpsState = emulatorState().value("gps").toObject();
    const QJsonObject position = gpsState.value("position").toObject();
    QCOMPARE(position.value("latitude").toDouble(), -33.8688);
    QCOMPARE(position.value("longitude").toDouble(), 151.2093);
    QCOMPARE(position.value("altitude").toDouble(), -5.0);
}

void EndToEndTest::errorsComeBackWithTheirDBusNames()
{
    SensorsEmulationManager *sensors = m_plugin->sensorsManager();
    // Replies of earlier calls may still be under way: wait for each error.
    const std::pair<const char *, const char *> rows[] = {
        {"noSuchMethod", "org.freedesktop.DBus.Error.UnknownMethod"},
        {"setAlsLux", "org.freedesktop.DBus.Error."},
    };
    for (const auto &[method, error] : rows) {
        QStringList replies;
        const QMetaObject::Connection connection = connect(
            sensors, &EmulationManager::replyFromEmulatorReceived, this, [&](const QString &reply) {
                replies.append(reply);
            });
        sensors->callMethod(QString::fromLatin1(method), QStringLiteral("string:bright"));
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         return !replies.filter(QRegularExpression(QStringLiteral("^") + error))
                                     .isEmpty();
                     },
                     5000),
                 qPrintable(replies.join('\n')));
        disconnect(connection);
    }
}

void EndToEndTest::emulatorRestartIsFollowedWithoutSpinning()
{
    QVERIFY(m_plugin->gpsManager()->trackLoaded());
    QSignalSpy disconnects(m_plugin->invoker(), &RemoteDBusInvokerService::webSocketDisconnected);
    const int boxes = m_ide->answerer.boxes.size();
    killEmulator();
    QVERIFY(QTest::qWaitFor([&] { return m_ide->answerer.boxes.size() == boxes + 1; }, 5000));
    QCOMPARE(m_ide->answerer.boxes.last().text,
             QStringLiteral("Emulator connection is lost. Please, run Strova OS Emulator if it is "
                            "needed and load the GPS-track again."));
    QVERIFY(!m_plugin->view()->isVisible());

    // Down for two seconds: a handful of attempts, not thousands.
    QTest::qWait(2000);
    QVERIFY2(disconnects.size() < 10, qPrintable(QString::number(disconnects.size())));
    QCOMPARE(m_ide->answerer.boxes.size(), boxes + 1);

    IdeEnvironment::triggerMenuEntry();
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, 20000));
    // The new emulator process gets the readings set before the restart.
    QVERIFY(waitForState([](const QJsonObject &state) {
        const QJsonObject sensors = state.value("sensors").toObject();
        const QJsonObject position = state.value("gps").toObject().value("position").toObject();
        return sensors.value("accelerometer").toObject().value("x").toInt() == 500
               && sensors.value("als").toObject().value("lux").toInt() == 321
               && position.value("latitude").toDouble() == -33.8688;
    }));
    QCOMPARE(m_ide->answerer.boxes.size(), boxes + 1);
}

void EndToEndTest::missingPackageIsReported()
{
    writePackages(
        "sensorfw-qt5-emulator-plugins-0.14\nremote-dbus-invoker-1.2\ngeoclue-emulator-0.3\n");
    killEmulator();
    const int boxes = m_ide->answerer.boxes.size();
    IdeEnvironment::triggerMenuEntry();
    QVERIFY(QTest::qWaitFor([&] { return m_ide->answerer.boxes.size() == boxes + 1; }, 20000));
    QCOMPARE(m_ide->answerer.boxes.last().text,
             QStringLiteral("Necessary packages not found on emulator!"));
    QCOMPARE(m_ide->answerer.boxes.last().informativeText,
             QStringLiteral("Packages is not installed: \ngstreamer-emulator\n"));
    QVERIFY(!m_plugin->view()->isVisible());

    writePackages(allPackages);
    IdeEnvironment::triggerMenuEntry();
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, 20000));
}

void EndToEndTest::cameraStreamReachesTheEmulator()
{
    CameraEmulationManager *camera = m_plugin->cameraManager();
    QVERIFY2(!camera->cameras().isEmpty(), "the virtual camera is on GST_PLUGIN_PATH");
    camera->startCameraStream();
    QVERIFY(camera->streamRunning());
    QVERIFY(waitForState(
        [](const QJsonObject &state) {
            return state.value("camera").toObject().value("frames").toInt() >= 10;
        },
        20000));
    const QJsonObject statistics = emulatorState().value("camera").toObject();
    QCOMPARE(statistics.value("width").toInt(), camera->width());
    QCOMPARE(statistics.value("height").toInt(), camera->height());

    // Hiding the window stops the stream.
    m_plugin->view()->close();
    QVERIFY(!camera->streamRunning());
}

QTEST_MAIN(EndToEndTest)

#include "tst_endtoend.moc"
