// Track playback rules shared by the GPS page and the command line: the
// records sent to the emulator and the waits between points.

// Milliseconds between points when the track's own times are not used, and
// before a looped track starts over.
export const defaultInterval = 2000;

// Numbers for the manager are plain C-locale texts: the page's en_US texts
// carry group separators from 1000 on, which the manager reads as 0.
export function plainNumber(value, decimals) {
    return Number(value).toFixed(decimals);
}

// The track point records of loadTrack for the points of a track reader.
export function trackRecords(points, latLongDecimals, altDecimals) {
    const records = new Array(points.length);
    for (let i = 0; i < points.length; ++i) {
        const point = points[i];
        records[i] = {
            latitude: plainNumber(point.latitude, latLongDecimals),
            longitude: plainNumber(point.longitude, latLongDecimals),
            altitude: plainNumber(point.altitude, altDecimals),
            interval: point.interval
        };
    }
    return records;
}

// The nominal wait before the next point, in whole milliseconds, or -1 when
// playback ends here.
export function nextWait(index, rows, looped, useDefaultInterval, speed, defaultInterval, records) {
    if (index >= rows - 1)
        return looped ? defaultInterval : -1;
    const interval = useDefaultInterval ? defaultInterval : records[index + 1].interval;
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
