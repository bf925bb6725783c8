import QtQuick
import QtQuick.Controls
import QtTest

// The main view with the two sensor pages, driven by clicks and typed keys;
// every call is compared with what the emulator receives.
ViewTestCase {
    id: test

    readonly property var sensorNames: ["accelerometer", "compass", "orientation", "magnetometer", "gyroscope", "als", "proximity", "tap"]
    property real boundReading: 0

    function call(text) {
        return sensorsService + text;
    }
    function checkedNames() {
        return sensorNames.filter(name => child(name + "CheckBox").checked);
    }

    name: "SensorPages"

    function initTestCase() {
        waitForInvoker();
    }
    function init() {
        for (const name of sensorNames)
            sensorsEmulationManager.setSensorEnabled(name, true);
        showPage("Sensors Values");
        // Showing the phone page sends readings: they must not count here.
        flushSensorCalls();
    }

    function test_dependentCheckBoxes_data() {
        return [
            { tag: "accelerometer off", clicks: ["accelerometer"], off: ["accelerometer", "compass", "orientation"] },
            { tag: "accelerometer off and on", clicks: ["accelerometer", "accelerometer"], off: ["compass", "orientation"] },
            { tag: "magnetometer off", clicks: ["magnetometer"], off: ["compass", "magnetometer"] },
            { tag: "compass on", clicks: ["accelerometer", "magnetometer", "compass"], off: ["orientation"] },
            { tag: "orientation on", clicks: ["accelerometer", "orientation"], off: ["compass"] },
            { tag: "compass off", clicks: ["compass"], off: ["compass"] },
            { tag: "orientation off", clicks: ["orientation"], off: ["orientation"] }
        ];
    }
    function test_dependentCheckBoxes(data) {
        showPage("Sensors Management");
        for (const name of data.clicks)
            mouseClick(child(name + "CheckBox"));
        compare(checkedNames(), sensorNames.filter(name => data.off.indexOf(name) < 0));
        compare(wire.frames, [], "nothing is sent before Apply");
        mouseClick(child("resetButton"));
        compare(checkedNames(), sensorNames);
    }

    // Apply, or leaving the page and answering the warning with a button.
    function test_applyOrDiscard_data() {
        return [
            { tag: "Apply", box: "compass", button: 0, sent: true },
            { tag: "leaving, discard", box: "tap", button: 0x800000, sent: false },
            { tag: "leaving, apply", box: "tap", button: 0x2000000, sent: true }
        ];
    }
    function test_applyOrDiscard(data) {
        showPage("Sensors Management");
        mouseClick(child(data.box + "CheckBox"));
        testEnvironment.answerDialogsWith(data.button);
        if (data.button) {
            showPage("Sensors Values");
            compare([testEnvironment.dialogTexts[testEnvironment.dialogTexts.length - 1], child("sensorsValuesPage").visible], ["The sensor configuration has been changed. Apply or discard changes?", true]);
        } else {
            mouseClick(child("applyButton"));
        }
        tryCompare(wire, "frames", data.sent ? sensorNames.map(name => call((name === data.box ? "disableSensor" : "enableSensor") + " string:" + name)) : [], patience);
        compare(child(data.box + "CheckBox").checked, !data.sent);
        testEnvironment.answerDialogsWith(0);
    }

    function test_hiddenAndGreyedBlocks() {
        showPage("Sensors Management");
        mouseClick(child("gyroscopeCheckBox"));
        testEnvironment.setSensorAvailability("magnetometer", false);
        verify(child("gyroscopeCheckBox").checked, "an unapplied click gives way to the manager's states");
        showPage("Sensors Values");
        compare([child("magnetometerCheckBox").visible, child("magnetometerControls").visible, child("magneticFieldControls").visible, child("compassControls").visible], [false, false, false, true]);
        testEnvironment.setSensorAvailability("magnetometer", true);
        verify(child("magneticFieldControls").visible);
        sensorsEmulationManager.setSensorEnabled("gyroscope", false);
        compare([child("gyroscopeControls").enabled, child("accelerometerControls").enabled], [false, true]);
    }

    // Typed keys, a list entry chosen or a button clicked; the last rows start
    // from the value the row before them left.
    function test_valueEntered_data() {
        const defaults = ["setAccelerometerValues int32:0 int32:0 int32:1000", "setAlsValue int32:100", "setGyroscopeValues double:0 double:0 double:1.14592", "setMagnetometerValues double:4.3e-05 double:0 double:0", "setMagnetometerCalibrationLevel int32:0", "setProximitySensorValue int32:5", "setTapSensorValue int32:-1"];
        return [
            { tag: "accelerometer x, Enter", field: "accelerometer.x", keys: ["1", ".", "5", Qt.Key_Return], calls: ["setAccelerometerX int32:1500"], shown: "1.500", calculated: "14.710 m/s\u00b2" },
            { tag: "accelerometer y, Tab", field: "accelerometer.y", keys: ["-", "0", ".", "2", Qt.Key_Tab], calls: ["setAccelerometerY int32:-200"], shown: "-0.200", calculated: "-1.961 m/s\u00b2" },
            { tag: "accelerometer rounded, not cut", field: "accelerometer.z", keys: ["1", ".", "0", "0", "9", Qt.Key_Return], calls: ["setAccelerometerZ int32:1009"], shown: "1.009" },
            { tag: "magnetometer in microtesla", field: "magnetometer.x", keys: ["4", "0", Qt.Key_Return], calls: ["setMagnetometerX double:4e-05"], shown: "40.000" },
            { tag: "gyroscope", field: "gyroscope.z", keys: ["2", "4", ".", "1", "2", "5", Qt.Key_Return], calls: ["setGyroscopeZ double:24.125"], shown: "24.125" },
            { tag: "calibration level", field: "compass.calibrationLevel", keys: ["2", Qt.Key_Return], calls: ["setMagnetometerCalibrationLevel int32:2"], shown: "2" },
            { tag: "reflectance", field: "proximity.reflectance", keys: ["7", Qt.Key_Return], calls: ["setProximitySensorValue int32:7"], shown: "7", calculated: "0.68426 " },
            { tag: "reflectance takes no fraction", field: "proximity.reflectance", keys: ["0", ".", "5", Qt.Key_Return], calls: ["setProximitySensorValue int32:5"], shown: "5" },
            { tag: "Near", field: "proximity.reflectance", button: "nearButton", calls: ["setProximitySensorValue int32:0"], shown: "0" },
            { tag: "Far", field: "proximity.reflectance", button: "farButton", calls: ["setProximitySensorValue int32:10"], shown: "10" },
            { tag: "orientation chosen", list: "orientations", index: 2, calls: ["setAccelerometerValues int32:-100 int32:0 int32:0"], listText: "LeftUp" },
            { tag: "tap direction chosen", list: "tapDirections", index: 7, calls: ["setTapSensorValue int32:6"], listText: "Z_Pos" },
            { tag: "light level chosen", list: "lightLevels", index: 4, field: "als.lux", calls: ["setAlsValue int32:400"], shown: "400", listText: "Bright" },
            { tag: "5000 lux: the fourth key refused", field: "als.lux", keys: ["5", "0", "0", "0", Qt.Key_Tab], calls: ["setAlsValue int32:500"], shown: "500" },
            { tag: "incomplete lux: the old value back", field: "als.lux", keys: ["-", Qt.Key_Tab], calls: [], shown: "500" },
            { tag: "empty lux: the old value back", field: "als.lux", keys: [Qt.Key_Delete, Qt.Key_Tab], calls: [], shown: "500" },
            { tag: "Reset values", field: "accelerometer.z", button: "resetValuesButton", calls: defaults, shown: "1.000", list: "tapDirections", listText: "Undefined" }
        ];
    }
    function test_valueEntered(data) {
        const list = data.list && child(data.list);
        if (data.index) {
            mouseClick(list);
            tryVerify(() => list.popup.opened, patience);
        }
        compare(sent(() => data.index ? mouseClick(list.popup.contentItem.itemAtIndex(data.index)) : data.button ? mouseClick(child(data.button)) : typeInto(data.field + "Field", data.keys)), data.calls);
        if (data.field)
            compare(child(data.field + "Field").text, data.shown);
        if (data.list)
            compare(list.currentText, data.listText);
        if (data.calculated)
            compare(child(data.field + "Calculated").text, data.calculated);
    }

    // Drags in steps of one pixel over the whole slider: one call per value.
    function test_sliderDrag_data() {
        return [
            { tag: "calibration level", slider: "magnetometer.calibrationLevel", calls: [1, 2, 3].map(level => "setMagnetometerCalibrationLevel int32:" + level) },
            { tag: "reflectance", slider: "proximity.reflectance", calls: [1, 2, 3, 4, 5, 6, 7, 8, 9, 10].map(value => "setProximitySensorValue int32:" + value) }
        ];
    }
    function test_sliderDrag(data) {
        const slider = child(data.slider + "Slider");
        typeInto(data.slider + "Field", ["0", Qt.Key_Return]);
        compare(sent(() => {
            mousePress(slider, slider.leftPadding, slider.height / 2);
            for (let x = slider.leftPadding; x <= slider.width; ++x)
                mouseMove(slider, x, slider.height / 2, -1, Qt.LeftButton);
            mouseRelease(slider, slider.width, slider.height / 2);
        }), data.calls);
    }

    function test_lightLevelFollowsLux_data() {
        return [["100", "Light"], ["2500", "Sunny"], ["3000", "Sunny"], ["-1", "Undefined"], ["0", "Dark"], ["79", "Twilight"]].map(([lux, level]) => ({ tag: lux, lux: lux, level: level }));
    }
    function test_lightLevelFollowsLux(data) {
        typeInto("als.luxField", data.lux.split("").concat([Qt.Key_Return]));
        compare(child("lightLevels").currentText, data.level);
    }
    // The slider reports no change when the block is made at 0 lux.
    function test_lightLevelOfANewBlock() {
        const block = child("lightControls"), controls = block.controls;
        sensorsEmulationManager.setAlsLuxValue(0);
        block.controls = null;
        block.controls = controls;
        compare(child("lightLevels").currentText, "Dark");
    }

    // After Apply with the accelerometer clicked off (compass and orientation
    // follow), replies to some of the eight calls; each refused request is
    // undone in the map alone, a taken one forgotten.
    function test_repliesToEnabledStates_data() {
        const failed = (call, message) => call + "::org.freedesktop.DBus.Error.Failed:" + message;
        return [
            { tag: "refused", replies: [failed("disableSensor:accelerometer", "No")], off: ["compass", "orientation"], error: "org.freedesktop.DBus.Error.Failed No" },
            { tag: "tap taken, then a GPS call refused", click: "tap", replies: ["disableSensor:tap:::", failed("setLatitude:1", "No fix")], off: ["tap"], error: "org.freedesktop.DBus.Error.Failed No fix" },
            { tag: "taken, then a GPS call refused", replies: ["disableSensor:accelerometer:::", failed("setLatitude:1", "No fix")], off: ["accelerometer", "compass", "orientation"], error: "org.freedesktop.DBus.Error.Failed No fix" },
            { tag: "taken, then refused again", replies: ["disableSensor:compass:::", failed("disableSensor:compass", "late")], off: ["accelerometer", "compass", "orientation"], error: "org.freedesktop.DBus.Error.Failed late" },
            { tag: "error text with colons", replies: [failed("disableSensor:orientation", "No: none")], off: ["accelerometer", "compass"], error: failed("disableSensor:orientation", "No: none") },
            { tag: "OK replies", replies: ["setAlsValue:100:::", "enableSensor:tap:::"], off: ["accelerometer", "compass", "orientation"] }
        ];
    }
    function test_repliesToEnabledStates(data) {
        // Replies reach the page from the socket's thread: those to earlier
        // calls are all in once a call made now is answered.
        wireReplies.clear();
        gpsEmulationManager.pauseTrack();
        tryVerify(() => wireReplies.signalArguments.some(reply => reply[0].startsWith("pauseTrack:")), patience, "earlier calls answered");
        wire.clearFrames();
        // The test's own replies answer these requests: the server stays
        // silent, and earlier Applies wait still.
        wire.answering = false;
        view.pendingSensorRequests = [];
        showPage("Sensors Management");
        mouseClick(child((data.click || "accelerometer") + "CheckBox"));
        mouseClick(child("applyButton"));
        tryCompare(wire.frames, "length", 8, patience);
        const [errorDialog, sensorFrames] = [child("errorDialog"), wire.frames.slice()];
        replies.clear();
        for (const reply of data.replies)
            wire.reply(reply);
        tryCompare(replies, "count", data.replies.length, patience);
        tryVerify(() => errorDialog.visible === !!data.error, patience);
        const states = sensorsEmulationManager.sensorsEnabledStates;
        compare([sensorNames.filter(name => !states[name]), checkedNames()], [data.off, sensorNames.filter(name => data.off.indexOf(name) < 0)]);
        compare(errorDialog.visible ? errorDialog.text : "", data.error || "");
        if (errorDialog.visible)
            mouseClick(errorDialog.standardButton(Dialog.Ok));
        tryVerify(() => !errorDialog.visible, patience);
        // Settles what this row left unanswered.
        for (const frame of sensorFrames) {
            const [method, argument] = frame.substring(sensorsService.length).split(" ");
            wire.reply(method + ":" + argument.split(":")[1] + ":::");
        }
        wire.answering = true;
    }

    function test_resetWarningOnTheWayToThePhone_data() {
        return [
            { tag: "Ok, do not show again", changed: true, stored: false, button: 0x400, checkBox: true, asked: 1, switched: true, storedAfter: true },
            { tag: "Ok", changed: true, stored: false, button: 0x400, checkBox: false, asked: 1, switched: true, storedAfter: false },
            { tag: "Cancel", changed: true, stored: false, button: 0x400000, checkBox: true, asked: 1, switched: false, storedAfter: false },
            { tag: "stored choice", changed: true, stored: true, button: 0x400000, checkBox: false, asked: 0, switched: true, storedAfter: true },
            { tag: "nothing changed", changed: false, stored: false, button: 0x400000, checkBox: false, asked: 0, switched: true, storedAfter: false }
        ];
    }
    function test_resetWarningOnTheWayToThePhone(data) {
        const settings = child("settingsManager");
        settings.saveDoNotShowAgainResetSensorsDialog(data.stored);
        if (data.changed)
            typeInto("gyroscope.xField", ["1", Qt.Key_Return]);
        compare(child("sensorsValuesPage").modelSensorChanged, data.changed);
        const asked = testEnvironment.dialogTexts.length;
        testEnvironment.answerDialogsWith(data.button, data.checkBox);
        showPage("Orientation Management");
        compare(testEnvironment.dialogTexts.length - asked, data.asked);
        compare([child("smartphoneModelPage").visible, child("sensorsValuesPage").visible], [data.switched, !data.switched]);
        compare(settings.readDoNotShowAgainResetSensorsDialog(), data.storedAfter);
        testEnvironment.answerDialogsWith(0);
    }

    // A recording goes on across pages; stopping asks for a file, and
    // cancelling that asks before the recording is thrown away.
    function test_recording() {
        const button = child("recordButton");
        mouseClick(button);
        compare([scenarioRecorder.recording, button.text, child("recordingTime").visible], [true, "Stop recording", true]);
        typeInto("accelerometer.xField", ["1", Qt.Key_Return]);
        showPage("Sensors Management");
        verify(scenarioRecorder.recording && scenarioRecorder.hasSteps);
        testEnvironment.saveScreenshot("recording");
        mouseClick(button);
        const fileDialog = child("scenarioFileDialog", view);
        const discardDialog = child("discardRecordingDialog", view);
        tryVerify(() => fileDialog.visible, patience);
        verify(!scenarioRecorder.recording);
        for (const answer of [Dialog.Cancel, Dialog.Discard]) {
            fileDialog.reject();
            tryVerify(() => discardDialog.opened, patience);
            mouseClick(discardDialog.standardButton(answer));
            tryVerify(() => !discardDialog.visible, patience);
            compare([fileDialog.visible, scenarioRecorder.hasSteps], [answer === Dialog.Cancel, answer === Dialog.Cancel]);
        }
        compare(button.text, "Record");
    }

    function test_screenshots() {
        testEnvironment.saveScreenshot("sensors-values");
        showPage("Sensors Management");
        testEnvironment.saveScreenshot("sensors-management");
    }

    SignalSpy {
        id: replies

        target: sensorsEmulationManager
        signalName: "replyFromEmulatorReceived"
    }

    // A reading bound from outside stays bound after the user types one: the
    // owner takes the choice, and the value comes back through the binding.
    function test_sliderKeepsItsBinding() {
        const slider = createTemporaryObject(Qt.createComponent("qrc:/emulationmanagement/qml/SliderWithTextField.qml"), test, {
            objectName: "bound", width: 400, minValue: -10, maxValue: 10, stepSize: 0.001, numberRoundingSize: 3,
            value: Qt.binding(() => test.boundReading) });
        const chosen = [];
        slider.sliderSubmited.connect(value => chosen.push(value));
        mouseClick(child("boundField", slider));
        keySequence(StandardKey.SelectAll);
        for (const key of ["2", Qt.Key_Return])
            keyClick(key);
        compare([chosen, slider.value], [[2], 0]);
        test.boundReading = 5;
        compare([slider.value, child("boundField", slider).text], [5, "5.000"]);
    }

    SignalSpy {
        id: wireReplies

        target: remoteDBusInvokerService
        signalName: "replyReceived"
    }
}
