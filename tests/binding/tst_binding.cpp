#include "modalanswerer.h"
#include "recordingserver.h"

#include "plugin/emulationmanagementplugin.h"

#include <coreplugin/actionmanager/actioncontainer.h>
#include <coreplugin/actionmanager/actionmanager.h>
#include <coreplugin/actionmanager/command.h>
#include <coreplugin/icore.h>
#include <extensionsystem/pluginmanager.h>
#include <utils/qtcsettings.h>
#include <utils/theme/theme.h>
#include <vesk/emulator.h>
#include <vesk/sdk.h>
#include <vesk/virtualmachine.h>

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace EmulationManagement::Internal;
using Machine = Vesk::VirtualMachine;
using Host::ModalAnswerer;

namespace {

const char actionId[] = "EmulationManagement.ShowEmulationManagementView.Action";
const QString messageTitle = QStringLiteral("Emulation management plugin");
const QByteArray allPackages = "sensorfw-qt5-emulator-plugins-0.1\nremote-dbus-invoker-1.0\n"
                               "geoclue-emulator-0.1\ngstreamer-emulator-1.0\n";

// The IDE and the SDK around one plug-in instance.
struct Ide
{
    Ide()
    {
        ExtensionSystem::PluginManager::setSettings(&settings);
        Utils::setCreatorTheme(&theme);
        Core::ActionManager::createMenu(Core::Constants::M_TOOLS);
    }
    ~Ide() { Utils::setCreatorTheme(nullptr); }

    QTemporaryDir dir;
    Utils::QtcSettings settings{dir.filePath(QStringLiteral("QtCreator.ini")),
                                QSettings::IniFormat};
    Utils::Theme theme{QStringLiteral("light")};
    Core::ActionManager actionManager;
    QMainWindow mainWindow;
    Core::ICore core{&mainWindow, &settings, Utils::FilePath::fromString(dir.path())};
    Vesk::Sdk sdk;
};

} // namespace

class BindingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void noEmulatorShowsMessageA();
    void runningMachineWithoutForwardingShowsMessageB();
    void coldMachineIsPreparedStartedCheckedAndShown();
    void forwardingAnsweredBeforeTheWaitStillEndsIt();
    void failedCheckIsShownAndRunsAgain();
    void readyEmulatorOnlyShowsTheWindow();
    void machineSeenOffNeedsANewCheck();
    void menuActionWaitsForAnAdditionInProgress();
    void removedEmulatorIsLetGo();
    void repeatedSdkSignalsConnectOnce();
    void lostConnectionWithoutTrackShowsNothing();
    void lostConnectionWithTrackShowsMessageCOnce();
    void deviceSensorTableIsApplied();
    void deviceWithoutTableMakesAllSensorsAvailable();
    void deviceSensorTablesAreRead();
    void qmlTypes();
    void oneReplyReachesEachManagerOnce();
    void hidingWithoutStreamLeavesTheCameraAlone();

private:
    void start(int emulators = 1, const QString &deviceModel = QStringLiteral("Phone A"));
    void trigger();
    void setPackages(const QByteArray &list);
    int sshRuns() const;
    void bringUp();
    void writeDeviceTables();

    QTemporaryDir m_sshDir;
    std::unique_ptr<Ide> m_ide;
    std::unique_ptr<EmulationManagementPlugin> m_plugin;
    Vesk::Emulator *m_emulator = nullptr;
    Machine *m_machine = nullptr;
    std::unique_ptr<RecordingServer> m_server;
    std::unique_ptr<ModalAnswerer> m_answerer;
    QStringList m_tableFiles;
};

