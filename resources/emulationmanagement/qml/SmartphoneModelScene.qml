import QtQuick
import QtQuick3D
import "../js/phone-view-geometry.js" as Geometry

// The phone drawn in 3D. Its orientation is Rx(x) · Ry(y) · Rz(z): three
// nested nodes, each turning about one axis, apply exactly that product to
// the model inside them. World Y is up; the camera faces the phone's screen
// when the phone stands upright, from a little above.
View3D {
    id: scene

    property real xRotation: 0
    property real yRotation: 0
    property real zRotation: 0
    // Displacement of the phone in metres.
    property vector3d phonePosition: Qt.vector3d(0, 0, 0)
    property url meshSource
    property url textureSource
    property color backgroundColor
    // Qt 6.4 does not describe the type of Model.bounds to the QML tools.
    readonly property var phoneBounds: phone.bounds // qmllint disable type
    readonly property real phoneRadius: Geometry.boundingRadius(phoneBounds.minimum, phoneBounds.maximum)
    // The innermost node: maps device coordinates to the world (tests read it).
    readonly property Node devicePose: zTurn

    camera: camera
    environment: SceneEnvironment {
        backgroundMode: SceneEnvironment.Color
        clearColor: scene.backgroundColor
    }

    Node {
        eulerRotation.x: -Geometry.cameraElevationDegrees

        PerspectiveCamera {
            id: camera

            fieldOfView: 20
            z: Geometry.cameraDistance(scene.phoneRadius, fieldOfView)
            clipNear: z / 100
            clipFar: z * 10
        }
    }

    DirectionalLight {
        eulerRotation: Qt.vector3d(-35, -20, 0)
        ambientColor: Qt.rgba(0.4, 0.4, 0.4, 1)
    }

    Node {
        position: scene.phonePosition

        Node {
            eulerRotation.x: scene.xRotation

            Node {
                eulerRotation.y: scene.yRotation

                Node {
                    id: zTurn

                    eulerRotation.z: scene.zRotation

                    Model {
                        id: phone

                        source: scene.meshSource
                        materials: DefaultMaterial {
                            diffuseMap: Texture {
                                source: scene.textureSource
                            }
                        }
                    }
                }
            }
        }
    }
}
