#include "signalrecorder.h"
#include "virtualcamera.h"
#include "virtualcameradevice.h"

#include "camera/cameradevice.h"
#include "camera/cameraemulationmanager.h"
#include "camera/pipelinecontrol.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gst/gst.h>

using namespace EmulationManagement::Internal;

namespace {

const QStringList hdRates{"30/1", "25/1", "20/1", "15/1", "10/1", "6/1", "5/1"};
const QStringList vgaRates{"30/1", "15/1"};

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

int intProperty(GstElement *pipeline, const char *elementName, const char *property)
{
    GstElement *element = child(pipeline, elementName);
    if (!element)
        return -100;
    int value = -100;
    g_object_get(element, property, &value, nullptr);
    gst_object_unref(element);
    return value;
}

int sourceDeviceIndex(const CameraEmulationManager &manager)
{
    return intProperty(manager.cameraPipeline(), "sourcePluginCam", "device-index");
}

QString capsOfFilter(const CameraEmulationManager &manager)
{
    GstElement *filter = child(manager.cameraPipeline(), "capsfilterCam");
    if (!filter)
        return QStringLiteral("(no caps filter)");
    GstCaps *caps = nullptr;
    g_object_get(filter, "caps", &caps, nullptr);
    gchar *text = gst_caps_to_string(caps);
    const QString result = QString::fromUtf8(text);
    g_free(text);
    gst_caps_unref(caps);
    gst_object_unref(filter);
    return result;
}

QString capsText(const char *text)
{
    GstCaps *caps = gst_caps_from_string(text);
    gchar *normalised = gst_caps_to_string(caps);
    const QString result = QString::fromUtf8(normalised);
    g_free(normalised);
    gst_caps_unref(caps);
    return result;
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

const QStringList resolutionIndexSignals{"widthChanged",
                                         "heightChanged",
                                         "framerateChanged",
                                         "resolutionIndexChanged",
                                         "frameratesChanged"};

} // namespace

class CameraManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void devicesAreFoundWithTheirResolutions();
    void populatingSignalsInOrder();
    void virtualDeviceIsReadLikeARealOne();
    void devicePropertyReachesTheSource();
    void cameraNamesInCodeUnitOrder();
    void hotPluggedCameraIsAdded();
    void firstCameraToAppearAppliesTheSettings();
    void sameDisplayNameChangesNothing();
    void removingAnUnselectedCamera();
    void removingTheSelectedCameraWhileStreaming();
    void removingTheLastCameraKeepsTheSelection();
    void openingAGoneCameraFailsAndSaysSo();
    void updatingTheListRebuildsTheCameraPipeline();

    void setCameraNameSignalOrder();
    void setResolutionIndexKeepsOrReplacesTheRate();
    void setResolutionIndexOutOfRange_data();
    void setResolutionIndexOutOfRange();
    void setFramerateNeedsASlash();

    void loadableModuleOffersTwoCameras();
    void pipelinesAreBuiltAsNamed();
    void capsFilterFollowsTheSelection();
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
    manager.populateCameras();

    QCOMPARE(manager.cameras(), QStringList{"Virtual Camera 4"});
    const QVariantList resolutions = manager.resolutions();
    QCOMPARE(resolutions.size(), 2);
    const QVariantMap hd = resolutions.at(0).toMap();
    const QVariantMap vga = resolutions.at(1).toMap();
    QCOMPARE(hd.value("string").toString(), QStringLiteral("1280x720"));
    QCOMPARE(hd.value("width").toInt(), 1280);
    QCOMPARE(hd.value("height").toInt(), 720);
    QCOMPARE(hd.value("framerates").toStringList(), hdRates);
    // The JPEG structure of the same size comes second and adds nothing.
    QCOMPARE(vga.value("string").toString(), QStringLiteral("640x480"));
    QCOMPARE(vga.value("framerates").toStringList(), vgaRates);