void BindingTest::initTestCase()
{
    writeDeviceTables();
    QVERIFY(m_sshDir.isValid());
    QFile script(m_sshDir.filePath(QStringLiteral("ssh")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nd=$(dirname \"$0\")\necho run >> \"$d/runs\"\ncat \"$d/packages\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSsh::SshSettings::setSshFilePath(script.fileName());
}

void BindingTest::writeDeviceTables()
{
    // The device sensor tables lie beside the running executable.
    const QDir dir(QCoreApplication::applicationDirPath());
    for (const QString &old : dir.entryList({QStringLiteral("*.ini")}, QDir::Files))
        QFile::remove(dir.filePath(old));
    auto write = [&](const QString &file, const QByteArray &text) {
        QFile ini(dir.filePath(file));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(text);
        m_tableFiles.append(ini.fileName());
    };
    write(QStringLiteral("phone-a.ini"),
          "device-name=Phone A\n[sensors]\ntap=false\nals=0\nproximity=true\n");
    write(QStringLiteral("phone-b-first.ini"), "device-name=Phone B\n[sensors]\ncompass=false\n");
    write(QStringLiteral("phone-b-second.ini"),
          "device-name=Phone B\n[sensors]\ngyroscope=false\n");
    write(QStringLiteral("bools.ini"),
          "device-name=Bools\n[sensors]\naccelerometer=\nals=0\ncompass=false\ngyroscope=FALSE\n"
          "magnetometer=no\norientation=1\nproximity=true\ntap=yes\n");
    write(QStringLiteral("nameless.ini"), "[sensors]\ntap=false\n");
    write(QStringLiteral("groupless.ini"), "device-name=Groupless\n");
    write(QStringLiteral("not-a-table.txt"),
          "device-name=Phone A\n[sensors]\naccelerometer=false\n");
}

void BindingTest::cleanupTestCase()
{
    for (const QString &file : std::as_const(m_tableFiles))
        QFile::remove(file);
}

void BindingTest::init()
{
    setPackages(allPackages);
    QFile::remove(m_sshDir.filePath(QStringLiteral("runs")));
    m_answerer = std::make_unique<ModalAnswerer>();
    m_server = std::make_unique<RecordingServer>();
    QVERIFY(m_server->listen());
}

void BindingTest::cleanup()
{
    m_plugin.reset();
    m_ide.reset();
    m_server.reset();
    m_answerer.reset();
    m_emulator = nullptr;
    m_machine = nullptr;
}

void BindingTest::start(int emulators, const QString &deviceModel)
{
    m_ide = std::make_unique<Ide>();
    m_plugin = std::make_unique<EmulationManagementPlugin>();
    QVERIFY(m_plugin->initialize({}, nullptr));
    m_plugin->extensionsInitialized();
    for (int i = 0; i < emulators; ++i) {
        auto emulator
            = new Vesk::Emulator(QStringLiteral("Strova OS Emulator %1").arg(i + 1), deviceModel);
        QSsh::SshConnectionParameters ssh;
        ssh.setHost(QStringLiteral("127.0.0.1"));
        ssh.setPort(2223);
        ssh.timeout = 2;
        emulator->virtualMachine()->setSshParameters(ssh);
        m_ide->sdk.addEmulator(emulator);
    }
    if (emulators > 0) {
        m_emulator = Vesk::Sdk::emulators().first();
        m_machine = m_emulator->virtualMachine();
    }
}

void BindingTest::trigger()
{
    Core::ActionManager::command(actionId)->action()->trigger();
}

void BindingTest::setPackages(const QByteArray &list)
{
    QFile file(m_sshDir.filePath(QStringLiteral("packages")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(list);
}

int BindingTest::sshRuns() const
{
    QFile runs(m_sshDir.filePath(QStringLiteral("runs")));
    if (!runs.open(QIODevice::ReadOnly))
        return 0;
    return runs.readAll().count('\n');
}

// From a cold machine to a shown window, the way a user gets there.
void BindingTest::bringUp()
{
    trigger();
    QCOMPARE(m_machine->connectRequestCount(), 1);
    m_machine->setState(Machine::Connected);
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, 10000));
    QVERIFY(m_server->waitForConnections(1));
}

void BindingTest::noEmulatorShowsMessageA()
{
    start(0);
    trigger();
    QCOMPARE(m_answerer->boxes.size(), 1);
    const ModalAnswerer::Box box = m_answerer->boxes.first();
    QCOMPARE(box.title, messageTitle);
    QCOMPARE(box.text,
             QStringLiteral("The emulation management plugin cannot be used. Please, close the "
                            "emulator if it is running and add Strova OS Emulator to the list of "
                            "available devices in Qt Creator settings."));
    QCOMPARE(box.informativeText, QString());
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.parent, &m_ide->mainWindow);
    QVERIFY(box.flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(!m_plugin->view()->isVisible());
    QCOMPARE(sshRuns(), 0);
    QCOMPARE(m_server->connectionCount, 0);
}

void BindingTest::runningMachineWithoutForwardingShowsMessageB()
{
    start();
    m_machine->setPortForwardings({{"emulationmanagementtcp", "tcp", 5454, 1234}});
    m_machine->setState(Machine::Connected);
    trigger();
    QCOMPARE(m_answerer->boxes.size(), 1);
    QCOMPARE(
        m_answerer->boxes.first().text,
        QStringLiteral("The emulation management plugin cannot be used. Please, close Strova OS "
                       "Emulator 1 and try to use 'Emulation management\u2026' again."));
    QCOMPARE(m_machine->portForwardings().size(), 1);
    QCOMPARE(m_machine->connectRequestCount(), 0);
    QCOMPARE(sshRuns(), 0);
}

void BindingTest::coldMachineIsPreparedStartedCheckedAndShown()
{
    start();
    QSignalSpy showed(m_plugin.get(), &EmulationManagementPlugin::emulationManagementViewShowed);
    trigger();
    const QList<Machine::PortForwarding> expected{{"emulationmanagementtcp", "tcp", 5454, 1234},
                                                  {"emulationmanagementudp", "udp", 34343, 34343}};
    QCOMPARE(m_machine->portForwardings(), expected);
    QCOMPARE(m_machine->connectRequestCount(), 1);
    QVERIFY(!m_plugin->view()->isVisible());

    m_machine->setState(Machine::Starting);
    QTest::qWait(50);
    QCOMPARE(sshRuns(), 0);
    QVERIFY(!m_plugin->view()->isVisible());

    m_machine->setState(Machine::Connected);
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, 10000));
    QCOMPARE(sshRuns(), 1);
    QVERIFY(m_plugin->isEmulatorReady());
    QVERIFY(m_server->waitForConnections(1));
    QCOMPARE(showed.size(), 0); // only a menu action on a running machine announces it
    QVERIFY(m_answerer->boxes.isEmpty());
}

void BindingTest::forwardingAnsweredBeforeTheWaitStillEndsIt()
{
    start();
    m_machine->setCallbackTiming(Machine::CallbackTiming::BeforeReturn);
    trigger(); // would never return if the early answer were lost
    QCOMPARE(m_machine->portForwardings().size(), 2);
    QCOMPARE(m_machine->connectRequestCount(), 1);
}

void BindingTest::failedCheckIsShownAndRunsAgain()
{
    start();
    setPackages("remote-dbus-invoker\ngeoclue-emulator\n");
    trigger();
    m_machine->setState(Machine::Connected);
    QVERIFY(QTest::qWaitFor([&] { return m_answerer->boxes.size() == 1; }, 10000));
    const ModalAnswerer::Box box = m_answerer->boxes.first();
    QCOMPARE(box.text, QStringLiteral("Necessary packages not found on emulator!"));
    QCOMPARE(
        box.informativeText,
        QStringLiteral(
            "Packages is not installed: \nsensorfw-qt5-emulator-plugins\ngstreamer-emulator\n"));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Close));
    QVERIFY(!m_plugin->view()->isVisible());
    QCOMPARE(m_server->connectionCount, 0);

    setPackages(allPackages);
    QSignalSpy showed(m_plugin.get(), &EmulationManagementPlugin::emulationManagementViewShowed);
    trigger();
    QCOMPARE(showed.size(), 1);
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, 10000));
    QCOMPARE(sshRuns(), 2);
    QCOMPARE(m_answerer->boxes.size(), 1);
}

