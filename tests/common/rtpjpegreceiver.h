#pragma once

#include "testtimeouts.h"

#include <QList>
#include <QMap>
#include <QMutex>
#include <QSize>

#include <utility>

typedef struct _GstBuffer GstBuffer;
typedef struct _GstElement GstElement;
typedef struct _GstPad GstPad;

// Plays the emulator's part: receives the RTP/JPEG stream on UDP
// 127.0.0.1:34343, decodes every frame and counts the frames of each size.
class RtpJpegReceiver
{
public:
    RtpJpegReceiver();
    ~RtpJpegReceiver();

    RtpJpegReceiver(const RtpJpegReceiver &) = delete;
    RtpJpegReceiver &operator=(const RtpJpegReceiver &) = delete;

    // Whether the socket is bound and the pipeline plays.
    bool isListening() const { return m_listening; }

    void reset();
    int frames() const;
    int frames(const QSize &size) const;
    // The sizes of the frames since the last reset, read at one moment.
    QList<QSize> sizes() const;

    // Spins the Qt event loop (and with it GLib's default context) until
    // `count` frames of `size` have arrived since the last reset.
    bool waitForFrames(int count, const QSize &size, int timeoutMs = eventTimeoutMs) const;

private:
    static void onFrame(GstElement *sink, GstBuffer *buffer, GstPad *pad, void *receiver);

    GstElement *m_pipeline = nullptr;
    bool m_listening = false;
    mutable QMutex m_mutex;
    QMap<std::pair<int, int>, int> m_frames;
};