    QCOMPARE(manager.cameraName(), QStringLiteral("Virtual Camera 4"));
    QCOMPARE(manager.resolutionIndex(), 0);
    QCOMPARE(manager.width(), 1280);
    QCOMPARE(manager.height(), 720);
    QCOMPARE(manager.framerate(), QStringLiteral("30/1"));
    QCOMPARE(manager.framerates(), hdRates);
    QCOMPARE(manager.streamRunning(), false);
    QCOMPARE(sourceDeviceIndex(manager), 3);
}

void CameraManagerTest::populatingSignalsInOrder()
{
    virtual_camera_plug(0, "Virtual Camera 1");
    CameraEmulationManager manager;
    SignalRecorder recorder(&manager);
    manager.populateCameras();
    // The device-added message of the camera already listed changes nothing.
    drainEvents();
    QCOMPARE(recorder.names,
             (QStringList{"camerasChanged", "resolutionsChanged", "frameratesChanged"}
              + resolutionIndexSignals
              + QStringList{"cameraNameChanged",
                            "resolutionsChanged",
                            "frameratesChanged",
                            "cameraStreamSettingsApplied"}));
}

void CameraManagerTest::virtualDeviceIsReadLikeARealOne()
{
    GstDevice *device = GST_DEVICE(gst_object_ref_sink(gst_virtual_camera_device_new(5, "Five")));
    QCOMPARE(CameraDevice::displayName(device), QStringLiteral("Five"));

    const auto structures = CameraDevice::capsStructures(device);
    QCOMPARE(structures.size(), 3);
    QCOMPARE(structures.at(0).framerate.value_or("missing"),
             QStringLiteral("{ (fraction)30/1, (fraction)15/1 }"));
    QCOMPARE(structures.at(1).framerate.value_or("missing"), QStringLiteral("[ 5/1, 30/1 ]"));
    QCOMPARE(structures.at(1).width.value_or("missing"), QStringLiteral("1280"));
    QCOMPARE(structures.at(2).height.value_or("missing"), QStringLiteral("480"));

    // The capture element declares its path before its index; the index wins.
    GstElement *element
        = GST_ELEMENT(gst_object_ref_sink(gst_device_create_element(device, nullptr)));
    guint count = 0;
    GParamSpec **specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(element), &count);
    QStringList names;
    for (guint i = 0; i < count; ++i)
        names.append(QString::fromUtf8(specs[i]->name));
    g_free(specs);
    gst_object_unref(element);
    QVERIFY(names.contains("device-index"));
    QVERIFY2(names.indexOf("device-path") < names.indexOf("device-index"),
             qPrintable(names.join(' ')));

    const auto property = CameraDevice::deviceProperty(device);
    QCOMPARE(property.name, QStringLiteral("device-index"));
    QCOMPARE(property.value, QStringLiteral("5"));
    gst_object_unref(device);
}

void CameraManagerTest::devicePropertyReachesTheSource()
{
    GstElement *source
        = GST_ELEMENT(gst_object_ref_sink(gst_element_factory_make("virtualcamerasrc", nullptr)));
    const auto indexOf = [source] {
        int index = -100;
        g_object_get(source, "device-index", &index, nullptr);
        return index;
    };
    CameraDevice::setDeviceProperty(source, {"device-index", "7"});
    QCOMPARE(indexOf(), 7);
    CameraDevice::setDeviceProperty(source, {"device-path", "/dev/virtualcamera4"});
    QCOMPARE(indexOf(), 4);
    CameraDevice::setDeviceProperty(source, {"device-index", "seven"});
    QCOMPARE(indexOf(), 0);
    CameraDevice::setDeviceProperty(source, {"no-such-property", "3"});
    QCOMPARE(indexOf(), 0);
    gst_object_unref(source);
}

