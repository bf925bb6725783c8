#include "signalrecorder.h"
#include "testtimeouts.h"
#include "virtualcamera.h"

#include "camera/cameraemulationmanager.h"
#include "camera/pipelinecontrol.h"

#include <QSignalSpy>
#include <QTest>

#include <gst/gst.h>

using namespace EmulationManagement::Internal;
using PipelineControl::settledState;

namespace {

// clang-format off
const QStringList selectionSignals{"widthChanged", "heightChanged", "framerateChanged", "resolutionIndexChanged", "frameratesChanged"};
const QStringList cameraNameSignals = selectionSignals + QStringList{"cameraNameChanged", "resolutionsChanged", "frameratesChanged"};
// clang-format on

// Runs what is pending on the main thread, the device monitor's bus among it.
void drainEvents()
{
    for (int i = 0; i < 100 && g_main_context_pending(nullptr); ++i)
        QCoreApplication::processEvents();
}

bool waitForCameras(const CameraEmulationManager &manager, const QStringList &expected)
{
    return QTest::qWaitFor([&] { return manager.cameras() == expected; }, eventTimeoutMs);
}

int sourceDeviceIndex(const CameraEmulationManager &manager)
{
    GstElement *source = gst_bin_get_by_name(GST_BIN(manager.cameraPipeline()), "sourcePluginCam");
    int index = -1;
    if (source) {
        g_object_get(source, "device-index", &index, nullptr);
        gst_object_unref(source);
    }
    return index;
}

} // namespace

class CameraManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void devicesAreFoundWithTheirResolutions();
    void hotPluggedCamerasComeAndGo();
    void camerasWithOneNameShareAnEntryUntilTheLastGoes();
    void removingTheSelectedCameraWhileStreaming();
    void selectingACameraOrAResolution();
    void waitsForStateChangesAreBounded();
};

void CameraManagerTest::initTestCase()
{
    gst_init(nullptr, nullptr);
    QVERIFY(virtual_camera_register_static());
}

void CameraManagerTest::init()
{
    virtual_camera_unplug_all();
}

void CameraManagerTest::devicesAreFoundWithTheirResolutions()
{
    virtual_camera_plug(3, "Virtual Camera 4");
    CameraEmulationManager manager;
    SignalRecorder recorder(&manager);
    manager.populateCameras();
    // The device-added message of the camera already listed changes nothing.
    drainEvents();
    QCOMPARE(recorder.names,
             (QStringList{"camerasChanged", "resolutionsChanged", "frameratesChanged"}
              + cameraNameSignals + QStringList{"cameraStreamSettingsApplied"}));

    QCOMPARE(manager.cameras(), QStringList{"Virtual Camera 4"});
    // The JPEG structure of 640x480 comes second and adds nothing.
    // clang-format off
    const QVariantList expected{QVariantMap{{"width", 1280}, {"height", 720}, {"string", "1280x720"}, {"framerates", QStringList{"30/1", "25/1", "20/1", "15/1", "10/1", "6/1", "5/1"}}},
                                QVariantMap{{"width", 640}, {"height", 480}, {"string", "640x480"}, {"framerates", QStringList{"30/1", "15/1"}}}};
    // clang-format on
    QCOMPARE(manager.resolutions(), expected);
    QCOMPARE(manager.cameraName(), QStringLiteral("Virtual Camera 4"));
    QCOMPARE(sourceDeviceIndex(manager), 3);
    // Filling the list again joins no element a second time.
    manager.populateCameras();
    QCOMPARE(GST_BIN_NUMCHILDREN(manager.cameraPipeline()), 5);
}