void BindingTest::readyEmulatorOnlyShowsTheWindow()
{
    start();
    bringUp();
    m_plugin->view()->close();
    QSignalSpy showed(m_plugin.get(), &EmulationManagementPlugin::emulationManagementViewShowed);
    trigger();
    QVERIFY(m_plugin->view()->isVisible());
    QCOMPARE(showed.size(), 1);
    QCOMPARE(sshRuns(), 1);
    QCOMPARE(m_machine->connectRequestCount(), 1);
    QCOMPARE(m_server->connectionCount, 1);
}

void BindingTest::machineSeenOffNeedsANewCheck()
{
    start();
    bringUp();
    m_machine->setOff(true);
    QVERIFY(!m_plugin->view()->isVisible());
    QVERIFY(!m_plugin->isEmulatorReady());

    trigger();
    QCOMPARE(m_machine->connectRequestCount(), 2);
    QCOMPARE(m_machine->portForwardings().size(), 2); // nothing added twice
    m_machine->setState(Machine::Connected);
    QVERIFY(QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, 10000));
    QCOMPARE(sshRuns(), 2);
}

void BindingTest::menuActionWaitsForAnAdditionInProgress()
{
    start();
    // A second menu action while the first waits for the SDK.
    connect(m_machine, &Machine::portForwardingsChanged, this, [this] { trigger(); });
    trigger();
    QCOMPARE(m_machine->portForwardings().size(), 2);
    QCOMPARE(m_machine->connectRequestCount(), 1);
    QVERIFY(m_answerer->boxes.isEmpty());
}

