import QtQuick

// Follows the magnetometer's state: the emulator has no switch of its own for it.
SensorControls {
    sensorName: "magnetometer"
    title: qsTr("Magnetic Field")
    controls: XYZSliders {
        objectName: "magneticField"
        model: sensorsEmulationManager.magneticField // qmllint disable unqualified
        minValue: -100
        maxValue: 100
        valueUnits: qsTr("\u03bcT")
        onAxisSubmitted: function (axis, value) {
            if (axis === "x")
                sensorsEmulationManager.setMagneticFieldX(value);
            else if (axis === "y")
                sensorsEmulationManager.setMagneticFieldY(value);
            else
                sensorsEmulationManager.setMagneticFieldZ(value);
        }
    }
}
