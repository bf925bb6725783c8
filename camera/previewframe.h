#pragma once

#include <QVideoFrame>

typedef struct _GstSample GstSample;

// Turning a GStreamer picture into a frame Qt Multimedia can show.
namespace EmulationManagement::Internal::PreviewFrame {

// A copy of an I420 sample as a YUV420P video frame of even height (an odd
// picture loses its last row) whose start time is the buffer's timestamp in
// microseconds; an invalid frame when the sample carries another format or
// cannot be read.
QVideoFrame fromSample(GstSample *sample);

} // namespace EmulationManagement::Internal::PreviewFrame