void BindingTest::removedEmulatorIsLetGo()
{
    start(2);
    QCOMPARE(m_plugin->emulator(), m_emulator);
    m_ide->sdk.removeEmulator(m_emulator);
    QCOMPARE(m_plugin->emulator(), Vesk::Sdk::emulators().first());

    m_ide->sdk.removeEmulator(Vesk::Sdk::emulators().first());
    QCOMPARE(m_plugin->emulator(), nullptr);
    trigger();
    QCOMPARE(m_answerer->boxes.size(), 1);
    QVERIFY(m_answerer->boxes.first().text.contains(
        QStringLiteral("add Strova OS Emulator to the list")));
}

void BindingTest::repeatedSdkSignalsConnectOnce()
{
    start();
    emit m_ide->sdk.deviceModelsChanged();
    emit m_ide->sdk.deviceModelsChanged();
    QSignalSpy availability(m_plugin->sensorsManager(),
                            &SensorsEmulationManager::sensorsAvailabilityChanged);
    m_emulator->setDeviceModelName(QStringLiteral("Unknown phone"));
    // One table application: all sensors available, announced once.
    QCOMPARE(availability.size(), 1);

    bringUp();
    m_plugin->gpsManager()->loadTrack(
        {QVariantMap{{"latitude", 1}, {"longitude", 2}, {"altitude", 3}, {"interval", 0}}});
    m_server->dropClients();
    QVERIFY(QTest::qWaitFor([&] { return m_answerer->boxes.size() == 1; }, 5000));
    QTest::qWait(100);
    QCOMPARE(m_answerer->boxes.size(), 1);
}

void BindingTest::lostConnectionWithoutTrackShowsNothing()
{
    start();
    bringUp();
    QSignalSpy replies(m_plugin->gpsManager(), &EmulationManager::replyFromEmulatorReceived);
    m_server->dropClients();
    QVERIFY(m_server->waitForConnections(2));
    QVERIFY(m_answerer->boxes.isEmpty());
    QVERIFY(replies.isEmpty());
}

