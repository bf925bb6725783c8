#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVideoSink>

#include <atomic>
#include <memory>
#include <vector>

typedef struct _GstElement GstElement;
typedef struct _GstSample GstSample;

namespace EmulationManagement::Internal {

class PreviewBranch;

// Shows what the emulator receives: while a video sink is set, every sending
// pipeline gets a preview branch in front of its encoder, and the frames that
// leave the encoder are counted once a second. Without a sink the pipelines
// carry nothing extra.
class CameraPreview : public QObject
{
    Q_OBJECT

public:
    explicit CameraPreview(QObject *parent = nullptr);
    ~CameraPreview() override;

    QVideoSink *sink() const { return m_sink; }
    void setSink(QVideoSink *sink);
    qreal sentFrameRate() const { return m_sentFrameRate; }

    // A sending pipeline whose encoder (already in the pipeline) the preview taps.
    void watch(GstElement *pipeline, GstElement *encoder);
    // Takes the preview out of a pipeline before the pipeline is released.
    void forget(GstElement *pipeline);

signals:
    void sinkChanged();
    void sentFrameRateChanged();

private:
    struct Tap
    {
        GstElement *pipeline = nullptr;
        GstElement *encoder = nullptr;
        std::unique_ptr<PreviewBranch> branch;
        unsigned long counter = 0;
    };

    static void onSample(GstSample *sample, void *preview);
    void attach(Tap &tap);
    void detach(Tap &tap);
    void start();
    void finish();
    void updateFrameRate();
    void setSentFrameRate(qreal rate);

    QPointer<QVideoSink> m_sink;
    // Whether the branches are in; the sink may already be gone when it is destroyed.
    bool m_on = false;
    QMetaObject::Connection m_sinkDestroyed;
    std::vector<Tap> m_taps;
    std::atomic<int> m_sentFrames{0};
    std::atomic<bool> m_framePending{false};
    QTimer m_rateTimer;
    QElapsedTimer m_rateClock;
    qreal m_sentFrameRate = 0;
};

} // namespace EmulationManagement::Internal
