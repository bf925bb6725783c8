#pragma once

#include <QString>

// Finding out which codec a video file uses, before it is streamed.
namespace EmulationManagement::Internal::VideoCodecProbe {

// How long the discoverer may look at a file.
constexpr int discoveryTimeoutMs = 2000;

// The "video-codec" tag of the file's video stream ("VP8 video"), or empty
// text when it cannot be determined. Only existing regular files are
// examined: the discoverer never returns on a FIFO or a device.
QString videoCodecName(const QString &filePath);

// Only VP8 and VP9 decode straight into a format the JPEG encoder takes.
bool isSupportedCodec(const QString &codecName);

} // namespace EmulationManagement::Internal::VideoCodecProbe