void BindingTest::lostConnectionWithTrackShowsMessageCOnce()
{
    start();
    bringUp();
    GPSEmulationManager *gps = m_plugin->gpsManager();
    gps->loadTrack(
        {QVariantMap{{"latitude", 1}, {"longitude", 2}, {"altitude", 3}, {"interval", 0}}});
    QVERIFY(gps->trackLoaded());
    QSignalSpy replies(gps, &EmulationManager::replyFromEmulatorReceived);

    m_server->close(); // the emulator went away: the invoker keeps trying
    QVERIFY(QTest::qWaitFor([&] { return m_answerer->boxes.size() == 1; }, 5000));
    QTest::qWait(600);
    QCOMPARE(m_answerer->boxes.size(), 1);
    QCOMPARE(
        m_answerer->boxes.first().text,
        QStringLiteral("Emulator connection is lost. Please, run Strova OS Emulator 1 if it is "
                       "needed and load the GPS-track again."));
    QCOMPARE(replies.size(), 1);
    QCOMPARE(replies.first().first().toString(), QString());
    QVERIFY(!gps->trackLoaded());

    // Back again: the GPS state goes out with the next connection.
    const int before = m_server->frames.size();
    QVERIFY(m_server->listen());
    QVERIFY(m_server->waitForConnections(2, 5000));
    QVERIFY(m_server->waitForFrames(before + 1));
}

void BindingTest::deviceSensorTableIsApplied()
{
    start(1, QStringLiteral("Phone A"));
    bringUp();
    QTest::qWait(300); // let the first connection's calls arrive
    const int before = m_server->frames.size();
    // Apply again, now that the socket is open, to see the calls.
    m_emulator->setDeviceModelName(QStringLiteral("Phone A"));
    QVERIFY(m_server->waitForFrames(before + 3));
    QStringList methods;
    for (const QString &frame : m_server->frames.mid(before))
        methods.append(frame.section(QLatin1Char(' '), 4));
    QCOMPARE(methods,
             (QStringList{"disableSensor string:als",
                          "enableSensor string:proximity",
                          "disableSensor string:tap"}));
    const QVariantMap availability = m_plugin->sensorsManager()->sensorsAvailability();
    QCOMPARE(availability.value("als").toBool(), false);
    QCOMPARE(availability.value("tap").toBool(), false);
    QCOMPARE(availability.value("proximity").toBool(), true);
    QCOMPARE(availability.value("compass").toBool(), true);
}

void BindingTest::deviceWithoutTableMakesAllSensorsAvailable()
{
    start(1, QStringLiteral("Phone A"));
    QCOMPARE(m_plugin->sensorsManager()->sensorsAvailability().value("tap").toBool(), false);
    m_emulator->setDeviceModelName(QStringLiteral("phone a")); // names are case-sensitive
    const QVariantMap availability = m_plugin->sensorsManager()->sensorsAvailability();
    for (auto it = availability.cbegin(); it != availability.cend(); ++it)
        QVERIFY2(it.value().toBool(), qPrintable(it.key()));
}

void BindingTest::deviceSensorTablesAreRead()
{
    const QVariantMap tables
        = EmulationManagementPlugin::readDeviceSensorTables(QCoreApplication::applicationDirPath());
    QCOMPARE(tables.value("Phone A").toMap(),
             (QVariantMap{{"tap", false}, {"als", false}, {"proximity", true}}));
    QCOMPARE(tables.value("Bools").toMap(),
             (QVariantMap{{"accelerometer", false},
                          {"als", false},
                          {"compass", false},
                          {"gyroscope", false},
                          {"magnetometer", true},
                          {"orientation", true},
                          {"proximity", true},
                          {"tap", true}}));
    QCOMPARE(tables.value("").toMap(), (QVariantMap{{"tap", false}}));
    QVERIFY(tables.contains("Groupless"));
    QCOMPARE(tables.value("Groupless").toMap(), QVariantMap());

    // The later file in directory order wins.
    const QStringList order
        = QDir(QCoreApplication::applicationDirPath())
              .entryList({QStringLiteral("phone-b-*.ini")}, QDir::Files, QDir::Unsorted);
    const QVariantMap phoneB = tables.value("Phone B").toMap();
    if (order.last() == QLatin1String("phone-b-second.ini"))
        QCOMPARE(phoneB, (QVariantMap{{"gyroscope", false}}));
    else
        QCOMPARE(phoneB, (QVariantMap{{"compass", false}}));
}

