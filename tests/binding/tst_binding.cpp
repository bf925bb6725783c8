#include "ideenvironment.h"
#include "testtimeouts.h"
#include "recordingserver.h"

#include "plugin/devicesensortables.h"
#include "plugin/emulationmanagementplugin.h"

#include <ssh/sshconnection.h>
#include <vesk/emulator.h>
#include <vesk/virtualmachine.h>

#include <QDir>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace EmulationManagement::Internal;
using Machine = Vesk::VirtualMachine;

namespace {

const QByteArray allPackages = "sensorfw-qt5-emulator-plugins-0.1\nremote-dbus-invoker-1.0\n"
                               "geoclue-emulator-0.1\ngstreamer-emulator-1.0\n";

// Device sensor tables beside the running executable, where the plug-in reads them.
struct TableFile
{
    const char *name;
    const char *text;
};
// clang-format off
const TableFile tableFiles[] = {
    {"phone-a.ini", "device-name=Phone A\n[sensors]\ntap=false\nals=0\nproximity=true\n"},
    {"phone-b-first.ini", "device-name=Phone B\n[sensors]\ncompass=false\n"},
    {"phone-b-second.ini", "device-name=Phone B\n[sensors]\ngyroscope=false\n"},
    {"bools.ini", "device-name=Bools\n[sensors]\naccelerometer=\nals=0\ncompass=false\ngyroscope=FALSE\nmagnetometer=no\norientation=1\ntap=yes\n"},
    {"nameless.ini", "[sensors]\ntap=false\n"},
    {"groupless.ini", "device-name=Groupless\n"},
    {"not-a-table.txt", "device-name=Phone A\n[sensors]\naccelerometer=false\n"},
};
// clang-format on

QString tablePath(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

} // namespace

class BindingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void messageAOnceNoEmulatorIsLeft();
    void runningMachineWithoutForwardingShowsMessageB();
    void coldMachineIsStartedCheckedShownAndSeenOff();
    void forwardingWaitEndsOnceWhateverHappensMeanwhile();
    void emulatorRemovedWhileAForwardingIsAdded();
    void failedChecksAreShownOnceEach();
    void tablesRepliesAndLostConnections();
    void deviceSensorTablesAreRead();
    void qmlTypes();

private:
    void start(int emulators = 1);
    const QList<Host::ModalAnswerer::Box> &boxes() const { return m_ide->answerer.boxes; }
    void setPackages(const QByteArray &list)
    {
        QVERIFY(writeFile(m_sshDir.filePath("packages"), list));
    }
    int sshRuns() const;
    void bringUp();

    QTemporaryDir m_sshDir;
    std::unique_ptr<IdeEnvironment> m_ide;
    std::unique_ptr<EmulationManagementPlugin> m_plugin;
    Vesk::Emulator *m_emulator = nullptr;
    Machine *m_machine = nullptr;
    std::unique_ptr<RecordingServer> m_server;
};

