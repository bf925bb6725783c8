import QtQuick

SensorControls {
    sensorName: "gyroscope"
    title: qsTr("Gyroscope")
    controls: XYZSliders {
        objectName: "gyroscope"
        model: sensorsEmulationManager.gyroscope // qmllint disable unqualified
        minValue: -25
        maxValue: 25
        valueUnits: qsTr("deg/s")
        onAxisSubmitted: function (axis, value) {
            if (axis === "x")
                sensorsEmulationManager.setGyroscopeX(value);
            else if (axis === "y")
                sensorsEmulationManager.setGyroscopeY(value);
            else
                sensorsEmulationManager.setGyroscopeZ(value);
        }
    }
}
