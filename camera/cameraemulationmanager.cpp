#include "cameraemulationmanager.h"

#include "camera/cameracapabilities.h"
#include "camera/cameradevice.h"
#include "camera/cameraselection.h"
#include "camera/pipelinecontrol.h"
#include "camera/previewbranch.h"
#include "camera/videocodecprobe.h"
#include "transport/emulatorendpoint.h"

#include <QFile>

#include <algorithm>

#include <gst/gst.h>

using namespace EmulationManagement::Internal;

namespace {

constexpr int jpegQuality = 50;

// For elements kept outside any bin for a while.
GstElement *makeOwnedElement(const char *factory, const char *name)
{
    GstElement *element = gst_element_factory_make(factory, name);
    return element ? GST_ELEMENT(gst_object_ref_sink(element)) : nullptr;
}

void configureEncoderAndSink(GstElement *encoder, GstElement *sink)
{
    if (encoder)
        g_object_set(encoder, "quality", jpegQuality, nullptr);
    if (sink)
        g_object_set(sink,
                     "host",
                     EmulationManagement::Constants::emulatorHost,
                     "port",
                     int(EmulationManagement::Constants::udpHostPort),
                     nullptr);
}

void addToBin(GstElement *bin, GstElement *element)
{
    if (element && !gst_object_has_as_parent(GST_OBJECT(element), GST_OBJECT(bin)))
        gst_bin_add(GST_BIN(bin), element);
}

unsigned watchBus(GstElement *pipeline, GstBusFunc handler, gpointer data)
{
    GstBus *bus = gst_element_get_bus(pipeline);
    const unsigned id = gst_bus_add_watch(bus, handler, data);
    gst_object_unref(bus);
    return id;
}

void removeWatch(unsigned &id)
{
    if (id != 0)
        g_source_remove(id);
    id = 0;
}

// Runs on a streaming thread: whatever the decoder offers goes to the encoder
// (through the preview's tee while there is one); a pad that cannot link
// (audio, a second video) stays unlinked.
void onDecoderPadAdded(GstElement *, GstPad *pad, gpointer converter)
{
    GstPad *sinkPad = gst_element_get_static_pad(GST_ELEMENT(converter), "sink");
    gst_pad_link(pad, sinkPad);
    gst_object_unref(sinkPad);
}

// Runs on a streaming thread; the restart is queued to the manager's thread.
GstPadProbeReturn onVideoSinkEvent(GstPad *, GstPadProbeInfo *info, gpointer manager)
{
    if (GST_EVENT_TYPE(GST_PAD_PROBE_INFO_EVENT(info)) == GST_EVENT_EOS)
        emit static_cast<CameraEmulationManager *>(manager)->videoStreamStopped();
    return GST_PAD_PROBE_OK;
}

} // namespace

CameraEmulationManager::CameraEmulationManager(QObject *parent)
    : QObject(parent)
{
    connect(
        &m_preview, &CameraPreview::sinkChanged, this, &CameraEmulationManager::previewSinkChanged);
    connect(&m_preview,
            &CameraPreview::sentFrameRateChanged,
            this,
            &CameraEmulationManager::sentFrameRateChanged);
    gst_init(nullptr, nullptr);
    setUpDeviceMonitor();
    readSourceFactoryName();
    createVideoPipeline();
    createCameraPipeline();
}

CameraEmulationManager::~CameraEmulationManager()
{
    if (m_videoPipeline) {
        m_preview.forget(m_videoPipeline);
        removeWatch(m_videoBusWatch);
        gst_element_set_state(m_videoPipeline, GST_STATE_NULL);
        gst_object_unref(m_videoPipeline);
    }
    releaseCameraPipeline();
    releaseDeviceMonitor();
}

QStringList CameraEmulationManager::framerates() const
{
    const QVariantList list = resolutions();
    if (m_resolutionIndex < 0 || m_resolutionIndex >= list.size())
        return {};
    return list.at(m_resolutionIndex).toMap().value(QStringLiteral("framerates")).toStringList();
}

