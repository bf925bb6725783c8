import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtMultimedia
import org.mirel 1.0
import "../js/camera-management-page-logic.js" as Logic

Item {
    id: page

    property bool active: false
    property alias videoFileUrl: videoFileDialog.currentFile
    property string videoFilePath: Logic.localPath(videoFileUrl)
    property string currentCameraName: ""
    property string currentResolution: ""
    property string currentFramerate: ""

    visible: active

    function setupCurrentCameraStreamValues() {
        Logic.setupCurrentCameraStreamValues();
    }

    function exitPage(callback) {
        Logic.exitPage(callback);
    }

    Component.onCompleted: {
        if (!hostCameraButton.enabled)
            videoFileButton.checked = true;
    }

    Connections {
        target: cameraEmulationManager // qmllint disable unqualified

        function onCameraStreamSettingsApplied() {
            Logic.setupCurrentCameraStreamValues();
        }

        function onVideoFileCodecChecked(success, codecName) {
            Logic.videoFileCodecChecked(success, codecName);
        }

        function onStreamFailed(message) {
            Logic.streamFailed(message);
        }
    }

    // The frames as sent reach the preview only while the page is shown.
    Binding {
        target: cameraEmulationManager // qmllint disable unqualified
        property: "previewSink"
        value: page.visible ? previewOutput.videoSink : null
    }

    FileDialog {
        id: videoFileDialog

        objectName: "videoFileDialog"
        // See the track file dialog: the window comes after the page.
        parentWindow: page.Window.window
        title: qsTr("Open Video File")
        nameFilters: [qsTr("Video files (*.webm *.mkv)")]
        fileMode: FileDialog.OpenFile
        onAccepted: Logic.videoFileAccepted()
    }

    ButtonGroup {
        id: sourceGroup
    }

    TextMetrics {
        id: cameraNameMetrics

        font: cameraComboBox.font
        text: Logic.longestEntry(cameraEmulationManager.cameras) // qmllint disable unqualified
    }

    PageFrame {
        anchors.fill: parent
        clip: true
        bodyWidth: 620

        Column {
        width: parent.width
        spacing: 15

            Column {
                spacing: 5

                Label {
                    text: qsTr("Source")
                    font.bold: true
                }

                RadioButton {
                    id: hostCameraButton

                    objectName: "hostCameraButton"
                    text: qsTr("Host camera")
                    enabled: cameraEmulationManager.cameras.length > 0 // qmllint disable unqualified
                    checked: enabled
                    ButtonGroup.group: sourceGroup
                    Accessible.name: text
                    onCheckedChanged: {
                        if (checked)
                            Logic.hostCameraChecked();
                    }
                    // With no camera left only a video file can be streamed.
                    onEnabledChanged: {
                        if (!enabled)
                            videoFileButton.checked = true;
                    }
                }

                RadioButton {
                    id: videoFileButton

                    objectName: "videoFileButton"
                    text: qsTr("Video file")
                    ButtonGroup.group: sourceGroup
                    Accessible.name: text
                    onCheckedChanged: {
                        if (checked)
                            Logic.videoFileChecked();
                    }
                }
            }

            Row {
                width: parent.width
                visible: hostCameraButton.checked

                Column {
                    width: parent.width / 2
                    spacing: 7

                    Label {
                        text: qsTr("Current values")
                        font.bold: true
                    }

                    Grid {
                        width: parent.width
                        columns: 2
                        columnSpacing: 5
                        rowSpacing: 5
                        verticalItemAlignment: Grid.AlignVCenter

                        Label {
                            id: currentCameraLabel

                            text: qsTr("Camera") + ":"
                        }

                        Label {
                            objectName: "currentCameraName"
                            width: parent.width - currentCameraLabel.width - parent.columnSpacing
                            text: page.currentCameraName
                            wrapMode: Text.WordWrap
                        }

                        Label {
                            text: qsTr("Resolution") + ":"
                        }

                        Label {
                            objectName: "currentResolution"
                            text: page.currentResolution
                        }

                        Label {
                            text: qsTr("Framerate") + ":"
                        }

                        Label {
                            objectName: "currentFramerate"
                            text: page.currentFramerate
                        }
                    }
                }

                Column {
                    width: parent.width / 2
                    spacing: 7

                    Label {
                        text: qsTr("Settings")
                        font.bold: true
                    }

                    Grid {
                        columns: 2
                        columnSpacing: 5
                        rowSpacing: 5
                        verticalItemAlignment: Grid.AlignVCenter

                        Label {
                            text: qsTr("Camera")
                        }

                        ComboBox {
                            id: cameraComboBox

                            objectName: "cameraComboBox"
                            model: cameraEmulationManager.cameras // qmllint disable unqualified
                            // From the measured text of the longest name; the padding holds
                            // the indicator, one line height the text's own margins.
                            implicitWidth: Math.ceil(cameraNameMetrics.advanceWidth + cameraNameMetrics.height)
                                           + leftPadding + rightPadding
                            currentIndex: model.indexOf(cameraEmulationManager.cameraName) // qmllint disable unqualified
                            Accessible.name: qsTr("Camera")
                            onActivated: index => cameraEmulationManager.cameraName = textAt(index)
                        }

                        Label {
                            text: qsTr("Resolution")
                        }

                        ComboBox {
                            objectName: "resolutionComboBox"
                            model: cameraEmulationManager.resolutions // qmllint disable unqualified
                            textRole: "string"
                            currentIndex: cameraEmulationManager.resolutionIndex // qmllint disable unqualified
                            Accessible.name: qsTr("Resolution")
                            onActivated: index => cameraEmulationManager.resolutionIndex = index
                        }

                        Label {
                            text: qsTr("Framerate")
                        }

                        ComboBox {
                            objectName: "framerateComboBox"
                            model: cameraEmulationManager.framerates // qmllint disable unqualified
                            currentIndex: model.indexOf(cameraEmulationManager.framerate) // qmllint disable unqualified
                            Accessible.name: qsTr("Framerate")
                            onActivated: index => cameraEmulationManager.framerate = textAt(index)
                        }
                    }

                    Button {
                        objectName: "setSettingsButton"
                        text: qsTr("Set settings")
                        Accessible.name: text
                        onClicked: cameraEmulationManager.setCameraStreamSettings() // qmllint disable unqualified
                    }
                }
            }

            Item {
                width: parent.width
                height: Math.max(videoFileLabel.height, videoFileField.height, chooseFileButton.height)
                visible: videoFileButton.checked

                Label {
                    id: videoFileLabel

                    anchors.left: parent.left
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Video file")
                }

                TextField {
                    id: videoFileField

                    objectName: "videoFileField"
                    anchors.left: videoFileLabel.right
                    anchors.leftMargin: 10
                    anchors.right: chooseFileButton.left
                    anchors.rightMargin: 5
                    anchors.verticalCenter: parent.verticalCenter
                    readOnly: true
                    text: page.videoFileUrl
                    Accessible.name: qsTr("Video file")
                }

                Button {
                    id: chooseFileButton

                    objectName: "chooseFileButton"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("…")
                    Accessible.name: qsTr("Choose video file")
                    onClicked: videoFileDialog.open()
                }
            }

            Row {
                spacing: 10

                Button {
                    objectName: "startStreamButton"
                    text: qsTr("Start stream")
                    enabled: !cameraEmulationManager.streamRunning // qmllint disable unqualified
                             && (!videoFileButton.checked || page.videoFilePath !== "")
                    Accessible.name: text
                    onClicked: Logic.startStream()
                }

                Button {
                    objectName: "stopStreamButton"
                    text: qsTr("Stop")
                    enabled: cameraEmulationManager.streamRunning // qmllint disable unqualified
                    Accessible.name: text
                    onClicked: Logic.stopStream()
                }
            }

            Column {
                spacing: 5
                visible: cameraEmulationManager.streamRunning // qmllint disable unqualified

                Label {
                    text: qsTr("Preview")
                    font.bold: true
                }

                VideoOutput {
                    id: previewOutput

                    objectName: "previewOutput"
                    width: 320
                    height: 180
                    Accessible.name: qsTr("Preview")
                }

                Label {
                    objectName: "sentFrameRate"
                    text: Logic.sentFrameRateText(cameraEmulationManager.sentFrameRate) // qmllint disable unqualified
                }
            }

            Button {
                objectName: "updateCamerasButton"
                x: parent.width - width
                text: qsTr("Update cameras list")
                Accessible.name: text
                onClicked: cameraEmulationManager.updateCamerasList() // qmllint disable unqualified
            }
        }
    }
}
