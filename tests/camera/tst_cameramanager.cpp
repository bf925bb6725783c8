#include "signalrecorder.h"
#include "virtualcamera.h"

#include "camera/cameraemulationmanager.h"
#include "camera/pipelinecontrol.h"

#include <QSignalSpy>
#include <QTest>

#include <gst/gst.h>

using namespace EmulationManagement::Internal;

namespace {

const QStringList hdRates{"30/1", "25/1", "20/1", "15/1", "10/1", "6/1", "5/1"};
const QStringList selectionSignals{"widthChanged",
                                   "heightChanged",
                                   "framerateChanged",
                                   "resolutionIndexChanged",
                                   "frameratesChanged"};
const QStringList cameraNameSignals
    = selectionSignals
      + QStringList{"cameraNameChanged", "resolutionsChanged", "frameratesChanged"};

// Runs what is pending on the main thread, the device monitor's bus among it.
void drainEvents()
{
    for (int i = 0; i < 100 && g_main_context_pending(nullptr); ++i)
        QCoreApplication::processEvents();
}

bool waitForCameras(const CameraEmulationManager &manager, const QStringList &expected)
{
    return QTest::qWaitFor([&] { return manager.cameras() == expected; }, 5000);
}

GstElement *child(GstElement *pipeline, const char *name)
{
    return gst_bin_get_by_name(GST_BIN(pipeline), name);
}

// A property of a pipeline element as text, "-" when the element is missing.
QString propertyText(GstElement *pipeline, const char *elementName, const char *property)
{
    GstElement *element = child(pipeline, elementName);
    if (!element)
        return QStringLiteral("-");
    GValue value = G_VALUE_INIT;
    g_object_get_property(G_OBJECT(element), property, &value);
    gchar *text = G_VALUE_HOLDS_STRING(&value)   ? g_value_dup_string(&value)
                  : GST_VALUE_HOLDS_CAPS(&value) ? gst_caps_to_string(gst_value_get_caps(&value))
                                                 : gst_value_serialize(&value);
    const QString result = QString::fromUtf8(text);
    g_free(text);
    g_value_unset(&value);
    gst_object_unref(element);
    return result;
}

int sourceDeviceIndex(const CameraEmulationManager &manager)
{
    return propertyText(manager.cameraPipeline(), "sourcePluginCam", "device-index").toInt();
}

// Names of the pipeline's elements and of their factories, in name order.
QStringList elementsOf(GstElement *pipeline)
{
    QStringList elements;
    GstIterator *iterator = gst_bin_iterate_elements(GST_BIN(pipeline));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(iterator, &item) == GST_ITERATOR_OK) {
        auto element = GST_ELEMENT(g_value_get_object(&item));
        elements.append(QStringLiteral("%1:%2").arg(
            QString::fromUtf8(GST_OBJECT_NAME(element)),
            QString::fromUtf8(GST_OBJECT_NAME(gst_element_get_factory(element)))));
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(iterator);
    elements.sort();
    return elements;
}

int stateOf(GstElement *pipeline)
{
    return PipelineControl::settledState(pipeline);
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
    void firstCameraToAppearAppliesTheSettings();
    void camerasWithOneNameShareAnEntryUntilTheLastGoes();
    void removingTheSelectedCameraWhileStreaming();
    void lastCameraGoneKeepsTheSelectionAndFailsToOpen();
    void updatingTheListRebuildsTheCameraPipeline();
    void setCameraNameSignalOrder();
    void resolutionIndexOutOfRangeReadsNothing();
    void pipelinesAreBuiltAsNamed();
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
    const QVariantList expected{
        QVariantMap{
            {"width", 1280}, {"height", 720}, {"string", "1280x720"}, {"framerates", hdRates}},
        QVariantMap{{"width", 640},
                    {"height", 480},
                    {"string", "640x480"},
                    {"framerates", QStringList{"30/1", "15/1"}}}};
    QCOMPARE(manager.resolutions(), expected);
    QCOMPARE(manager.cameraName(), QStringLiteral("Virtual Camera 4"));
    QCOMPARE(QSize(manager.width(), manager.height()), QSize(1280, 720));
    QCOMPARE(manager.framerate(), QStringLiteral("30/1"));
    QCOMPARE(sourceDeviceIndex(manager), 3);
    QCOMPARE(
        propertyText(manager.cameraPipeline(), "capsfilterCam", "caps"),
        QStringLiteral("video/x-raw, width=(int)1280, height=(int)720, framerate=(fraction)30/1"));
}

// Names are in code unit order, not the locale's.
void CameraManagerTest::hotPluggedCamerasComeAndGo()
{
    virtual_camera_plug(0, "virtual camera 1");
    virtual_camera_plug(2, "Virtual Camera 3");
    CameraEmulationManager manager;
    manager.populateCameras();
    drainEvents();
    QCOMPARE(manager.cameras(), (QStringList{"Virtual Camera 3", "virtual camera 1"}));
    QCOMPARE(manager.cameraName(), QStringLiteral("Virtual Camera 3"));
    QCOMPARE(sourceDeviceIndex(manager), 2);
    SignalRecorder recorder(&manager);

    virtual_camera_plug(1, "Virtual Camera 2");
    QVERIFY(waitForCameras(manager, {"Virtual Camera 2", "Virtual Camera 3", "virtual camera 1"}));
    QCOMPARE(recorder.names,
             (QStringList{"camerasChanged", "resolutionsChanged", "frameratesChanged"}));
    QCOMPARE(manager.cameraName(), QStringLiteral("Virtual Camera 3"));
    QCOMPARE(sourceDeviceIndex(manager), 2);

    // Unplugging a camera that is not selected only shortens the list.
    recorder.clear();
    virtual_camera_unplug(1);
    QVERIFY(waitForCameras(manager, {"Virtual Camera 3", "virtual camera 1"}));
    QCOMPARE(recorder.names, QStringList{"camerasChanged"});
    QCOMPARE(manager.cameraName(), QStringLiteral("Virtual Camera 3"));
}

void CameraManagerTest::firstCameraToAppearAppliesTheSettings()
{
    CameraEmulationManager manager;
    manager.populateCameras();
    QVERIFY(manager.cameras().isEmpty());
    // Without a camera there is no factory for the source element.
    QVERIFY(!child(manager.cameraPipeline(), "sourcePluginCam"));
    SignalRecorder recorder(&manager);

    virtual_camera_plug(2, "Late");
    QVERIFY(waitForCameras(manager, {"Late"}));
    QCOMPARE(recorder.names,
             (QStringList{"camerasChanged",
                          "resolutionsChanged",
                          "frameratesChanged",
                          "cameraStreamSettingsApplied"}));
    // A camera appearing does not select itself.
    QCOMPARE(manager.cameraName(), QString());
    QVERIFY(manager.resolutions().isEmpty());
}

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

