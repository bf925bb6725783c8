// Track playback rules shared by the GPS page and the command line: the
// waits between points and the order in which they come.

// Milliseconds between points when the track's own times are not used, and
// before a looped track starts over.
export const defaultInterval = 2000;

// The nominal wait before the next point, in whole milliseconds, or -1 when
// playback ends here; nextInterval is the track's own interval to the point
// after index.
export function nextWait(index, rows, looped, useDefaultInterval, speed, fallbackInterval,
                         nextInterval) {
    if (index >= rows - 1)
        return looped ? fallbackInterval : -1;
    const interval = useDefaultInterval ? fallbackInterval : nextInterval;
    return Math.max(1, Math.floor(interval / speed));
}

// Each point is due at the playback start plus the waits of the points
// before it, so a late timer shortens the next wait instead of shifting every
// later point.
export function timerInterval(scheduleStart, scheduledWaits, now) {
    return Math.max(1, scheduleStart + scheduledWaits - now);
}

// The index that follows index on a track of rows points: after the last
// comes the first again.
export function nextIndex(index, rows) {
    return index >= rows - 1 ? 0 : index + 1;
}
