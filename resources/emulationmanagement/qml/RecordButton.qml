import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Starts and stops the recording of what the window sends; while it records
// it says so, with the time since the start beside it.
Button {
    id: button

    property bool recording: false
    // Whole seconds since the recording started.
    property int elapsedSeconds: 0
    readonly property string elapsedText: Math.floor(elapsedSeconds / 60) + ":"
        + String(elapsedSeconds % 60).padStart(2, "0")

    leftPadding: 15
    rightPadding: 15
    text: recording ? qsTr("Stop recording") : qsTr("Record")
    Accessible.name: qsTr("Record emulator input")
    Accessible.description: recording ? qsTr("Recording for %1").arg(elapsedText) : ""

    Label {
        id: defaultLabel

        visible: false
    }

    contentItem: RowLayout {
        spacing: 8

        Rectangle {
            Layout.alignment: Qt.AlignVCenter
            implicitWidth: 10
            implicitHeight: 10
            radius: 5
            color: button.recording ? "white" : themeHighlightColor // qmllint disable unqualified
        }

        // Two lines rather than a cut where a language's text is long.
        Text {
            Layout.fillWidth: true
            text: button.text
            font: button.font
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.Wrap
            color: button.recording ? "white" : defaultLabel.color
        }

        Text {
            objectName: "recordingTime"

            visible: button.recording
            text: button.elapsedText
            font.family: "monospace"
            font.pixelSize: button.font.pixelSize
            verticalAlignment: Text.AlignVCenter
            color: "white"
        }
    }

    background: Rectangle {
        color: button.recording ? themeHighlightColor : themeBackgroundColorNormal // qmllint disable unqualified
        border.width: button.recording ? 0 : 1
        border.color: themeSeparatorColor // qmllint disable unqualified
    }
}