void CameraManagerTest::cameraNamesInCodeUnitOrder()
{
    virtual_camera_plug(0, "b-cam");
    virtual_camera_plug(1, "A-cam");
    CameraEmulationManager manager;
    manager.populateCameras();
    QCOMPARE(manager.cameras(), (QStringList{"A-cam", "b-cam"}));
    QCOMPARE(manager.cameraName(), QStringLiteral("A-cam"));
    QCOMPARE(sourceDeviceIndex(manager), 1);
}

void CameraManagerTest::hotPluggedCameraIsAdded()
{
    virtual_camera_plug(0, "Virtual Camera 1");
    CameraEmulationManager manager;
    manager.populateCameras();
    drainEvents();
    SignalRecorder recorder(&manager);

    virtual_camera_plug(1, "Virtual Camera 2");
    QVERIFY(waitForCameras(manager, {"Virtual Camera 1", "Virtual Camera 2"}));
    QCOMPARE(recorder.names,
             (QStringList{"camerasChanged", "resolutionsChanged", "frameratesChanged"}));
    QCOMPARE(manager.cameraName(), QStringLiteral("Virtual Camera 1"));
    QCOMPARE(sourceDeviceIndex(manager), 0);
}

void CameraManagerTest::firstCameraToAppearAppliesTheSettings()
{
    CameraEmulationManager manager;
    manager.populateCameras();
    QVERIFY(manager.cameras().isEmpty());
    QVERIFY(manager.resolutions().isEmpty());
    QVERIFY(manager.framerates().isEmpty());
    QCOMPARE(manager.width(), -1);
    QCOMPARE(manager.framerate(), QString());
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
    // The selection is not changed by a camera appearing.
    QCOMPARE(manager.cameraName(), QString());
    QVERIFY(manager.resolutions().isEmpty());
}

void CameraManagerTest::sameDisplayNameChangesNothing()
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
    manager.setCameraStreamSettings();
    QCOMPARE(sourceDeviceIndex(manager), 0);
}

void CameraManagerTest::removingAnUnselectedCamera()
{
    virtual_camera_plug(0, "A");
    virtual_camera_plug(1, "B");
    CameraEmulationManager manager;
    manager.populateCameras();
    drainEvents();
    SignalRecorder recorder(&manager);

    virtual_camera_unplug(1);
    QVERIFY(waitForCameras(manager, {"A"}));
    QCOMPARE(recorder.names, QStringList{"camerasChanged"});
    QCOMPARE(manager.cameraName(), QStringLiteral("A"));
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
    const QStringList expected = QStringList{"streamRunningChanged", "camerasChanged"}
                                 + resolutionIndexSignals
                                 + QStringList{"cameraNameChanged",
                                               "resolutionsChanged",
                                               "frameratesChanged",
                                               "cameraStreamSettingsApplied"};
    QCOMPARE(recorder.names, expected);
    QCOMPARE(manager.streamRunning(), false);
    QCOMPARE(stateOf(manager.cameraPipeline()), int(GST_STATE_NULL));
    QCOMPARE(manager.cameraName(), QStringLiteral("B"));
    QCOMPARE(manager.resolutionIndex(), 0);
    QCOMPARE(manager.width(), 1280);
    QCOMPARE(sourceDeviceIndex(manager), 1);
}

void CameraManagerTest::removingTheLastCameraKeepsTheSelection()
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
    QCOMPARE(manager.width(), 640);
    QCOMPARE(manager.height(), 480);
    QCOMPARE(manager.framerate(), QStringLiteral("30/1"));
    QVERIFY(manager.resolutions().isEmpty());
    QVERIFY(manager.framerates().isEmpty());

    // Nothing left to choose from: the size and rate stay as they are.
    recorder.clear();
    manager.setResolutionIndex(0);
    QCOMPARE(recorder.names, resolutionIndexSignals);
    manager.setCameraName(QStringLiteral("gone"));
    QCOMPARE(manager.resolutionIndex(), 0);
    QCOMPARE(manager.width(), 640);
    QCOMPARE(manager.height(), 480);
    QCOMPARE(manager.framerate(), QStringLiteral("30/1"));
    QVERIFY(manager.framerates().isEmpty());
}