void BindingTest::initTestCase()
{
    const QDir dir(QCoreApplication::applicationDirPath());
    for (const QString &old : dir.entryList({QStringLiteral("*.ini")}, QDir::Files))
        QFile::remove(dir.filePath(old));
    for (const TableFile &table : tableFiles)
        QVERIFY(writeFile(tablePath(table.name), table.text));
    // An ssh client that logs its runs and lists the packages file.
    const QString ssh = m_sshDir.filePath("ssh");
    QVERIFY(writeFile(
        ssh, "#!/bin/sh\nd=$(dirname \"$0\")\necho run >> \"$d/runs\"\ncat \"$d/packages\"\n"));
    QFile::setPermissions(ssh, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSsh::SshSettings::setSshFilePath(ssh);
}

void BindingTest::cleanupTestCase()
{
    for (const TableFile &table : tableFiles)
        QFile::remove(tablePath(table.name));
}

void BindingTest::init()
{
    setPackages(allPackages);
    QFile::remove(m_sshDir.filePath(QStringLiteral("runs")));
    m_server = std::make_unique<RecordingServer>();
    QVERIFY(m_server->listen());
}

void BindingTest::cleanup()
{
    m_plugin.reset();
    m_ide.reset();
    m_server.reset();
}

void BindingTest::start(int emulators)
{
    m_ide = std::make_unique<IdeEnvironment>();
    m_plugin = std::make_unique<EmulationManagementPlugin>();
    QVERIFY(m_plugin->initialize({}, nullptr));
    m_plugin->extensionsInitialized();
    for (int i = 1; i <= emulators; ++i)
        m_ide->addEmulator(QStringLiteral("Strova OS Emulator %1").arg(i), "Phone A");
    m_emulator = Vesk::Sdk::emulators().first();
    m_machine = m_emulator->virtualMachine();
}

int BindingTest::sshRuns() const
{
    QFile runs(m_sshDir.filePath(QStringLiteral("runs")));
    return runs.open(QIODevice::ReadOnly) ? int(runs.readAll().count('\n')) : 0;
}

// From a cold machine to a shown window, the way a user gets there.
void BindingTest::bringUp()
{
    QVERIFY(IdeEnvironment::triggerMenuEntry());
    QCOMPARE(m_machine->connectRequestCount(), 1);
    m_machine->setState(Machine::Connected);
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, eventTimeoutMs));
    QVERIFY(m_server->waitForConnections(1));
}

// Emulators removed by the SDK are let go, the next one bound in their place.
void BindingTest::messageAOnceNoEmulatorIsLeft()
{
    start(2);
    m_ide->sdk.removeEmulator(m_emulator);
    QCOMPARE(m_plugin->emulator(), Vesk::Sdk::emulators().first());
    m_ide->sdk.removeEmulator(Vesk::Sdk::emulators().first());
    QCOMPARE(m_plugin->emulator(), nullptr);
    IdeEnvironment::triggerMenuEntry();
    QCOMPARE(boxes().size(), 1);
    const Host::ModalAnswerer::Box box = boxes().first();
    QCOMPARE(box.title, QStringLiteral("Emulation management plugin"));
    QCOMPARE(box.text,
             QStringLiteral("The emulation management plugin cannot be used. Please, close the "
                            "emulator if it is running and add Strova OS Emulator to the list of "
                            "available devices in Qt Creator settings."));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.parent, &m_ide->window);
    QVERIFY(!m_plugin->view()->isVisible());
}

void BindingTest::runningMachineWithoutForwardingShowsMessageB()
{
    start();
    m_machine->setPortForwardings({{"emulationmanagementtcp", "tcp", 5454, 1234}});
    m_machine->setState(Machine::Connected);
    IdeEnvironment::triggerMenuEntry();
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().first().text,
             QStringLiteral("The emulation management plugin cannot be used. Please, close Strova "
                            "OS Emulator 1 and try to use 'Emulation management\u2026' again."));
    QCOMPARE(m_machine->portForwardings().size(), 1);
    QCOMPARE(m_machine->connectRequestCount(), 0);
    QCOMPARE(sshRuns(), 0);
}

