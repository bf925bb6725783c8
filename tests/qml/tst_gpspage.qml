import QtQuick
import QtTest

// The GPS page in the main view with the real GPS manager, driven by clicks;
// every call is compared with what the emulator receives.
ViewTestCase {
    id: test

    readonly property string gpsService: "system ru.quor.GeoclueEmulationManagement /ru/quor/GeoclueEmulationManagement ru.quor.GeoclueEmulationManagement "
    property var page

    function calls() {
        return wire.frames.map(frame => frame.substring(gpsService.length));
    }
    // The frames arrive over the socket: wait for the count expected.
    function sentCalls(count) {
        tryVerify(() => wire.frames.length >= count, patience, count + " calls: " + calls().join("\n"));
        return calls();
    }
    function loadFailing(file) {
        page.loadTrackFile(testEnvironment.userTrack(Qt.resolvedUrl("gps/" + file)));
        tryVerify(() => !page.loading, patience, "the file is read");
    }
    // Waits until the emulator has answered every call so far: replies come in order.
    function awaitReplies() {
        replies.clear();
        gpsEmulationManager.setTrackLooped(gpsEmulationManager.trackLooped);
        tryVerify(() => replies.signalArguments.some(reply => reply[0].startsWith("setTrackLooped:")), patience, "answered");
    }
    // Loads a file and waits until the emulator has its track. The track goes
    // out before any of its points, so the emulator refuses none and the track stays.
    function load(file) {
        awaitReplies();
        wire.clearFrames();
        loadFailing(file);
        tryVerify(() => calls().includes("goToPositionOnTrack int32:0"), patience, "the first point is sent");
        const texts = calls();
        const loaded = texts.findIndex(text => text.startsWith("loadTrack "));
        verify(loaded >= 0 && loaded < texts.indexOf("goToPositionOnTrack int32:0"), texts.join("\n"));
        awaitReplies();
        // The table counts its rows when it lays them out, on its next polish.
        child("trackTable").forceLayout();
        verify(child("trackTable").rows > 0, "the track stays");
        wire.clearFrames();
    }
    function clickRow(row) {
        const table = child("trackTable");
        // A track just loaded may not be laid out yet.
        table.forceLayout();
        table.positionViewAtRow(row, TableView.Contain);
        tryVerify(() => table.itemAtCell(Qt.point(1, row)) !== null, patience, "row " + row + " is shown");
        mouseClick(table.itemAtCell(Qt.point(1, row)));
    }

    name: "GpsPage"

    SignalSpy {
        id: replies

        target: remoteDBusInvokerService
        signalName: "replyReceived"
    }

    function initTestCase() {
        waitForInvoker();
        showPage("GPS Management");
        page = child("gpsManagementPage");
    }
    function init() {
        // An error reply also opens the view's error dialog, which would
        // take the next clicks.
        child("errorDialog").close();
        tryCompare(child("errorDialog"), "visible", false, patience);
        page.stopTrack();
        page.trackStopped = true;
        gpsEmulationManager.setTrackLooped(false);
        gpsEmulationManager.setTrackSpeed(1);
        tryVerify(() => calls()[wire.frames.length - 1] === "setTrackSpeed int32:1", patience, "the settings arrive");
        wire.clearFrames();
    }

    function test_oneTrackPoint() {
        load("one.nmea");
        compare([child("progressSlider").enabled, child("progressLabel").text], [false, "100.00%"]);
        mouseClick(child("playButton"));
        compare(sentCalls(2), ["stopTrack ", "startTrack "]);
        compare(child("trackTimer").running, false);
        mouseClick(child("loopCheckBox"));
        mouseClick(child("playButton"));
        compare([child("trackTimer").running, child("trackTimer").interval], [true, 2000]);
    }

    // Each button's picture changes colour with its state; Stop works from Play until Stop.
    function test_playbackButtons() {
        load("track.nmea");
        const buttons = ["playButton", "pauseButton", "stopButton"].map(name => child(name));
        const states = () => buttons.map(button => [button.enabled, button.Accessible.name]);
        const ready = buttons.map(button => button.icon.color);
        compare(states(), [[true, "Play"], [false, "Pause"], [false, "Stop"]]);
        mouseClick(buttons[0]);
        compare(states(), [[false, "Play"], [true, "Pause"], [true, "Stop"]]);
        verify(buttons.every((button, i) => !Qt.colorEqual(button.icon.color, ready[i])), "disabled pictures differ");
        mouseClick(buttons[2]);
        tryVerify(() => calls()[calls().length - 1] === "stopTrack ", patience, calls().join("\n"));
        compare(states(), [[true, "Play"], [false, "Pause"], [false, "Stop"]]);
    }

    function test_waits_data() {
        return [
            { tag: "speed 4, 1000 ms to the next point", speed: 4, row: 0, own: true, wait: 250 },
            { tag: "speed 1, 0 ms to the next point", speed: 1, row: 2, own: true, wait: 1 },
            { tag: "speed 3, 1000 ms to the next point", speed: 3, row: 1, own: true, wait: 333 },
            { tag: "speed 2, default interval", speed: 2, row: 1, own: false, wait: 1000 }
        ];
    }
    // The speed is picked with the keyboard, the own speed turned off by a click.
    function test_waits(data) {
        load("track.nmea");
        const speedBox = child("speedBox");
        speedBox.forceActiveFocus();
        for (let i = 1; i < data.speed; ++i)
            keyClick(Qt.Key_Down);
        if (!data.own)
            mouseClick(child("ownSpeedCheckBox"));
        const expected = [2, 3, 4].filter(speed => speed <= data.speed).map(speed => "setTrackSpeed int32:" + speed).concat(data.own ? [] : ["setTrackIntervalMode boolean:1"]);
        compare(sentCalls(expected.length).filter(text => !text.startsWith("goTo")), expected);
        if (data.row > 0)
            clickRow(data.row);
        mouseClick(child("playButton"));
        compare([child("trackTimer").running, child("trackTimer").interval], [true, data.wait]);
        mouseClick(child("ownSpeedCheckBox"));
        compare([gpsEmulationManager.useDefaultInterval, speedBox.currentText], [data.own, data.speed + "x"]);
        gpsEmulationManager.setTrackIntervalMode(false);
    }

    // Played from the second point, the timer moves on to the last point and ends there.
    function test_playbackRunsToTheEnd() {
        load("track.nmea");
        clickRow(1);
        mouseClick(child("playButton"));
        tryVerify(() => page.trackStopped, patience, "the last point ends playback");
        awaitReplies();
        const texts = calls().filter(text => text.startsWith("goToPositionOnTrack") || text === "startTrack ");
        const played = texts.slice(texts.indexOf("startTrack "));
        compare([played.indexOf("goToPositionOnTrack int32:2") > 0, played[played.length - 1]], [true, "goToPositionOnTrack int32:3"]);
        compare([gpsEmulationManager.currentPositionIndex, child("trackTimer").running, child("stopButton").enabled], [3, false, false]);
    }

    function test_playAtTheLastPointStartsOver() {
        load("track.nmea");
        clickRow(3);
        awaitReplies();
        wire.clearFrames();
        mouseClick(child("playButton"));
        // Back at the first point, the row change tells the emulator too; the
        // sync timer's ticks may follow.
        compare(sentCalls(3).slice(0, 3), ["stopTrack ", "goToPositionOnTrack int32:0", "startTrack "]);
        compare([gpsEmulationManager.currentPositionIndex, child("trackTimer").interval], [0, 1000]);
    }

    // Plain C-locale numbers reach the emulator; the table keeps its format.
    // The last row's picture is the one kept.
    function test_trackOnTheWire_data() {
        return [
            { tag: "GPX with times", file: "timed.gpx", call: "loadTrack array:array:double:48.1173000,11.5166667,545.40,0;48.1190000,11.5183333,1546.40,2500", row: 1, altitude: "1,546.40" },
            { tag: "NMEA", file: "track.nmea", call: "loadTrack array:array:double:48.1173000,11.5166667,545.40,0;48.1189667,11.5183333,546.40,1000;48.1206333,11.5216667,1234.50,1000;48.1223000,11.5233333,547.40,0", row: 2, altitude: "1,234.50" }
        ];
    }
    function test_trackOnTheWire(data) {
        wire.clearFrames();
        loadFailing(data.file);
        tryVerify(() => calls().includes(data.call), patience, calls().join("\n"));
        clickRow(data.row);
        compare(child("currentAltitude").text, data.altitude);
        testEnvironment.saveScreenshot("gps-page");
    }

    function test_reconnectionSendsTheTrackAgain() {
        load("track.nmea");
        wire.dropClients();
        tryVerify(() => calls().some(text => text.startsWith("setPosition ")), patience, "the manager resynchronises");
        // The sensors manager's calls may still be on their way: a call of
        // its own that no synchronisation makes is answered after them.
        replies.clear();
        gpsEmulationManager.pauseTrack();
        tryVerify(() => replies.signalArguments.some(reply => reply[0].startsWith("pauseTrack:")), patience, "answered");
        wire.clearFrames();
        clickRow(1);
        const texts = sentCalls(2);
        compare([texts[0].substring(0, 39), texts[1]], ["loadTrack array:array:double:48.1173000", "goToPositionOnTrack int32:1"]);
    }

    function test_coordinateFields() {
        typeInto("latitudeField", [..."-33.8688", Qt.Key_Return]);
        compare(sentCalls(1), ["setLatitude double:-33.8688000"]);
        typeInto("altitudeField", "1234.5");
        typeInto("longitudeField", "151.2093");
        load("track.nmea");
        mouseClick(child("playButton"));
        tryVerify(() => calls().includes("startTrack "), patience, "playing");
        wire.clearFrames();
        mouseClick(child("setButton"));
        // "Set" while playing pauses first; sync ticks may come before it.
        tryVerify(() => calls().some(text => text.startsWith("setPosition ")), patience, calls().join("\n"));
        compare(calls().slice(calls().indexOf("pauseTrack ")), ["pauseTrack ", "goToPositionOnTrack int32:0", "setPosition double:-33.8688000 double:151.2093000 double:1234.50"]);
        compare([child("trackTimer").running, child("currentAltitude").text], [false, "1,234.50"]);
    }

    // "OK" replies keep it (every load waits for them); anything else drops it.
    function test_replyDropsTheTrack_data() {
        return [
            { tag: "error", send: () => wire.reply("org.freedesktop.DBus.Error.ServiceUnknown") },
            { tag: "connection lost", send: () => gpsEmulationManager.replyFromEmulatorReceived("") }
        ];
    }
    function test_replyDropsTheTrack(data) {
        load("track.nmea");
        mouseClick(child("playButton"));
        data.send();
        tryCompare(child("trackTable"), "rows", 0, patience);
        compare([page.nmeaFileUrl, child("trackTimer").running], ["", false]);
    }

    function test_rejectedFile_data() {
        return [
            { tag: "unreadable", file: "missing.nmea", text: "NMEA file is empty" },
            { tag: "malformed GPX", file: "broken.gpx", text: "GPX file is not well-formed XML: Opening and ending tag mismatch., line: 4" }
        ];
    }
    function test_rejectedFile(data) {
        load("track.nmea");
        loadFailing(data.file);
        compare([child("errorDialog").text, child("trackTable").rows, page.nmeaFileUrl.endsWith("track.nmea")], [data.text, 4, true], "the previous track stays");
        compare(calls(), [], "nothing is sent");
    }

    // A log handed over as text goes through the page's NMEA script.
    function test_logAsText() {
        load("track.nmea");
        page.loadNmeaLog("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\n$GPGGA,1235,x\n");
        compare([child("errorDialog").text, child("trackTable").rows, calls()], ["Incorrect NMEA file, line: 2", 4, []]);
        page.loadNmeaLog("$GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,-545.4,M,46.9,M,,*47\n");
        compare(sentCalls(3), ["stopTrack ", "loadTrack array:array:double:48.1173000,11.5166667,-545.40,0", "goToPositionOnTrack int32:0"]);
    }

    // What can be read is kept: the emulator gets the track before any
    // point on it, and the page says once what it left out.
    function test_imperfectFile() {
        wire.clearFrames();
        loadFailing("imperfect.nmea");
        compare(sentCalls(3), ["stopTrack ", "loadTrack array:array:double:48.1173000,11.5166667,-12.50,0;48.1183333,11.5166667,545.40,2000", "goToPositionOnTrack int32:0"]);
        const note = "Skipped 3 lines: 2 without a position fix, 1 cut off at the end of the file.";
        compare([child("skippedLinesNote").text, child("errorDialog").visible], [note, false]);
        // The note belongs to the track shown: a failed or cancelled load keeps both.
        loadFailing("broken.gpx");
        page.loadTrackFile(Qt.resolvedUrl("gps/one.nmea"));
        page.cancelLoad();
        compare([child("skippedLinesNote").text, child("trackTable").rows], [note, 2]);
        child("errorDialog").close();
        tryCompare(child("errorDialog"), "visible", false, patience);
        mouseClick(child("dismissNoteButton"));
        compare(child("skippedLinesNote").visible, false);
    }

    // Cancel leaves the track that the table and the emulator have.
    function test_cancelKeepsThePreviousTrack() {
        load("track.nmea");
        page.loadTrackFile(Qt.resolvedUrl("gps/one.nmea"));
        compare([page.loading, child("cancelLoadButton").Accessible.name, child("loadProgressLabel").text], [true, "Cancel", "0%"]);
        page.cancelLoad();
        compare([page.loading, child("trackTable").rows, page.nmeaFileUrl.endsWith("track.nmea")], [false, 4, true]);
        wire.clearFrames();
        loadFailing("timed.gpx");
        tryVerify(() => calls().some(text => text.startsWith("loadTrack ")), patience, "the next track is sent");
        child("trackTable").forceLayout();
        compare([calls().filter(text => text.startsWith("loadTrack ")).length, child("trackTable").rows], [1, 2], "only the next track, not the cancelled one");
        // The picture may catch the load at its start or, when drawing lets
        // the read end first, after it.
        page.loadTrackFile(testEnvironment.userTrack(Qt.resolvedUrl("gps/track.nmea")));
        testEnvironment.saveScreenshot("gps-page-loading");
        tryVerify(() => !page.loading, patience, "the file is read");
    }

    // A new track stops the one playing before the emulator gets it.
    function test_loadWhilePlaying() {
        load("track.nmea");
        mouseClick(child("playButton"));
        tryVerify(() => calls().includes("startTrack "), patience, "playing");
        wire.clearFrames();
        loadFailing("one.nmea");
        tryVerify(() => calls().includes("loadTrack array:array:double:48.1173000,11.5166667,545.40,0"), patience, calls().join("\n"));
        const texts = calls();
        compare(texts.slice(texts.indexOf("stopTrack ")).slice(0, 3), ["stopTrack ", "loadTrack array:array:double:48.1173000,11.5166667,545.40,0", "goToPositionOnTrack int32:0"]);
        child("trackTable").forceLayout();
        compare([child("trackTimer").running, child("stopButton").enabled, gpsEmulationManager.currentPositionIndex, child("trackTable").rows], [false, false, 0, 1]);
    }

    // Last by name: after a file without times the page stays in
    // default-interval mode for good.
    function test_withoutTimesLast() {
        const message = child("messageDialog");
        loadFailing("waypoints.nmea");
        compare([message.visible, message.text, child("ownSpeedCheckBox").enabled], [true, "The loaded NMEA file has no temporal information. Thus you cannot play it at its own speed.", false]);
        tryVerify(() => calls().find(text => text.startsWith("setTrackIntervalMode ")) === "setTrackIntervalMode boolean:1", patience, calls().join("\n"));
        message.close();
        tryCompare(message, "visible", false, patience);

        gpsEmulationManager.setTrackSpeed(2);
        mouseClick(child("playButton"));
        compare(child("trackTimer").interval, 1000);
        mouseClick(child("pauseButton"));
        mouseClick(child("loopCheckBox"));
        clickRow(2);
        // At the last point the jump back to the first waits the whole default interval.
        page.runTrackTimer();
        compare([child("trackTimer").running, child("trackTimer").interval], [true, 2000]);
        mouseClick(child("stopButton"));

        // The plot selects the point nearest to a click, as the table does.
        const plot = child("trackPlot");
        mouseClick(plot, plot.plotted[0].x + 3, plot.plotted[0].y - 2);
        compare([gpsEmulationManager.currentPositionIndex, child("trackTable").selectionModel.currentIndex.row], [0, 0]);

        // Another file without times: the mode stays, without a second message.
        load("untimed.gpx");
        compare([message.visible, child("ownSpeedCheckBox").enabled, child("trackTable").rows], [false, false, 2]);
        // A KML route from a map tool is one too.
        load("route.kml");
        clickRow(2);
        compare([message.visible, child("trackTable").rows, child("currentLatitude").text], [false, 4, "49.2890000"]);
        testEnvironment.saveScreenshot("gps-page-kml");
    }
}
