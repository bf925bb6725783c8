import QtQuick
import QtTest

// Tracks without times: once one is loaded the page stays in default-interval
// mode, so these run in a process of their own.
Item {
    id: window

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

        function child(name) {
            const item = findChild(view, name);
            verify(item, name);
            return item;
        }
        function callNames() {
            return wire.frames.map(frame => frame.split(" ")[4]);
        }
        function load(file) {
            page.loadTrackFile(Qt.resolvedUrl("gps/" + file));
            tryVerify(() => !page.loading && child("trackTable").rows > 0, 5000, file + " loads");
        }
        function clickRow(row) {
            const cell = child("trackTable").itemAtCell(Qt.point(1, row));
            verify(cell, "row " + row);
            mouseClick(cell);
        }

        name: "GpsPageWaypoints"
        when: windowShown

        function initTestCase() {
            tryVerify(() => wire.frames.length > 0, 5000, "the invoker connects");
            page = child("gpsManagementPage");
            const buttons = Array.from(child("pageButtons").children);
            mouseClick(buttons.find(button => button.text === "GPS Management"));
            wire.clearFrames();
        }

        // One flow, as the mode it checks lasts for the page's life.
        function test_tracksWithoutTimes() {
            const message = child("messageDialog");
            load("waypoints.nmea");
            compare(message.visible, true);
            compare(message.text, "The loaded NMEA file has no temporal information. Thus you cannot play it at its own speed.");
            tryVerify(() => callNames().includes("setTrackIntervalMode"), 5000);
            compare(wire.frames.find(frame => frame.includes(" setTrackIntervalMode ")).split(" ")[5], "boolean:1");
            compare(child("ownSpeedCheckBox").enabled, false);
            message.close();
            tryCompare(message, "visible", false);

            gpsEmulationManager.setTrackSpeed(2);
            mouseClick(child("playButton"));
            compare(child("trackTimer").interval, 1000);
            mouseClick(child("pauseButton"));
            mouseClick(child("loopCheckBox"));
            clickRow(2);
            // At the last point the jump back to the first waits the whole default interval.
            page.runTrackTimer();
            compare(child("trackTimer").running, true);
            compare(child("trackTimer").interval, 2000);
            mouseClick(child("stopButton"));

            // The plot selects the point nearest to a click, as the table does.
            const plot = child("trackPlot");
            const first = plot.plotted[0];
            mouseClick(plot, first.x + 3, first.y - 2);
            compare(gpsEmulationManager.currentPositionIndex, 0);
            compare(child("trackTable").selectionModel.currentIndex.row, 0);

            // Another file without times: the mode stays, without a second message.
            wire.clearFrames();
            load("untimed.gpx");
            compare(message.visible, false);
            compare(child("ownSpeedCheckBox").enabled, false);
            compare(child("trackTable").rows, 2);
            tryVerify(() => callNames().includes("loadTrack"), 5000);
        }
    }
}
