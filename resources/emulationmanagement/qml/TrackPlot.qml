import QtQuick
import "../js/track-plot.js" as Plot

// The loaded track as a line through the records, scaled to fit, with the
// current point marked.
// The line is painted again only when the track or the size changes; the
// mark is an item that moves over it.
Rectangle {
    id: plot

    property var records: []
    property var currentRecord: null
    readonly property var frame: Plot.plotFrame(records, width, height, 10)
    readonly property var plotted: Plot.plotPoints(records, frame)

    signal pointClicked(int index)

    color: palette.base
    border.color: themeSeparatorColor // qmllint disable unqualified
    Accessible.role: Accessible.Graphic
    Accessible.name: qsTr("Track plot")
    onPlottedChanged: line.requestPaint()

    Canvas {
        id: line

        anchors.fill: parent
        onPaint: {
            const context = getContext("2d");
            context.reset();
            const points = plot.plotted;
            if (points.length === 0)
                return;
            context.strokeStyle = plot.palette.text;
            context.lineWidth = 1.5;
            context.beginPath();
            context.moveTo(points[0].x, points[0].y);
            for (let i = 1; i < points.length; ++i)
                context.lineTo(points[i].x, points[i].y);
            context.stroke();
        }
    }

    Rectangle {
        readonly property var point: plot.frame !== null && plot.currentRecord !== null
                                     ? Plot.projectPoint(plot.frame, plot.currentRecord, 0) : undefined

        visible: point !== undefined
        x: visible ? point.x - width / 2 : 0
        y: visible ? point.y - height / 2 : 0
        width: 10
        height: 10
        radius: 5
        color: plot.palette.highlight
        border.color: plot.palette.highlightedText
    }

    TapHandler {
        onTapped: function (eventPoint) {
            const index = Plot.nearestPoint(plot.plotted, eventPoint.position.x, eventPoint.position.y);
            if (index >= 0)
                plot.pointClicked(plot.plotted[index].index);
        }
    }
}
