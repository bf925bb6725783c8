#include "previewbranch.h"

#include "camera/pipelinecontrol.h"

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

namespace EmulationManagement::Internal {

namespace {

// A change of links that must wait until no buffer is on its way through the
// upstream pad. The main thread waits for it; streaming threads never wait for
// the main thread, so only a stuck pipeline makes the wait run out.
struct IdleChange
{
    std::function<void()> change;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

using SharedChange = std::shared_ptr<IdleChange>;

GstPadProbeReturn onUpstreamIdle(GstPad *, GstPadProbeInfo *, gpointer data)
{
    const SharedChange &job = *static_cast<SharedChange *>(data);
    job->change();
    {
        const std::lock_guard<std::mutex> lock(job->mutex);
        job->done = true;
    }
    job->finished.notify_all();
    return GST_PAD_PROBE_REMOVE;
}

void changeWhenIdle(GstPad *upstream, std::function<void()> change)
{
    auto job = std::make_shared<IdleChange>();
    job->change = std::move(change);
    gst_pad_add_probe(upstream,
                      GST_PAD_PROBE_TYPE_IDLE,
                      onUpstreamIdle,
                      new SharedChange(job),
                      [](gpointer data) { delete static_cast<SharedChange *>(data); });
    std::unique_lock<std::mutex> lock(job->mutex);
    job->finished.wait_for(lock,
                           std::chrono::milliseconds(PipelineControl::stateChangeTimeoutMs),
                           [&job] { return job->done; });
}

// Runs the change at once when nothing streams into the pad, else between two buffers.
void relink(GstElement *pipeline, GstPad *upstream, const std::function<void()> &change)
{
    if (!upstream || PipelineControl::settledState(pipeline) == GST_STATE_NULL)
        change();
    else
        changeWhenIdle(upstream, change);
}

using PadRef = std::shared_ptr<GstPad>;

PadRef padRef(GstPad *pad)
{
    return PadRef(pad, [](GstPad *p) {
        if (p)
            gst_object_unref(p);
    });
}

PadRef staticPad(GstElement *element, const char *name)
{
    return padRef(gst_element_get_static_pad(element, name));
}

GstFlowReturn onNewSample(GstAppSink *sink, gpointer data)
{
    GstSample *sample = gst_app_sink_pull_sample(sink);
    if (!sample)
        return GST_FLOW_OK;
    auto *target = static_cast<std::pair<PreviewBranch::SampleHandler, void *> *>(data);
    target->first(sample, target->second);
    gst_sample_unref(sample);
    return GST_FLOW_OK;
}

QByteArray previewCaps()
{
    return QByteArrayLiteral("video/x-raw,format=I420,pixel-aspect-ratio=1/1,width=[1,")
           + QByteArray::number(PreviewBranch::maxWidth) + ']';
}

} // namespace

PreviewBranch::PreviewBranch(GstElement *pipeline,
                             GstElement *encoder,
                             SampleHandler handler,
                             void *data)
    : m_pipeline(pipeline)
    , m_encoder(encoder)
{
    makeElements(handler, data);
    splice();
}

PreviewBranch::~PreviewBranch()
{
    unsplice();
}

GstPad *PreviewBranch::encoderInput(GstElement *encoder)
{
    GstPad *input = gst_element_get_static_pad(encoder, "sink");
    GstPad *peer = gst_pad_get_peer(input);
    GstElement *feeder = peer ? gst_pad_get_parent_element(peer) : nullptr;
    GstElementFactory *factory = feeder ? gst_element_get_factory(feeder) : nullptr;
    if (factory && g_str_equal(GST_OBJECT_NAME(factory), "tee")) {
        gst_object_unref(input);
        input = gst_element_get_static_pad(feeder, "sink");
    }
    if (feeder)
        gst_object_unref(feeder);
    if (peer)
        gst_object_unref(peer);
    return input;
}

void PreviewBranch::makeElements(SampleHandler handler, void *data)
{
    m_tee = gst_element_factory_make("tee", "previewTee");
    m_queue = gst_element_factory_make("queue", "previewQueue");
    m_rate = gst_element_factory_make("videorate", "previewRate");
    m_scale = gst_element_factory_make("videoscale", "previewScale");
    m_convert = gst_element_factory_make("videoconvert", "previewConvert");
    m_sink = gst_element_factory_make("appsink", "previewSink");
    // The queue drops old pictures rather than ever holding back the sending leg.
    g_object_set(m_queue,
                 "leaky",
                 2,
                 "max-size-buffers",
                 1,
                 "max-size-bytes",
                 0,
                 "max-size-time",
                 guint64(0),
                 nullptr);
    g_object_set(m_rate, "max-rate", maxFramesPerSecond, nullptr);
    GstCaps *caps = gst_caps_from_string(previewCaps().constData());
    g_object_set(m_sink,
                 "caps",
                 caps,
                 "sync",
                 FALSE,
                 "async",
                 FALSE,
                 "max-buffers",
                 1,
                 "drop",
                 TRUE,
                 nullptr);
    gst_caps_unref(caps);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = onNewSample;
    gst_app_sink_set_callbacks(
        GST_APP_SINK(m_sink),
        &callbacks,
        new std::pair<SampleHandler, void *>(handler, data),
        [](gpointer target) { delete static_cast<std::pair<SampleHandler, void *> *>(target); });
    gst_bin_add_many(
        GST_BIN(m_pipeline), m_tee, m_queue, m_rate, m_scale, m_convert, m_sink, nullptr);
    gst_element_link_many(m_queue, m_rate, m_scale, m_convert, m_sink, nullptr);
    m_encoderLeg = gst_element_request_pad_simple(m_tee, "src_%u");
    m_previewLeg = gst_element_request_pad_simple(m_tee, "src_%u");
    const PadRef queueInput = staticPad(m_queue, "sink");
    gst_pad_link(m_previewLeg, queueInput.get());
    for (GstElement *element : {m_sink, m_convert, m_scale, m_rate, m_queue, m_tee})
        gst_element_sync_state_with_parent(element);
}

void PreviewBranch::splice()
{
    const PadRef encoderSink = staticPad(m_encoder, "sink");
    const PadRef teeSink = staticPad(m_tee, "sink");
    const PadRef encoderLeg = padRef(GST_PAD(gst_object_ref(m_encoderLeg)));
    PipelineControl::settledState(m_pipeline);
    const PadRef upstream = padRef(gst_pad_get_peer(encoderSink.get()));
    relink(m_pipeline, upstream.get(), [=] {
        if (upstream) {
            gst_pad_unlink(upstream.get(), encoderSink.get());
            gst_pad_link(upstream.get(), teeSink.get());
        }
        gst_pad_link(encoderLeg.get(), encoderSink.get());
    });
}

void PreviewBranch::unsplice()
{
    const PadRef encoderSink = staticPad(m_encoder, "sink");
    const PadRef teeSink = staticPad(m_tee, "sink");
    const PadRef encoderLeg = padRef(GST_PAD(gst_object_ref(m_encoderLeg)));
    PipelineControl::settledState(m_pipeline);
    const PadRef upstream = padRef(gst_pad_get_peer(teeSink.get()));
    relink(m_pipeline, upstream.get(), [=] {
        if (upstream)
            gst_pad_unlink(upstream.get(), teeSink.get());
        gst_pad_unlink(encoderLeg.get(), encoderSink.get());
        if (upstream)
            gst_pad_link(upstream.get(), encoderSink.get());
    });
    for (GstElement *element : {m_tee, m_queue, m_rate, m_scale, m_convert, m_sink})
        gst_element_set_state(element, GST_STATE_NULL);
    for (GstPad *leg : {m_encoderLeg, m_previewLeg}) {
        gst_element_release_request_pad(m_tee, leg);
        gst_object_unref(leg);
    }
    gst_bin_remove_many(
        GST_BIN(m_pipeline), m_tee, m_queue, m_rate, m_scale, m_convert, m_sink, nullptr);
}

} // namespace EmulationManagement::Internal