void BindingTest::coldMachineIsStartedCheckedShownAndSeenOff()
{
    start();
    QSignalSpy showed(m_plugin.get(), &EmulationManagementPlugin::emulationManagementViewShowed);
    IdeEnvironment::triggerMenuEntry();
    const QList<Machine::PortForwarding> expected{{"emulationmanagementtcp", "tcp", 5454, 1234},
                                                  {"emulationmanagementudp", "udp", 34343, 34343}};
    QCOMPARE(m_machine->portForwardings(), expected);
    QCOMPARE(m_machine->connectRequestCount(), 1);
    m_machine->setState(Machine::Starting);
    QTest::qWait(50);
    QCOMPARE(sshRuns(), 0);
    QVERIFY(!m_plugin->view()->isVisible());

    m_machine->setState(Machine::Connected);
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, eventTimeoutMs));
    QCOMPARE(sshRuns(), 1);
    QVERIFY(m_server->waitForConnections(1));
    QCOMPARE(showed.size(), 0); // only a menu action on a running machine announces it
    QVERIFY(boxes().isEmpty());

    // Ready: the menu entry only shows the same window again.
    m_plugin->view()->rootObject()->setObjectName(QStringLiteral("state kept"));
    m_plugin->view()->close();
    IdeEnvironment::triggerMenuEntry();
    QVERIFY(m_plugin->view()->isVisible());
    QCOMPARE(m_plugin->view()->rootObject()->objectName(), QStringLiteral("state kept"));
    QCOMPARE(showed.size(), 1);
    QCOMPARE(sshRuns(), 1);
    QCOMPARE(m_machine->connectRequestCount(), 1);
    QCOMPARE(m_server->connectionCount, 1);

    // Seen off: hidden, and checked again after the next start.
    m_machine->setOff(true);
    QVERIFY(!m_plugin->view()->isVisible());
    IdeEnvironment::triggerMenuEntry();
    QCOMPARE(m_machine->connectRequestCount(), 2);
    QCOMPARE(m_machine->portForwardings().size(), 2); // nothing added twice
    m_machine->setState(Machine::Connected);
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, eventTimeoutMs));
    QCOMPARE(sshRuns(), 2);
}

// The SDK answers before its call returns, and the user chooses the menu
// entry again while the plug-in waits: still one preparation.
void BindingTest::forwardingWaitEndsOnceWhateverHappensMeanwhile()
{
    start();
    m_machine->setCallbackTiming(Machine::CallbackTiming::BeforeReturn);
    connect(m_machine, &Machine::portForwardingsChanged, this, [] {
        IdeEnvironment::triggerMenuEntry();
    });
    IdeEnvironment::triggerMenuEntry(); // would never return if the early answer were lost
    QCOMPARE(m_machine->portForwardings().size(), 2);
    QCOMPARE(m_machine->connectRequestCount(), 1);
    QVERIFY(boxes().isEmpty());
}

void BindingTest::emulatorRemovedWhileAForwardingIsAdded()
{
    start(2);
    Machine *next = Vesk::Sdk::emulators().at(1)->virtualMachine();
    connect(
        m_machine,
        &Machine::portForwardingsChanged,
        this,
        [this] {
            QTimer::singleShot(0, &m_ide->sdk, [this] { m_ide->sdk.removeEmulator(m_emulator); });
        },
        Qt::SingleShotConnection);
    IdeEnvironment::triggerMenuEntry();
    // The next emulator is bound but left alone until the user asks again.
    QCOMPARE(m_plugin->emulator(), Vesk::Sdk::emulators().first());
    QCOMPARE(next->portForwardings().size(), 0);
    QCOMPARE(next->connectRequestCount(), 0);
    QVERIFY(boxes().isEmpty());
    IdeEnvironment::triggerMenuEntry();
    QCOMPARE(next->portForwardings().size(), 2);
    QCOMPARE(next->connectRequestCount(), 1);
}

void BindingTest::failedChecksAreShownOnceEach()
{
    start();
    setPackages("remote-dbus-invoker\ngeoclue-emulator\n");
    IdeEnvironment::triggerMenuEntry();
    m_machine->setState(Machine::Connected);
    QVERIFY(QTest::qWaitFor([&] { return boxes().size() == 1; }, eventTimeoutMs));
    const Host::ModalAnswerer::Box box = boxes().first();
    QCOMPARE(box.text, QStringLiteral("Necessary packages not found on emulator!"));
    QCOMPARE(
        box.informativeText,
        QStringLiteral(
            "Packages is not installed: \nsensorfw-qt5-emulator-plugins\ngstreamer-emulator\n"));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Close));
    QVERIFY(!m_plugin->view()->isVisible());

    IdeEnvironment::triggerMenuEntry();
    QVERIFY(QTest::qWaitFor([&] { return sshRuns() == 2; }, eventTimeoutMs));
    QTest::qWait(100);
    QCOMPARE(boxes().size(), 2);

    setPackages(allPackages);
    QSignalSpy showed(m_plugin.get(), &EmulationManagementPlugin::emulationManagementViewShowed);
    IdeEnvironment::triggerMenuEntry();
    QCOMPARE(showed.size(), 1);
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, eventTimeoutMs));
    QVERIFY(m_server->waitForConnections(1));
    QCOMPARE(sshRuns(), 3);
    QCOMPARE(boxes().size(), 2);
}

