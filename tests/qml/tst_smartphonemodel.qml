import QtQuick
import QtTest

// The phone's 3D view alone: its orientation against the rotated axes of the
// pose, the silhouette each preset draws, and a missing mesh. Without OpenGL
// (the offscreen platform) it must draw nothing and take no drags.
Item {
    id: window

    width: 480
    height: 320

    Rectangle {
        anchors.fill: parent
        color: themeBackgroundColorNormal
    }

    Loader {
        id: loader

        anchors.fill: parent
        source: "qrc:/emulationmanagement/qml/SmartphoneModel.qml"
    }

    SignalSpy {
        id: dragSpy

        target: loader.item
        signalName: "rotationDragged"
    }

    TestCase {
        id: test

        readonly property var model: loader.item

        function setPose(x, y, z) {
            model.xRotation = x;
            model.yRotation = y;
            model.zRotation = z;
        }
        function sceneItem() {
            return findChild(model, "smartphoneModelSceneLoader").item;
        }
        function isBackground(color) {
            const background = themeBackgroundColorNormal;
            return Math.abs(color.r - background.r) + Math.abs(color.g - background.g)
                    + Math.abs(color.b - background.b) < 0.06;
        }
        // Bounding box of the pixels that differ from the background.
        function silhouette() {
            const image = grabImage(model);
            const box = { left: image.width, right: -1, top: image.height, bottom: -1 };
            for (let y = 0; y < image.height; y += 2) {
                for (let x = 0; x < image.width; x += 2) {
                    if (isBackground(image.pixel(x, y)))
                        continue;
                    box.left = Math.min(box.left, x);
                    box.right = Math.max(box.right, x);
                    box.top = Math.min(box.top, y);
                    box.bottom = Math.max(box.bottom, y);
                }
            }
            box.width = box.right - box.left;
            box.height = box.bottom - box.top;
            return box;
        }
        function requireOpenGL() {
            if (!model.available)
                skip("No OpenGL context could be made on this platform: the 3D model is not drawn");
            tryVerify(() => sceneItem() !== null && sceneItem().phoneRadius > 0, 5000, "the mesh is loaded");
        }
        function degrees(angle) {
            return angle * Math.PI / 180;
        }

        name: "SmartphoneModel"
        when: windowShown
        visible: true

        function init() {
            setPose(0, 0, 0);
            testEnvironment.selectDeviceModel("default");
            dragSpy.clear();
        }

        // Columns of R = Rx(x) · Ry(y) · Rz(z): where the device's axes point.
        function test_orientation_data() {
            return [
                {tag: "preset 1", x: 0, y: 0, z: 0},
                {tag: "preset 2", x: 0, y: 0, z: -90},
                {tag: "preset 4", x: 0, y: 0, z: 90},
                {tag: "preset 5", x: -90, y: 0, z: 0},
                {tag: "preset 6", x: 90, y: 0, z: 0},
                {tag: "all three axes", x: 30, y: -50, z: 120},
                {tag: "order matters", x: 90, y: 90, z: 0},
            ];
        }
        function test_orientation(data) {
            requireOpenGL();
            setPose(data.x, data.y, data.z);
            const [cx, sx] = [Math.cos(degrees(data.x)), Math.sin(degrees(data.x))];
            const [cy, sy] = [Math.cos(degrees(data.y)), Math.sin(degrees(data.y))];
            const [cz, sz] = [Math.cos(degrees(data.z)), Math.sin(degrees(data.z))];
            const expected = [
                Qt.vector3d(cy * cz, cx * sz + sx * sy * cz, sx * sz - cx * sy * cz),
                Qt.vector3d(-cy * sz, cx * cz - sx * sy * sz, sx * cz + cx * sy * sz),
                Qt.vector3d(sy, -sx * cy, cx * cy),
            ];
            const axes = [Qt.vector3d(1, 0, 0), Qt.vector3d(0, 1, 0), Qt.vector3d(0, 0, 1)];
            const pose = sceneItem().devicePose;
            for (let i = 0; i < 3; ++i) {
                const actual = pose.mapDirectionToScene(axes[i]);
                verify(actual.minus(expected[i]).length() < 1e-5, `axis ${i}: ${actual} is not ${expected[i]}`);
            }
        }

        function test_presetSilhouettes() {
            requireOpenGL();
            const upright = silhouette();
            verify(upright.height > 1.5 * upright.width, `upright phone ${JSON.stringify(upright)}`);
            setPose(0, 0, 90);
            const onItsSide = silhouette();
            verify(onItsSide.width > 1.5 * onItsSide.height, `phone on its side ${JSON.stringify(onItsSide)}`);
            setPose(-90, 0, 0);
            const lyingFlat = silhouette();
            verify(lyingFlat.width > lyingFlat.height, `phone lying flat ${JSON.stringify(lyingFlat)}`);
            verify(lyingFlat.height < 0.6 * upright.height, `flat phone seen from above ${JSON.stringify(lyingFlat)}`);
            fuzzyCompare(lyingFlat.width, upright.width, 0.2 * upright.width);
        }

        function test_missingMeshLeavesTheAreaEmpty() {
            requireOpenGL();
            failOnWarning(/./);
            ignoreWarning(/"file:.*\/meshes\/absent\.mesh" is not a readable mesh file/);
            testEnvironment.selectDeviceModel("Phone Without Mesh");
            compare(silhouette().right, -1, "nothing is drawn");
            mouseDrag(model, 240, 160, 40, 40);
            compare(dragSpy.count, 0, "no drag turns a phone that is not there");
            testEnvironment.selectDeviceModel("Strova Phone 5");
            tryVerify(() => sceneItem() !== null && sceneItem().phoneRadius > 0, 5000, "the next model is shown");
            verify(silhouette().right >= 0);
        }

        function test_withoutOpenGLNothingIsDrawn() {
            if (model.available)
                skip("OpenGL is there: the 3D model is drawn");
            compare(findChild(model, "smartphoneModelSceneLoader").item, null);
            compare(silhouette().right, -1);
            mouseDrag(model, 240, 160, 40, 40);
            compare(dragSpy.count, 0);
        }
    }
}
