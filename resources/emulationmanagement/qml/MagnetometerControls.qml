import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import org.mirel 1.0

SensorControls {
    sensorName: "magnetometer"
    title: qsTr("Magnetometer")
    controls: ColumnLayout {
        function clearFocus() {
            axes.clearFocus();
            calibration.clearFocus();
        }

        XYZSliders {
            id: axes

            objectName: "magnetometer"
            Layout.fillWidth: true
            model: sensorsEmulationManager.magnetometer // qmllint disable unqualified
            reading: "magnetometer"
            onAxisSubmitted: (axis, value) => SensorReadings.apply(sensorsEmulationManager, "magnetometer." + axis, value) // qmllint disable unqualified
        }

        ReadingSlider {
            id: calibration

            objectName: "magnetometer"
            Layout.fillWidth: true
            label: qsTr("Calib. level")
            model: sensorsEmulationManager.magnetometer // qmllint disable unqualified
            modelProperty: "calibrationLevel"
            reading: "magnetometer.calibration"
            onSliderSubmited: value => SensorReadings.apply(sensorsEmulationManager, "magnetometer.calibration", value) // qmllint disable unqualified
        }
    }
}
