#include "previewframe.h"

#include <QVideoFrameFormat>

#include <algorithm>
#include <cstring>

#include <gst/video/video.h>

namespace EmulationManagement::Internal::PreviewFrame {

namespace {

// Copies no more rows and bytes than the target's planes hold: its chroma
// planes have half its height, rounded down.
void copyPlanes(const GstVideoFrame &source, QVideoFrame &target)
{
    for (int plane = 0; plane < int(GST_VIDEO_FRAME_N_PLANES(&source)); ++plane) {
        const auto *from = static_cast<const uchar *>(GST_VIDEO_FRAME_PLANE_DATA(&source, plane));
        const int fromStride = GST_VIDEO_FRAME_PLANE_STRIDE(&source, plane);
        uchar *to = target.bits(plane);
        const int toStride = target.bytesPerLine(plane);
        const int rowBytes = std::min(GST_VIDEO_FRAME_COMP_WIDTH(&source, plane)
                                          * GST_VIDEO_FRAME_COMP_PSTRIDE(&source, plane),
                                      toStride);
        const int rows = std::min(GST_VIDEO_FRAME_COMP_HEIGHT(&source, plane),
                                  plane == 0 ? target.height() : target.height() / 2);
        for (int row = 0; row < rows; ++row)
            std::memcpy(to + row * toStride, from + row * fromStride, rowBytes);
    }
}

} // namespace

QVideoFrame fromSample(GstSample *sample)
{
    GstVideoInfo info;
    GstCaps *caps = gst_sample_get_caps(sample);
    GstBuffer *buffer = gst_sample_get_buffer(sample);
    if (!caps || !buffer || !gst_video_info_from_caps(&info, caps)
        || GST_VIDEO_INFO_FORMAT(&info) != GST_VIDEO_FORMAT_I420)
        return {};
    GstVideoFrame source;
    if (!gst_video_frame_map(&source, &info, buffer, GST_MAP_READ))
        return {};
    // An even height, so that every picture row has its chroma row: the
    // last row of an odd picture is left out.
    QVideoFrame frame(
        QVideoFrameFormat(QSize(GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info) & ~1),
                          QVideoFrameFormat::Format_YUV420P));
    if (frame.map(QVideoFrame::WriteOnly)) {
        copyPlanes(source, frame);
        frame.unmap();
    } else {
        frame = QVideoFrame();
    }
    gst_video_frame_unmap(&source);
    if (GST_BUFFER_PTS_IS_VALID(buffer))
        frame.setStartTime(qint64(GST_BUFFER_PTS(buffer) / GST_USECOND));
    return frame;
}

} // namespace EmulationManagement::Internal::PreviewFrame
