import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

SensorControls {
    sensorName: "proximity"
    title: qsTr("Proximity Sensor")
    controls: ColumnLayout {
        function clearFocus() {
            reflectance.clearFocus();
        }

        ReadingSlider {
            id: reflectance

            objectName: "proximity"
            Layout.fillWidth: true
            label: qsTr("Reflectance")
            model: sensorsEmulationManager.proximity // qmllint disable unqualified
            modelProperty: "reflectance"
            minValue: 0
            maxValue: 10
            showCalculatedValue: true
            numberRoundingSize: 5
            calculatedValueFactor: 100 / 1023
            onSliderSubmited: value => sensorsEmulationManager.setProximitySensorReflectanceValue(value)
        }

        RowLayout {
            Button {
                objectName: "nearButton"
                text: qsTr("Near")
                Accessible.name: text
                onClicked: sensorsEmulationManager.setProximitySensorNearValue(true) // qmllint disable unqualified
            }

            Button {
                objectName: "farButton"
                text: qsTr("Far")
                Accessible.name: text
                onClicked: sensorsEmulationManager.setProximitySensorNearValue(false) // qmllint disable unqualified
            }
        }
    }
}