QVariantList CameraEmulationManager::resolutions() const
{
    return m_cameras.value(m_cameraName).toMap().value(QStringLiteral("resolutions")).toList();
}

void CameraEmulationManager::setFramerate(const QString &framerate)
{
    m_framerate = CameraSelection::validFramerate(framerate);
    emit framerateChanged();
}

void CameraEmulationManager::setWidth(int width)
{
    m_width = width;
    emit widthChanged();
}

void CameraEmulationManager::setHeight(int height)
{
    m_height = height;
    emit heightChanged();
}

void CameraEmulationManager::setResolutionIndex(int index)
{
    m_resolutionIndex = index;
    const QVariantList list = resolutions();
    // An index outside the list (no camera, a camera that is gone) leaves the size and rate.
    const bool known = index >= 0 && index < list.size();
    const QVariantMap entry = known ? list.at(index).toMap() : QVariantMap();
    if (known)
        m_width = entry.value(QStringLiteral("width")).toInt();
    emit widthChanged();
    if (known)
        m_height = entry.value(QStringLiteral("height")).toInt();
    emit heightChanged();
    if (known)
        m_framerate = CameraSelection::pickFramerate(
            entry.value(QStringLiteral("framerates")).toStringList(), m_framerate);
    emit framerateChanged();
    emit resolutionIndexChanged();
    emit frameratesChanged();
}

void CameraEmulationManager::setCameraName(const QString &name)
{
    m_cameraName = name;
    setResolutionIndex(0);
    emit cameraNameChanged();
    emit resolutionsChanged();
    emit frameratesChanged();
}

void CameraEmulationManager::setPreviewSink(QVideoSink *sink)
{
    m_preview.setSink(sink);
}

void CameraEmulationManager::populateCameras()
{
    GList *devices = m_deviceMonitor ? gst_device_monitor_get_devices(m_deviceMonitor) : nullptr;
    for (GList *item = devices; item; item = item->next)
        addCamera(GST_DEVICE(item->data));
    if (!m_cameras.isEmpty())
        setCameraName(m_cameras.firstKey());
    setCameraStreamSettings();
    g_list_free_full(devices, gst_object_unref);
    assembleCameraPipeline();
}

void CameraEmulationManager::updateCamerasList()
{
    if (m_streamRunning) {
        PipelineControl::stop(m_cameraPipeline);
        setStreamRunning(false);
    }
    releaseCameraPipeline();
    releaseDeviceMonitor();
    m_cameras.clear();
    setUpDeviceMonitor();
    readSourceFactoryName();
    createCameraPipeline();
    populateCameras();
}

void CameraEmulationManager::startVideoStream(const QString &filePath)
{
    PipelineControl::waitAndStop(m_cameraPipeline);
    PipelineControl::waitAndStop(m_videoPipeline);
    if (filePath.isEmpty() || !checkVideoCodec(filePath))
        return;
    // Local paths go to the file source as they are.
    if (m_fileSource)
        g_object_set(m_fileSource, "location", QFile::encodeName(filePath).constData(), nullptr);
    PipelineControl::play(m_videoPipeline);
    setStreamRunning(true);
    emit streamStarted(filePath);
}

void CameraEmulationManager::startCameraStream()
{
    PipelineControl::waitAndStop(m_videoPipeline);
    PipelineControl::waitAndStop(m_cameraPipeline);
    PipelineControl::play(m_cameraPipeline);
    setStreamRunning(true);
    emit streamStarted(QString());
}

void CameraEmulationManager::stopVideoStream()
{
    PipelineControl::stop(m_videoPipeline);
    setStreamRunning(false);
}

void CameraEmulationManager::stopCameraStream()
{
    PipelineControl::stop(m_cameraPipeline);
    setStreamRunning(false);
}

void CameraEmulationManager::setCameraStreamSettings()
{
    if (m_streamRunning) {
        PipelineControl::stop(m_cameraPipeline);
        setStreamRunning(false);
        applyCameraSettings();
        startCameraStream();
    } else {
        applyCameraSettings();
    }
    emit cameraStreamSettingsApplied();
}