    // The entry's own device goes: the entry follows the other one.
    virtual_camera_unplug(0);
    drainEvents();
    QCOMPARE(manager.cameras(), QStringList{"Twin"});
    QCOMPARE(manager.cameraName(), QStringLiteral("Twin"));
    QCOMPARE(sourceDeviceIndex(manager), 1);
    manager.startCameraStream();
    QCOMPARE(stateOf(manager.cameraPipeline()), int(GST_STATE_PLAYING));
    manager.stopCameraStream();

    virtual_camera_unplug(1);
    QVERIFY(waitForCameras(manager, {}));
}

void CameraManagerTest::removingTheSelectedCameraWhileStreaming()
{
    virtual_camera_plug(0, "A");
    virtual_camera_plug(1, "B");
    CameraEmulationManager manager;
    manager.populateCameras();
    manager.setResolutionIndex(1);
    manager.setCameraStreamSettings();
    manager.startCameraStream();
    QCOMPARE(stateOf(manager.cameraPipeline()), int(GST_STATE_PLAYING));
    drainEvents();
    SignalRecorder recorder(&manager);

    virtual_camera_unplug(0);
    QVERIFY(waitForCameras(manager, {"B"}));
    drainEvents();
    QCOMPARE(recorder.names,
             (QStringList{"streamRunningChanged", "camerasChanged"} + cameraNameSignals
              + QStringList{"cameraStreamSettingsApplied"}));
    QCOMPARE(manager.streamRunning(), false);
    QCOMPARE(stateOf(manager.cameraPipeline()), int(GST_STATE_NULL));
    QCOMPARE(manager.cameraName(), QStringLiteral("B"));
    QCOMPARE(manager.width(), 1280);
    QCOMPARE(sourceDeviceIndex(manager), 1);
}

void CameraManagerTest::lastCameraGoneKeepsTheSelectionAndFailsToOpen()
{
    virtual_camera_plug(0, "A");
    CameraEmulationManager manager;
    manager.populateCameras();
    manager.setResolutionIndex(1);
    drainEvents();
    SignalRecorder recorder(&manager);

    virtual_camera_unplug(0);
    QVERIFY(waitForCameras(manager, {}));
    QCOMPARE(recorder.names, QStringList{"camerasChanged"});
    QCOMPARE(manager.cameraName(), QStringLiteral("A"));
    QVERIFY(manager.resolutions().isEmpty());
    QVERIFY(manager.framerates().isEmpty());

    // Nothing left to choose from: the size and rate stay as they are.
    manager.setResolutionIndex(0);
    manager.setCameraName(QStringLiteral("gone"));
    QCOMPARE(QSize(manager.width(), manager.height()), QSize(640, 480));
    QCOMPARE(manager.framerate(), QStringLiteral("30/1"));

    // The source element still points at the camera that is gone.
    QSignalSpy failed(&manager, &CameraEmulationManager::streamFailed);
    recorder.clear();
    manager.startCameraStream();
    QVERIFY(failed.wait());
    QCOMPARE(failed.first().first().toString(),
             QStringLiteral("Virtual camera 0 is not connected."));
    QCOMPARE(manager.streamRunning(), false);
    QCOMPARE(stateOf(manager.cameraPipeline()), int(GST_STATE_NULL));
    QCOMPARE(recorder.names,
             (QStringList{"streamRunningChanged", "streamRunningChanged", "streamFailed"}));

    // Once the camera is back, the same pipeline plays again.
    virtual_camera_plug(0, "A");
    QVERIFY(waitForCameras(manager, {"A"}));
    manager.startCameraStream();
    QCOMPARE(stateOf(manager.cameraPipeline()), int(GST_STATE_PLAYING));
    drainEvents();
    QCOMPARE(failed.size(), 1);
}

