import QtQuick

SensorControls {
    sensorName: "accelerometer"
    title: qsTr("Accelerometer")
    controls: XYZSliders {
        objectName: "accelerometer"
        model: sensorsEmulationManager.accelerometer // qmllint disable unqualified
        minValue: -3
        maxValue: 3
        valueUnits: qsTr("g")
        resultValueMultiplier: 1000
        showCalculatedValue: true
        calculatedValueFactor: 9.80665 / 1000
        calculatedValueUnits: qsTr("m/s") + "\u00b2"
        onAxisSubmitted: function (axis, value) {
            // Thousandths of g: 1.009 g times 1000 is 1008.999… in floating point.
            const milliG = Math.round(value);
            if (axis === "x")
                sensorsEmulationManager.setAccelerometerX(milliG);
            else if (axis === "y")
                sensorsEmulationManager.setAccelerometerY(milliG);
            else
                sensorsEmulationManager.setAccelerometerZ(milliG);
        }
    }
}
