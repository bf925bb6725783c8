import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

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
            minValue: -65
            maxValue: 65
            valueUnits: qsTr("\u03bcT")
            resultValueMultiplier: 0.000001
            onAxisSubmitted: function (axis, value) {
                if (axis === "x")
                    sensorsEmulationManager.setMagnetometerX(value);
                else if (axis === "y")
                    sensorsEmulationManager.setMagnetometerY(value);
                else
                    sensorsEmulationManager.setMagnetometerZ(value);
            }
        }

        ReadingSlider {
            id: calibration

            objectName: "magnetometer"
            Layout.fillWidth: true
            label: qsTr("Calib. level")
            model: sensorsEmulationManager.magnetometer // qmllint disable unqualified
            modelProperty: "calibrationLevel"
            minValue: 0
            maxValue: 3
            onSliderSubmited: value => sensorsEmulationManager.setMagnetometerCalibrationLevel(value)
        }
    }
}
