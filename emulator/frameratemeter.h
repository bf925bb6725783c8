#pragma once

#include <QtGlobal>

#include <deque>

namespace EmulationManagement::Emulator {

// Frames per second over a sliding time window, from running frame counts
// sampled now and then.
class FrameRateMeter
{
public:
    explicit FrameRateMeter(qint64 windowMs = 1000);

    // The total number of frames seen by timeMs (milliseconds on any
    // monotonic clock); times must not go back.
    void sample(qint64 timeMs, quint64 frames);
    double framesPerSecond() const;

private:
    struct Sample
    {
        qint64 timeMs;
        quint64 frames;
    };

    qint64 m_windowMs;
    std::deque<Sample> m_samples;
};

} // namespace EmulationManagement::Emulator
