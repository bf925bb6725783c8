import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../js/sensor-controls-view-logic.js" as Logic

Item {
    id: page

    property bool active: false
    // Whether a motion reading changed since the phone page last set them all.
    property bool modelSensorChanged: false
    readonly property var sensorsControlsIds: [accelerometerControls, magnetometerControls,
        compassControls, magneticFieldControls, orientationControls, gyroscopeControls,
        lightControls, proximityControls, tapControls]

    function exitPage(callback) {
        callback();
    }

    function resetValues() {
        for (const block of sensorsControlsIds)
            block.clearFocus();
        sensorsEmulationManager.setDefaultValues();
    }

    function markModelSensorChanged() {
        modelSensorChanged = true;
    }

    visible: active
    onActiveChanged: {
        if (active)
            modelSensorChanged = false;
    }
    Component.onCompleted: {
        const motionModels = [sensorsEmulationManager.accelerometer, sensorsEmulationManager.magnetometer,
                              sensorsEmulationManager.magneticField, sensorsEmulationManager.gyroscope];
        for (const model of motionModels) {
            model.xChanged.connect(markModelSensorChanged);
            model.yChanged.connect(markModelSensorChanged);
            model.zChanged.connect(markModelSensorChanged);
        }
        Logic.updateSensorsControlsVisibility();
        Logic.updateSensorsControlsEnabledState();
    }

    Connections {
        target: sensorsEmulationManager // qmllint disable unqualified

        function onSensorsEnabledStatesChanged() {
            Logic.updateSensorsControlsEnabledState();
        }
        function onSensorsAvailabilityChanged() {
            Logic.updateSensorsControlsVisibility();
        }
        function onSensorsInitialized() {
            page.modelSensorChanged = false;
        }
    }

    PageFrame {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: resetButton.top
        anchors.bottomMargin: 5
        bodyWidth: Math.max(page.width - 45, 390)

        GridLayout {
            width: parent.width
            columns: 2
            columnSpacing: 15
            rowSpacing: 15

            AccelerometerControls {
                id: accelerometerControls

                objectName: "accelerometerControls"
            }
            MagnetometerControls {
                id: magnetometerControls

                objectName: "magnetometerControls"
            }
            CompassControls {
                id: compassControls

                objectName: "compassControls"
            }
            MagneticFieldControls {
                id: magneticFieldControls

                objectName: "magneticFieldControls"
            }
            OrientationSensorControls {
                id: orientationControls

                objectName: "orientationControls"
            }
            GyroscopeControls {
                id: gyroscopeControls

                objectName: "gyroscopeControls"
            }
            LightSensorControls {
                id: lightControls

                objectName: "lightControls"
            }
            ProximitySensorControls {
                id: proximityControls

                objectName: "proximityControls"
            }
            Item {
                Layout.fillWidth: true
                Layout.preferredWidth: 100
            }
            TapSensorControls {
                id: tapControls

                objectName: "tapControls"
            }
        }
    }

    Button {
        id: resetButton

        objectName: "resetValuesButton"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 15
        text: qsTr("Reset values")
        Accessible.name: text
        onClicked: page.resetValues()
    }
}
