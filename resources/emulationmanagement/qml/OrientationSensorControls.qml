import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtSensors

SensorControls {
    sensorName: "orientation"
    title: qsTr("Orientation Sensor")
    controls: RowLayout {
        Label {
            text: qsTr("Orientation")
        }

        ComboBox {
            id: orientations

            function follow() {
                currentIndex = sensorsEmulationManager.orientation.orientation - 1; // qmllint disable unqualified
            }

            objectName: "orientations"
            Layout.fillWidth: true
            Accessible.name: qsTr("Orientation")
            textRole: "text"
            valueRole: "value"
            // The type description of Qt 6.4 lacks the enumeration.
            // qmllint disable type
            model: [
                { text: "TopUp", value: OrientationReading.TopUp },
                { text: "TopDown", value: OrientationReading.TopDown },
                { text: "LeftUp", value: OrientationReading.LeftUp },
                { text: "RightUp", value: OrientationReading.RightUp },
                { text: "FaceUp", value: OrientationReading.FaceUp },
                { text: "FaceDown", value: OrientationReading.FaceDown }
            ]
            // qmllint enable type
            Component.onCompleted: follow()
            onActivated: sensorsEmulationManager.setOrientation(currentValue) // qmllint disable unqualified

            Connections {
                target: sensorsEmulationManager.orientation // qmllint disable unqualified

                function onOrientationChanged() {
                    orientations.follow();
                }
            }
        }
    }
}
