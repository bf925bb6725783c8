#include "emulatorstate.h"
#include "ideenvironment.h"
#include "simulatedmachine.h"
#include "testmedia.h"
#include "testtimeouts.h"

#include "plugin/emulationmanagementplugin.h"

#include <vesk/emulator.h>
#include <vesk/virtualmachine.h>

#include <QFile>
#include <QProcess>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <functional>

using namespace EmulationManagement::Internal;
using Host::SimulatedMachine;
using StateValues = QList<std::pair<QString, QJsonValue>>;

// The plug-in's code in this process, the simulated emulator as a real
// process behind real WebSocket, D-Bus and UDP, as in a demo run.
class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void openingFromAColdMachine();
    void filesChosenInTheWindowsDialogs();
    void recordingReplaysFromTheCommandLine();
    void closingTheWindowKeepsTheRecording();
    void readingsOutliveAnEmulatorRestart();

private:
    // The window's shown item that matches, overlays (dialogs) included.
    QQuickItem *shownItem(const std::function<bool(QQuickItem *)> &match) const;
    QQuickItem *namedItem(const QString &objectName) const;
    void click(QQuickItem *item) const;
    void showPage(const QString &buttonText) const;
    // Clicks the field, selects all and types the text, then Return.
    void typeInto(const QString &fieldName, const QString &text) const;
    // The table lays out its rows after the emulator may already have the track.
    bool waitForRows(int rows) const;
    // The call texts the emulator logged, oldest first.
    QStringList loggedCalls() const;
    // Opens a file dialog with its button and types the file's path into it,
    // as a user does: Ctrl+L, the path, Enter.
    bool chooseFile(const QString &buttonName,
                    const QString &dialogName,
                    const QString &path) const;
    // The value at a "/"-separated path of keys (indices in arrays) in the
    // emulator's state file.
    QJsonValue stateAt(const QString &path) const;
    bool waitForState(const StateValues &expected, int timeoutMs = eventTimeoutMs) const;
    bool waitForWindow() const;

    QTemporaryDir m_dir;
    TestMedia m_media;
    std::unique_ptr<IdeEnvironment> m_ide;
    std::unique_ptr<SimulatedMachine> m_machine;
    std::unique_ptr<EmulationManagementPlugin> m_plugin;
    Vesk::VirtualMachine *m_vm = nullptr;
};

void EndToEndTest::initTestCase()
{
    QFile packages(m_dir.filePath("packages.txt"));
    QVERIFY(packages.open(QIODevice::WriteOnly));
    packages.write("sensorfw-qt5-emulator-plugins-0.14\nremote-dbus-invoker-1.2\n"
                   "geoclue-emulator-0.3\ngstreamer-emulator-1.0\n");
    packages.close();
    qputenv("STROVA_EMULATOR_PACKAGES", QFile::encodeName(packages.fileName()));
    qputenv("GST_PLUGIN_PATH", VIRTUAL_CAMERA_DIR);

    m_ide = std::make_unique<IdeEnvironment>();
    m_plugin = std::make_unique<EmulationManagementPlugin>();
    m_plugin->initialize({}, nullptr);
    m_plugin->extensionsInitialized();
    auto emulator = new Vesk::Emulator("Strova OS Emulator", "Strova Phone 5");
    m_vm = emulator->virtualMachine();
    const SimulatedMachine::Paths paths{EMULATOR_EXECUTABLE, FAKE_SSH, m_dir.filePath("emulator")};
    m_machine = std::make_unique<SimulatedMachine>(m_vm, &m_ide->settings, paths);
    m_ide->sdk.addEmulator(emulator);
}

void EndToEndTest::cleanupTestCase()
{
    m_plugin.reset();
    m_machine.reset();
    m_ide.reset();
}

QJsonValue EndToEndTest::stateAt(const QString &path) const
{
    return emulatorStateAt(m_machine->stateFile(), path);
}

bool EndToEndTest::waitForState(const StateValues &expected, int timeoutMs) const
{
    return QTest::qWaitFor(
        [&] {
            return std::all_of(expected.begin(), expected.end(), [this](const auto &entry) {
                return stateAt(entry.first) == entry.second;
            });
        },
        timeoutMs);
}

bool EndToEndTest::waitForWindow() const
{
    return QTest::qWaitFor([&] { return m_plugin->view()->isVisible(); }, eventTimeoutMs);
}

