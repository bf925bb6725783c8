import QtQuick
import org.mirel 1.0

SensorControls {
    sensorName: "accelerometer"
    title: qsTr("Accelerometer")
    controls: XYZSliders {
        objectName: "accelerometer"
        model: sensorsEmulationManager.accelerometer // qmllint disable unqualified
        reading: "accelerometer"
        showCalculatedValue: true
        calculatedValueFactor: 9.80665 / 1000
        calculatedValueUnits: qsTr("m/s") + "\u00b2"
        onAxisSubmitted: (axis, value) => SensorReadings.apply(sensorsEmulationManager, "accelerometer." + axis, value) // qmllint disable unqualified
    }
}
