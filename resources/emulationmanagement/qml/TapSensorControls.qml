import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import org.mirel 1.0

SensorControls {
    sensorName: "tap"
    title: qsTr("Tap Sensor")
    controls: RowLayout {
        Label {
            text: qsTr("Direction")
        }

        ComboBox {
            id: directions

            function follow() {
                currentIndex = sensorsEmulationManager.tap.tapDirection + 1; // qmllint disable unqualified
            }

            objectName: "tapDirections"
            Layout.fillWidth: true
            Accessible.name: qsTr("Direction")
            textRole: "text"
            valueRole: "value"
            model: [
                { text: "Undefined", value: TapModel.Undefined },
                { text: "X_Both", value: TapModel.X_Both },
                { text: "Y_Both", value: TapModel.Y_Both },
                { text: "Z_Both", value: TapModel.Z_Both },
                { text: "X_Pos", value: TapModel.X_Pos },
                { text: "X_Neg", value: TapModel.X_Neg },
                { text: "Z_Neg", value: TapModel.Z_Neg },
                { text: "Z_Pos", value: TapModel.Z_Pos },
                { text: "Y_Pos", value: TapModel.Y_Pos },
                { text: "Y_Neg", value: TapModel.Y_Neg }
            ]
            Component.onCompleted: follow()
            onActivated: sensorsEmulationManager.setTapSensorValue(currentValue) // qmllint disable unqualified

            Connections {
                target: sensorsEmulationManager.tap // qmllint disable unqualified

                function onTapDirectionChanged() {
                    directions.follow();
                }
            }
        }
    }
}