void CameraManagerTest::openingAGoneCameraFailsAndSaysSo()
{
    virtual_camera_plug(0, "A");
    CameraEmulationManager manager;
    manager.populateCameras();
    virtual_camera_unplug(0);
    QVERIFY(waitForCameras(manager, {}));
    QSignalSpy failed(&manager, &CameraEmulationManager::streamFailed);
    SignalRecorder recorder(&manager);

    // The source element still points at the camera that is gone.
    manager.startCameraStream();
    QCOMPARE(manager.streamRunning(), true);
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
    QCOMPARE(manager.streamRunning(), true);
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
    QCOMPARE(stateOf(manager.cameraPipeline()), int(GST_STATE_NULL));
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
    const QStringList expected
        = resolutionIndexSignals
          + QStringList{"cameraNameChanged", "resolutionsChanged", "frameratesChanged"};
    QCOMPARE(recorder.names, expected);
    QCOMPARE(manager.cameraName(), QStringLiteral("B"));
    QCOMPARE(manager.resolutionIndex(), 0);
    QCOMPARE(manager.width(), 1280);
    QCOMPARE(manager.height(), 720);
    // Nothing is applied until the settings are set.
    QCOMPARE(sourceDeviceIndex(manager), 0);
    manager.setCameraStreamSettings();
    QCOMPARE(sourceDeviceIndex(manager), 1);
}

void CameraManagerTest::setResolutionIndexKeepsOrReplacesTheRate()
{
    virtual_camera_plug(0, "A");
    CameraEmulationManager manager;
    manager.populateCameras();
    SignalRecorder recorder(&manager);

    manager.setFramerate(QStringLiteral("15/1"));
    recorder.clear();
    manager.setResolutionIndex(1);
    QCOMPARE(recorder.names, resolutionIndexSignals);
    QCOMPARE(manager.width(), 640);
    QCOMPARE(manager.height(), 480);
    QCOMPARE(manager.framerate(), QStringLiteral("15/1"));
    QCOMPARE(manager.framerates(), vgaRates);

    manager.setResolutionIndex(0);
    QCOMPARE(manager.framerate(), QStringLiteral("15/1"));

    manager.setFramerate(QStringLiteral("25/1"));
    manager.setResolutionIndex(1);
    QCOMPARE(manager.framerate(), QStringLiteral("30/1"));
}

void CameraManagerTest::setResolutionIndexOutOfRange_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("just past the end") << 2;
    QTest::newRow("far past the end") << 1000;
    QTest::newRow("negative") << -1;
}

void CameraManagerTest::setResolutionIndexOutOfRange()
{
    QFETCH(int, index);
    virtual_camera_plug(0, "A");
    CameraEmulationManager manager;
    manager.populateCameras();
    manager.setResolutionIndex(1);
    SignalRecorder recorder(&manager);

    manager.setResolutionIndex(index);
    QCOMPARE(recorder.names, resolutionIndexSignals);
    QCOMPARE(manager.resolutionIndex(), index);
    QCOMPARE(manager.width(), 640);
    QCOMPARE(manager.height(), 480);
    QCOMPARE(manager.framerate(), QStringLiteral("30/1"));
    QVERIFY(manager.framerates().isEmpty());
}

void CameraManagerTest::setFramerateNeedsASlash()
{
    CameraEmulationManager manager;
    SignalRecorder recorder(&manager);
    manager.setFramerate(QStringLiteral("30/1"));
    QCOMPARE(manager.framerate(), QStringLiteral("30/1"));
    manager.setFramerate(QStringLiteral("30"));
    QCOMPARE(manager.framerate(), QString());
    QCOMPARE(recorder.names, (QStringList{"framerateChanged", "framerateChanged"}));

    recorder.clear();
    manager.setWidth(5);
    manager.setHeight(5);
    manager.setWidth(5);
    QCOMPARE(recorder.names, (QStringList{"widthChanged", "heightChanged", "widthChanged"}));
}

