import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The track's points under a bold header row: the first column 70 pixels
// wide, each other a sixth of the width, cells right-aligned, the current
// row in the highlight colour. It takes the height it is given, with at
// least 100 pixels for the rows.
ColumnLayout {
    id: trackTable

    property alias model: table.model
    property var titles: []
    // While set, selecting a point scrolls the table to it.
    property bool followSelection: false
    readonly property alias rows: table.rows
    readonly property real minimumHeight: header.implicitHeight + spacing + table.Layout.minimumHeight

    signal pointSelected(int row)

    function selectTrackPoint(row) {
        table.selectionModel.setCurrentIndex(table.model.index(row, 0),
                                             ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows);
        if (followSelection)
            table.positionViewAtRow(row, TableView.Contain);
    }

    spacing: 15

    Row {
        id: header

        Layout.fillWidth: true
        spacing: 1

        Repeater {
            model: trackTable.titles

            // The Qt 6.4 qmllint does not see this document's ids inside a component;
            // the lines that read them are marked.
            Label {
                required property int index
                required property string modelData

                width: table.columnWidth(index) // qmllint disable unqualified
                text: modelData
                font.bold: true
                horizontalAlignment: Text.AlignRight
            }
        }
    }

    TableView {
        id: table

        function columnWidth(column) {
            return column === 0 ? 70 : width / 6;
        }

        objectName: "trackTable"
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: 100
        clip: true
        rowSpacing: 1
        columnSpacing: 1
        columnWidthProvider: columnWidth
        selectionModel: ItemSelectionModel {
            model: table.model
            // A click makes the clicked cell current, and the page then the
            // row's first: one point, chosen once.
            onCurrentChanged: (current, previous) => {
                if (current.row !== previous.row)
                    trackTable.pointSelected(current.row);
            }
        }
        onWidthChanged: forceLayout()
        ScrollBar.vertical: ScrollBar {}

        // See the header's delegate.
        delegate: Rectangle {
            required property int row
            required property string display
            readonly property bool current: row === table.selectionModel.currentIndex.row // qmllint disable unqualified

            implicitHeight: cell.implicitHeight + 4
            color: current ? table.palette.highlight : table.palette.base // qmllint disable unqualified

            Label {
                id: cell

                anchors.fill: parent
                anchors.rightMargin: 4
                text: parent.display
                horizontalAlignment: Text.AlignRight
                verticalAlignment: Text.AlignVCenter
                color: parent.current ? table.palette.highlightedText : table.palette.text // qmllint disable unqualified
            }

            TapHandler {
                onTapped: trackTable.selectTrackPoint(parent.row) // qmllint disable unqualified
            }
        }
    }
}