void BindingTest::tablesRepliesAndLostConnections()
{
    start();
    // Repeated SDK signals must not connect anything twice.
    emit m_ide->sdk.deviceModelsChanged();
    emit m_ide->sdk.deviceModelsChanged();
    QSignalSpy availability(m_plugin->sensorsManager(),
                            &SensorsEmulationManager::sensorsAvailabilityChanged);
    m_emulator->setDeviceModelName(QStringLiteral("Unknown phone"));
    QCOMPARE(availability.size(), 1); // one table application: all sensors available
    bringUp();
    // The first connection's calls go out together; a call sent after them
    // arrives after them.
    QVERIFY(m_server->waitForFrames(1));
    m_plugin->invoker()->invokeMethod("marker", {}, {}, {}, {}, {});
    QVERIFY(QTest::qWaitFor([&] { return m_server->frames.contains("marker     "); },
                            eventTimeoutMs));
    const int before = int(m_server->frames.size());
    // Applied again, now that the socket is open, to see the calls in key order.
    m_emulator->setDeviceModelName(QStringLiteral("Phone A"));
    QVERIFY(m_server->waitForFrames(before + 3));
    QStringList methods;
    for (const QString &frame : m_server->frames.mid(before))
        methods.append(frame.section(QLatin1Char(' '), 4));
    QCOMPARE(methods,
             (QStringList{"disableSensor string:als",
                          "enableSensor string:proximity",
                          "disableSensor string:tap"}));
    // Not listed: kept.
    QCOMPARE(m_plugin->sensorsManager()->sensorsAvailability().value("compass").toBool(), true);

    // Names are case-sensitive: no table makes every sensor available.
    m_emulator->setDeviceModelName(QStringLiteral("phone a"));
    for (const QVariant &available : m_plugin->sensorsManager()->sensorsAvailability())
        QVERIFY(available.toBool());

    GPSEmulationManager *gps = m_plugin->gpsManager();
    QSignalSpy gpsReplies(gps, &EmulationManager::replyFromEmulatorReceived);
    QSignalSpy sensorReplies(m_plugin->sensorsManager(),
                             &EmulationManager::replyFromEmulatorReceived);
    m_server->reply(QStringLiteral("setLux:100::org.freedesktop.DBus.Error.Failed:Failed"));
    QVERIFY(sensorReplies.wait(eventTimeoutMs));
    QCOMPARE(gpsReplies.size(), 1);
    QCOMPARE(sensorReplies.size(), 1);
    QCOMPARE(sensorReplies.first().first().toString(),
             QStringLiteral("org.freedesktop.DBus.Error.Failed Failed"));

    // Lost without a track: reconnected without a word.
    m_server->dropClients();
    QVERIFY(m_server->waitForConnections(2));
    QVERIFY(boxes().isEmpty());
    QCOMPARE(gpsReplies.size(), 1);

    // Lost with a track: message C once, and the track is dropped.
    gps->loadTrack(
        {QVariantMap{{"latitude", 1}, {"longitude", 2}, {"altitude", 3}, {"interval", 0}}});
    m_server->close(); // the emulator went away: the invoker keeps trying
    QVERIFY(QTest::qWaitFor([&] { return boxes().size() == 1; }, eventTimeoutMs));
    QTest::qWait(600);
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().first().text,
             QStringLiteral("Emulator connection is lost. Please, run Strova OS Emulator 1 if it "
                            "is needed and load the GPS-track again."));
    QCOMPARE(gpsReplies.size(), 2);
    QCOMPARE(gpsReplies.last().first().toString(), QString());
    QVERIFY(!gps->trackLoaded());

    // Back again: the GPS state goes out with the next connection.
    const int framesBefore = int(m_server->frames.size());
    QVERIFY(m_server->listen());
    QVERIFY(m_server->waitForConnections(3, 5000));
    QVERIFY(m_server->waitForFrames(framesBefore + 1));
}

