import QtQuick
import QtQuick.Controls

Button {
    id: button

    property bool active: false
    // Whether the text is cut short; hovering shows it whole.
    readonly property bool truncated: contentItem.implicitWidth > contentItem.width

    leftPadding: 15
    rightPadding: 15
    // Also where the platform shows no hover effects: the tool tip needs it.
    hoverEnabled: true
    Accessible.name: text

    Label {
        id: defaultLabel

        visible: false
    }

    ToolTip {
        objectName: "fullText"
        text: button.text
        visible: button.hovered && button.truncated
        delay: 500
    }

    contentItem: Text {
        text: button.text
        font: button.font
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        opacity: button.enabled ? 1.0 : 0.3
        color: button.active ? "white" : defaultLabel.color
    }

    background: Rectangle {
        color: button.active ? themeHighlightColor : themeBackgroundColorNormal // qmllint disable unqualified
    }
}
