#include "camerapreview.h"

#include "camera/previewbranch.h"
#include "camera/previewframe.h"

#include <algorithm>

#include <gst/gst.h>

namespace EmulationManagement::Internal {

namespace {

constexpr int rateIntervalMs = 1000;

// Runs on the sending pipeline's streaming thread: one buffer leaving the
// encoder is one frame on its way to the emulator.
GstPadProbeReturn onEncodedFrame(GstPad *, GstPadProbeInfo *, gpointer counter)
{
    ++*static_cast<std::atomic<int> *>(counter);
    return GST_PAD_PROBE_OK;
}

} // namespace

CameraPreview::CameraPreview(QObject *parent)
    : QObject(parent)
{
    m_rateTimer.setInterval(rateIntervalMs);
    connect(&m_rateTimer, &QTimer::timeout, this, &CameraPreview::updateFrameRate);
}

CameraPreview::~CameraPreview()
{
    for (Tap &tap : m_taps)
        detach(tap);
}

void CameraPreview::setSink(QVideoSink *sink)
{
    disconnect(m_sinkDestroyed);
    m_sink = sink;
    // A sink that goes away with its video output ends the preview.
    if (sink)
        m_sinkDestroyed = connect(sink, &QObject::destroyed, this, [this] { setSink(nullptr); });
    if (sink && !m_on)
        start();
    else if (!sink && m_on)
        finish();
    emit sinkChanged();
}

void CameraPreview::watch(GstElement *pipeline, GstElement *encoder)
{
    m_taps.push_back({pipeline, encoder, nullptr, 0});
    if (m_on)
        attach(m_taps.back());
}

void CameraPreview::forget(GstElement *pipeline)
{
    const auto found = std::find_if(m_taps.begin(), m_taps.end(), [pipeline](const Tap &tap) {
        return tap.pipeline == pipeline;
    });
    if (found == m_taps.end())
        return;
    detach(*found);
    m_taps.erase(found);
}

void CameraPreview::onSample(GstSample *sample, void *data)
{
    auto preview = static_cast<CameraPreview *>(data);
    // While the main thread has not shown the last picture, newer ones are dropped.
    if (preview->m_framePending.exchange(true))
        return;
    const QVideoFrame frame = PreviewFrame::fromSample(sample);
    QMetaObject::invokeMethod(
        preview,
        [preview, frame] {
            preview->m_framePending = false;
            if (preview->m_sink)
                preview->m_sink->setVideoFrame(frame);
        },
        Qt::QueuedConnection);
}

void CameraPreview::attach(Tap &tap)
{
    tap.branch = std::make_unique<PreviewBranch>(tap.pipeline, tap.encoder, onSample, this);
    GstPad *output = gst_element_get_static_pad(tap.encoder, "src");
    tap.counter = gst_pad_add_probe(
        output, GST_PAD_PROBE_TYPE_BUFFER, onEncodedFrame, &m_sentFrames, nullptr);
    gst_object_unref(output);
}

void CameraPreview::detach(Tap &tap)
{
    if (tap.counter != 0) {
        GstPad *output = gst_element_get_static_pad(tap.encoder, "src");
        gst_pad_remove_probe(output, tap.counter);
        gst_object_unref(output);
        tap.counter = 0;
    }
    tap.branch.reset();
}

void CameraPreview::start()
{
    m_on = true;
    for (Tap &tap : m_taps)
        attach(tap);
    m_sentFrames = 0;
    m_rateClock.start();
    m_rateTimer.start();
}

void CameraPreview::finish()
{
    m_on = false;
    m_rateTimer.stop();
    for (Tap &tap : m_taps)
        detach(tap);
    setSentFrameRate(0);
}

void CameraPreview::updateFrameRate()
{
    const qint64 elapsedMs = std::max<qint64>(1, m_rateClock.restart());
    setSentFrameRate(m_sentFrames.exchange(0) * 1000.0 / elapsedMs);
}

void CameraPreview::setSentFrameRate(qreal rate)
{
    m_sentFrameRate = rate;
    emit sentFrameRateChanged();
}

} // namespace EmulationManagement::Internal