void EndToEndTest::openingFromAColdMachine()
{
    QVERIFY(m_vm->isOff());
    QSignalSpy replies(m_plugin->sensorsManager(), &EmulationManager::replyFromEmulatorReceived);
    IdeEnvironment::triggerMenuEntry();
    QCOMPARE(m_vm->portForwardings().size(), 2);
    QVERIFY(waitForWindow());
    QVERIFY(m_ide->answerer.boxes.isEmpty());

    // Every reply of the first connection is a success: the emulator's
    // services took each argument with the D-Bus type they declare.
    QVERIFY(QTest::qWaitFor([&] { return replies.size() >= 16; }, eventTimeoutMs));
    for (const QList<QVariant> &reply : std::as_const(replies))
        QCOMPARE(reply.first().toString(), QStringLiteral("OK"));
    QVERIFY(waitForState({{"sensors/accelerometer/z", 1000},
                          {"sensors/als/lux", 100},
                          {"sensors/proximity/reflectance", 5},
                          {"sensors/tap/direction", -1}}));
    // The demo device has no proximity sensor.
    QCOMPARE(m_plugin->sensorsManager()->sensorsAvailability().value("proximity").toBool(), false);
}

void EndToEndTest::readingsOutliveAnEmulatorRestart()
{
    SensorsEmulationManager *sensors = m_plugin->sensorsManager();
    GPSEmulationManager *gps = m_plugin->gpsManager();
    sensors->setAccelerometerX(500);
    sensors->setAlsLuxValue(321);
    gps->setPosition(-33.8688, 151.2093, -5);
    const StateValues kept{{"sensors/accelerometer/x", 500},
                           {"sensors/als/lux", 321},
                           {"gps/position/latitude", -33.8688},
                           {"gps/position/longitude", 151.2093},
                           {"gps/position/altitude", -5}};
    QVERIFY(waitForState(kept));

    // The track chosen in the dialog is lost with the emulator, the camera stream stops.
    const int boxes = m_ide->answerer.boxes.size();
    QVERIFY(m_machine->processId() > 0);
    ::kill(pid_t(m_machine->processId()), SIGKILL);
    QVERIFY(
        QTest::qWaitFor([&] { return m_ide->answerer.boxes.size() == boxes + 1; }, eventTimeoutMs));
    QCOMPARE(m_ide->answerer.boxes.last().text,
             QStringLiteral("Emulator connection is lost. Please, run Strova OS Emulator if it is "
                            "needed and load the GPS-track again."));
    // The machine's stop and the socket's loss arrive in either order.
    QVERIFY(QTest::qWaitFor([&] { return !m_plugin->view()->isVisible(); }, eventTimeoutMs));
    QVERIFY(!m_plugin->cameraManager()->streamRunning());

    // The new emulator process gets the readings set before the restart,
    // and no track: the page has dropped it.
    IdeEnvironment::triggerMenuEntry();
    QVERIFY(waitForWindow());
    QVERIFY(waitForState(kept));
    QObject *page = m_plugin->view()->rootObject()->findChild<QObject *>("gpsManagementPage");
    QCOMPARE(page->findChild<QObject *>("trackTable")->property("rows").toInt(), 0);
    QCOMPARE(page->property("nmeaFileUrl").toString(), QString());
    QCOMPARE(stateAt("gps/track"), QJsonValue(QJsonArray()));
    QCOMPARE(m_ide->answerer.boxes.size(), boxes + 1);
}

QQuickItem *EndToEndTest::shownItem(const std::function<bool(QQuickItem *)> &match) const
{
    QList<QQuickItem *> items{m_plugin->view()->contentItem()};
    while (!items.isEmpty()) {
        QQuickItem *item = items.takeFirst();
        if (!item->isVisible())
            continue;
        if (match(item))
            return item;
        items.append(item->childItems());
    }
    return nullptr;
}

QQuickItem *EndToEndTest::namedItem(const QString &objectName) const
{
    return shownItem([&](QQuickItem *item) { return item->objectName() == objectName; });
}

void EndToEndTest::click(QQuickItem *item) const
{
    QVERIFY(item);
    // As a user does, wait for the button: the page may follow the emulator's reply a turn later.
    QVERIFY(QTest::qWaitFor([item] { return item->isEnabled(); }, eventTimeoutMs));
    const QPointF centre(item->width() / 2, item->height() / 2);
    QTest::mouseClick(m_plugin->view(), Qt::LeftButton, {}, item->mapToScene(centre).toPoint());
}

void EndToEndTest::showPage(const QString &buttonText) const
{
    click(shownItem([&](QQuickItem *item) {
        return item->property("text") == buttonText && item->parentItem()
               && item->parentItem()->objectName() == QLatin1String("pageButtons");
    }));
}

