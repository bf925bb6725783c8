#include "pipelinecontrol.h"

#include <gst/gst.h>

namespace EmulationManagement::Internal::PipelineControl {

void waitAndStop(GstElement *pipeline, int timeoutMs)
{
    if (!pipeline)
        return;
    GstState state = GST_STATE_VOID_PENDING;
    GstState pending = GST_STATE_VOID_PENDING;
    gst_element_get_state(pipeline, &state, &pending, timeoutMs * GST_MSECOND);
    if (state != GST_STATE_NULL || pending != GST_STATE_VOID_PENDING)
        gst_element_set_state(pipeline, GST_STATE_NULL);
}

void stop(GstElement *pipeline)
{
    if (pipeline)
        gst_element_set_state(pipeline, GST_STATE_NULL);
}

void play(GstElement *pipeline)
{
    if (pipeline)
        gst_element_set_state(pipeline, GST_STATE_PLAYING);
}

int settledState(GstElement *pipeline, int timeoutMs)
{
    GstState state = GST_STATE_VOID_PENDING;
    if (pipeline)
        gst_element_get_state(pipeline, &state, nullptr, timeoutMs * GST_MSECOND);
    return state;
}

} // namespace EmulationManagement::Internal::PipelineControl