int CameraEmulationManager::onDeviceMonitorMessage(GstBus *, GstMessage *message, void *data)
{
    auto manager = static_cast<CameraEmulationManager *>(data);
    GstDevice *device = nullptr;
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_DEVICE_ADDED) {
        gst_message_parse_device_added(message, &device);
        manager->onDeviceAdded(device);
    } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_DEVICE_REMOVED) {
        gst_message_parse_device_removed(message, &device);
        manager->onDeviceRemoved(device);
    }
    if (device)
        gst_object_unref(device);
    return TRUE;
}

int CameraEmulationManager::onVideoBusMessage(GstBus *, GstMessage *message, void *data)
{
    auto manager = static_cast<CameraEmulationManager *>(data);
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR)
        manager->handlePipelineError(manager->m_videoPipeline, message);
    return TRUE;
}

int CameraEmulationManager::onCameraBusMessage(GstBus *, GstMessage *message, void *data)
{
    auto manager = static_cast<CameraEmulationManager *>(data);
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR)
        manager->handlePipelineError(manager->m_cameraPipeline, message);
    return TRUE;
}

void CameraEmulationManager::setUpDeviceMonitor()
{
    m_deviceMonitor = gst_device_monitor_new();
    GstBus *bus = gst_device_monitor_get_bus(m_deviceMonitor);
    m_deviceMonitorWatch = gst_bus_add_watch(bus, onDeviceMonitorMessage, this);
    GstCaps *caps = gst_caps_new_empty_simple("video/x-raw");
    gst_device_monitor_add_filter(m_deviceMonitor, "Video/Source", caps);
    gst_caps_unref(caps);
    gst_object_unref(bus);
    gst_device_monitor_start(m_deviceMonitor);
}

void CameraEmulationManager::releaseDeviceMonitor()
{
    if (!m_deviceMonitor)
        return;
    removeWatch(m_deviceMonitorWatch);
    gst_device_monitor_stop(m_deviceMonitor);
    gst_object_unref(m_deviceMonitor);
    m_deviceMonitor = nullptr;
}

// Every camera is streamed through an element of the factory of the first device.
void CameraEmulationManager::readSourceFactoryName()
{
    GList *devices = gst_device_monitor_get_devices(m_deviceMonitor);
    if (devices) {
        if (GstElement *element = gst_device_create_element(GST_DEVICE(devices->data), nullptr)) {
            gst_object_ref_sink(element);
            if (GstElementFactory *factory = gst_element_get_factory(element))
                m_sourceFactoryName = QString::fromUtf8(GST_OBJECT_NAME(factory));
            gst_object_unref(element);
        }
    }
    g_list_free_full(devices, gst_object_unref);
}

