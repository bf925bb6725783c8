import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

ColumnLayout {
    id: block

    property string sensorName
    property alias title: titleLabel.text
    property alias controlsEnabled: block.enabled
    property alias controls: loader.sourceComponent

    function clearFocus() {
        // Only the blocks with text fields have one; the tools see a QObject.
        if (loader.item && loader.item.clearFocus) // qmllint disable type
            loader.item.clearFocus(); // qmllint disable type
    }

    // Equal preferred widths: the two columns of the grid share its width.
    Layout.fillWidth: true
    Layout.preferredWidth: 100
    Layout.alignment: Qt.AlignTop
    spacing: 5

    Label {
        id: titleLabel

        font.bold: true
    }

    Loader {
        id: loader

        Layout.fillWidth: true
    }
}
