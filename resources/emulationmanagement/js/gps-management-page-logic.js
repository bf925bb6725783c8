.import "nmea-parsing.js" as Nmea
.import "track-playback.mjs" as Playback

// Logic of the GPS page: loading a track, playing it and following the
// emulator. A plain import: the functions work on the names of the page's
// scope, and call one another rather than the page's entry points.
//
// Reads and writes, by owner:
// - context property gpsEmulationManager (the plug-in): read; its position,
//   track and playback calls are made here, and currentPositionIndex is
//   written.
// - GpsManagementPage.qml: the properties pendingFileUrl, skippedLinesNote,
//   nmeaFileUrl, loadingPoints, onlyDefaultInterval, trackStopped,
//   scheduleStart and scheduledWaits (read and written), defaultInterval
//   (read); the ids trackPointsTableModel (loaded, read, cleared), trackTimer
//   (started and stopped), trackTable (its selectTrackPoint) and the three
//   coordinate fields (read).
// - EmulationManagementView.qml: the id errorDialog (its text is written and
//   it is opened by trackLoadFailed).
// The waits and the order of the points are in track-playback.mjs.

function rowCount() {
    return trackPointsTableModel.rows;
}

// The file is read on a worker thread; the table, the emulator and the note
// keep the previous track until the new one has been read.
function loadTrackFile(url) {
    page.pendingFileUrl = String(url);
    trackPointsTableModel.load(url);
}

// Nothing of the file read so far is kept, and nothing is sent.
function cancelLoad() {
    trackPointsTableModel.cancel();
    page.pendingFileUrl = "";
}

// A whole log at once, on this thread.
function loadNmeaLog(text) {
    let points;
    try {
        points = Nmea.loadNmeaLog(text);
    } catch (error) {
        trackLoadFailed(error.incorrectLine > 0 ? error.message + ", line: " + error.incorrectLine
                                                : error.message);
        return;
    }
    page.pendingFileUrl = page.nmeaFileUrl;
    trackPointsTableModel.setPoints(points);
    trackLoaded("");
}

function trackLoadFailed(text) {
    page.pendingFileUrl = "";
    errorDialog.text = text;
    errorDialog.open();
}

// A new track is in the table: playback of the previous one stops, the
// emulator gets the new one, and then goes to its first point. The row
// selection sends nothing meanwhile: the emulator has no track yet and
// would refuse the point.
function trackLoaded(note) {
    page.nmeaFileUrl = page.pendingFileUrl;
    page.pendingFileUrl = "";
    page.skippedLinesNote = note;
    page.loadingPoints = true;
    if (trackPointsTableModel.withoutTimes) {
        page.onlyDefaultInterval = true;
        gpsEmulationManager.setTrackIntervalMode(true);
    }
    page.trackStopped = true;
    stopTrack();
    gpsEmulationManager.loadTrackModel(trackPointsTableModel);
    gpsEmulationManager.currentPositionIndex = 0;
    trackTable.selectTrackPoint(0);
    page.loadingPoints = false;
    gpsEmulationManager.goToPositionOnTrack(0);
    setCurrentTrackPointAsCurrentCoordinate();
}

function setCurrentTrackPointAsCurrentCoordinate() {
    const record = trackPointsTableModel.record(gpsEmulationManager.currentPositionIndex);
    if (record.latitude === undefined)
        return;
    gpsEmulationManager.setLocalPosition(Number(record.latitude), Number(record.longitude),
                                         Number(record.altitude));
}

function runTrackTimer(restartSchedule) {
    const index = gpsEmulationManager.currentPositionIndex;
    const wait = Playback.nextWait(index, rowCount(), gpsEmulationManager.trackLooped,
                                   gpsEmulationManager.useDefaultInterval,
                                   gpsEmulationManager.trackSpeed, page.defaultInterval,
                                   trackPointsTableModel.record(index + 1).interval);
    if (wait < 0)
        return;
    const now = Date.now();
    if (restartSchedule) {
        page.scheduleStart = now;
        page.scheduledWaits = 0;
    }
    page.scheduledWaits += wait;
    trackTimer.interval = restartSchedule ? wait
                                          : Playback.timerInterval(page.scheduleStart, page.scheduledWaits, now);
    trackTimer.start();
}

function trackTimerTriggered() {
    const rows = rowCount();
    const index = gpsEmulationManager.currentPositionIndex;
    const next = Playback.nextIndex(index, rows);
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
        trackTable.selectTrackPoint(gpsEmulationManager.currentPositionIndex);
        setCurrentTrackPointAsCurrentCoordinate();
    }
    if (gpsEmulationManager.currentPositionIndex >= rows - 1 && !gpsEmulationManager.trackLooped)
        page.trackStopped = true;
}

// The table goes first: the index change of stopTrack() would otherwise make
// the dropped track's first point the position, in place of the user's.
function replyFromEmulatorReceived(reply) {
    if (reply === "OK")
        return;
    trackPointsTableModel.clear();
    stopTrack();
    page.nmeaFileUrl = "";
    page.skippedLinesNote = "";
}

function currentRowChanged(row) {
    if (rowCount() === 0 || row < 0 || page.loadingPoints)
        return;
    if (!gpsEmulationManager.trackLoaded)
        gpsEmulationManager.loadTrackModel(trackPointsTableModel);
    gpsEmulationManager.goToPositionOnTrack(row);
    const wasRunning = trackTimer.running;
    trackTimer.stop();
    if (wasRunning)
        startTrack();
}

function setPosition() {
    if (trackTimer.running)
        pauseTrack();
    gpsEmulationManager.setPosition(latitudeField.number(), longitudeField.number(),
                                    altitudeField.number());
}
