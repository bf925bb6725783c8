import QtQuick.Controls
import QtTest

// The main view with the two sensor pages, driven by clicks and typed keys;
// every call is compared with what the emulator receives.
ViewTestCase {
    id: test

    readonly property var sensorNames: ["accelerometer", "compass", "orientation", "magnetometer", "gyroscope", "als", "proximity", "tap"]

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
            { tag: "orientation on", clicks: ["accelerometer", "orientation"], off: ["compass"] }
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
        testEnvironment.setSensorAvailability("magnetometer", false);
        compare([child("magnetometerCheckBox").visible, child("magnetometerControls").visible, child("magneticFieldControls").visible, child("compassControls").visible], [false, false, false, true]);
        testEnvironment.setSensorAvailability("magnetometer", true);
        verify(child("magneticFieldControls").visible);
        sensorsEmulationManager.setSensorEnabled("gyroscope", false);
        compare([child("gyroscopeControls").enabled, child("accelerometerControls").enabled], [false, true]);
    }

    // The last rows start from the value the row before them left.
    function test_valueEntered_data() {
        return [
            { tag: "accelerometer x, Enter", field: "accelerometer.x", keys: ["1", ".", "5", Qt.Key_Return], call: "setAccelerometerX int32:1500", shown: "1.500", calculated: "14.710 m/s\u00b2" },
            { tag: "accelerometer y, Tab", field: "accelerometer.y", keys: ["-", "0", ".", "2", Qt.Key_Tab], call: "setAccelerometerY int32:-200", shown: "-0.200", calculated: "-1.961 m/s\u00b2" },
            { tag: "magnetometer in microtesla", field: "magnetometer.x", keys: ["4", "0", Qt.Key_Return], call: "setMagnetometerX double:4e-05", shown: "40.000" },
            { tag: "gyroscope", field: "gyroscope.z", keys: ["2", "4", ".", "1", "2", "5", Qt.Key_Return], call: "setGyroscopeZ double:24.125", shown: "24.125" },
            { tag: "calibration level", field: "compass.calibrationLevel", keys: ["2", Qt.Key_Return], call: "setMagnetometerCalibrationLevel int32:2", shown: "2" },
            { tag: "reflectance", field: "proximity.reflectance", keys: ["7", Qt.Key_Return], call: "setProximitySensorValue int32:7", shown: "7", calculated: "0.68426 " },
            { tag: "light level chosen", field: "als.lux", level: 4, call: "setAlsValue int32:400", shown: "400" },
            { tag: "5000 lux: the fourth key refused", field: "als.lux", keys: ["5", "0", "0", "0", Qt.Key_Tab], call: "setAlsValue int32:500", shown: "500" },
            { tag: "incomplete lux: the old value back", field: "als.lux", keys: ["-", Qt.Key_Tab], shown: "500" },
            { tag: "empty lux: the old value back", field: "als.lux", keys: [Qt.Key_Delete, Qt.Key_Tab], shown: "500" }
        ];
    }
    function test_valueEntered(data) {
        const levels = child("lightLevels");
        if (data.level) {
            mouseClick(levels);
            tryVerify(() => levels.popup.opened, patience);
        }
        compare(sent(() => data.level ? mouseClick(levels.popup.contentItem.itemAtIndex(data.level)) : typeInto(data.field + "Field", data.keys)), data.call ? [data.call] : []);
        compare(child(data.field + "Field").text, data.shown);
        if (data.calculated)
            compare(child(data.field + "Calculated").text, data.calculated);
    }

    function test_lightLevelFollowsLux_data() {
        return [["100", "Light"], ["2500", "Sunny"], ["3000", "Sunny"], ["-1", "Undefined"], ["0", "Dark"], ["79", "Twilight"]].map(([lux, level]) => ({ tag: lux, lux: lux, level: level }));
    }
    function test_lightLevelFollowsLux(data) {
        typeInto("als.luxField", data.lux.split("").concat([Qt.Key_Return]));
        compare(child("lightLevels").currentText, data.level);
    }

    function test_errorReplyUndoesLastEnabledChange() {
        showPage("Sensors Management");
        mouseClick(child("tapCheckBox"));
        mouseClick(child("applyButton"));
        tryCompare(wire.frames, "length", 8, patience);
        compare(sensorsEmulationManager.sensorsEnabledStates.tap, false);
        wire.reply("disableSensor:tap::org.freedesktop.DBus.Error.Failed:No tap sensor");
        const errorDialog = child("errorDialog");
        tryVerify(() => errorDialog.visible, patience);
        compare(errorDialog.text, "org.freedesktop.DBus.Error.Failed No tap sensor");
        compare([sensorsEmulationManager.sensorsEnabledStates.tap, child("tapCheckBox").checked], [true, true], "back to the state before the request");
        sensorsEmulationManager.setSensorEnabled("tap", false);
        wire.reply("setAlsValue:1::org.freedesktop.DBus.Error.Failed:again");
        tryCompare(errorDialog, "text", "org.freedesktop.DBus.Error.Failed again", patience);
        compare(sensorsEmulationManager.sensorsEnabledStates.tap, false, "no name remembered: nothing undone");
        // The GPS page stops its track on every error reply; only sensor calls count here.
        compare(wire.frames.filter(frame => frame.startsWith(sensorsService)).length, 8, "the undo sends nothing");
        mouseClick(errorDialog.standardButton(Dialog.Ok));
        tryVerify(() => !errorDialog.visible, patience);
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

    function test_screenshots() {
        testEnvironment.saveScreenshot("sensors-values");
        showPage("Sensors Management");
        testEnvironment.saveScreenshot("sensors-management");
    }
}
