import QtQuick
import QtQuick.Window
import QtQuick.Layouts
import QtQuick.Controls
import QtQuick.Dialogs
import org.mirel 1.0
import "../js/sensor-controls-view-logic.js" as Logic

Rectangle {
    id: emulationManagementView

    readonly property var pagesIds: [sensorsManagementPage, sensorsValuesPage, smartphoneModelPage,
        gpsManagementPage, cameraManagementPage]
    // Enabled-state requests the emulator has not answered yet, oldest first:
    // the sensor, the state asked for and the state it had before.
    property var pendingSensorRequests: []

    function switchVisiblePage(page) {
        const current = pagesIds.filter(candidate => candidate.active).pop();
        current.exitPage(function () {
            for (const other of pagesIds) {
                if (other !== current)
                    other.active = false;
            }
            const changePage = function () {
                current.active = false;
                page.active = true;
            };
            if (current === sensorsValuesPage && page === smartphoneModelPage
                    && sensorsValuesPage.modelSensorChanged
                    && !settingsManager.readDoNotShowAgainResetSensorsDialog()) {
                warningDialog.callback = changePage;
                warningDialog.show();
            } else {
                changePage();
            }
        });
    }

    // Stopping asks where the recording goes; nothing is thrown away unasked.
    function toggleRecording() {
        if (!scenarioRecorder.recording) { // qmllint disable unqualified
            recordButton.elapsedSeconds = 0;
            scenarioRecorder.start(); // qmllint disable unqualified
            return;
        }
        scenarioRecorder.stop(); // qmllint disable unqualified
        scenarioFileDialog.open();
    }

    function saveRecording(file) {
        const error = scenarioRecorder.save(file); // qmllint disable unqualified
        if (error === "")
            return;
        saveErrorDialog.text = error;
        saveErrorDialog.open();
    }

    function useDarkPalette() {
        const text = "#e0e0e0";
        palette.window = themeBackgroundColorNormal; // qmllint disable unqualified
        palette.windowText = text;
        palette.text = text;
        palette.buttonText = text;
        palette.brightText = "#ffffff";
        palette.base = Qt.darker(themeBackgroundColorNormal, 1.35);
        palette.alternateBase = Qt.darker(themeBackgroundColorNormal, 1.15);
        palette.button = Qt.lighter(themeBackgroundColorNormal, 1.45);
        palette.light = Qt.lighter(themeBackgroundColorNormal, 1.9);
        palette.midlight = Qt.lighter(themeBackgroundColorNormal, 1.6);
        palette.mid = Qt.lighter(themeBackgroundColorNormal, 1.3);
        palette.dark = Qt.darker(themeBackgroundColorNormal, 1.6);
        palette.shadow = "#000000";
        palette.highlight = themeHighlightColor;
        palette.highlightedText = "#ffffff";
        palette.placeholderText = "#8a8a8a";
        palette.toolTipBase = palette.base;
        palette.toolTipText = text;
        palette.disabled.windowText = "#7a7a7a";
        palette.disabled.text = "#7a7a7a";
        palette.disabled.buttonText = "#7a7a7a";
    }

    width: 1100
    height: 600
    color: themeBackgroundColorNormal // qmllint disable unqualified
    // The controls' own colours are for light backgrounds.
    Component.onCompleted: {
        if (darkUserInterface) // qmllint disable unqualified
            useDarkPalette();
    }

    Connections {
        target: sensorsEmulationManager // qmllint disable unqualified

        function onReplyFromEmulatorReceived(reply) {
            Logic.replyFromEmulatorReceivedHandler(reply, errorDialog);
        }
    }

    // The whole reply names the call it answers, which the status text lost.
    Connections {
        target: remoteDBusInvokerService // qmllint disable unqualified

        function onReplyReceived(reply) {
            Logic.sensorStateReplyReceived(reply);
        }

        // Unanswered requests stay so: the reconnection sends every state anew.
        function onWebSocketDisconnected() {
            emulationManagementView.pendingSensorRequests = [];
        }
    }

    ErrorMessageDialog {
        id: errorDialog

        objectName: "errorDialog"
    }

    TextDialog {
        id: messageDialog

        objectName: "messageDialog"
    }

    FileDialog {
        id: scenarioFileDialog

        objectName: "scenarioFileDialog"
        parentWindow: emulationManagementView.Window.window
        title: qsTr("Save Recording")
        nameFilters: [qsTr("Emulation scenario (*.scenario)")]
        defaultSuffix: "scenario"
        fileMode: FileDialog.SaveFile
        onAccepted: emulationManagementView.saveRecording(selectedFile)
        onRejected: discardRecordingDialog.open()
    }

    TextDialog {
        id: discardRecordingDialog

        objectName: "discardRecordingDialog"
        title: qsTr("Discard Recording")
        text: qsTr("The recording has not been saved. Discard it?")
        standardButtons: Dialog.Discard | Dialog.Cancel
        onDiscarded: {
            scenarioRecorder.discard(); // qmllint disable unqualified
            close();
        }
        onRejected: scenarioFileDialog.open()
    }

    // A file that cannot be written leaves the recording to be saved elsewhere.
    ErrorMessageDialog {
        id: saveErrorDialog

        objectName: "saveErrorDialog"
        onClosed: scenarioFileDialog.open()
    }

    Timer {
        interval: 250
        repeat: true
        running: recordButton.recording
        onTriggered: recordButton.elapsedSeconds = Math.floor(scenarioRecorder.elapsedMs() / 1000) // qmllint disable unqualified
    }

    SettingsManager {
        id: settingsManager

        objectName: "settingsManager"
    }

    WarningDialog {
        id: warningDialog

        property var callback

        text: qsTr("The sensors values will be reset using the smartphone 3D-model position. Do you want to continue?")
        withDoNotShowAgainCheckBox: true
        onAccepted: function (doNotShowAgain) {
            const proceed = callback;
            if (proceed)
                proceed();
            settingsManager.saveDoNotShowAgainResetSensorsDialog(doNotShowAgain);
        }
    }

    ColumnLayout {
        id: pageButtons

        objectName: "pageButtons"

        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 180
        spacing: 0

        Repeater {
            model: [
                { text: qsTr("Sensors Management"), page: sensorsManagementPage },
                { text: qsTr("Sensors Values"), page: sensorsValuesPage },
                { text: qsTr("Orientation Management"), page: smartphoneModelPage },
                { text: qsTr("GPS Management"), page: gpsManagementPage },
                { text: qsTr("Camera Management"), page: cameraManagementPage }
            ]

            // The Qt 6.4 qmllint does not see this document's ids inside a component;
            // the lines that read them are marked.
            PageButton {
                required property var modelData

                Layout.fillWidth: true
                text: modelData.text
                active: modelData.page.visible
                onClicked: emulationManagementView.switchVisiblePage(modelData.page) // qmllint disable unqualified
            }
        }

        RecordButton {
            id: recordButton

            objectName: "recordButton"

            Layout.fillWidth: true
            Layout.topMargin: 16
            recording: scenarioRecorder.recording // qmllint disable unqualified
            onClicked: emulationManagementView.toggleRecording()
        }

        Item {
            Layout.fillHeight: true
        }
    }

    Rectangle {
        id: separator

        anchors.left: pageButtons.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 1
        color: themeSeparatorColor // qmllint disable unqualified
    }

    Item {
        anchors.left: separator.right
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom

        SensorsManagementPage {
            id: sensorsManagementPage

            objectName: "sensorsManagementPage"

            anchors.fill: parent
        }

        SensorsValuesPage {
            id: sensorsValuesPage

            objectName: "sensorsValuesPage"

            anchors.fill: parent
            active: true
        }

        SmartphoneModelPage {
            id: smartphoneModelPage

            objectName: "smartphoneModelPage"

            anchors.fill: parent
        }

        GpsManagementPage {
            id: gpsManagementPage

            objectName: "gpsManagementPage"

            anchors.fill: parent
        }

        CameraManagementPage {
            id: cameraManagementPage

            objectName: "cameraManagementPage"

            anchors.fill: parent
        }
    }
}