// Names are in code unit order, not the locale's. A camera appearing does
// not change the selection.
void CameraManagerTest::hotPluggedCamerasComeAndGo()
{
    const QStringList listed{"camerasChanged", "resolutionsChanged", "frameratesChanged"};
    virtual_camera_plug(2, "Virtual Camera 3");
    CameraEmulationManager manager;
    manager.populateCameras();
    drainEvents();
    SignalRecorder recorder(&manager);
    virtual_camera_plug(0, "virtual camera 1");
    virtual_camera_plug(1, "Virtual Camera 2");
    QVERIFY(waitForCameras(manager, {"Virtual Camera 2", "Virtual Camera 3", "virtual camera 1"}));
    QCOMPARE(recorder.names, listed + listed);
    QCOMPARE(manager.cameraName(), QStringLiteral("Virtual Camera 3"));
    QCOMPARE(sourceDeviceIndex(manager), 2);

    // Unplugging a camera that is not selected only shortens the list.
    recorder.clear();
    virtual_camera_unplug(1);
    QVERIFY(waitForCameras(manager, {"Virtual Camera 3", "virtual camera 1"}));
    QCOMPARE(recorder.names, QStringList{"camerasChanged"});
    QCOMPARE(manager.cameraName(), QStringLiteral("Virtual Camera 3"));
}

// Cameras with one name share an entry, which follows the other device when
// its own goes. When the last goes, the selection stays and starting fails.
void CameraManagerTest::camerasWithOneNameShareAnEntryUntilTheLastGoes()
{
    virtual_camera_plug(0, "Twin");
    CameraEmulationManager manager;
    manager.populateCameras();
    drainEvents();
    SignalRecorder recorder(&manager);
    virtual_camera_plug(1, "Twin");
    drainEvents();
    QVERIFY(recorder.names.isEmpty());
    QCOMPARE(manager.cameras(), QStringList{"Twin"});
    QCOMPARE(sourceDeviceIndex(manager), 0);

    virtual_camera_unplug(0);
    drainEvents();
    QCOMPARE(manager.cameras(), QStringList{"Twin"});
    QCOMPARE(manager.cameraName(), QStringLiteral("Twin"));
    QCOMPARE(sourceDeviceIndex(manager), 1);
    manager.startCameraStream();
    QCOMPARE(settledState(manager.cameraPipeline()), int(GST_STATE_PLAYING));
    manager.stopCameraStream();
    drainEvents();

    recorder.clear();
    virtual_camera_unplug(1);
    QVERIFY(waitForCameras(manager, {}));
    QCOMPARE(recorder.names, QStringList{"camerasChanged"});
    QCOMPARE(manager.cameraName(), QStringLiteral("Twin"));
    QVERIFY(manager.resolutions().isEmpty());
    QSignalSpy failed(&manager, &CameraEmulationManager::streamFailed);
    recorder.clear();
    manager.startCameraStream();
    QVERIFY(failed.wait(eventTimeoutMs));
    QCOMPARE(failed.first().first().toString(),
             QStringLiteral("Virtual camera 1 is not connected."));
    QCOMPARE(manager.streamRunning(), false);
    QCOMPARE(settledState(manager.cameraPipeline()), int(GST_STATE_NULL));
    QCOMPARE(recorder.names,
             (QStringList{"streamRunningChanged", "streamStarted", "streamRunningChanged", "streamFailed"}));

    // Once the camera is back, the same pipeline plays again.
    virtual_camera_plug(1, "Twin");
    QVERIFY(waitForCameras(manager, {"Twin"}));
    manager.startCameraStream();
    QCOMPARE(settledState(manager.cameraPipeline()), int(GST_STATE_PLAYING));
    drainEvents();
    QCOMPARE(failed.size(), 1);
}

