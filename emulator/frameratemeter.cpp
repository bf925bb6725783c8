#include "frameratemeter.h"

namespace EmulationManagement::Emulator {

FrameRateMeter::FrameRateMeter(qint64 windowMs)
    : m_windowMs(windowMs)
{}

void FrameRateMeter::sample(qint64 timeMs, quint64 frames)
{
    m_samples.push_back({timeMs, frames});
    // Keep the newest sample that is at least a window old as the baseline.
    while (m_samples.size() > 2 && m_samples[1].timeMs <= timeMs - m_windowMs)
        m_samples.pop_front();
}

double FrameRateMeter::framesPerSecond() const
{
    if (m_samples.size() < 2)
        return 0;
    const Sample &first = m_samples.front();
    const Sample &last = m_samples.back();
    const qint64 elapsedMs = last.timeMs - first.timeMs;
    if (elapsedMs <= 0)
        return 0;
    return double(last.frames - first.frames) * 1000.0 / double(elapsedMs);
}

} // namespace EmulationManagement::Emulator
