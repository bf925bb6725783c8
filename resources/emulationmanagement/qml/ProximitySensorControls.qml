import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import org.mirel 1.0

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
            reading: "proximity"
            showCalculatedValue: true
            numberRoundingSize: 5
            calculatedValueFactor: 100 / 1023
            onSliderSubmited: value => SensorReadings.apply(sensorsEmulationManager, "proximity", value) // qmllint disable unqualified
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
