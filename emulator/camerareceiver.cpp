#include "camerareceiver.h"

#include <QSaveFile>

namespace EmulationManagement::Emulator {

namespace {

constexpr int sampleIntervalMs = 200;
// A stream counts as ended after this long without a frame.
constexpr qint64 idleMs = 1000;

} // namespace

QJsonObject CameraStatistics::toJson() const
{
    return {{"frames", qint64(frames)},
            {"bytes", qint64(bytes)},
            {"width", width},
            {"height", height},
            {"framesPerSecond", framesPerSecond},
            {"receiving", receiving},
            {"error", error}};
}

CameraReceiver::CameraReceiver(quint16 port,
                               bool showPicture,
                               const QString &frameFile,
                               QObject *parent)
    : QObject(parent)
    , m_port(port)
    , m_showPicture(showPicture)
    , m_frameFile(frameFile)
{
    m_sampleTimer.setInterval(sampleIntervalMs);
    connect(&m_sampleTimer, &QTimer::timeout, this, &CameraReceiver::sample);
}

CameraReceiver::~CameraReceiver()
{
    if (m_pipeline) {
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        gst_object_unref(m_pipeline);
    }
    if (m_depayloaderOutput)
        gst_object_unref(m_depayloaderOutput);
    if (m_lastFrame)
        gst_buffer_unref(m_lastFrame);
}

QString CameraReceiver::pipelineDescription(quint16 port, bool showPicture)
{
    // Without a converter the window sink may not take jpegdec's output; the
    // large socket buffer keeps big frames from losing datagrams.
    return QStringLiteral("udpsrc address=127.0.0.1 port=%1 reuse=false buffer-size=4194304 "
                          "caps=\"application/x-rtp,media=video,clock-rate=90000,"
                          "encoding-name=JPEG,payload=26\" "
                          "! rtpjpegdepay name=depayloader ! %2")
        .arg(port)
        .arg(showPicture ? QStringLiteral("jpegdec ! videoconvert ! autovideosink sync=false")
                         : QStringLiteral("fakesink sync=false"));
}

bool CameraReceiver::start(QString *error)
{
    GError *parseError = nullptr;
    m_pipeline = gst_parse_launch(pipelineDescription(m_port, m_showPicture).toUtf8().constData(),
                                  &parseError);
    if (parseError) {
        *error = tr("Cannot build the camera receiver: %1")
                     .arg(QString::fromUtf8(parseError->message));
        g_error_free(parseError);
        return false;
    }
    GstElement *depayloader = gst_bin_get_by_name(GST_BIN(m_pipeline), "depayloader");
    m_depayloaderOutput = gst_element_get_static_pad(depayloader, "src");
    gst_object_unref(depayloader);
    gst_pad_add_probe(m_depayloaderOutput, GST_PAD_PROBE_TYPE_BUFFER, countFrame, this, nullptr);

    if (gst_element_set_state(m_pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        *error = tr("Cannot receive the camera stream on UDP port %1: %2")
                     .arg(m_port)
                     .arg(takeMessages());
        return false;
    }
    m_clock.start();
    m_sampleTimer.start();
    return true;
}

GstPadProbeReturn CameraReceiver::countFrame(GstPad *, GstPadProbeInfo *info, gpointer receiver)
{
    auto self = static_cast<CameraReceiver *>(receiver);
    GstBuffer *buffer = GST_PAD_PROBE_INFO_BUFFER(info);
    QMutexLocker locker(&self->m_mutex);
    ++self->m_frames;
    self->m_bytes += gst_buffer_get_size(buffer);
    if (!self->m_frameFile.isEmpty())
        gst_buffer_replace(&self->m_lastFrame, buffer);
    return GST_PAD_PROBE_OK;
}

void CameraReceiver::sample()
{
    const CameraStatistics before = m_statistics;
    {
        QMutexLocker locker(&m_mutex);
        m_statistics.frames = m_frames;
        m_statistics.bytes = m_bytes;
    }
    const qint64 now = m_clock.elapsed();
    m_rateMeter.sample(now, m_statistics.frames);
    m_statistics.framesPerSecond = m_rateMeter.framesPerSecond();

    if (m_statistics.frames != before.frames) {
        m_lastFrameMs = now;
        updatePictureSize();
        saveLastFrame();
        if (!before.receiving) {
            m_statistics.receiving = true;
            emit event(tr("camera stream started, %1x%2")
                           .arg(m_statistics.width)
                           .arg(m_statistics.height));
        }
    } else if (before.receiving && now - m_lastFrameMs >= idleMs) {
        m_statistics.receiving = false;
        emit event(tr("camera stream ended, %1 frames received in all").arg(m_statistics.frames));
    }
    readBusMessages();

    if (m_statistics.frames != before.frames
        || m_statistics.framesPerSecond != before.framesPerSecond
        || m_statistics.receiving != before.receiving || m_statistics.error != before.error) {
        emit statisticsChanged();
    }
}

void CameraReceiver::readBusMessages()
{
    const QString error = takeMessages();
    if (error.isEmpty())
        return;
    m_statistics.error = error;
    emit event(tr("camera receiver error: %1").arg(error));
}

QString CameraReceiver::takeMessages()
{
    GstBus *bus = gst_element_get_bus(m_pipeline);
    QString lastError;
    while (GstMessage *message
           = gst_bus_pop_filtered(bus, GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_WARNING))) {
        const bool isError = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
        GError *error = nullptr;
        gchar *debug = nullptr;
        if (isError)
            gst_message_parse_error(message, &error, &debug);
        else
            gst_message_parse_warning(message, &error, &debug);
        // One log line: the details hold line breaks.
        const QString text
            = QStringLiteral("%1 (%2)")
                  .arg(QString::fromUtf8(error->message), QString::fromUtf8(debug ? debug : ""))
                  .simplified();
        if (isError)
            lastError = text;
        else
            emit event(tr("camera receiver warning: %1").arg(text));
        g_error_free(error);
        g_free(debug);
        gst_message_unref(message);
    }
    gst_object_unref(bus);
    return lastError;
}

void CameraReceiver::updatePictureSize()
{
    GstCaps *caps = gst_pad_get_current_caps(m_depayloaderOutput);
    if (!caps)
        return;
    const GstStructure *structure = gst_caps_get_structure(caps, 0);
    gst_structure_get_int(structure, "width", &m_statistics.width);
    gst_structure_get_int(structure, "height", &m_statistics.height);
    gst_caps_unref(caps);
}

void CameraReceiver::saveLastFrame()
{
    GstBuffer *frame = nullptr;
    {
        QMutexLocker locker(&m_mutex);
        if (!m_lastFrame)
            return;
        frame = gst_buffer_ref(m_lastFrame);
    }
    GstMapInfo map;
    if (gst_buffer_map(frame, &map, GST_MAP_READ)) {
        QSaveFile file(m_frameFile);
        const bool saved
            = file.open(QIODevice::WriteOnly)
              && file.write(reinterpret_cast<const char *>(map.data), qint64(map.size)) >= 0
              && file.commit();
        // Reported once: the next frames would fail the same way.
        if (!saved && !m_frameSaveFailed)
            emit event(
                tr("cannot save the camera frame to %1: %2").arg(m_frameFile, file.errorString()));
        m_frameSaveFailed = !saved;
        gst_buffer_unmap(frame, &map);
    }
    gst_buffer_unref(frame);
}

} // namespace EmulationManagement::Emulator
