import QtQuick
import QtQuick.Controls

Button {
    id: button

    property bool active: false

    leftPadding: 15
    rightPadding: 15
    Accessible.name: text

    Label {
        id: defaultLabel

        visible: false
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
