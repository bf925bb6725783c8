import QtQuick
import QtQuick.Layouts

SensorControls {
    sensorName: "compass"
    title: qsTr("Compass")
    controls: ColumnLayout {
        function clearFocus() {
            azimuth.clearFocus();
            calibration.clearFocus();
        }

        ReadingSlider {
            id: azimuth

            objectName: "compass"
            Layout.fillWidth: true
            label: qsTr("Azimuth")
            model: sensorsEmulationManager.compass // qmllint disable unqualified
            modelProperty: "azimuth"
            minValue: 0
            maxValue: 359
            onSliderSubmited: value => sensorsEmulationManager.setCompassAzimuth(value)
        }

        ReadingSlider {
            id: calibration

            objectName: "compass"
            Layout.fillWidth: true
            label: qsTr("Calib. level")
            model: sensorsEmulationManager.compass // qmllint disable unqualified
            modelProperty: "calibrationLevel"
            minValue: 0
            maxValue: 3
            onSliderSubmited: value => sensorsEmulationManager.setCompassCalibrationLevel(value)
        }
    }
}