// The selected camera goes while it streams, unplugged and then missing from
// an updated list: the stream stops and the first camera left is selected.
void CameraManagerTest::removingTheSelectedCameraWhileStreaming()
{
    virtual_camera_plug(0, "A");
    virtual_camera_plug(1, "B");
    virtual_camera_plug(2, "C");
    CameraEmulationManager manager;
    manager.populateCameras();
    manager.setResolutionIndex(1);
    manager.setCameraStreamSettings();
    manager.startCameraStream();
    QCOMPARE(settledState(manager.cameraPipeline()), int(GST_STATE_PLAYING));
    drainEvents();
    SignalRecorder recorder(&manager);

    virtual_camera_unplug(0);
    QVERIFY(waitForCameras(manager, {"B", "C"}));
    drainEvents();
    QCOMPARE(recorder.names,
             (QStringList{"streamRunningChanged", "camerasChanged"} + cameraNameSignals
              + QStringList{"cameraStreamSettingsApplied"}));
    QCOMPARE(settledState(manager.cameraPipeline()), int(GST_STATE_NULL));
    QCOMPARE(manager.cameraName(), QStringLiteral("B"));
    QCOMPARE(manager.width(), 1280);
    QCOMPARE(sourceDeviceIndex(manager), 1);

    manager.setCameraName(QStringLiteral("C"));
    manager.setCameraStreamSettings();
    manager.startCameraStream();
    gpointer oldPipeline = manager.cameraPipeline();
    g_object_add_weak_pointer(G_OBJECT(oldPipeline), &oldPipeline);
    virtual_camera_unplug(2);
    manager.updateCamerasList();
    QVERIFY(!oldPipeline);
    QCOMPARE(manager.streamRunning(), false);
    QCOMPARE(manager.cameras(), QStringList{"B"});
    QCOMPARE(manager.cameraName(), QStringLiteral("B"));
    QCOMPARE(sourceDeviceIndex(manager), 1);
    QCOMPARE(GST_BIN_NUMCHILDREN(manager.cameraPipeline()), 5);
    // The new monitor still reports changes.
    virtual_camera_plug(2, "C");
    QVERIFY(waitForCameras(manager, {"B", "C"}));
}

// A new camera starts at its first resolution, applied only when the
// settings are set; an index out of range reads nothing.
void CameraManagerTest::selectingACameraOrAResolution()
{
    virtual_camera_plug(0, "A");
    virtual_camera_plug(1, "B");
    CameraEmulationManager manager;
    manager.populateCameras();
    manager.setResolutionIndex(1);
    drainEvents();
    SignalRecorder recorder(&manager);
    manager.setCameraName(QStringLiteral("B"));
    QCOMPARE(recorder.names, cameraNameSignals);
    QCOMPARE(manager.resolutionIndex(), 0);
    QCOMPARE(QSize(manager.width(), manager.height()), QSize(1280, 720));
    QCOMPARE(sourceDeviceIndex(manager), 0);
    manager.setCameraStreamSettings();
    QCOMPARE(sourceDeviceIndex(manager), 1);

    for (const int index : {2, -1}) {
        manager.setResolutionIndex(1);
        recorder.clear();
        manager.setResolutionIndex(index);
        QCOMPARE(recorder.names, selectionSignals);
        QCOMPARE(QSize(manager.width(), manager.height()), QSize(640, 480));
        QCOMPARE(manager.framerate(), QStringLiteral("30/1"));
        QVERIFY(manager.framerates().isEmpty());
    }
}

void CameraManagerTest::waitsForStateChangesAreBounded()
{
    // Nothing is ever pushed, so this pipeline never finishes going to PAUSED.
    GstElement *pipeline = gst_parse_launch("appsrc ! fakesink", nullptr);
    QVERIFY(pipeline);
    gst_object_ref_sink(pipeline);
    QCOMPARE(gst_element_set_state(pipeline, GST_STATE_PAUSED), GST_STATE_CHANGE_ASYNC);
    PipelineControl::waitAndStop(pipeline, 200);
    // Stopped, with no change pending.
    QCOMPARE(settledState(pipeline, 0), int(GST_STATE_NULL));
    gst_object_unref(pipeline);
}

QTEST_GUILESS_MAIN(CameraManagerTest)
#include "tst_cameramanager.moc"
