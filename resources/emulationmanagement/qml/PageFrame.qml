import QtQuick
import QtQuick.Controls

// The scrollable body of a page: its content sits 15 pixels in from every
// edge, as wide as the view leaves unless the page sets bodyWidth, and the
// view scrolls when the content is larger.
ScrollView {
    id: frame

    default property alias body: inner.data
    readonly property real margin: 15
    property real bodyWidth: availableWidth - 2 * margin

    contentWidth: Math.max(availableWidth, bodyWidth + 2 * margin)
    contentHeight: inner.height + 2 * margin

    Item {
        id: inner

        x: frame.margin
        y: frame.margin
        width: frame.bodyWidth
        height: childrenRect.height
    }
}
