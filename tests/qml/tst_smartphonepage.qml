import QtQuick
import QtTest

// The phone page inside the main view, driven by clicks and keys; ticks of
// the page timer are given by the test. Readings are compared with what the
// emulator receives, and the page's formulas with rotation matrices.
Item {
    id: window

    readonly property string sensorsService: "system ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement ru.quor.SensorfwEmulationManagement "
    readonly property string marker: sensorsService + "enableSensor string:tap"
    readonly property string atRest: "setGyroscopeValues double:0 double:0 double:0"

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
        function showPage(text) {
            mouseClick(Array.from(child("pageButtons").children).find(button => button.text === text));
        }
        // The calls (method and arguments) that a step sends: a marker call
        // after it shows when everything before it has arrived.
        function sent(step) {
            const flush = () => {
                sensorsEmulationManager.enableSensor("tap");
                tryVerify(() => wire.frames[wire.frames.length - 1] === window.marker);
            };
            wire.clearFrames();
            flush();
            wire.clearFrames();
            step();
            flush();
            return wire.frames.slice(0, -1).map(frame => frame.substring(window.sensorsService.length));
        }
        function keys(list) {
            for (const key of list)
                keyClick(key);
        }
        function rotate(x, y, z) {
            child("xRotSlider").value = x;
            child("yRotSlider").value = y;
            child("zRotSlider").value = z;
        }
        function setMode(move) {
            if (child("moveRadioButton").checked !== move)
                mouseClick(child(move ? "moveRadioButton" : "rotationRadioButton"));
        }
        function tickAtRest() {
            page.tick();
            page.tick();
        }

        // Independent of the page: R = Rx(x) Ry(y) Rz(z), and a world vector
        // seen in device coordinates is R transposed times it.
        function matrix(axis, degrees) {
            const c = Math.cos(degrees * Math.PI / 180), s = Math.sin(degrees * Math.PI / 180);
            if (axis === 0)
                return [[1, 0, 0], [0, c, -s], [0, s, c]];
            if (axis === 1)
                return [[c, 0, s], [0, 1, 0], [-s, 0, c]];
            return [[c, -s, 0], [s, c, 0], [0, 0, 1]];
        }
        function product(a, b) {
            return a.map(row => [0, 1, 2].map(j => row[0] * b[0][j] + row[1] * b[1][j] + row[2] * b[2][j]));
        }
        function apply(m, v) {
            return m.map(row => row[0] * v[0] + row[1] * v[1] + row[2] * v[2]);
        }
        function transposed(m) {
            return [0, 1, 2].map(i => [m[0][i], m[1][i], m[2][i]]);
        }
        function inDevice(x, y, z, world) {
            return apply(transposed(product(product(matrix(0, x), matrix(1, y)), matrix(2, z))), world);
        }
        function compareVectors(actual, expected, what) {
            for (let i = 0; i < 3; ++i)
                verify(Math.abs(actual[i] - expected[i]) < 1e-9, what + "[" + i + "]: " + actual + " vs " + expected);
        }

        name: "SmartphonePage"
        when: windowShown
        visible: true

        function initTestCase() {
            tryVerify(() => wire.frames.length > 0, 5000, "the invoker connects");
            sensorsEmulationManager.setMagneticFieldValues(12, -34, 56);
            testEnvironment.answerDialogsWith(0x400);
            showPage("Orientation Management");
            page = child("smartphoneModelPage");
            tryVerify(() => page.visible);
            // Ticks come from the test alone.
            child("pageTimer").interval = 3600000;
        }
        function init() {
            for (const name of ["accelerometer", "gyroscope", "magnetometer"]) {
                testEnvironment.setSensorAvailability(name, true);
                sensorsEmulationManager.setSensorEnabled(name, true);
            }
            if (!page.visible)
                showPage("Orientation Management");
            setMode(false);
            mouseClick(child("preset1"));
            child("xMoveSlider").value = 0;
            child("yMoveSlider").value = 0;
            child("zMoveSlider").value = 0;
            page.tick();
        }

        function test_presets_data() {
            return [
                { tag: "1 upright", preset: 1, calls: ["setAccelerometerValues int32:0 int32:1000 int32:0", "setMagnetometerValues double:1.2e-05 double:-3.4e-05 double:5.6e-05"] },
                { tag: "2 button edge left", preset: 2, calls: ["setAccelerometerValues int32:-1000 int32:0 int32:0"] },
                { tag: "3 upside down", preset: 3, calls: ["setAccelerometerValues int32:0 int32:-1000 int32:0"] },
                { tag: "4 button edge right", preset: 4, calls: ["setAccelerometerValues int32:1000 int32:0 int32:0"] },
                { tag: "5 flat, screen up", preset: 5, calls: ["setAccelerometerValues int32:0 int32:0 int32:1000", "setMagnetometerValues double:1.2e-05 double:-5.6e-05 double:-3.4e-05"] },
                { tag: "6 flat, screen down", preset: 6, calls: ["setAccelerometerValues int32:0 int32:0 int32:-1000"] }
            ];
        }
        function test_presets(data) {
            mouseClick(child("preset" + (data.preset % 6 + 1)));
            const calls = sent(() => mouseClick(child("preset" + data.preset)));
            compare(calls.length, 2);
            compare(calls.slice(0, data.calls.length), data.calls);
        }

        function test_wrapping_data() {
            return [
                { tag: "Right past 180", start: 180, keys: [Qt.Key_Right], value: 181, calls: ["setAccelerometerValues int32:-17 int32:-999 int32:0"], gz: 10 },
                { tag: "any key wraps 181 to -180", start: 180, keys: [Qt.Key_Right, Qt.Key_A], value: -180, calls: ["setAccelerometerValues int32:0 int32:-1000 int32:0"], gz: 0 },
                { tag: "Right across the end", start: 180, keys: [Qt.Key_Right, Qt.Key_Right], value: -179, calls: ["setAccelerometerValues int32:-17 int32:-999 int32:0"], gz: 10 },
                { tag: "Left across the end", start: -180, keys: [Qt.Key_Left, Qt.Key_Left], value: 179, calls: ["setAccelerometerValues int32:17 int32:-999 int32:0"], gz: -10 },
                { tag: "Left wraps -181 to 180", start: -180, keys: [Qt.Key_Left, Qt.Key_A], value: 180, calls: ["setAccelerometerValues int32:0 int32:-1000 int32:0"], gz: 0 }
            ];
        }
        function test_wrapping(data) {
            rotate(0, 0, data.start);
            page.tick();
            const calls = sent(() => keys(data.keys)).filter(call => call.startsWith("setAccelerometerValues"));
            compare(child("zRotSlider").value, data.value);
            compare(calls[calls.length - 1], data.calls[0]);
            page.tick();
            compare(page.gyroZValue, data.gz);
        }

        function test_gyroscopeTicks() {
            page.tick();
            keys(Array(9).fill(Qt.Key_Right));
            compare(sent(() => page.tick()), ["setGyroscopeValues double:0 double:0 double:90"]);
            compare(sent(() => page.tick()), [window.atRest]);
        }

        function test_moveMode() {
            keyPress(Qt.Key_Control, Qt.ControlModifier);
            verify(child("moveRadioButton").checked, "holding Control switches the mode");
            tickAtRest();
            const calls = sent(() => {
                keyPress(Qt.Key_Right, Qt.ControlModifier);
                page.tick();
                page.tick();
                page.tick();
            });
            compare(calls, ["setAccelerometerValues int32:12 int32:1000 int32:0", "setAccelerometerValues int32:-12 int32:1000 int32:0", "setAccelerometerValues int32:0 int32:1000 int32:0"]);
            keyRelease(Qt.Key_Right, Qt.ControlModifier);
            verify(child("rotationRadioButton").checked, "releasing Control switches back");
        }

        function test_limits() {
            rotate(0, 0, -180);
            page.tick();
            rotate(0, 0, 180);
            compare(sent(() => page.tick()), ["setGyroscopeValues double:0 double:0 double:3000"]);
            compare(child("gyroscopeLabel").text, "Gyroscope (°/s): 0.000 0.000 3,600.000");
            setMode(true);
            child("xMoveSlider").value = -2;
            tickAtRest();
            child("xMoveSlider").value = 2;
            compare(sent(() => page.tick()), ["setAccelerometerValues int32:-3000 int32:-1000 int32:0"]);
            compare(child("accelerometerLabel").text, "Accelerometer (m/s²): -47.994 -9.807 0.000");
        }

        function test_gates_data() {
            return [
                { tag: "magnetometer disabled", disable: "magnetometer", step: () => keyClick(Qt.Key_Up), calls: ["setAccelerometerValues int32:0 int32:999 int32:-17"] },
                { tag: "accelerometer unavailable", unavailable: "accelerometer", step: () => keyClick(Qt.Key_Up), calls: ["setMagnetometerValues double:1.2e-05 double:-3.30175e-05 double:5.65849e-05"] },
                { tag: "gyroscope disabled", disable: "gyroscope", step: () => { keyClick(Qt.Key_Right); page.tick(); }, calls: ["setAccelerometerValues int32:17 int32:999 int32:0", "setMagnetometerValues double:1.14048e-05 double:-3.42043e-05 double:5.6e-05"] },
                { tag: "page hidden, Move mode", hide: true, move: true, step: () => { page.tick(); page.tick(); }, calls: [] },
                { tag: "page shown", hide: true, step: () => showPage("Orientation Management"), calls: ["setAccelerometerValues int32:0 int32:1000 int32:0", window.atRest, "setMagnetometerValues double:1.2e-05 double:-3.4e-05 double:5.6e-05"] },
                { tag: "shown, gyroscope disabled", hide: true, disable: "gyroscope", step: () => showPage("Orientation Management"), calls: ["setAccelerometerValues int32:0 int32:1000 int32:0", window.atRest, "setMagnetometerValues double:1.2e-05 double:-3.4e-05 double:5.6e-05"] }
            ];
        }
        function test_gates(data) {
            if (data.disable)
                sensorsEmulationManager.setSensorEnabled(data.disable, false);
            if (data.unavailable)
                testEnvironment.setSensorAvailability(data.unavailable, false);
            setMode(data.move === true);
            if (data.hide) {
                showPage("Sensors Values");
                verify(!child("pageTimer").running);
            }
            compare(sent(data.step), data.calls);
            compare(child("pageTimer").running, page.visible);
        }

        function test_gravityAndField_data() {
            return [[0, 0, 0], [30, 0, 0], [0, 45, 0], [0, 0, -60], [10, 20, 30], [-75, 33, 150], [90, 90, 0], [-120, -45, 170], [180, -90, -180]].map(p => ({ tag: p.join(","), pose: p }));
        }
        function test_gravityAndField(data) {
            const [x, y, z] = data.pose;
            rotate(x, y, z);
            keyClick(Qt.Key_A);
            compareVectors([page.accXValue, page.accYValue, page.accZValue], inDevice(x, y, z, [0, 9.80665, 0]), "gravity");
            compareVectors([page.magnetXValue, page.magnetYValue, page.magnetZValue], inDevice(x, y, z, [12, -34, 56]), "field");
        }

        function test_motion_data() {
            return [[0, 0, 0, 1, 0, 0], [0, 0, 90, 0, 1, 0], [30, -40, 50, 0.5, -1, 1.5], [-100, 20, -170, -2, 2, 0.25]].map(r => ({ tag: r.join(","), pose: r.slice(0, 3), move: r.slice(3) }));
        }
        function test_motion(data) {
            const [x, y, z] = data.pose;
            rotate(x, y, z);
            setMode(true);
            tickAtRest();
            child("xMoveSlider").value = data.move[0];
            child("yMoveSlider").value = data.move[1];
            child("zMoveSlider").value = data.move[2];
            page.tick();
            // From rest, a displacement d (0.06 m per unit) within 0.1 s takes 2 d / 0.1².
            const world = data.move.map((d, i) => 2 * d * 0.06 / 0.01 + (i === 1 ? 9.80665 : 0));
            compareVectors([page.accXValue, page.accYValue, page.accZValue], inDevice(x, y, z, world), "acceleration");
        }

        function test_angularSpeed_data() {
            return [[0, 0, 0, 9, 0, 0], [20, 30, 40, 0, 5, 0], [20, 30, 40, 3, -2, 7], [-60, 80, 170, -4, 6, 1]].map(r => ({ tag: r.join(","), pose: r.slice(0, 3), turn: r.slice(3) }));
        }
        function test_angularSpeed(data) {
            const [x, y, z] = data.pose.map((angle, i) => angle + data.turn[i]);
            rotate(data.pose[0], data.pose[1], data.pose[2]);
            page.tick();
            rotate(x, y, z);
            page.tick();
            // Each angle's rate about its own axis: X in the world, Y after
            // the X turn, Z after both; then seen from the device.
            const rates = data.turn.map(t => t / 0.1);
            const rx = matrix(0, x), rxy = product(rx, matrix(1, y));
            const world = [0, 1, 2].map(i => rates[0] * (i === 0 ? 1 : 0) + rates[1] * rx[i][1] + rates[2] * rxy[i][2]);
            compareVectors([page.gyroXValue, page.gyroYValue, page.gyroZValue], inDevice(x, y, z, world), "angular speed");
        }

        function test_screenshot() {
            keys([Qt.Key_Up, Qt.Key_Up, Qt.Key_Right]);
            compare(child("accelerometerLabel").text, "Accelerometer (m/s²): 0.167 9.797 -0.333", "the values the emulator received");
            testEnvironment.saveScreenshot("phone-page");
        }
    }
}