void CameraEmulationManager::createVideoPipeline()
{
    m_videoPipeline = GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("video-stream-pipeline")));
    m_fileSource = gst_element_factory_make("filesrc", "filesrc");
    m_decoder = gst_element_factory_make("decodebin", "decodebin");
    // 10-bit (VP9 profile 2) and 4:4:4 pictures decode to formats that the
    // encoder and payloader cannot carry: every picture becomes 8-bit 4:2:0.
    m_videoConverter = gst_element_factory_make("videoconvert", "videoconvertVS");
    m_videoFormat = gst_element_factory_make("capsfilter", "capsfilterVS");
    if (m_videoFormat) {
        GstCaps *caps = gst_caps_from_string("video/x-raw,format=I420");
        g_object_set(m_videoFormat, "caps", caps, nullptr);
        gst_caps_unref(caps);
    }
    m_videoEncoder = gst_element_factory_make("jpegenc", "jpegencVS");
    m_videoPayloader = gst_element_factory_make("rtpjpegpay", "m_rtpjpegpayVS");
    m_videoSink = gst_element_factory_make("udpsink", "udpsinkVS");
    configureEncoderAndSink(m_videoEncoder, m_videoSink);
    const std::initializer_list<GstElement *> chain = {m_fileSource,
                                                       m_decoder,
                                                       m_videoConverter,
                                                       m_videoFormat,
                                                       m_videoEncoder,
                                                       m_videoPayloader,
                                                       m_videoSink};
    for (GstElement *element : chain)
        addToBin(m_videoPipeline, element);
    if (std::all_of(chain.begin(), chain.end(), [](GstElement *e) { return e; })) {
        gst_element_link(m_fileSource, m_decoder);
        gst_element_link_many(m_videoConverter,
                              m_videoFormat,
                              m_videoEncoder,
                              m_videoPayloader,
                              m_videoSink,
                              nullptr);
        g_signal_connect_data(m_decoder,
                              "pad-added",
                              G_CALLBACK(onDecoderPadAdded),
                              m_videoConverter,
                              nullptr,
                              GConnectFlags(0));
    }
    if (m_videoSink) {
        GstPad *sinkPad = gst_element_get_static_pad(m_videoSink, "sink");
        gst_pad_add_probe(
            sinkPad, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, onVideoSinkEvent, this, nullptr);
        gst_object_unref(sinkPad);
    }
    m_videoBusWatch = watchBus(m_videoPipeline, onVideoBusMessage, this);
    if (m_videoEncoder)
        m_preview.watch(m_videoPipeline, m_videoEncoder);
    connect(this,
            &CameraEmulationManager::videoStreamStopped,
            this,
            &CameraEmulationManager::restartVideo);
}

void CameraEmulationManager::createCameraPipeline()
{
    m_cameraPipeline = GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("camera-stream-pipeline")));
    // Without any camera there is no factory to make the source from.
    m_cameraSource
        = m_sourceFactoryName.isEmpty()
              ? nullptr
              : makeOwnedElement(m_sourceFactoryName.toUtf8().constData(), "sourcePluginCam");
    m_capsFilter = makeOwnedElement("capsfilter", "capsfilterCam");
    m_cameraEncoder = makeOwnedElement("jpegenc", "jpegencCam");
    m_cameraPayloader = makeOwnedElement("rtpjpegpay", "rtpjpegpayCam");
    m_cameraSink = makeOwnedElement("udpsink", "udpsinkCam");
    m_cameraBusWatch = watchBus(m_cameraPipeline, onCameraBusMessage, this);
}

void CameraEmulationManager::releaseCameraPipeline()
{
    if (!m_cameraPipeline)
        return;
    m_preview.forget(m_cameraPipeline);
    removeWatch(m_cameraBusWatch);
    gst_element_set_state(m_cameraPipeline, GST_STATE_NULL);
    gst_object_unref(m_cameraPipeline);
    m_cameraPipeline = nullptr;
    for (GstElement **element :
         {&m_cameraSource, &m_capsFilter, &m_cameraEncoder, &m_cameraPayloader, &m_cameraSink}) {
        if (*element)
            gst_object_unref(*element);
        *element = nullptr;
    }
}

void CameraEmulationManager::assembleCameraPipeline()
{
    applyCameraSettings();
    const std::initializer_list<GstElement *> chain
        = {m_cameraSource, m_capsFilter, m_cameraEncoder, m_cameraPayloader, m_cameraSink};
    const bool fresh = std::any_of(chain.begin(), chain.end(), [this](GstElement *element) {
        return element
               && !gst_object_has_as_parent(GST_OBJECT(element), GST_OBJECT(m_cameraPipeline));
    });
    for (GstElement *element : chain)
        addToBin(m_cameraPipeline, element);
    const bool complete = std::all_of(chain.begin(), chain.end(), [](GstElement *e) { return e; });
    if (!fresh || !complete)
        return;
    gst_element_link_many(
        m_cameraSource, m_capsFilter, m_cameraEncoder, m_cameraPayloader, m_cameraSink, nullptr);
    m_preview.watch(m_cameraPipeline, m_cameraEncoder);
}

