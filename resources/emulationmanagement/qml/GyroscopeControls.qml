import QtQuick
import org.mirel 1.0

SensorControls {
    sensorName: "gyroscope"
    title: qsTr("Gyroscope")
    controls: XYZSliders {
        objectName: "gyroscope"
        model: sensorsEmulationManager.gyroscope // qmllint disable unqualified
        reading: "gyroscope"
        onAxisSubmitted: (axis, value) => SensorReadings.apply(sensorsEmulationManager, "gyroscope." + axis, value) // qmllint disable unqualified
    }
}
