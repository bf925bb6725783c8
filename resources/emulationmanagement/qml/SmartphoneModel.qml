import QtQuick
import org.mirel 1.0
import "../js/phone-view-geometry.js" as Geometry

// The phone page's model area: the emulated device's 3D model in the page's
// pose. Draws nothing when the window has no 3D-capable graphics API or the
// selected model's files are unusable; a drag on it asks the page to turn
// the phone.
Item {
    id: smartphoneModel

    // Pose: rotations in degrees, displacements in slider units.
    property real xRotation: 0
    property real yRotation: 0
    property real zRotation: 0
    property real xPosition: 0
    property real yPosition: 0
    property real zPosition: 0
    // Metres per displacement slider unit, as the page's physics uses.
    property real phoneSizeCoefficient: 0.06
    // The displacement in metres.
    readonly property vector3d phonePosition: Qt.vector3d(xPosition, yPosition, zPosition).times(phoneSizeCoefficient)
    // Whether a drag turns the phone; the page allows it while its rotation
    // sliders are shown.
    property bool turnable: true
    // Whether the window's graphics API can draw 3D content; false under the
    // software scene graph, where no OpenGL context could be made.
    readonly property bool available: GraphicsInfo.api === GraphicsInfo.OpenGL
                                      || GraphicsInfo.api === GraphicsInfo.Vulkan
                                      || GraphicsInfo.api === GraphicsInfo.Direct3D11
                                      || GraphicsInfo.api === GraphicsInfo.Metal
    // The selected model's files once checked; empty until then and when
    // unusable.
    property string meshSource: ""
    property string textureSource: ""
    readonly property bool showing: available && meshSource !== ""
    // Whether the selected model's files are being checked (off the window's
    // thread); nothing is shown meanwhile.
    readonly property bool checkingFiles: modelFiles.checking

    signal rotationDragged(real zDegrees, real xDegrees)

    function reloadFiles() {
        const mesh = smartphone3DModelConfig.smartphone3DModelMeshUri; // qmllint disable unqualified
        const texture = smartphone3DModelConfig.smartphone3DModelTextureUri;
        meshSource = "";
        textureSource = "";
        modelFiles.checkLater(mesh, texture);
    }

    Accessible.role: Accessible.Graphic
    Accessible.name: qsTr("Phone model")
    Component.onCompleted: reloadFiles()

    SmartphoneModelFiles {
        id: modelFiles

        onChecked: (mesh, texture, usable) => {
            smartphoneModel.meshSource = usable ? mesh : "";
            smartphoneModel.textureSource = usable ? texture : "";
        }
    }

    Connections {
        function onSmartphone3DModelConfigChanged() {
            smartphoneModel.reloadFiles();
        }

        target: smartphone3DModelConfig // qmllint disable unqualified
    }

    Loader {
        id: sceneLoader

        objectName: "smartphoneModelSceneLoader"
        anchors.fill: parent
        active: smartphoneModel.showing
        // The Qt 6.4 qmllint does not see this document's ids inside a component;
        // the lines that read them are marked.
        sourceComponent: SmartphoneModelScene {
            xRotation: smartphoneModel.xRotation // qmllint disable unqualified
            yRotation: smartphoneModel.yRotation // qmllint disable unqualified
            zRotation: smartphoneModel.zRotation // qmllint disable unqualified
            phonePosition: smartphoneModel.phonePosition // qmllint disable unqualified
            meshSource: smartphoneModel.meshSource // qmllint disable unqualified
            textureSource: smartphoneModel.textureSource // qmllint disable unqualified
            backgroundColor: themeBackgroundColorNormal // qmllint disable unqualified
        }
    }

    MouseArea {
        property point lastPosition

        objectName: "smartphoneModelDragArea"
        anchors.fill: parent
        enabled: smartphoneModel.showing && smartphoneModel.turnable
        cursorShape: pressed ? Qt.ClosedHandCursor : Qt.OpenHandCursor
        onPressed: mouse => lastPosition = Qt.point(mouse.x, mouse.y)
        onPositionChanged: mouse => {
            const turn = Geometry.dragRotation(mouse.x - lastPosition.x, mouse.y - lastPosition.y);
            lastPosition = Qt.point(mouse.x, mouse.y);
            smartphoneModel.rotationDragged(turn.z, turn.x);
        }
    }
}
