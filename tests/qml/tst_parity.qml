import QtQuick
import QtTest

// One table of user actions, each done in the window through its controls and
// with emulation-ctl against a recording server of its own: both must send the
// same calls, byte for byte. The rows run in order, as one session of each;
// a row that says how the two differ states an intended difference.
ViewTestCase {
    id: test

    readonly property string gpsService: "system ru.quor.GeoclueEmulationManagement /ru/quor/GeoclueEmulationManagement ru.quor.GeoclueEmulationManagement "
    readonly property string trackDir: Qt.resolvedUrl("gps/").toString().replace("file://", "")
    readonly property string gyroscope: sensorsService + "setGyroscopeValues "
    readonly property var pages: ({ "Sensors Values": "sensorsValuesPage", "Sensors Management": "sensorsManagementPage",
                                    "Orientation Management": "smartphoneModelPage", "GPS Management": "gpsManagementPage" })

    // Real input: keys, clicks, list entries and paste.
    function act(step) {
        const [kind, name, value] = step;
        if (kind === "enter")
            typeInto(name, Array.from(value).concat([Qt.Key_Return]));
        else if (kind === "fill")
            typeInto(name, Array.from(value));
        else if (kind === "click")
            mouseClick(child(name));
        else if (kind === "choose")
            choose(child(name), value);
        else if (kind === "row")
            clickRow(name);
        else if (kind === "load")
            load(name);
        else if (kind === "disabled")
            verify(!child(name).enabled, name + " takes no input");
    }
    function choose(list, index) {
        mouseClick(list);
        tryVerify(() => list.popup.opened, patience);
        mouseClick(list.popup.contentItem.itemAtIndex(index));
        tryVerify(() => !list.popup.visible, patience);
    }
    function clickRow(row) {
        const table = child("trackTable");
        table.positionViewAtRow(row, TableView.Contain);
        mouseClick(table.itemAtCell(Qt.point(1, row)));
    }
    // The file dialog is the platform's: the page takes the file it chose.
    function load(file) {
        const page = child("gpsManagementPage");
        page.loadTrackFile(Qt.resolvedUrl("gps/" + file));
        tryVerify(() => !page.loading && child("trackTable").rows > 0, patience, "the file is read");
    }
    function ctl(command) {
        const run = emulationCtl.run(command.split(" "));
        compare(run.exitCode, 0, command + ": " + run.error);
        return run;
    }
    // What the page sent, as the row says it differs from the command.
    function windowCalls(data) {
        let calls = testEnvironment.framesAfter(() => data.window.forEach(act));
        if (data.streamsGyroscope)
            calls = calls.filter(call => !call.startsWith(gyroscope));
        if (data.remindsPoint) {
            const first = calls.findIndex(call => !call.startsWith(gpsService + "goToPositionOnTrack "));
            calls = calls.slice(Math.max(first, 0));
        }
        if (data.lastCalls)
            calls = calls.slice(-data.lastCalls);
        return untilPlaying(calls, data);
    }
    function ctlCalls(data) {
        let calls = ctl(data.ctl).calls;
        if (data.sendsTrackAgain)
            calls = calls.filter(call => !call.startsWith(gpsService + "loadTrack "));
        return untilPlaying(calls, data);
    }
    // While playing, both remind the emulator of the current point every
    // 100 ms, for as long as each runs.
    function untilPlaying(calls, data) {
        const start = calls.indexOf(gpsService + "startTrack ");
        return data.playing && start >= 0 ? calls.slice(0, start + 1) : calls;
    }
    // The current point both keep for the track.
    function compareCurrentPoint() {
        const status = JSON.parse(ctl("--json gps status").output);
        compare(status.currentIndex, gpsEmulationManager.currentPositionIndex);
    }

    name: "Parity"

    TextInput {
        id: clipboardSource

        visible: false
    }

    function initTestCase() {
        waitForInvoker();
        // The phone page's warning about resetting the readings: go on.
        testEnvironment.answerDialogsWith(0x400);
    }

    function test_sameCalls_data() {
        const hourly = trackDir + "hourly.nmea";
        return [
            { tag: "accelerometer 1.009 g: 1009 thousandths, rounded", page: "Sensors Values", ctl: "sensor set accelerometer.x 1.009", window: [["enter", "accelerometer.xField", "1.009"]] },
            { tag: "accelerometer -2.046 g: -2046 thousandths, rounded", page: "Sensors Values", ctl: "sensor set accelerometer.z -2.046", window: [["enter", "accelerometer.zField", "-2.046"]] },
            { tag: "magnetometer in microtesla, sent in tesla", page: "Sensors Values", ctl: "sensor set magnetometer.y 12.345", window: [["enter", "magnetometer.yField", "12.345"]] },
            { tag: "gyroscope at the range's end", page: "Sensors Values", ctl: "sensor set gyroscope.x -24.999", window: [["enter", "gyroscope.xField", "-24.999"]] },
            { tag: "magnetic field: nothing sent", page: "Sensors Values", ctl: "sensor set magneticField.z 56", window: [["enter", "magneticField.zField", "56"]] },
            { tag: "compass azimuth: accelerometer and magnetometer", page: "Sensors Values", ctl: "sensor set compass 45", window: [["enter", "compass.azimuthField", "45"]] },
            { tag: "compass calibration: the magnetometer's level", page: "Sensors Values", ctl: "sensor set compass.calibration 2", window: [["enter", "compass.calibrationLevelField", "2"]] },
            { tag: "lux", page: "Sensors Values", ctl: "sensor set als 2999", window: [["enter", "als.luxField", "2999"]] },
            { tag: "light level by name", page: "Sensors Values", ctl: "sensor set als Twilight", window: [["choose", "lightLevels", 2]] },
            { tag: "proximity near", page: "Sensors Values", ctl: "sensor set proximity near", window: [["click", "nearButton"]] },
            { tag: "tap direction", page: "Sensors Values", ctl: "sensor set tap Z_Pos", window: [["choose", "tapDirections", 7]] },
            { tag: "orientation: an accelerometer reading", page: "Sensors Values", ctl: "sensor set orientation FaceDown", window: [["choose", "orientations", 5]] },
            // The page applies all eight check boxes at once; the command switches only the sensors that follow.
            { tag: "accelerometer off: compass and orientation along", page: "Sensors Management", ctl: "sensor disable accelerometer", window: [["click", "accelerometerCheckBox"], ["click", "applyButton"]], appliesAll: true },
            // The page's block of a switched-off sensor takes no input; the command sends.
            { tag: "switched-off sensor: only the command sends", page: "Sensors Values", ctl: "sensor set accelerometer.y 0.5", window: [["disabled", "accelerometer.yField"]], windowSends: [] },
            { tag: "compass on: accelerometer and magnetometer along", page: "Sensors Management", ctl: "sensor enable compass", window: [["click", "compassCheckBox"], ["click", "applyButton"]], appliesAll: true },
            // The phone page sends the gyroscope every 100 ms while shown.
            { tag: "preset 5: lying flat", page: "Orientation Management", ctl: "pose preset 5", window: [["click", "preset5"]], streamsGyroscope: true },
            { tag: "preset 1: upright", page: "Orientation Management", ctl: "pose preset 1", window: [["click", "preset1"]], streamsGyroscope: true },
            // The page sends the readings after each slider; the command once, for the whole pose.
            { tag: "pose X-Rot 30, Z-Rot -90", page: "Orientation Management", ctl: "pose 30 0 -90", window: [["enter", "xRotSliderField", "30"], ["enter", "zRotSliderField", "-90"]], streamsGyroscope: true, lastCalls: 2 },
            { tag: "fixed position", page: "GPS Management", ctl: "gps fix 55.755826 37.6173 150", window: [["fill", "latitudeField", "55.755826"], ["fill", "longitudeField", "37.6173"], ["fill", "altitudeField", "150"], ["click", "setButton"]] },
            { tag: "track load: stop, the track, its first point", page: "GPS Management", ctl: "gps load " + hourly, window: [["load", "hourly.nmea"]], currentPoint: true },
            // Each run of the command sends the track again before its first use, as the page does after a new connection.
            { tag: "a point chosen", page: "GPS Management", ctl: "gps goto 2", window: [["row", 2]], sendsTrackAgain: true, currentPoint: true },
            { tag: "speed 2, then play", page: "GPS Management", ctl: "gps play --speed 2", window: [["choose", "speedBox", 1], ["click", "playButton"]], sendsTrackAgain: true, playing: true },
            { tag: "pause while playing", page: "GPS Management", ctl: "gps pause", window: [["click", "pauseButton"]], sendsTrackAgain: true, remindsPoint: true, currentPoint: true },
            { tag: "loop, then play", page: "GPS Management", ctl: "gps play --loop", window: [["click", "loopCheckBox"], ["click", "playButton"]], sendsTrackAgain: true, playing: true },
            { tag: "stop while playing", page: "GPS Management", ctl: "gps stop", window: [["click", "stopButton"]], sendsTrackAgain: true, remindsPoint: true, currentPoint: true }
        ];
    }
    function test_sameCalls(data) {
        if (!child(pages[data.page]).visible)
            showPage(data.page);
        let window = windowCalls(data);
        const command = ctlCalls(data);
        if (data.appliesAll)
            window = window.filter(call => command.some(sent => sent.endsWith(" string:" + call.split(" string:")[1])));
        compare(window, data.windowSends || command);
        if (data.windowSends)
            verify(command.length > 0, "the command sends");
        if (data.currentPoint)
            compareCurrentPoint();
    }

    // A text pasted into a field and given to the command: both take it or both refuse it.
    function test_sameNumbers_data() {
        return [
            { tag: "1e1, whole numbers", field: "als.luxField", ctl: "sensor set als", text: "1e1", taken: false },
            { tag: "5., whole numbers", field: "als.luxField", ctl: "sensor set als", text: "5.", taken: false },
            { tag: "-1, whole numbers", field: "als.luxField", ctl: "sensor set als", text: "-1", taken: true },
            { tag: "3001, beyond the range", field: "als.luxField", ctl: "sensor set als", text: "3001", taken: false },
            { tag: "1e1, three decimals", field: "gyroscope.xField", ctl: "sensor set gyroscope.x", text: "1e1", taken: false },
            { tag: "5., three decimals", field: "gyroscope.xField", ctl: "sensor set gyroscope.x", text: "5.", taken: true },
            { tag: ".5, three decimals", field: "gyroscope.xField", ctl: "sensor set gyroscope.x", text: ".5", taken: true },
            { tag: "four decimals", field: "gyroscope.xField", ctl: "sensor set gyroscope.x", text: "1.0005", taken: false },
            { tag: "decimal comma", field: "gyroscope.xField", ctl: "sensor set gyroscope.x", text: "1,5", taken: false },
            { tag: "1e1, latitude", field: "latitudeField", page: "GPS Management", ctl: "gps fix", text: "1e1", taken: false }
        ];
    }
    function test_sameNumbers(data) {
        const page = data.page || "Sensors Values";
        if (!child(pages[page]).visible)
            showPage(page);
        clipboardSource.text = data.text;
        clipboardSource.selectAll();
        clipboardSource.copy();
        const field = child(data.field);
        mouseClick(field);
        keySequence(StandardKey.SelectAll);
        keySequence(StandardKey.Paste);
        compare(field.text === data.text && field.acceptableInput, data.taken, "the field shows " + field.text);
        keyClick(Qt.Key_Escape);
        const run = emulationCtl.run((data.ctl + " " + data.text + (data.page ? " 0" : "")).split(" "));
        compare(run.exitCode, data.taken ? 0 : 2, run.error);
    }
}