void BindingTest::deviceSensorTablesAreRead()
{
    const QString field = tablePath("field.ini");
    QVERIFY(writeFile(field, "device-name=Field\n[sensors]\nmagneticField=true\ntap=false\n"));
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(QStringLiteral("Device sensor table %1: \"magneticField\" is "
                                                   "not a switchable sensor, ignored")
                                        .arg(field)));
    const QString directory = QCoreApplication::applicationDirPath();
    const QVariantMap tables = readDeviceSensorTables(
        directory,
        QString("accelerometer als compass gyroscope magnetometer orientation proximity tap")
            .split(' '));
    QFile::remove(field);
    QCOMPARE(tables.keys(), (QStringList{"", "Bools", "Field", "Groupless", "Phone A", "Phone B"}));
    // clang-format off
    const std::pair<const char *, QVariantMap> rows[] = {
        {"Phone A", {{"tap", false}, {"als", false}, {"proximity", true}}},
        {"Bools", {{"accelerometer", false}, {"als", false}, {"compass", false}, {"gyroscope", false}, {"magnetometer", true}, {"orientation", true}, {"tap", true}}},
        {"", {{"tap", false}}},
        {"Groupless", {}},
        {"Field", {{"tap", false}}}, // only the switchable sensors
    };
    // clang-format on
    for (const auto &[device, table] : rows)
        QCOMPARE(tables.value(device).toMap(), table);
    // The later file in directory order wins.
    const QStringList order
        = QDir(directory).entryList({QStringLiteral("phone-b-*.ini")}, QDir::Files, QDir::Unsorted);
    const bool secondLast = order.last() == QLatin1String("phone-b-second.ini");
    QCOMPARE(tables.value("Phone B").toMap(),
             (QVariantMap{{secondLast ? "gyroscope" : "compass", false}}));
}

// The view's own QML shows the creatable types; the models come only from
// the manager, and their enumerations reach the invokables by name.
void BindingTest::qmlTypes()
{
    start();
    QQmlEngine *engine = m_plugin->view()->engine();
    for (const char *type : {"AlsModel", "TapModel"}) {
        QQmlComponent component(engine);
        component.setData(QByteArray("import QtQuick\nimport org.mirel 1.0\n") + type + " {}\n",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(component.errorString().contains(
                     QStringLiteral("Could not create the %1 instance").arg(type)),
                 qPrintable(component.errorString()));
    }
    QQmlComponent enums(engine);
    enums.setData("import QtQuick\nimport org.mirel 1.0\nQtObject {\n"
                  "    Component.onCompleted: {\n"
                  "        sensorsEmulationManager.setAlsLightLevel(AlsModel.Dark)\n"
                  "        sensorsEmulationManager.setTapSensorValue(TapModel.X_Pos)\n"
                  "    }\n}\n",
                  QUrl());
    std::unique_ptr<QObject> object(enums.create(m_plugin->view()->rootContext()));
    QVERIFY2(object, qPrintable(enums.errorString()));
    QCOMPARE(m_plugin->sensorsManager()->tap()->property("tapDirection").toInt(),
             int(TapModel::X_Pos));
}

QTEST_MAIN(BindingTest)

#include "tst_binding.moc"
