import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import org.mirel 1.0
import "../js/pose-display.js" as Display
import "../js/pose-readings.mjs" as Pose
import "../js/smartphone-model-page-logic.js" as Logic

Item {
    id: page

    property var locale: Qt.locale("en_US")
    property bool active: false
    property real stepSize: 0.01
    property int numberRoundingSize: SensorReadings.fieldDecimals("rotation")
    property bool integer: false
    property real rotMinValue: SensorReadings.fieldMinimum("rotation")
    property real rotMaxValue: SensorReadings.fieldMaximum("rotation")
    property real moveMinValue: -2
    property real moveMaxValue: 2
    property real gravityAccelEarth: Pose.gravityAccelEarth
    property real accGravityCoef: Pose.accGravityCoef
    property real timerInterval: 0.1
    property real phoneSizeCoefficient: 0.06
    property real microToWholeCoef: Pose.microToWholeCoef
    property bool controlModifierPressed: false

    property real xMovePrevPrevValue: 0
    property real yMovePrevPrevValue: 0
    property real zMovePrevPrevValue: 0
    property real xMovePrevValue: 0
    property real yMovePrevValue: 0
    property real zMovePrevValue: 0
    property real xMoveInitSpeed: 0
    property real yMoveInitSpeed: 0
    property real zMoveInitSpeed: 0

    property real xGyroPrevValue: 0
    property real yGyroPrevValue: 0
    property real zGyroPrevValue: 0
    property real xGyroRotFrequency: 0
    property real yGyroRotFrequency: 0
    property real zGyroRotFrequency: 0
    property bool xRotSliderReset: false
    property bool yRotSliderReset: false
    property bool zRotSliderReset: false

    property real accXValue: 0
    property real accYValue: 0
    property real accZValue: 0
    property real gyroXValue: 0
    property real gyroYValue: 0
    property real gyroZValue: 0
    property real magnetXValue: 0
    property real magnetYValue: 0
    property real magnetZValue: 0

    // One of the six pose sliders, starting at 0 with the step, rounding and
    // number kind of the page given as its settings.
    component PoseSlider: SliderWithTextField {
        required property var settings

        Layout.fillWidth: true
        integer: settings.integer
        stepSize: settings.stepSize
        numberRoundingSize: settings.numberRoundingSize
        value: 0
        onValueChosen: chosen => value = chosen
    }

    function exitPage(callback) {
        callback();
    }

    // The page timer's tick, callable on its own so that ticks can be driven.
    function tick() {
        Logic.timerTick();
    }

    visible: active

    // Visibility follows active; the readings wait for it, since the
    // accelerometer is sent only while its label is shown.
    onVisibleChanged: {
        if (!visible) {
            Logic.stopTurning();
            return;
        }
        scrollView.forceActiveFocus();
        Logic.pageActivated();
    }
    onControlModifierPressedChanged: Logic.toggleMode()

    Component.onCompleted: {
        Logic.updateResultLabelsVisibility();
        Logic.updateResultLabelsEnabledState();
        Logic.updatePoseReadings();
    }

    Timer {
        id: pageTimer

        objectName: "pageTimer"
        interval: page.timerInterval * 1000
        repeat: true
        running: page.active
        onTriggered: Logic.timerTick()
    }

    Connections {
        function onSensorsAvailabilityChanged() {
            Logic.updateResultLabelsVisibility();
        }

        function onSensorsEnabledStatesChanged() {
            Logic.updateResultLabelsEnabledState();
        }

        target: sensorsEmulationManager // qmllint disable unqualified
    }

    ButtonGroup {
        id: modeGroup
    }

    ScrollView {
        id: scrollView

        anchors.fill: parent
        contentWidth: Math.max(availableWidth, 450)
        contentHeight: Math.max(availableHeight, 300)
        Keys.onPressed: event => {
            event.accepted = Logic.keyPressed(event);
        }
        Keys.onReleased: event => {
            Logic.keyReleased(event);
            event.accepted = false;
        }

        ColumnLayout {
            width: scrollView.contentWidth
            height: scrollView.contentHeight
            spacing: 0

            SmartphoneModel {
                objectName: "smartphoneModel"
                Layout.fillWidth: true
                Layout.fillHeight: true
                xRotation: xRotSlider.value
                yRotation: yRotSlider.value
                zRotation: zRotSlider.value
                xPosition: xMoveSlider.value
                yPosition: yMoveSlider.value
                zPosition: zMoveSlider.value
                phoneSizeCoefficient: page.phoneSizeCoefficient
                turnable: rotationRadioButton.checked
                onRotationDragged: (zDegrees, xDegrees) => Logic.modelDragged(zDegrees, xDegrees)
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.preferredHeight: 1
                color: themeSeparatorColor // qmllint disable unqualified
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.margins: 15
                spacing: 15

                ColumnLayout {
                    Layout.preferredWidth: 1
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop

                    RowLayout {
                        RadioButton {
                            id: rotationRadioButton

                            objectName: "rotationRadioButton"
                            text: qsTr("Rotation")
                            checked: true
                            ButtonGroup.group: modeGroup
                        }

                        RadioButton {
                            id: moveRadioButton

                            objectName: "moveRadioButton"
                            text: qsTr("Move")
                            ButtonGroup.group: modeGroup
                            onCheckedChanged: {
                                if (checked)
                                    Logic.stopTurning();
                            }
                        }
                    }

                    GridLayout {
                        columns: 2
                        visible: rotationRadioButton.checked

                        Label {
                            text: qsTr("X-Rot")
                        }

                        PoseSlider {
                            id: xRotSlider

                            objectName: "xRotSlider"
                            Accessible.name: qsTr("X-Rot")
                            settings: page
                            minValue: page.rotMinValue
                            maxValue: page.rotMaxValue
                            onSliderSubmited: Logic.updatePoseReadings()
                        }

                        Label {
                            text: qsTr("Y-Rot")
                        }

                        PoseSlider {
                            id: yRotSlider

                            objectName: "yRotSlider"
                            Accessible.name: qsTr("Y-Rot")
                            settings: page
                            minValue: page.rotMinValue
                            maxValue: page.rotMaxValue
                            onSliderSubmited: Logic.updatePoseReadings()
                        }

                        Label {
                            text: qsTr("Z-Rot")
                        }

                        PoseSlider {
                            id: zRotSlider

                            objectName: "zRotSlider"
                            Accessible.name: qsTr("Z-Rot")
                            settings: page
                            minValue: page.rotMinValue
                            maxValue: page.rotMaxValue
                            onSliderSubmited: Logic.updatePoseReadings()
                        }
                    }

                    GridLayout {
                        columns: 2
                        visible: moveRadioButton.checked

                        Label {
                            text: qsTr("X")
                        }

                        PoseSlider {
                            id: xMoveSlider

                            objectName: "xMoveSlider"
                            Accessible.name: qsTr("X")
                            settings: page
                            minValue: page.moveMinValue
                            maxValue: page.moveMaxValue
                        }

                        Label {
                            text: qsTr("Y")
                        }

                        PoseSlider {
                            id: yMoveSlider

                            objectName: "yMoveSlider"
                            Accessible.name: qsTr("Y")
                            settings: page
                            minValue: page.moveMinValue
                            maxValue: page.moveMaxValue
                        }

                        Label {
                            text: qsTr("Z")
                        }

                        PoseSlider {
                            id: zMoveSlider

                            objectName: "zMoveSlider"
                            Accessible.name: qsTr("Z")
                            settings: page
                            minValue: page.moveMinValue
                            maxValue: page.moveMaxValue
                        }
                    }
                }

                ColumnLayout {
                    Layout.preferredWidth: 1
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop

                    Label {
                        text: qsTr("Device rotation")
                    }

                    Row {
                        spacing: 5

                        Repeater {
                            model: [qsTr("Upright"), qsTr("On its side, button edge left"),
                                qsTr("Upside down"), qsTr("On its side, button edge right"),
                                qsTr("Lying flat, screen up"), qsTr("Lying flat, screen down")]

                            delegate: Button {
                                required property int index
                                required property string modelData

                                objectName: "preset" + (index + 1)
                                width: 40
                                height: 40
                                padding: 2
                                display: AbstractButton.IconOnly
                                icon.source: Display.phoneIconSource(index + 1, darkUserInterface) // qmllint disable unqualified
                                icon.width: 36
                                icon.height: 36
                                icon.color: "transparent"
                                Accessible.name: modelData
                                ToolTip.text: modelData
                                ToolTip.visible: hovered
                                ToolTip.delay: 500
                                onClicked: Logic.switchOrientation(index + 1)
                            }
                        }
                    }

                    ColumnLayout {
                        id: resultsColumn

                        Label {
                            text: qsTr("Resulting values")
                        }

                        Label {
                            id: accelerometerLabel

                            objectName: "accelerometerLabel"
                            text: Display.formatValues(qsTr("Accelerometer (m/s²)"), [
                                    Display.receivedAcceleration(page.accXValue, page.accGravityCoef),
                                    Display.receivedAcceleration(page.accYValue, page.accGravityCoef),
                                    Display.receivedAcceleration(page.accZValue, page.accGravityCoef)
                                ], page.locale, page.numberRoundingSize)
                        }

                        Label {
                            id: gyroscopeLabel

                            objectName: "gyroscopeLabel"
                            text: Display.formatValues(qsTr("Gyroscope (°/s)"),
                                [page.gyroXValue, page.gyroYValue, page.gyroZValue],
                                page.locale, page.numberRoundingSize)
                        }

                        Label {
                            id: magnetometerLabel

                            objectName: "magnetometerLabel"
                            text: Display.formatValues(qsTr("Magnetometer (μT)"),
                                [page.magnetXValue, page.magnetYValue, page.magnetZValue],
                                page.locale, page.numberRoundingSize)
                        }
                    }
                }
            }
        }
    }
}
