#include "playbackschedule.h"

#include <cmath>
#include <limits>

namespace EmulationManagement::Internal::PlaybackSchedule {

std::optional<qint64> nextWait(int index,
                               int rows,
                               bool looped,
                               bool useDefaultInterval,
                               int speed,
                               qint64 fallbackInterval,
                               double nextInterval)
{
    if (index >= rows - 1)
        return looped ? std::optional<qint64>(fallbackInterval) : std::nullopt;
    const double interval = useDefaultInterval ? double(fallbackInterval) : nextInterval;
    const double wait = std::floor(interval / qMax(1, speed));
    // A gap beyond any clock is as good as never: the longest wait a qint64 holds.
    if (!(wait < double(std::numeric_limits<qint64>::max())))
        return std::numeric_limits<qint64>::max() / 2;
    return qMax<qint64>(1, qint64(wait));
}

int nextIndex(int index, int rows)
{
    return index >= rows - 1 ? 0 : index + 1;
}

void Deadline::restart(qint64 now, qint64 wait)
{
    m_due = now + wait;
}

int timerSlice(qint64 remaining)
{
    return int(qBound(qint64(1), remaining, qint64(std::numeric_limits<int>::max())));
}

} // namespace EmulationManagement::Internal::PlaybackSchedule