bool EndToEndTest::chooseFile(const QString &buttonName,
                              const QString &dialogName,
                              const QString &path) const
{
    QQuickView *view = m_plugin->view();
    QObject *dialog = view->rootObject()->findChild<QObject *>(dialogName);
    click(namedItem(buttonName));
    if (!dialog
        || !QTest::qWaitFor([&] { return namedItem("fileDialogListView"); }, eventTimeoutMs))
        return false;
    QTest::keyClick(view, Qt::Key_L, Qt::ControlModifier);
    for (const QChar character : path)
        QTest::keyClick(view, character.toLatin1());
    QTest::keyClick(view, Qt::Key_Return);
    return QTest::qWaitFor([&] { return !dialog->property("visible").toBool(); }, eventTimeoutMs);
}

void EndToEndTest::typeInto(const QString &fieldName, const QString &text) const
{
    click(namedItem(fieldName));
    QTest::keyClick(m_plugin->view(), Qt::Key_A, Qt::ControlModifier);
    for (const QChar character : text)
        QTest::keyClick(m_plugin->view(), character.toLatin1());
    QTest::keyClick(m_plugin->view(), Qt::Key_Return);
}

bool EndToEndTest::waitForRows(int rows) const
{
    return QTest::qWaitFor(
        [&] { return namedItem("trackTable")->property("rows").toInt() == rows; }, eventTimeoutMs);
}

QStringList EndToEndTest::loggedCalls() const
{
    QFile log(m_dir.filePath("emulator/calls.log"));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList calls;
    const QByteArray marker = "call  ";
    for (const QByteArray &line : log.readAll().split('\n')) {
        const qsizetype at = line.indexOf(marker);
        if (at >= 0)
            calls << QString::fromUtf8(line.mid(at + marker.size()));
    }
    return calls;
}

// A user loads tracks and a video through the window's own file dialogs.
void EndToEndTest::filesChosenInTheWindowsDialogs()
{
    QVERIFY(m_plugin->view()->isVisible());
    showPage("GPS Management");
    QVERIFY(chooseFile("trackFileButton", "trackFileDialog", TRACKS_DIR "/track.nmea"));
    QVERIFY(waitForState({{"gps/track/3/2", 547.4}}));
    // The first load stays and plays: the emulator follows the page to the
    // last point, 1 ms after the one before it, where playback ends.
    click(namedItem("playButton"));
    QVERIFY(waitForState({{"gps/playback", "playing"}, {"gps/currentIndex", 3}}));
    QVERIFY(waitForRows(4));
    QVERIFY(QTest::qWaitFor([&] { return !namedItem("stopButton")->isEnabled(); }, eventTimeoutMs));

    QVERIFY(chooseFile("trackFileButton", "trackFileDialog", TRACKS_DIR "/timed.gpx"));
    QVERIFY(waitForState({{"gps/track/1/2", 1546.4}, {"gps/playback", "stopped"}}));
    QVERIFY(waitForRows(2));
    // The window's message dialogs open too: a broken file is reported.
    QObject *errorDialog = m_plugin->view()->rootObject()->findChild<QObject *>("errorDialog");
    QVERIFY(chooseFile("trackFileButton", "trackFileDialog", TRACKS_DIR "/broken.gpx"));
    QVERIFY(
        QTest::qWaitFor([&] { return errorDialog->property("visible").toBool(); }, eventTimeoutMs));
    click(shownItem([](QQuickItem *item) { return item->property("text") == "OK"; }));
    QVERIFY(QTest::qWaitFor([&] { return !errorDialog->property("visible").toBool(); },
                            eventTimeoutMs));
    // The previous track stays in the table and in the emulator.
    QVERIFY(waitForRows(2));
    QVERIFY(namedItem("trackFileField")->property("text").toString().endsWith("timed.gpx"));
    QCOMPARE(stateAt("gps/track").toArray().size(), 2);
    QCOMPARE(stateAt("gps/track/1/2"), QJsonValue(1546.4));
    // A KML route loads from the same dialog, and plays at the default interval.
    QVERIFY(chooseFile("trackFileButton", "trackFileDialog", TRACKS_DIR "/route.kml"));
    QVERIFY(waitForState({{"gps/track/3/2", 13.25}, {"gps/useDefaultInterval", true}}));
    QVERIFY(waitForRows(4));
    QObject *messageDialog = m_plugin->view()->rootObject()->findChild<QObject *>("messageDialog");
    QVERIFY(QTest::qWaitFor([&] { return messageDialog->property("visible").toBool(); },
                            eventTimeoutMs));
    click(shownItem([](QQuickItem *item) { return item->property("text") == "OK"; }));

    showPage("Camera Management");
    click(namedItem("videoFileButton"));
    const QString video
        = m_media.make("clip.webm", "vp8enc deadline=1 ! webmmux", 30, "I420", QSize(352, 288));
    QVERIFY(chooseFile("chooseFileButton", "videoFileDialog", video));
    QVERIFY(
        waitForState({{"camera/receiving", true}, {"camera/width", 352}, {"camera/height", 288}}));
    click(namedItem("stopStreamButton"));
    QVERIFY(waitForState({{"camera/receiving", false}}));

    // The host camera streams too, until the emulator goes (next test).
    const CameraEmulationManager *camera = m_plugin->cameraManager();
    click(namedItem("hostCameraButton"));
    click(namedItem("startStreamButton"));
    QVERIFY(waitForState({{"camera/width", camera->width()}, {"camera/height", camera->height()}}));
}