void CameraManagerTest::updatingTheListRebuildsTheCameraPipeline()
{
    virtual_camera_plug(0, "A");
    virtual_camera_plug(1, "B");
    CameraEmulationManager manager;
    manager.populateCameras();
    manager.setCameraName(QStringLiteral("B"));
    manager.startCameraStream();
    gpointer oldPipeline = manager.cameraPipeline();
    g_object_add_weak_pointer(G_OBJECT(oldPipeline), &oldPipeline);
    SignalRecorder recorder(&manager);

    virtual_camera_unplug(1);
    manager.updateCamerasList();
    QVERIFY(!oldPipeline);
    QCOMPARE(recorder.names.first(), QStringLiteral("streamRunningChanged"));
    QCOMPARE(manager.streamRunning(), false);
    QCOMPARE(manager.cameras(), QStringList{"A"});
    QCOMPARE(manager.cameraName(), QStringLiteral("A"));
    QCOMPARE(sourceDeviceIndex(manager), 0);
    QCOMPARE(elementsOf(manager.cameraPipeline()).size(), 5);
    // The new monitor still reports changes.
    virtual_camera_plug(1, "B");
    QVERIFY(waitForCameras(manager, {"A", "B"}));
}

void CameraManagerTest::setCameraNameSignalOrder()
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
    // Nothing is applied until the settings are set.
    QCOMPARE(sourceDeviceIndex(manager), 0);
    manager.setCameraStreamSettings();
    QCOMPARE(sourceDeviceIndex(manager), 1);
}

void CameraManagerTest::resolutionIndexOutOfRangeReadsNothing()
{
    virtual_camera_plug(0, "A");
    CameraEmulationManager manager;
    manager.populateCameras();
    for (const int index : {2, 1000, -1}) {
        manager.setResolutionIndex(1);
        SignalRecorder recorder(&manager);
        manager.setResolutionIndex(index);
        QCOMPARE(recorder.names, selectionSignals);
        QCOMPARE(manager.resolutionIndex(), index);
        QCOMPARE(QSize(manager.width(), manager.height()), QSize(640, 480));
        QCOMPARE(manager.framerate(), QStringLiteral("30/1"));
        QVERIFY(manager.framerates().isEmpty());
    }
}

void CameraManagerTest::pipelinesAreBuiltAsNamed()
{
    virtual_camera_plug(0, "A");
    CameraEmulationManager manager;
    QCOMPARE(elementsOf(manager.videoPipeline()),
             (QStringList{"decodebin:decodebin",
                          "filesrc:filesrc",
                          "jpegencVS:jpegenc",
                          "m_rtpjpegpayVS:rtpjpegpay",
                          "udpsinkVS:udpsink"}));
    // The camera elements join their pipeline once, when the list is first filled.
    QVERIFY(elementsOf(manager.cameraPipeline()).isEmpty());
    manager.populateCameras();
    manager.populateCameras();
    QCOMPARE(elementsOf(manager.cameraPipeline()),
             (QStringList{"capsfilterCam:capsfilter",
                          "jpegencCam:jpegenc",
                          "rtpjpegpayCam:rtpjpegpay",
                          "sourcePluginCam:virtualcamerasrc",
                          "udpsinkCam:udpsink"}));
    for (const auto &[pipeline, encoder, sink] :
         {std::tuple{manager.videoPipeline(), "jpegencVS", "udpsinkVS"},
          std::tuple{manager.cameraPipeline(), "jpegencCam", "udpsinkCam"}}) {
        QCOMPARE(propertyText(pipeline, encoder, "quality"), QStringLiteral("50"));
        QCOMPARE(propertyText(pipeline, sink, "host"), QStringLiteral("127.0.0.1"));
        QCOMPARE(propertyText(pipeline, sink, "port"), QStringLiteral("34343"));
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
    GstState state = GST_STATE_VOID_PENDING;
    GstState pending = GST_STATE_VOID_PENDING;
    QCOMPARE(gst_element_get_state(pipeline, &state, &pending, 0), GST_STATE_CHANGE_SUCCESS);
    QCOMPARE(state, GST_STATE_NULL);
    QCOMPARE(pending, GST_STATE_VOID_PENDING);
    gst_object_unref(pipeline);
}

QTEST_GUILESS_MAIN(CameraManagerTest)
#include "tst_cameramanager.moc"
