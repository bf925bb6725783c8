import QtQuick

SensorControls {
    sensorName: "accelerometer"
    title: qsTr("Accelerometer")
    controls: XYZSliders {
        objectName: "accelerometer"
        model: sensorsEmulationManager.accelerometer
        minValue: -3
        maxValue: 3
        valueUnits: qsTr("g")
        resultValueMultiplier: 1000
        showCalculatedValue: true
        calculatedValueFactor: 9.80665 / 1000
        calculatedValueUnits: qsTr("m/s") + "\u00b2"
        onAxisSubmited: function (axis, value) {
            if (axis === "x")
                sensorsEmulationManager.setAccelerometerX(value);
            else if (axis === "y")
                sensorsEmulationManager.setAccelerometerY(value);
            else
                sensorsEmulationManager.setAccelerometerZ(value);
        }
    }
}