// What a user does in the window while recording, saved through the
// window's dialog, makes emulation-ctl send the same calls in the same order.
void EndToEndTest::recordingReplaysFromTheCommandLine()
{
    const qsizetype before = loggedCalls().size();
    click(namedItem("recordButton"));
    QVERIFY(m_plugin->recorder()->isRecording());

    showPage("Sensors Values");
    typeInto("accelerometer.xField", "1.009");
    typeInto("accelerometer.zField", "-2.046");
    showPage("Sensors Management");
    click(namedItem("accelerometerCheckBox"));
    click(namedItem("applyButton"));
    QVERIFY(waitForState({{"sensors/enabled/compass", false}}));
    click(namedItem("accelerometerCheckBox"));
    click(namedItem("applyButton"));
    QVERIFY(waitForState({{"sensors/enabled/accelerometer", true}}));
    showPage("Orientation Management");
    click(namedItem("preset5"));
    showPage("GPS Management");
    typeInto("latitudeField", "-33.8688");
    typeInto("longitudeField", "151.2093");
    typeInto("altitudeField", "12.5");
    click(namedItem("setButton"));
    QVERIFY(waitForState({{"gps/position/altitude", 12.5}}));
    QVERIFY(chooseFile("trackFileButton", "trackFileDialog", TRACKS_DIR "/track.nmea"));
    QVERIFY(waitForState({{"gps/track/3/2", 547.4}}));
    click(namedItem("playButton"));
    QVERIFY(waitForState({{"gps/currentIndex", 3}}, 4 * eventTimeoutMs));
    QVERIFY(QTest::qWaitFor([&] { return !namedItem("trackTimer")
                                          || !namedItem("trackTimer")->property("running").toBool(); },
                            eventTimeoutMs));
    showPage("Camera Management");
    click(namedItem("videoFileButton"));
    QVERIFY(chooseFile("chooseFileButton", "videoFileDialog", m_media.make("clip.webm", "vp8enc deadline=1 ! webmmux", 30, "I420", QSize(352, 288))));
    QVERIFY(waitForState({{"camera/receiving", true}}));
    click(namedItem("stopStreamButton"));

    const QString scenario = m_dir.filePath("walk.scenario");
    QVERIFY(chooseFile("recordButton", "scenarioFileDialog", scenario));
    QVERIFY(!m_plugin->recorder()->isRecording());
    const QStringList recorded = loggedCalls().mid(before);
    QVERIFY(recorded.size() > 20);

    QProcess ctl;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", m_dir.filePath("ctl-config"));
    ctl.setProcessEnvironment(environment);
    const qsizetype replayFrom = loggedCalls().size();
    ctl.start(EMULATION_CTL, {"script", scenario});
    QVERIFY(ctl.waitForFinished(60000));
    QVERIFY2(ctl.exitCode() == 0, ctl.readAllStandardError().constData());
    QCOMPARE(loggedCalls().mid(replayFrom), recorded);
}

// Closed while recording, the window saves to a temporary file and says where.
void EndToEndTest::closingTheWindowKeepsTheRecording()
{
    click(namedItem("recordButton"));
    m_plugin->gpsManager()->setAltitude(7);
    const int boxes = m_ide->answerer.boxes.size();
    m_plugin->view()->close();
    QCOMPARE(m_ide->answerer.boxes.size(), boxes + 1);
    const QString text = m_ide->answerer.boxes.last().text;
    const QString path = text.section(" saved to ", 1).chopped(1);
    QVERIFY2(QFile::exists(path), qPrintable(text));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith("call ru.quor.GeoclueEmulationManagement setAltitude double:7.00\n"));
    QVERIFY(file.remove());
    IdeEnvironment::triggerMenuEntry();
    QVERIFY(waitForWindow());
}

QTEST_MAIN(EndToEndTest)

#include "tst_endtoend.moc"