void CameraManagerTest::loadableModuleOffersTwoCameras()
{
    // A registry of its own, so that the user's cache is left alone.
    QTemporaryDir registry;
    QProcess monitor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GST_PLUGIN_PATH"),
                       QStringLiteral(VIRTUAL_CAMERA_MODULE_DIR));
    environment.insert(QStringLiteral("GST_REGISTRY"),
                       registry.filePath(QStringLiteral("registry.bin")));
    monitor.setProcessEnvironment(environment);
    monitor.start(QStringLiteral("gst-device-monitor-1.0"), {QStringLiteral("Video/Source")});
    QVERIFY(monitor.waitForFinished(60000));
    const QString output = QString::fromUtf8(monitor.readAllStandardOutput());
    QVERIFY2(output.contains(QLatin1String("name  : Virtual Camera 1"))
                 && output.contains(QLatin1String("name  : Virtual Camera 2")),
             qPrintable(output));
    QVERIFY(output.contains(QLatin1String("framerate=[ 5/1, 30/1 ]")));
}

void CameraManagerTest::pipelinesAreBuiltAsNamed()
{
    virtual_camera_plug(0, "A");
    CameraEmulationManager manager;
    QCOMPARE(QString::fromUtf8(GST_OBJECT_NAME(manager.videoPipeline())),
             QStringLiteral("video-stream-pipeline"));
    QCOMPARE(QString::fromUtf8(GST_OBJECT_NAME(manager.cameraPipeline())),
             QStringLiteral("camera-stream-pipeline"));
    QCOMPARE(elementsOf(manager.videoPipeline()),
             (QStringList{"decodebin:decodebin",
                          "filesrc:filesrc",
                          "jpegencVS:jpegenc",
                          "m_rtpjpegpayVS:rtpjpegpay",
                          "udpsinkVS:udpsink"}));
    // The camera elements join their pipeline when the list is first filled.
    QVERIFY(elementsOf(manager.cameraPipeline()).isEmpty());

    manager.populateCameras();
    manager.populateCameras();
    const QStringList cameraElements{"capsfilterCam:capsfilter",
                                     "jpegencCam:jpegenc",
                                     "rtpjpegpayCam:rtpjpegpay",
                                     "sourcePluginCam:virtualcamerasrc",
                                     "udpsinkCam:udpsink"};
    QCOMPARE(elementsOf(manager.cameraPipeline()), cameraElements);

    for (GstElement *pipeline : {manager.videoPipeline(), manager.cameraPipeline()}) {
        const bool video = pipeline == manager.videoPipeline();
        QCOMPARE(intProperty(pipeline, video ? "jpegencVS" : "jpegencCam", "quality"), 50);
        QCOMPARE(intProperty(pipeline, video ? "udpsinkVS" : "udpsinkCam", "port"), 34343);
        GstElement *sink = child(pipeline, video ? "udpsinkVS" : "udpsinkCam");
        gchar *host = nullptr;
        g_object_get(sink, "host", &host, nullptr);
        QCOMPARE(QString::fromUtf8(host), QStringLiteral("127.0.0.1"));
        g_free(host);
        gst_object_unref(sink);
    }
}

void CameraManagerTest::capsFilterFollowsTheSelection()
{
    virtual_camera_plug(0, "A");
    CameraEmulationManager manager;
    manager.populateCameras();
    QCOMPARE(capsOfFilter(manager), capsText("video/x-raw,width=1280,height=720,framerate=30/1"));

    manager.setWidth(640);
    manager.setHeight(480);
    manager.setFramerate(QString());
    manager.setCameraStreamSettings();
    QCOMPARE(capsOfFilter(manager), capsText("video/x-raw,width=640,height=480"));

    manager.setWidth(-1);
    manager.setHeight(-1);
    manager.setCameraStreamSettings();
    QCOMPARE(capsOfFilter(manager), capsText("video/x-raw"));
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
