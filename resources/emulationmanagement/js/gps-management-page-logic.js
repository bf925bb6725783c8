.import "nmea-parsing.js" as Nmea

// Logic of the GPS page. The page imports this file into its own scope: the
// page's properties, its ids and gpsEmulationManager are read directly.

// Numbers for the manager are plain C-locale texts: the table's en_US texts
// carry group separators from 1000 on, which the manager reads as 0.
function plainNumber(value, decimals) {
    return Number(value).toFixed(decimals);
}

function localeNumber(value, decimals) {
    return Number(value).toLocaleString(page.locale, 'f', decimals);
}

function rowCount() {
    return trackPointsTableModel.rowCount;
}

function trackFileIsGpx(url) {
    return /\.gpx$/i.test(String(url));
}

// Reads the file the dialog chose; a file that cannot be read arrives as an
// empty text, which the readers report as empty.
function loadTrackFile(url) {
    page.nmeaFileUrl = String(url);
    page.loading = true;
    const request = new XMLHttpRequest();
    request.onreadystatechange = function () {
        if (request.readyState !== XMLHttpRequest.DONE)
            return;
        // One frame for the busy indicator before the parse holds the thread.
        deferredLoad.text = request.responseText;
        deferredLoad.gpx = trackFileIsGpx(url);
        deferredLoad.start();
    };
    request.open("GET", String(url));
    request.send();
}

function parseTrack(text, gpx) {
    return gpx ? page.gpxTrackReader.loadGpxTrack(text) : Nmea.loadNmeaLog(text);
}

function loadTrackText(text, gpx) {
    try {
        loadPoints(parseTrack(text, gpx));
    } catch (error) {
        trackPointsTableModel.clear();
        errorDialog.text = error.incorrectLine > 0 ? error.message + ", line: " + error.incorrectLine
                                                   : error.message;
        errorDialog.open();
    }
    page.loading = false;
    if (rowCount() > 0) {
        page.stopTrack();
        gpsEmulationManager.loadTrack(page.actualTrackPoints);
        gpsEmulationManager.goToPositionOnTrack(gpsEmulationManager.currentPositionIndex);
    }
}

// The selection of the first row sends nothing: the emulator has no track
// yet and would refuse the point, so the load sends the track and then goes
// to its first point.
function loadPoints(points) {
    page.loadingPoints = true;
    page.loadTableRows(points);
    page.loadTrackPoints(points);
    if (Nmea.trackHasPointsWithoutDateTime(points)) {
        page.onlyDefaultInterval = true;
        gpsEmulationManager.setTrackIntervalMode(true);
    }
    gpsEmulationManager.currentPositionIndex = 0;
    page.selectTrackPoint(0);
    page.loadingPoints = false;
    page.setCurrentTrackPointAsCurrentCoordinate();
}

function tableRows(points) {
    const titles = page.columnTitles;
    const rows = new Array(points.length);
    for (let i = 0; i < points.length; ++i) {
        const point = points[i];
        const row = {};
        row[titles[0]] = point.index;
        row[titles[1]] = point.timeString;
        row[titles[2]] = localeNumber(point.latitude, page.latLongRoundingSize);
        row[titles[3]] = localeNumber(point.longitude, page.latLongRoundingSize);
        row[titles[4]] = localeNumber(point.altitude, page.altRoundingSize);
        rows[i] = row;
    }
    return rows;
}

function trackRecords(points) {
    const records = new Array(points.length);
    for (let i = 0; i < points.length; ++i) {
        const point = points[i];
        records[i] = {
            latitude: plainNumber(point.latitude, page.latLongRoundingSize),
            longitude: plainNumber(point.longitude, page.latLongRoundingSize),
            altitude: plainNumber(point.altitude, page.altRoundingSize),
            interval: point.interval
        };
    }
    return records;
}

function setCurrentTrackPointAsCurrentCoordinate() {
    const record = page.actualTrackPoints[gpsEmulationManager.currentPositionIndex];
    if (rowCount() === 0 || record === undefined)
        return;
    gpsEmulationManager.setLocalPosition(Number(record.latitude), Number(record.longitude),
                                         Number(record.altitude));
}

