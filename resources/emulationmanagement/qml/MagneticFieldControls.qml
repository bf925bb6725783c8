import QtQuick
import org.mirel 1.0

// Follows the magnetometer's state: the emulator has no switch of its own for it.
SensorControls {
    sensorName: "magnetometer"
    title: qsTr("Magnetic Field")
    controls: XYZSliders {
        objectName: "magneticField"
        model: sensorsEmulationManager.magneticField // qmllint disable unqualified
        reading: "magneticField"
        onAxisSubmitted: (axis, value) => SensorReadings.apply(sensorsEmulationManager, "magneticField." + axis, value) // qmllint disable unqualified
    }
}
