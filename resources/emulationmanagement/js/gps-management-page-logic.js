.import "nmea-parsing.js" as Nmea

// Logic of the GPS page: loading a track, playing it and following the
// emulator. A plain import: the functions work on the names of the page's
// scope, and call one another rather than the page's entry points.
//
// Reads and writes, by owner:
// - context property gpsEmulationManager (the plug-in): read; its position,
//   track and playback calls are made here, and currentPositionIndex is
//   written.
// - GpsManagementPage.qml: the properties pendingFileUrl, skippedLinesNote,
//   nmeaFileUrl, loadingPoints, onlyDefaultInterval and trackStopped (read
//   and written); the ids trackPointsTableModel (loaded, read, cleared),
//   trackTimer (the playback: its calls made), trackTable (its
//   selectTrackPoint) and the three coordinate fields (read).
// - context property scenarioRecorder (the plug-in): told which calls load
//   which track file.
// - EmulationManagementView.qml: the id errorDialog (its text is written and
//   it is opened by trackLoadFailed).
// The playback's calls, waits and steps are TrackPlayback's
// (gps/trackplayback.h), which the command line runs as well.

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
// selection sends nothing meanwhile: the emulator would hear of the point
// twice, the first time before it has the track.
function trackLoaded(note) {
    page.nmeaFileUrl = page.pendingFileUrl;
    page.pendingFileUrl = "";
    scenarioRecorder.beginTrackLoad(page.nmeaFileUrl);
    page.skippedLinesNote = note;
    page.loadingPoints = true;
    if (trackPointsTableModel.withoutTimes) {
        page.onlyDefaultInterval = true;
        gpsEmulationManager.setTrackIntervalMode(true);
    }
    page.trackStopped = true;
    trackTimer.loadTrack();
    trackTable.selectTrackPoint(0);
    page.loadingPoints = false;
    setCurrentTrackPointAsCurrentCoordinate();
    scenarioRecorder.endTrackLoad();
}

function setCurrentTrackPointAsCurrentCoordinate() {
    trackTimer.showCurrentPoint();
}

function startTrack() {
    trackTimer.play();
}

function pauseTrack() {
    trackTimer.pause();
}

function stopTrack() {
    trackTimer.stopTrack();
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
    if (!page.loadingPoints)
        trackTimer.pointChosen(row);
}

function setPosition() {
    if (trackTimer.running)
        pauseTrack();
    gpsEmulationManager.setPosition(latitudeField.number(), longitudeField.number(),
                                    altitudeField.number());
}
