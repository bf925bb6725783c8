import QtQuick
import QtQuick.Controls
import QtTest

// The main view with the two sensor pages, driven by clicks and typed keys;
// every call is compared with what the emulator receives.
Item {
    id: window

    readonly property string sensorsService: "system ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement ru.quor.SensorfwEmulationManagement "
    readonly property var sensorNames: ["accelerometer", "compass", "orientation", "magnetometer", "gyroscope", "als", "proximity", "tap"]

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

        function call(text) {
            return window.sensorsService + text;
        }
        function child(name) {
            const item = findChild(view, name);
            verify(item, name);
            return item;
        }
        function showPage(text) {
            const buttons = Array.from(child("pageButtons").children);
            mouseClick(buttons.find(button => button.text === text));
        }
        function typeInto(name, keys) {
            const field = child(name + "Field");
            mouseClick(field);
            keySequence(StandardKey.SelectAll);
            for (const key of keys)
                keyClick(key);
            return field;
        }
        function checkedNames() {
            return window.sensorNames.filter(name => child(name + "CheckBox").checked);
        }
        function allSensorsOn() {
            for (const name of window.sensorNames)
                sensorsEmulationManager.setSensorEnabled(name, true);
        }

        name: "SensorPages"
        when: windowShown

        function initTestCase() {
            tryVerify(() => wire.frames.length > 0, 5000, "the invoker connects");
        }
        function init() {
            allSensorsOn();
            showPage("Sensors Values");
            // What earlier steps sent (showing the phone page sends readings)
            // arrives before this call's echo.
            wire.clearFrames();
            sensorsEmulationManager.enableSensor("tap");
            tryVerify(() => wire.frames[wire.frames.length - 1] === call("enableSensor string:tap"));
            wire.clearFrames();
        }

        function test_dependentCheckBoxes_data() {
            return [
                { tag: "accelerometer off", clicks: ["accelerometer"], off: ["accelerometer", "compass", "orientation"] },
                { tag: "accelerometer off and on", clicks: ["accelerometer", "accelerometer"], off: ["compass", "orientation"] },
                { tag: "magnetometer off", clicks: ["magnetometer"], off: ["compass", "magnetometer"] },
                { tag: "compass on", clicks: ["accelerometer", "magnetometer", "compass"], off: ["orientation"] },
                { tag: "orientation on", clicks: ["accelerometer", "orientation"], off: ["compass"] },
                { tag: "tap off", clicks: ["tap"], off: ["tap"] }
            ];
        }
        function test_dependentCheckBoxes(data) {
            showPage("Sensors Management");
            for (const name of data.clicks)
                mouseClick(child(name + "CheckBox"));
            compare(checkedNames(), window.sensorNames.filter(name => data.off.indexOf(name) < 0));
            compare(wire.frames, [], "nothing is sent before Apply");
            mouseClick(child("resetButton"));
            compare(checkedNames(), window.sensorNames);
        }

        function test_applySendsAllEight() {
            showPage("Sensors Management");
            mouseClick(child("compassCheckBox"));
            mouseClick(child("applyButton"));
            tryCompare(wire, "frames", window.sensorNames.map(name => call((name === "compass" ? "disableSensor" : "enableSensor") + " string:" + name)));
            compare(sensorsEmulationManager.sensorsEnabledStates.compass, false);
            compare(child("compassCheckBox").checked, false);
        }

        function test_exitWarning_data() {
            return [
                { tag: "discard", button: 0x800000, frames: 0, tapChecked: true },
                { tag: "apply", button: 0x2000000, frames: 8, tapChecked: false }
            ];
        }
        function test_exitWarning(data) {
            showPage("Sensors Management");
            mouseClick(child("tapCheckBox"));
            testEnvironment.answerDialogsWith(data.button);
            showPage("Sensors Values");
            compare(testEnvironment.dialogTexts[testEnvironment.dialogTexts.length - 1], "The sensor configuration has been changed. Apply or discard changes?");
            verify(child("sensorsValuesPage").visible);
            tryVerify(() => wire.frames.length === data.frames);
            compare(child("tapCheckBox").checked, data.tapChecked);
            testEnvironment.answerDialogsWith(0);
        }

        function test_unavailableSensorDisappears() {
            testEnvironment.setSensorAvailability("magnetometer", false);
            compare(child("magnetometerCheckBox").visible, false);
            compare(child("magnetometerControls").visible, false);
            compare(child("magneticFieldControls").visible, false);
            verify(child("compassControls").visible);
            testEnvironment.setSensorAvailability("magnetometer", true);
            verify(child("magneticFieldControls").visible);
        }

        function test_disabledSensorGreysItsBlock() {
            sensorsEmulationManager.setSensorEnabled("gyroscope", false);
            compare(child("gyroscopeControls").enabled, false);
            verify(child("accelerometerControls").enabled);
        }

        function test_typedValue_data() {
            return [
                { tag: "accelerometer x, Enter", field: "accelerometer.x", keys: ["1", ".", "5", Qt.Key_Return], call: "setAccelerometerX int32:1500", shown: "1.500", calculated: "14.710 m/s\u00b2" },
                { tag: "accelerometer y, Tab", field: "accelerometer.y", keys: ["-", "0", ".", "2", Qt.Key_Tab], call: "setAccelerometerY int32:-200", shown: "-0.200", calculated: "-1.961 m/s\u00b2" },
                { tag: "magnetometer in microtesla", field: "magnetometer.x", keys: ["4", "0", Qt.Key_Return], call: "setMagnetometerX double:4e-05", shown: "40.000" },
                { tag: "gyroscope", field: "gyroscope.z", keys: ["2", "4", ".", "1", "2", "5", Qt.Key_Return], call: "setGyroscopeZ double:24.125", shown: "24.125" },
                { tag: "calibration level", field: "compass.calibrationLevel", keys: ["2", Qt.Key_Return], call: "setMagnetometerCalibrationLevel int32:2", shown: "2" },
                { tag: "reflectance", field: "proximity.reflectance", keys: ["7", Qt.Key_Return], call: "setProximitySensorValue int32:7", shown: "7", calculated: "0.68426 " }
            ];
        }
        function test_typedValue(data) {
            const field = typeInto(data.field, data.keys);
            tryCompare(wire.frames, "length", 1);
            compare(wire.frames[0], call(data.call));
            compare(field.text, data.shown);
            if (data.calculated)
                compare(child(data.field + "Calculated").text, data.calculated);
        }

        function test_modelValueShownInMicrotesla() {
            sensorsEmulationManager.magnetometer.y = 4.3e-5;
            compare(child("magnetometer.yField").text, "43.000");
        }

        function test_refusedTextRestored() {
            const field = typeInto("als.lux", ["5", "0", "0", "0"]);
            compare(field.text, "500", "the validator refuses the fourth key");
            keyClick(Qt.Key_Tab);
            compare(wire.frames, [call("setAlsValue int32:500")], "leaving applies the text");
            typeInto("als.lux", ["-", Qt.Key_Tab]);
            compare(field.text, "500", "an incomplete text gives the shown value back");
            typeInto("als.lux", [Qt.Key_Delete, Qt.Key_Tab]);
            compare(field.text, "500");
            compare(wire.frames.length, 1);
        }

        function test_lightLevelFollowsLux_data() {
            return [
                { tag: "100", keys: ["1", "0", "0"], level: "Light" },
                { tag: "2500", keys: ["2", "5", "0", "0"], level: "Sunny" },
                { tag: "3000", keys: ["3", "0", "0", "0"], level: "Sunny" },
                { tag: "-1", keys: ["-", "1"], level: "Undefined" },
                { tag: "0", keys: ["0"], level: "Dark" },
                { tag: "79", keys: ["7", "9"], level: "Twilight" }
            ];
        }
        function test_lightLevelFollowsLux(data) {
            typeInto("als.lux", data.keys.concat([Qt.Key_Return]));
            compare(child("lightLevels").currentText, data.level);
        }

        function test_lightLevelChoiceSetsLux() {
            const levels = child("lightLevels");
            mouseClick(levels);
            tryVerify(() => levels.popup.opened);
            mouseClick(levels.popup.contentItem.itemAtIndex(4));
            tryCompare(wire.frames, "length", 1);
            compare(wire.frames[0], call("setAlsValue int32:400"));
            compare(child("als.luxField").text, "400");
        }

        function test_errorReplyUndoesLastEnabledChange() {
            showPage("Sensors Management");
            mouseClick(child("tapCheckBox"));
            mouseClick(child("applyButton"));
            tryCompare(wire.frames, "length", 8);
            compare(sensorsEmulationManager.sensorsEnabledStates.tap, false);
            wire.reply("disableSensor:tap::org.freedesktop.DBus.Error.Failed:No tap sensor");
            const errorDialog = child("errorDialog");
            tryVerify(() => errorDialog.visible);
            compare(errorDialog.text, "org.freedesktop.DBus.Error.Failed No tap sensor");
            compare(sensorsEmulationManager.sensorsEnabledStates.tap, true, "back to the state before the request");
            compare(child("tapCheckBox").checked, true);
            sensorsEmulationManager.setSensorEnabled("tap", false);
            wire.reply("setAlsValue:1::org.freedesktop.DBus.Error.Failed:again");
            tryCompare(errorDialog, "text", "org.freedesktop.DBus.Error.Failed again");
            compare(sensorsEmulationManager.sensorsEnabledStates.tap, false, "no name remembered: nothing undone");
            // The GPS page stops its track on every error reply; only sensor calls count here.
            compare(wire.frames.filter(frame => frame.startsWith(window.sensorsService)).length, 8, "the undo sends nothing");
            mouseClick(errorDialog.standardButton(Dialog.Ok));
            tryVerify(() => !errorDialog.visible);
        }

        function test_resetWarningOnTheWayToThePhone_data() {
            return [
                { tag: "Ok, do not show again", stored: false, button: 0x400, checkBox: true, asked: true, switched: true, storedAfter: true },
                { tag: "Ok", stored: false, button: 0x400, checkBox: false, asked: true, switched: true, storedAfter: false },
                { tag: "Cancel", stored: false, button: 0x400000, checkBox: true, asked: true, switched: false, storedAfter: false },
                { tag: "stored choice", stored: true, button: 0x400000, checkBox: false, asked: false, switched: true, storedAfter: true }
            ];
        }
        function test_resetWarningOnTheWayToThePhone(data) {
            const settings = child("settingsManager");
            settings.saveDoNotShowAgainResetSensorsDialog(data.stored);
            typeInto("gyroscope.x", ["1", Qt.Key_Return]);
            verify(child("sensorsValuesPage").modelSensorChanged);
            const asked = testEnvironment.dialogTexts.length;
            testEnvironment.answerDialogsWith(data.button, data.checkBox);
            showPage("Orientation Management");
            compare(testEnvironment.dialogTexts.length - asked, data.asked ? 1 : 0);
            compare(child("smartphoneModelPage").visible, data.switched);
            compare(child("sensorsValuesPage").visible, !data.switched);
            compare(settings.readDoNotShowAgainResetSensorsDialog(), data.storedAfter);
            testEnvironment.answerDialogsWith(0);
        }

        function test_noResetWarningWithoutChange() {
            child("settingsManager").saveDoNotShowAgainResetSensorsDialog(false);
            const asked = testEnvironment.dialogTexts.length;
            showPage("GPS Management");
            showPage("Sensors Values");
            showPage("Orientation Management");
            compare(testEnvironment.dialogTexts.length, asked);
            verify(child("smartphoneModelPage").visible);
        }

        function test_screenshots() {
            testEnvironment.saveScreenshot("sensors-values");
            showPage("Sensors Management");
            testEnvironment.saveScreenshot("sensors-management");
        }
    }
}