void BindingTest::qmlTypes()
{
    start();
    QQmlEngine *engine = m_plugin->view()->engine();
    auto errorOf = [engine](const QByteArray &type) {
        QQmlComponent component(engine);
        component.setData("import QtQuick\nimport org.mirel 1.0\n" + type + " {}\n", QUrl());
        std::unique_ptr<QObject> object(component.create());
        return component.errorString();
    };
    QVERIFY2(errorOf("AlsModel").contains("Could not create the AlsModel instance"),
             qPrintable(errorOf("AlsModel")));
    QVERIFY(errorOf("TapModel").contains("Could not create the TapModel instance"));
    QCOMPARE(errorOf("SettingsManager"), QString());
    QCOMPARE(errorOf("WarningDialog"), QString());
    QCOMPARE(errorOf("TextFieldDoubleValidator"), QString());

    QQmlComponent enums(engine);
    enums.setData("import QtQuick\nimport org.mirel 1.0\nQtObject {\n"
                  "    property int dark: AlsModel.Dark\n"
                  "    property int xPos: TapModel.X_Pos\n"
                  "    Component.onCompleted: {\n"
                  "        sensorsEmulationManager.setAlsLightLevel(AlsModel.Dark)\n"
                  "        sensorsEmulationManager.setTapSensorValue(TapModel.X_Pos)\n"
                  "    }\n}\n",
                  QUrl());
    std::unique_ptr<QObject> object(enums.create(m_plugin->view()->rootContext()));
    QVERIFY2(object, qPrintable(enums.errorString()));
    QCOMPARE(object->property("dark").toInt(), int(AlsModel::Dark));
    QCOMPARE(object->property("xPos").toInt(), int(TapModel::X_Pos));
    QCOMPARE(m_plugin->sensorsManager()->tap()->property("tapDirection").toInt(),
             int(TapModel::X_Pos));
}

void BindingTest::oneReplyReachesEachManagerOnce()
{
    start();
    bringUp();
    QSignalSpy gps(m_plugin->gpsManager(), &EmulationManager::replyFromEmulatorReceived);
    QSignalSpy sensors(m_plugin->sensorsManager(), &EmulationManager::replyFromEmulatorReceived);
    m_server->reply(QStringLiteral("setLux:100::org.freedesktop.DBus.Error.Failed:Failed"));
    QVERIFY(sensors.wait());
    QTest::qWait(50);
    QCOMPARE(gps.size(), 1);
    QCOMPARE(sensors.size(), 1);
    QCOMPARE(sensors.first().first().toString(),
             QStringLiteral("org.freedesktop.DBus.Error.Failed Failed"));
}

void BindingTest::hidingWithoutStreamLeavesTheCameraAlone()
{
    start();
    bringUp();
    CameraEmulationManager *camera = m_plugin->cameraManager();
    QSignalSpy running(camera, &CameraEmulationManager::streamRunningChanged);
    QSignalSpy videoStopped(camera, &CameraEmulationManager::videoStreamStopped);
    m_plugin->view()->close();
    QVERIFY(!m_plugin->view()->isVisible());
    QCOMPARE(running.size(), 0);
    QCOMPARE(videoStopped.size(), 0);
}

QTEST_MAIN(BindingTest)

#include "tst_binding.moc"
