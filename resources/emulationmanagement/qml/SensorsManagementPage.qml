import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import org.mirel 1.0
import "../js/sensor-controls-view-logic.js" as Logic

Item {
    id: page

    property bool active: false
    readonly property var sensorsControlsIds: [accelerometerCheckBox, compassCheckBox,
        orientationCheckBox, magnetometerCheckBox, gyroscopeCheckBox, alsCheckBox,
        proximityCheckBox, tapCheckBox]
    // The check boxes that follow a click on a sensor's check box, by new state.
    readonly property var sensorControlsRelations: SensorReadings.switchRelations()

    function submit() {
        for (const checkBox of sensorsControlsIds)
            Logic.sensorEnabledCheckboxClickHandler(checkBox.checked, checkBox.sensorName);
        reset();
    }

    function reset() {
        Logic.updateSensorsControlsCheckedState();
    }

    // The check box of one sensor shows the manager's state again.
    function followSensorState(sensorName) {
        const checkBox = sensorsControlsIds.find(item => item.sensorName === sensorName);
        checkBox.checked = sensorsEmulationManager.sensorsEnabledStates[sensorName] === true; // qmllint disable unqualified
    }

    function exitPage(callback) {
        if (!Logic.sensorsStatesHasChanged()) {
            callback();
            return;
        }
        exitWarning.callback = callback;
        exitWarning.show();
    }

    visible: active
    onVisibleChanged: {
        if (visible)
            reset();
    }

    Connections {
        target: sensorsEmulationManager // qmllint disable unqualified

        function onSensorsAvailabilityChanged() {
            Logic.updateSensorsControlsCheckedState();
            Logic.updateSensorsControlsVisibility();
        }
    }

    WarningDialog {
        id: exitWarning

        property var callback

        text: qsTr("The sensor configuration has been changed. Apply or discard changes?")
        // The same values as QMessageBox's; the tools know neither type.
        standardButtons: MessageDialog.Discard | MessageDialog.Apply // qmllint disable type
        onAccepted: {
            const proceed = callback;
            page.submit();
            proceed();
        }
        onRejected: {
            const proceed = callback;
            page.reset();
            proceed();
        }
    }

    PageFrame {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: footer.top

        ColumnLayout {
            width: parent.width
            spacing: 5

            SensorCheckBox {
                id: accelerometerCheckBox

                text: qsTr("Accelerometer")
                sensorName: "accelerometer"
                onClicked: Logic.dependentSensorsEnabledHandler(checked, sensorName)
            }
            SensorCheckBox {
                id: compassCheckBox

                text: qsTr("Compass")
                sensorName: "compass"
                onClicked: Logic.dependentSensorsEnabledHandler(checked, sensorName)
            }
            SensorCheckBox {
                id: orientationCheckBox

                text: qsTr("Orientation Sensor")
                sensorName: "orientation"
                onClicked: Logic.dependentSensorsEnabledHandler(checked, sensorName)
            }
            SensorCheckBox {
                id: magnetometerCheckBox

                text: qsTr("Magnetometer")
                sensorName: "magnetometer"
                onClicked: Logic.dependentSensorsEnabledHandler(checked, sensorName)
            }
            SensorCheckBox {
                id: gyroscopeCheckBox

                text: qsTr("Gyroscope")
                sensorName: "gyroscope"
                onClicked: Logic.dependentSensorsEnabledHandler(checked, sensorName)
            }
            SensorCheckBox {
                id: alsCheckBox

                text: qsTr("Light Sensor")
                sensorName: "als"
                onClicked: Logic.dependentSensorsEnabledHandler(checked, sensorName)
            }
            SensorCheckBox {
                id: proximityCheckBox

                text: qsTr("Proximity Sensor")
                sensorName: "proximity"
                onClicked: Logic.dependentSensorsEnabledHandler(checked, sensorName)
            }
            SensorCheckBox {
                id: tapCheckBox

                text: qsTr("Tap Sensor")
                sensorName: "tap"
                onClicked: Logic.dependentSensorsEnabledHandler(checked, sensorName)
            }
        }
    }

    ColumnLayout {
        id: footer

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 15
        spacing: 10

        Label {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: qsTr("After applying changes, all applications retrieving data from sensors must be restarted.")
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight

            Button {
                objectName: "resetButton"
                text: qsTr("Reset")
                Accessible.name: text
                onClicked: page.reset()
            }

            Button {
                objectName: "applyButton"
                text: qsTr("Apply")
                Accessible.name: text
                onClicked: page.submit()
            }
        }
    }
}