// The nominal wait before the next point, in whole milliseconds, or -1 when
// playback ends here.
function nextWait(index, rows, looped, useDefaultInterval, speed, defaultInterval, records) {
    if (index >= rows - 1)
        return looped ? defaultInterval : -1;
    const interval = useDefaultInterval ? defaultInterval : records[index + 1].interval;
    return Math.max(1, Math.floor(interval / speed));
}

// Each point is due at the playback start plus the waits of the points
// before it, so a late timer shortens the next wait instead of shifting every
// later point.
function timerInterval(scheduleStart, scheduledWaits, now) {
    return Math.max(1, scheduleStart + scheduledWaits - now);
}

function runTrackTimer(restartSchedule) {
    const wait = nextWait(gpsEmulationManager.currentPositionIndex, rowCount(),
                          gpsEmulationManager.trackLooped, gpsEmulationManager.useDefaultInterval,
                          gpsEmulationManager.trackSpeed, page.defaultInterval,
                          page.actualTrackPoints);
    if (wait < 0)
        return;
    const now = Date.now();
    if (restartSchedule) {
        page.scheduleStart = now;
        page.scheduledWaits = 0;
    }
    page.scheduledWaits += wait;
    trackTimer.interval = restartSchedule ? wait
                                          : timerInterval(page.scheduleStart, page.scheduledWaits, now);
    trackTimer.start();
}

function trackTimerTriggered() {
    const rows = rowCount();
    const index = gpsEmulationManager.currentPositionIndex;
    const next = index >= rows - 1 ? 0 : index + 1;
    gpsEmulationManager.currentPositionIndex = next;
    if (next < rows - 1 || gpsEmulationManager.trackLooped) {
        runTrackTimer(false);
        return;
    }
    gpsEmulationManager.goToPositionOnTrack(gpsEmulationManager.currentPositionIndex);
}

function startTrack() {
    if (gpsEmulationManager.currentPositionIndex === rowCount() - 1)
        gpsEmulationManager.stopTrack();
    gpsEmulationManager.startTrack();
    runTrackTimer(true);
}

function pauseTrack() {
    gpsEmulationManager.pauseTrack();
    gpsEmulationManager.goToPositionOnTrack(gpsEmulationManager.currentPositionIndex);
    trackTimer.stop();
}

function stopTrack() {
    gpsEmulationManager.stopTrack();
    trackTimer.stop();
}

function currentPositionIndexChanged() {
    const rows = rowCount();
    if (rows > 0) {
        page.selectTrackPoint(gpsEmulationManager.currentPositionIndex);
        page.setCurrentTrackPointAsCurrentCoordinate();
    }
    if (gpsEmulationManager.currentPositionIndex >= rows - 1 && !gpsEmulationManager.trackLooped)
        page.trackStopped = true;
}

function replyFromEmulatorReceived(reply) {
    if (reply === "OK")
        return;
    page.stopTrack();
    page.nmeaFileUrl = "";
    trackPointsTableModel.clear();
}

function currentRowChanged(row) {
    if (rowCount() === 0 || row < 0 || page.loadingPoints)
        return;
    if (!gpsEmulationManager.trackLoaded)
        gpsEmulationManager.loadTrack(page.actualTrackPoints);
    gpsEmulationManager.goToPositionOnTrack(row);
    const wasRunning = trackTimer.running;
    trackTimer.stop();
    if (wasRunning)
        page.startTrack();
}

function setPosition() {
    if (trackTimer.running)
        page.pauseTrack();
    gpsEmulationManager.setPosition(Number.fromLocaleString(page.locale, latitudeField.text),
                                    Number.fromLocaleString(page.locale, longitudeField.text),
                                    Number.fromLocaleString(page.locale, altitudeField.text));
}

function submitField(field, setter) {
    if (field.acceptableInput)
        setter(Number.fromLocaleString(page.locale, field.text));
}

function progressPercent(value, maximum) {
    return localeNumber(value / maximum * 100, 2) + "%";
}
