import QtQuick
import QtTest

// The phone's 3D model on the phone page: its orientation against the rotated
// axes of the pose, the silhouette of presets 1, 4 and 5, a missing mesh, and
// drags that must send what the same slider steps send. Without OpenGL (the
// offscreen platform) the page must work with nothing drawn.
ViewTestCase {
    id: test

    property var model

    function scene() {
        return findChild(model, "smartphoneModelSceneLoader").item;
    }
    // Box of the model area's pixels unlike the background. The window is
    // grabbed: grabImage(item) crops at the item's place in its parent.
    function silhouette() {
        const [image, origin, bg] = [grabImage(test), model.mapToItem(test, 0, 0), themeBackgroundColorNormal];
        const box = { left: model.width, right: -1, top: model.height, bottom: -1 };
        for (let y = 0; y < model.height; y += 2) {
            for (let x = 0; x < model.width; x += 2) {
                const c = image.pixel(origin.x + x, origin.y + y);
                if (Math.abs(c.r - bg.r) + Math.abs(c.g - bg.g) + Math.abs(c.b - bg.b) > 0.06)
                    Object.assign(box, { left: Math.min(box.left, x), right: Math.max(box.right, x), top: Math.min(box.top, y), bottom: Math.max(box.bottom, y) });
            }
        }
        return Object.assign(box, { width: box.right - box.left, height: box.bottom - box.top });
    }
    function requireOpenGL() {
        if (!model.available)
            skip("No OpenGL context could be made on this platform: the 3D model is not drawn");
        verify(model.showing, "the model is shown");
    }
    function selectDeviceModel(name) {
        testEnvironment.selectDeviceModel(name);
        awaitPhoneModel();
    }

    name: "SmartphoneModel"

    function initTestCase() {
        waitForInvoker();
        testEnvironment.answerDialogsWith(0x400);
        showPage("Orientation Management");
        model = child("smartphoneModel");
        tryVerify(() => model.visible, patience);
        // Ticks of the page timer would mix gyroscope calls into the comparisons.
        child("pageTimer").interval = 3600000;
    }
    function init() {
        selectDeviceModel("Strova Phone 5");
        mouseClick(child("preset1"));
    }

    // Columns of R = Rx(x) · Ry(y) · Rz(z): where the device's axes point.
    function test_orientation_data() {
        return [
            { tag: "on its side", x: 0, y: 0, z: 90 },
            { tag: "all three axes", x: 30, y: -50, z: 120 },
            { tag: "order matters", x: 90, y: 90, z: 0 }
        ];
    }
    function test_orientation(data) {
        requireOpenGL();
        const [c, s] = [[], []];
        for (const axis of ["x", "y", "z"]) {
            child(axis + "RotSlider").value = data[axis];
            c.push(Math.cos(data[axis] * Math.PI / 180));
            s.push(Math.sin(data[axis] * Math.PI / 180));
        }
        const expected = [[c[1] * c[2], c[0] * s[2] + s[0] * s[1] * c[2], s[0] * s[2] - c[0] * s[1] * c[2]], [-c[1] * s[2], c[0] * c[2] - s[0] * s[1] * s[2], s[0] * c[2] + c[0] * s[1] * s[2]], [s[1], -s[0] * c[1], c[0] * c[1]]];
        for (let i = 0; i < 3; ++i) {
            const actual = scene().devicePose.mapDirectionToScene(Qt.vector3d(i === 0, i === 1, i === 2));
            verify(actual.minus(Qt.vector3d(...expected[i])).length() < 1e-5, `axis ${i}: ${actual} is not ${expected[i]}`);
        }
    }

    function test_presetSilhouettes() {
        requireOpenGL();
        const [upright, onItsSide, lyingFlat] = [1, 4, 5].map(index => {
            mouseClick(child("preset" + index));
            testEnvironment.saveScreenshot("phone-model-preset" + index);
            return silhouette();
        });
        verify(upright.height > 1.5 * upright.width, `upright ${JSON.stringify(upright)}`);
        verify(onItsSide.width > 1.5 * onItsSide.height, `on its side ${JSON.stringify(onItsSide)}`);
        verify(lyingFlat.width > 1.5 * lyingFlat.height, `lying flat ${JSON.stringify(lyingFlat)}`);
        verify(lyingFlat.height < 0.6 * upright.height, `lying flat, seen from above ${JSON.stringify(lyingFlat)}`);
        fuzzyCompare(lyingFlat.width, upright.width, 0.2 * upright.width);
    }

    // A missing mesh, or no OpenGL at all, leaves the area empty: a drag
    // turns nothing and the presets still work.
    function test_nothingDrawn() {
        failOnWarning(/./);
        if (model.available) {
            requireOpenGL();
            ignoreWarning(/"file:.*\/meshes\/absent\.mesh" is not a readable mesh file/);
            selectDeviceModel("Phone Without Mesh");
        }
        compare(silhouette().right, -1, "nothing is drawn");
        const calls = sent(() => {
            mouseDrag(model, 300, 100, 40, 40);
            mouseClick(child("preset4"));
        });
        compare([calls[0], calls.length, child("errorDialog").visible], ["setAccelerometerValues int32:1000 int32:0 int32:0", 2, false]);
        selectDeviceModel("default");
        if (model.available) {
            requireOpenGL();
            verify(silhouette().right >= 0, "the next model is shown");
        }
    }

    // Drag moves of (dx, dy) pixels from preset 1 or 3, against one slider
    // submission per move after setting the sliders to the values it reached;
    // in Move mode, with the rotation sliders hidden, against nothing.
    function test_dragIsASliderStep_data() {
        return [
            {tag: "right then up", start: 1, moves: [[40, 0], [0, -30]], steps: [[["zRotSlider", -20]], [["xRotSlider", -15]]]},
            {tag: "both at once", start: 1, moves: [[-20, 10]], steps: [[["zRotSlider", 10], ["xRotSlider", 5]]]},
            {tag: "left past 180", start: 3, moves: [[-30, 0]], steps: [[["zRotSlider", -165]]]},
            {tag: "Move mode", start: 1, move: true, moves: [[40, 0], [0, -30]], steps: []},
        ];
    }
    function test_dragIsASliderStep(data) {
        requireOpenGL();
        const values = () => [child("zRotSlider").value, child("xRotSlider").value];
        mouseClick(child("preset" + data.start));
        if (data.move)
            mouseClick(child("moveRadioButton"));
        const dragged = sent(() => {
            let [x, y] = [300, 100];
            mousePress(model, x, y);
            for (const [dx, dy] of data.moves) {
                [x, y] = [x + dx, y + dy];
                mouseMove(model, x, y, -1, Qt.LeftButton);
            }
            mouseRelease(model, x, y);
        });
        const reached = values();
        if (data.move)
            mouseClick(child("rotationRadioButton"));
        mouseClick(child("preset" + data.start));
        const stepped = sent(() => {
            for (const step of data.steps) {
                for (const [name, value] of step)
                    child(name).value = value;
                child(step[0][0]).sliderSubmited(step[0][1]);
            }
        });
        verify(dragged.length > 0 || data.move);
        compare([values(), dragged], [reached, stepped]);
    }
}
