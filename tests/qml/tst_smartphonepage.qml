import QtQuick
import QtTest

// The phone page inside the main view, driven by clicks and keys; ticks of
// the page timer are given by the test. Readings are compared with what the
// emulator receives, and the page's formulas with rotation matrices.
ViewTestCase {
    id: test

    readonly property string atRest: "setGyroscopeValues double:0 double:0 double:0"
    property var page
    property int tickInterval

    // Keys, or [key, modifiers].
    function keys(list) {
        for (const key of list)
            keyClick(...[].concat(key));
    }
    function setSliders(kind, values) {
        ["x", "y", "z"].forEach((axis, i) => child(axis + kind + "Slider").value = values[i]);
    }
    function setMode(move) {
        if (child("moveRadioButton").checked !== move)
            mouseClick(child(move ? "moveRadioButton" : "rotationRadioButton"));
    }

    // Independent of the page: R = Rx(x) Ry(y) Rz(z), and a world vector
    // seen in device coordinates is R transposed times it.
    function matrix(axis, degrees) {
        const c = Math.cos(degrees * Math.PI / 180), s = Math.sin(degrees * Math.PI / 180);
        return [[[1, 0, 0], [0, c, -s], [0, s, c]], [[c, 0, s], [0, 1, 0], [-s, 0, c]], [[c, -s, 0], [s, c, 0], [0, 0, 1]]][axis];
    }
    function product(a, b) {
        return a.map(row => [0, 1, 2].map(j => row[0] * b[0][j] + row[1] * b[1][j] + row[2] * b[2][j]));
    }
    function inDevice([x, y, z], world) {
        const r = product(product(matrix(0, x), matrix(1, y)), matrix(2, z));
        return [0, 1, 2].map(i => r[0][i] * world[0] + r[1][i] * world[1] + r[2][i] * world[2]);
    }
    function compareVectors(sensor, expected) {
        const actual = ["X", "Y", "Z"].map(axis => page[sensor + axis + "Value"]);
        verify(actual.every((value, i) => Math.abs(value - expected[i]) < 1e-9), sensor + ": " + actual + " vs " + expected);
    }

    name: "SmartphonePage"

    function initTestCase() {
        waitForInvoker();
        sensorsEmulationManager.setMagneticFieldValues(12, -34, 56);
        testEnvironment.answerDialogsWith(0x400);
        showPage("Orientation Management");
        page = child("smartphoneModelPage");
        tryVerify(() => page.visible, patience);
        awaitPhoneModel();
        // Ticks come from the test alone, but test_timerTicks.
        tickInterval = child("pageTimer").interval;
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
        setSliders("Move", [0, 0, 0]);
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
        compare([calls.length].concat(calls.slice(0, data.calls.length)), [2].concat(data.calls));
    }

    // Rows: the rotation slider and its start, keys, the value reached, the
    // accelerometer sent last and the slider's turn rate on the next tick.
    function test_wrapping_data() {
        const [shiftLeft, shiftRight] = [[Qt.Key_Left, Qt.ShiftModifier], [Qt.Key_Right, Qt.ShiftModifier]];
        return [
            { tag: "Right past 180", axis: 2, start: 180, keys: [Qt.Key_Right], value: 181, call: "setAccelerometerValues int32:-17 int32:-1000 int32:0", rate: 10 },
            { tag: "any key wraps 181 to -180", axis: 2, start: 180, keys: [Qt.Key_Right, Qt.Key_A], value: -180, call: "setAccelerometerValues int32:0 int32:-1000 int32:0", rate: 0 },
            { tag: "Right across the end", axis: 2, start: 180, keys: [Qt.Key_Right, Qt.Key_Right], value: -179, call: "setAccelerometerValues int32:-17 int32:-1000 int32:0", rate: 10 },
            { tag: "Left across the end", axis: 2, start: -180, keys: [Qt.Key_Left, Qt.Key_Left], value: 179, call: "setAccelerometerValues int32:17 int32:-1000 int32:0", rate: -10 },
            { tag: "Left wraps -181 to 180", axis: 2, start: -180, keys: [Qt.Key_Left, Qt.Key_A], value: 180, call: "setAccelerometerValues int32:0 int32:-1000 int32:0", rate: 0 },
            { tag: "X: Up across the end", axis: 0, start: 180, keys: [Qt.Key_Up, Qt.Key_Up], value: -179, call: "setAccelerometerValues int32:0 int32:-1000 int32:17", rate: 10 },
            { tag: "X: Down across the end", axis: 0, start: -180, keys: [Qt.Key_Down, Qt.Key_Down], value: 179, call: "setAccelerometerValues int32:0 int32:-1000 int32:-17", rate: -10 },
            { tag: "Y: Shift+Right across the end", axis: 1, start: 180, keys: [shiftRight, shiftRight], value: -179, call: "setAccelerometerValues int32:0 int32:1000 int32:0", rate: 10 },
            { tag: "Y: Shift+Left across the end", axis: 1, start: -180, keys: [shiftLeft, shiftLeft], value: 179, call: "setAccelerometerValues int32:0 int32:1000 int32:0", rate: -10 }
        ];
    }
    function test_wrapping(data) {
        setSliders("Rot", [0, 1, 2].map(axis => axis === data.axis ? data.start : 0));
        page.tick();
        const calls = sent(() => keys(data.keys)).filter(call => call.startsWith("setAccelerometerValues"));
        const axis = ["x", "y", "z"][data.axis];
        compare(child(axis + "RotSlider").value, data.value);
        compare(calls[calls.length - 1], data.call);
        page.tick();
        compare(page[axis + "GyroRotFrequency"] * 360, data.rate);
    }

    // Rows: what comes before (sensor states, page, sliders, keys held), the
    // step, the calls it sends and, for some, what follows.
    function test_steps_data() {
        const shown = ["setAccelerometerValues int32:0 int32:1000 int32:0", atRest, "setMagnetometerValues double:1.2e-05 double:-3.4e-05 double:5.6e-05"];
        const hide = () => { showPage("Sensors Values"); verify(!child("pageTimer").running); };
        const turn = () => { page.tick(); keys(Array(9).fill(Qt.Key_Right)); };
        const moveSliders = values => () => compare(["x", "y"].map(axis => Math.round(child(axis + "MoveSlider").value * 100)), values);
        return [
            { tag: "Control held: Move mode", before: () => { keyPress(Qt.Key_Control, Qt.ControlModifier); verify(child("moveRadioButton").checked); page.tick(); page.tick(); }, step: () => { keyPress(Qt.Key_Right, Qt.ControlModifier); [1, 2, 3].forEach(() => page.tick()); }, calls: ["setAccelerometerValues int32:12 int32:1000 int32:0", "setAccelerometerValues int32:-12 int32:1000 int32:0", "setAccelerometerValues int32:0 int32:1000 int32:0"], after: () => { keyRelease(Qt.Key_Right, Qt.ControlModifier); verify(child("rotationRadioButton").checked, "releasing Control switches back"); } },
            { tag: "arrow, tick, then Control: the turn stops", before: () => { turn(); page.tick(); }, step: () => keyPress(Qt.Key_Control, Qt.ControlModifier), calls: [atRest], after: () => { keyRelease(Qt.Key_Control, Qt.ControlModifier); verify(child("rotationRadioButton").checked); } },
            { tag: "turning, then the page hidden", before: turn, step: () => { page.tick(); hide(); }, calls: ["setGyroscopeValues double:0 double:0 double:90", atRest] },
            { tag: "Shift, then Right with it, turns Y-Rot", before: () => mouseClick(child("preset5")), step: () => keyClick(Qt.Key_Right, Qt.ShiftModifier), calls: ["setAccelerometerValues int32:0 int32:0 int32:1000", "setMagnetometerValues double:1.2e-05 double:-5.6e-05 double:-3.4e-05", "setAccelerometerValues int32:-17 int32:0 int32:1000", "setMagnetometerValues double:1.25916e-05 double:-5.6e-05 double:-3.37854e-05"] },
            { tag: "Down turns X-Rot", before: () => {}, step: () => keyClick(Qt.Key_Down), calls: ["setAccelerometerValues int32:0 int32:1000 int32:17", "setMagnetometerValues double:1.2e-05 double:-3.49722e-05 double:5.53981e-05"] },
            { tag: "Move mode: arrows move X and Y", before: () => setMode(true), step: () => keys([Qt.Key_Right, Qt.Key_Up, Qt.Key_Up, Qt.Key_Down, Qt.Key_Left, Qt.Key_Left]), calls: [], after: moveSliders([-1, 1]) },
            { tag: "Move mode: limits", before: () => { setMode(true); setSliders("Move", [2, -2, 0]); }, step: () => keys([Qt.Key_Right, Qt.Key_Down, Qt.Key_Left, Qt.Key_Up]), calls: [], after: moveSliders([199, -199]) },
            { tag: "Move mode: other limits", before: () => { setMode(true); setSliders("Move", [-2, 2, 0]); }, step: () => keys([Qt.Key_Left, Qt.Key_Up]), calls: [], after: moveSliders([-200, 200]) },
            { tag: "9 degrees within one tick", before: turn, step: () => page.tick(), calls: ["setGyroscopeValues double:0 double:0 double:90"] },
            { tag: "the next tick at rest", before: () => { turn(); page.tick(); }, step: () => page.tick(), calls: [atRest] },
            { tag: "gyroscope limited", before: () => { setSliders("Rot", [0, 0, -180]); page.tick(); setSliders("Rot", [0, 0, 180]); }, step: () => page.tick(), calls: ["setGyroscopeValues double:0 double:0 double:3000"], label: "gyroscopeLabel", text: "Gyroscope (°/s): 0.000 0.000 3,600.000" },
            { tag: "accelerometer limited", before: () => { setSliders("Rot", [0, 0, 180]); setMode(true); child("xMoveSlider").value = -2; page.tick(); page.tick(); child("xMoveSlider").value = 2; }, step: () => page.tick(), calls: ["setAccelerometerValues int32:-3000 int32:-1000 int32:0"], label: "accelerometerLabel", text: "Accelerometer (m/s²): -48.004 -9.807 0.000" },
            { tag: "magnetometer disabled", before: () => sensorsEmulationManager.setSensorEnabled("magnetometer", false), step: () => keyClick(Qt.Key_Up), calls: ["setAccelerometerValues int32:0 int32:1000 int32:-17"] },
            { tag: "accelerometer unavailable", before: () => testEnvironment.setSensorAvailability("accelerometer", false), step: () => keyClick(Qt.Key_Up), calls: ["setMagnetometerValues double:1.2e-05 double:-3.30175e-05 double:5.65849e-05"] },
            { tag: "gyroscope disabled", before: () => sensorsEmulationManager.setSensorEnabled("gyroscope", false), step: () => { keyClick(Qt.Key_Right); page.tick(); }, calls: ["setAccelerometerValues int32:17 int32:1000 int32:0", "setMagnetometerValues double:1.14048e-05 double:-3.42043e-05 double:5.6e-05"] },
            { tag: "page hidden, Move mode", before: () => { setMode(true); hide(); }, step: () => { page.tick(); page.tick(); }, calls: [] },
            { tag: "page shown", before: hide, step: () => showPage("Orientation Management"), calls: shown },
            { tag: "shown, gyroscope disabled", before: () => { sensorsEmulationManager.setSensorEnabled("gyroscope", false); hide(); }, step: () => showPage("Orientation Management"), calls: shown }
        ];
    }
    function test_steps(data) {
        data.before();
        compare(sent(data.step), data.calls);
        compare(child("pageTimer").running, page.visible);
        if (data.label)
            compare(child(data.label).text, data.text);
        if (data.after)
            data.after();
    }

    // Rows: pose (x, y, z), then a turn of the three angles within one tick or
    // a displacement in Move mode from rest (0.06 m per unit).
    function test_formulas_data() {
        const rows = [[0, 0, 0], [30, 0, 0], [0, 45, 0], [0, 0, -60], [10, 20, 30], [-75, 33, 150], [90, 90, 0], [-120, -45, 170], [180, -90, -180]].map(p => ({ tag: p.join(","), pose: p }));
        return rows.concat([[0, 0, 0, 9, 0, 0], [20, 30, 40, 0, 5, 0], [20, 30, 40, 3, -2, 7], [-60, 80, 170, -4, 6, 1]].map(r => ({ tag: "turn " + r.join(","), pose: r.slice(0, 3), turn: r.slice(3) })),
                           [[0, 0, 0, 1, 0, 0], [0, 0, 90, 0, 1, 0], [30, -40, 50, 0.5, -1, 1.5], [-100, 20, -170, -2, 2, 0.25]].map(r => ({ tag: "move " + r.join(","), pose: r.slice(0, 3), move: r.slice(3) })));
    }
    function test_formulas(data) {
        setSliders("Rot", data.pose);
        keyClick(Qt.Key_A);
        compareVectors("acc", inDevice(data.pose, [0, 9.80665, 0]));
        compareVectors("magnet", inDevice(data.pose, [12, -34, 56]));
        if (data.turn) {
            page.tick();
            const [x, y, z] = data.pose.map((angle, i) => angle + data.turn[i]);
            setSliders("Rot", [x, y, z]);
            page.tick();
            // Each angle's rate about its own axis: X in the world, Y after
            // the X turn, Z after both; then seen from the device.
            const rates = data.turn.map(t => t / 0.1);
            const rx = matrix(0, x), rxy = product(rx, matrix(1, y));
            compareVectors("gyro", inDevice([x, y, z], [0, 1, 2].map(i => rates[0] * (i === 0 ? 1 : 0) + rates[1] * rx[i][1] + rates[2] * rxy[i][2])));
        }
        if (data.move) {
            setMode(true);
            [1, 2].forEach(() => page.tick());
            setSliders("Move", data.move);
            page.tick();
            // From rest, a displacement d within 0.1 s takes 2 d / 0.1².
            compareVectors("acc", inDevice(data.pose, data.move.map((d, i) => 2 * d * 0.06 / 0.01 + (i === 1 ? 9.80665 : 0))));
        }
    }

    // The page's own timer: a turn between its ticks reads as that turn in
    // total, however the ticks fall.
    function test_timerTicks() {
        const timer = child("pageTimer");
        compare(tickInterval, 100);
        keys(Array(9).fill(Qt.Key_Right));
        wire.clearFrames();
        timer.interval = tickInterval;
        const rates = () => wire.frames.filter(frame => frame.indexOf("setGyroscopeValues") >= 0).map(frame => Number(frame.split(":").pop()));
        tryVerify(() => rates().length > 2 && rates()[rates().length - 1] === 0, patience, "ticks until the phone rests");
        timer.interval = 3600000;
        fuzzyCompare(rates().reduce((sum, rate) => sum + rate * 0.1, 0), 9, 1e-9);
    }

    function test_screenshot() {
        keys([Qt.Key_Up, Qt.Key_Up, Qt.Key_Right]);
        compare(child("accelerometerLabel").text, "Accelerometer (m/s²): 0.167 9.797 -0.343", "the values the emulator received, to the nearest thousandth");
        testEnvironment.saveScreenshot("phone-page");
    }
}