void CameraEmulationManager::applyCameraSettings()
{
    const CameraSelection::DeviceProperty property = CameraSelection::deviceProperty(
        m_cameras.value(m_cameraName).toMap().value(QStringLiteral("source")).toMap());
    if (m_cameraSource && !property.name.isEmpty() && !property.value.isEmpty())
        CameraDevice::setDeviceProperty(m_cameraSource, property);
    if (m_capsFilter) {
        const QByteArray text = CameraSelection::capsText(m_width, m_height, m_framerate).toUtf8();
        GstCaps *caps = gst_caps_from_string(text.constData());
        g_object_set(m_capsFilter, "caps", caps, nullptr);
        if (caps)
            gst_caps_unref(caps);
    }
    configureEncoderAndSink(m_cameraEncoder, m_cameraSink);
}

void CameraEmulationManager::onDeviceAdded(GstDevice *device)
{
    if (m_cameras.contains(CameraDevice::displayName(device)))
        return;
    addCamera(device);
    if (m_cameras.size() == 1)
        setCameraStreamSettings();
}

// Devices with the same display name share one entry: it goes with the last
// of them, and follows one still present when its own device goes.
void CameraEmulationManager::onDeviceRemoved(GstDevice *device)
{
    const QString name = CameraDevice::displayName(device);
    if (!m_cameras.contains(name))
        return;
    GList *devices = gst_device_monitor_get_devices(m_deviceMonitor);
    GstDevice *twin = nullptr;
    for (GList *item = devices; item && !twin; item = item->next) {
        if (CameraDevice::displayName(GST_DEVICE(item->data)) == name)
            twin = GST_DEVICE(item->data);
    }
    const QVariantMap source
        = m_cameras.value(name).toMap().value(QStringLiteral("source")).toMap();
    if (!twin) {
        removeCamera(name);
    } else if (source == CameraSelection::sourceMap(CameraDevice::deviceProperty(device))) {
        addCamera(twin);
        if (m_cameraName == name)
            setCameraStreamSettings();
    }
    g_list_free_full(devices, gst_object_unref);
}

void CameraEmulationManager::addCamera(GstDevice *device)
{
    const QVariantMap entry{
        {QStringLiteral("resolutions"),
         CameraCapabilities::resolutionsFromStructures(CameraDevice::capsStructures(device))},
        {QStringLiteral("source"),
         CameraSelection::sourceMap(CameraDevice::deviceProperty(device))}};
    m_cameras.insert(CameraDevice::displayName(device), entry);
    emit camerasChanged();
    emit resolutionsChanged();
    emit frameratesChanged();
}

void CameraEmulationManager::removeCamera(const QString &name)
{
    if (m_cameraName == name && m_streamRunning) {
        PipelineControl::stop(m_cameraPipeline);
        setStreamRunning(false);
    }
    m_cameras.remove(name);
    emit camerasChanged();
    if (!m_cameras.isEmpty() && m_cameraName == name) {
        setCameraName(m_cameras.firstKey());
        setCameraStreamSettings();
    }
}

void CameraEmulationManager::handlePipelineError(GstElement *pipeline, GstMessage *message)
{
    GError *error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    const QString text = error ? QString::fromUtf8(error->message) : QString();
    g_clear_error(&error);
    PipelineControl::stop(pipeline);
    setStreamRunning(false);
    emit streamFailed(text);
}

// The end of the file plays it again from the start, unless the stream was
// stopped (or failed) while this call waited in the queue.
void CameraEmulationManager::restartVideo()
{
    if (PipelineControl::settledState(m_videoPipeline) == GST_STATE_NULL)
        return;
    PipelineControl::stop(m_videoPipeline);
    PipelineControl::play(m_videoPipeline);
}

bool CameraEmulationManager::checkVideoCodec(const QString &filePath)
{
    const QString codecName = VideoCodecProbe::videoCodecName(filePath);
    const bool success = VideoCodecProbe::isSupportedCodec(codecName);
    emit videoFileCodecChecked(success, codecName);
    return success;
}

void CameraEmulationManager::setStreamRunning(bool running)
{
    m_streamRunning = running;
    emit streamRunningChanged();
}
