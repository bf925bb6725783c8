import QtQuick
import QtQuick.Layouts
import org.mirel 1.0

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
            reading: "compass"
            onSliderSubmited: value => SensorReadings.apply(sensorsEmulationManager, "compass", value) // qmllint disable unqualified
        }

        ReadingSlider {
            id: calibration

            objectName: "compass"
            Layout.fillWidth: true
            label: qsTr("Calib. level")
            model: sensorsEmulationManager.compass // qmllint disable unqualified
            modelProperty: "calibrationLevel"
            reading: "compass.calibration"
            onSliderSubmited: value => SensorReadings.apply(sensorsEmulationManager, "compass.calibration", value) // qmllint disable unqualified
        }
    }
}
