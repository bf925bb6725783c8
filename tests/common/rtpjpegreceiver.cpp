#include "rtpjpegreceiver.h"

#include <QTest>

#include <gst/gst.h>

#include <numeric>

RtpJpegReceiver::RtpJpegReceiver()
{
    gst_init(nullptr, nullptr);
    m_pipeline = gst_parse_launch(
        "udpsrc address=127.0.0.1 port=34343 buffer-size=4194304 "
        "caps=\"application/x-rtp,media=video,clock-rate=90000,encoding-name=JPEG,payload=26\" "
        "! rtpjpegdepay ! jpegdec ! fakesink name=frames sync=false signal-handoffs=true",
        nullptr);
    if (!m_pipeline)
        return;
    gst_object_ref_sink(m_pipeline);
    GstElement *sink = gst_bin_get_by_name(GST_BIN(m_pipeline), "frames");
    g_signal_connect(sink, "handoff", G_CALLBACK(onFrame), this);
    gst_object_unref(sink);
    m_listening = gst_element_set_state(m_pipeline, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
}

RtpJpegReceiver::~RtpJpegReceiver()
{
    if (!m_pipeline)
        return;
    gst_element_set_state(m_pipeline, GST_STATE_NULL);
    gst_object_unref(m_pipeline);
}

void RtpJpegReceiver::reset()
{
    QMutexLocker locker(&m_mutex);
    m_frames.clear();
}

int RtpJpegReceiver::frames() const
{
    QMutexLocker locker(&m_mutex);
    return std::accumulate(m_frames.cbegin(), m_frames.cend(), 0);
}

QList<QSize> RtpJpegReceiver::sizes() const
{
    QMutexLocker locker(&m_mutex);
    QList<QSize> result;
    for (const auto &[width, height] : m_frames.keys())
        result.append(QSize(width, height));
    return result;
}

int RtpJpegReceiver::frames(const QSize &size) const
{
    QMutexLocker locker(&m_mutex);
    return m_frames.value({size.width(), size.height()});
}

bool RtpJpegReceiver::waitForFrames(int count, const QSize &size, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return frames(size) >= count; }, timeoutMs);
}

void RtpJpegReceiver::onFrame(GstElement *, GstBuffer *, GstPad *pad, void *data)
{
    auto receiver = static_cast<RtpJpegReceiver *>(data);
    GstCaps *caps = gst_pad_get_current_caps(pad);
    if (!caps)
        return;
    int width = 0;
    int height = 0;
    const GstStructure *structure = gst_caps_get_structure(caps, 0);
    gst_structure_get_int(structure, "width", &width);
    gst_structure_get_int(structure, "height", &height);
    gst_caps_unref(caps);
    QMutexLocker locker(&receiver->m_mutex);
    ++receiver->m_frames[{width, height}];
}
