import QtQuick
import QtTest

// The GPS page in the main view with the real GPS manager, driven by clicks;
// every call is compared with what the emulator receives. Files without
// times switch the page to default intervals for good: tst_gpspagewaypoints.
Item {
    id: window

    readonly property string gpsService: "system ru.quor.GeoclueEmulationManagement /ru/quor/GeoclueEmulationManagement ru.quor.GeoclueEmulationManagement "

    width: 1100
    height: 600

    Loader {
        id: loader

        anchors.fill: parent
        source: "qrc:/emulationmanagement/qml/EmulationManagementView.qml"
    }

    TestCase {
        id: test

        readonly property var view: loader.item
        property var page

        function call(text) {
            return window.gpsService + text;
        }
        function child(name) {
            const item = findChild(view, name);
            verify(item, name);
            return item;
        }
        function calls() {
            return wire.frames.map(frame => frame.substring(window.gpsService.length));
        }
        // The frames arrive over the socket: wait for the count expected.
        function sent(count) {
            tryVerify(() => wire.frames.length >= count, 5000, count + " calls: " + calls().join("\n"));
            return calls();
        }
        function loadFailing(file) {
            page.loadTrackFile(Qt.resolvedUrl("gps/" + file));
            tryVerify(() => !page.loading, 5000, "the file is read");
        }
        // Loads a file and waits until the emulator has its track.
        function load(file) {
            wire.clearFrames();
            loadFailing(file);
            tryVerify(() => calls().some(text => text.startsWith("loadTrack ")), 5000, "the track is sent");
            wire.clearFrames();
        }
        function trackTimer() {
            return child("trackTimer");
        }
        function clickRow(row) {
            const table = child("trackTable");
            table.positionViewAtRow(row, TableView.Contain);
            const cell = table.itemAtCell(Qt.point(1, row));
            verify(cell, "row " + row);
            mouseClick(cell);
        }

        name: "GpsPage"
        when: windowShown

        function initTestCase() {
            tryVerify(() => wire.frames.length > 0, 5000, "the invoker connects");
            page = child("gpsManagementPage");
            const buttons = Array.from(child("pageButtons").children);
            mouseClick(buttons.find(button => button.text === "GPS Management"));
            verify(page.visible);
        }
        function init() {
            // An error reply also opens the view's error dialog, which would
            // take the next clicks.
            const dialog = child("errorDialog");
            dialog.close();
            tryCompare(dialog, "visible", false);
            page.stopTrack();
            page.trackStopped = true;
            gpsEmulationManager.setTrackLooped(false);
            gpsEmulationManager.setTrackSpeed(1);
            tryVerify(() => calls()[wire.frames.length - 1] === "setTrackSpeed int32:1", 5000, "the settings arrive");
            wire.clearFrames();
        }

        function test_oneTrackPoint() {
            load("one.nmea");
            compare(child("progressSlider").enabled, false);
            compare(child("progressLabel").text, "100.00%");
            mouseClick(child("playButton"));
            compare(sent(2), ["stopTrack ", "startTrack "]);
            compare(trackTimer().running, false);
            mouseClick(child("loopCheckBox"));
            mouseClick(child("playButton"));
            compare(trackTimer().running, true);
            compare(trackTimer().interval, 2000);
        }

        function test_waits_data() {
            return [
                { tag: "speed 4, 1000 ms to the next point", speed: 4, row: 0, wait: 250 },
                { tag: "speed 1, 0 ms to the next point", speed: 1, row: 2, wait: 1 },
                { tag: "speed 3, 1000 ms to the next point", speed: 3, row: 1, wait: 333 }
            ];
        }
        function test_waits(data) {
            load("track.nmea");
            gpsEmulationManager.setTrackSpeed(data.speed);
            if (data.row > 0)
                clickRow(data.row);
            mouseClick(child("playButton"));
            compare(trackTimer().running, true);
            compare(trackTimer().interval, data.wait);
        }

        function test_playAtTheLastPointStartsOver() {
            load("track.nmea");
            clickRow(3);
            sent(1);
            wire.clearFrames();
            mouseClick(child("playButton"));
            // Back at the first point, the row change tells the emulator too.
            compare(sent(3), ["stopTrack ", "goToPositionOnTrack int32:0", "startTrack "]);
            compare(gpsEmulationManager.currentPositionIndex, 0);
            compare(trackTimer().interval, 1000);
        }

        function test_plainNumbersReachTheEmulator() {
            wire.clearFrames();
            loadFailing("track.nmea");
            tryVerify(() => calls().includes("loadTrack array:array:double:48.1173000,11.5166667,545.40,0;48.1189667,11.5183333,546.40,1000;48.1206333,11.5216667,1234.50,1000;48.1223000,11.5233333,547.40,0"), 5000, calls().join("\n"));
            clickRow(2);
            compare(child("currentAltitude").text, "1,234.50");
            compare(gpsEmulationManager.currentPosition.altitude, 1234.5);
            testEnvironment.saveScreenshot("gps-page");
        }

        function test_reconnectionSendsTheTrackAgain() {
            load("track.nmea");
            wire.dropClients();
            tryVerify(() => calls().some(text => text.startsWith("setPosition ")), 10000, "the manager resynchronises");
            wire.clearFrames();
            clickRow(1);
            const texts = sent(2);
            verify(texts[0].startsWith("loadTrack array:array:double:48.1173000"), texts[0]);
            compare(texts[1], "goToPositionOnTrack int32:1");
        }

        function typeInto(name, keys) {
            mouseClick(child(name));
            keySequence(StandardKey.SelectAll);
            for (const key of keys)
                keyClick(key);
        }

        function test_coordinateFields() {
            typeInto("latitudeField", "-33.8688");
            keyClick(Qt.Key_Return);
            compare(sent(1), ["setLatitude double:-33.8688000"]);
            typeInto("altitudeField", "1234.5");
            typeInto("longitudeField", "151.2093");
            load("track.nmea");
            mouseClick(child("playButton"));
            tryVerify(() => calls().includes("startTrack "), 5000, "playing");
            wire.clearFrames();
            mouseClick(child("setButton"));
            // "Set" while playing pauses first.
            compare(sent(3), ["pauseTrack ", "goToPositionOnTrack int32:0", "setPosition double:-33.8688000 double:151.2093000 double:1234.50"]);
            compare(trackTimer().running, false);
            compare(child("currentAltitude").text, "1,234.50");
        }

        function test_unreadableFileIsEmpty() {
            loadFailing("missing.nmea");
            const dialog = child("errorDialog");
            compare(dialog.text, "NMEA file is empty");
            dialog.close();
        }

        function test_errorReplyDropsTheTrack() {
            load("track.nmea");
            mouseClick(child("playButton"));
            wire.reply("org.freedesktop.DBus.Error.ServiceUnknown");
            tryCompare(child("trackTable"), "rows", 0);
            compare(page.nmeaFileUrl, "");
            compare(trackTimer().running, false);
        }

        function test_gpxWithTimes() {
            wire.clearFrames();
            loadFailing("timed.gpx");
            tryVerify(() => calls().includes("loadTrack array:array:double:48.1173000,11.5166667,545.40,0;48.1190000,11.5183333,1546.40,2500"), 5000, calls().join("\n"));
            compare(child("trackTable").rows, 2);
        }

        function test_malformedGpx() {
            load("track.nmea");
            loadFailing("broken.gpx");
            const dialog = child("errorDialog");
            compare(dialog.text, "GPX file is not well-formed XML: Opening and ending tag mismatch., line: 4");
            dialog.close();
            compare(page.actualTrackPoints.length, 4);
        }
    }
}
