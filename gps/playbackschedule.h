#pragma once

#include <QtGlobal>

#include <optional>

namespace EmulationManagement::Internal::PlaybackSchedule {

// Milliseconds between points when the track's own times are not used, and
// before a looped track starts over.
constexpr qint64 defaultInterval = 2000;

// The nominal wait before the point after index, in whole milliseconds (at
// least 1), or nullopt when playback ends at index; nextInterval is the
// track's own interval to that point. Days-long gaps fit.
std::optional<qint64> nextWait(int index,
                               int rows,
                               bool looped,
                               bool useDefaultInterval,
                               int speed,
                               qint64 fallbackInterval,
                               double nextInterval);

// The index after index on a track of rows points: after the last comes the
// first again.
int nextIndex(int index, int rows);

// When each point is due: the playback start plus the waits of the points
// before it, on a monotonic clock, so that a late timer shortens the next
// wait instead of shifting every later point.
class Deadline
{
public:
    void restart(qint64 now, qint64 wait);
    void add(qint64 wait) { m_due += wait; }
    qint64 due() const { return m_due; }
    // What is left of the wait at now, at least 1 ms.
    qint64 remaining(qint64 now) const { return qMax<qint64>(1, m_due - now); }

private:
    qint64 m_due = 0;
};

// A timer holds an int of milliseconds: a longer wait is taken in slices.
int timerSlice(qint64 remaining);

} // namespace EmulationManagement::Internal::PlaybackSchedule
