import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import org.mirel 1.0
import "../js/gps-management-page-logic.js" as Logic

Item {
    id: page

    property var locale: Qt.locale("en_US")
    property bool active: false
    property double latitudeMinValue: -90
    property double latitudeMaxValue: 90
    property double longitudeMinValue: -180
    property double longitudeMaxValue: 180
    property double altitudeMinValue: -1000
    property double altitudeMaxValue: 10000
    property int altRoundingSize: 2
    property int latLongRoundingSize: 7
    property int defaultInterval: 2000
    property bool onlyDefaultInterval: false
    property bool trackStopped: true
    property string nmeaFileUrl: ""
    readonly property bool loading: trackPointsTableModel.loading
    property bool loadingPoints: false
    // The file being read, shown once it has been read.
    property string pendingFileUrl: ""
    // Which lines the last load left out, and why; empty when none.
    property string skippedLinesNote: ""
    // Playback schedule: when it started and the waits scheduled since.
    property double scheduleStart: 0
    property double scheduledWaits: 0
    readonly property var trackSpeedList: [{text: "1x", value: 1}, {text: "2x", value: 2},
        {text: "3x", value: 3}, {text: "4x", value: 4}, {text: "5x", value: 5}]
    readonly property var columnTitles: [qsTr("No."), qsTr("Time"), qsTr("Latitude"),
        qsTr("Longitude"), qsTr("Altitude")]

    function exitPage(callback) {
        callback();
    }
    function loadNmeaLog(text) {
        Logic.loadNmeaLog(text);
    }
    function loadTrackFile(url) {
        Logic.loadTrackFile(url);
    }
    function cancelLoad() {
        Logic.cancelLoad();
    }
    // The table and the track records are one model.
    function loadTableRows(points) {
        trackPointsTableModel.setPoints(points);
    }
    function loadTrackPoints(points) {
        loadTableRows(points);
    }
    function setCurrentTrackPointAsCurrentCoordinate() {
        Logic.setCurrentTrackPointAsCurrentCoordinate();
    }
    function runTrackTimer() {
        Logic.runTrackTimer(true);
    }
    function stopTrackTimer() {
        trackTimer.stop();
    }
    function startTrack() {
        Logic.startTrack();
    }
    function pauseTrack() {
        Logic.pauseTrack();
    }
    function stopTrack() {
        Logic.stopTrack();
    }
    function selectTrackPoint(row) {
        trackTable.selectTrackPoint(row);
    }

    visible: active
    onOnlyDefaultIntervalChanged: {
        if (onlyDefaultInterval) {
            messageDialog.text = qsTr("The loaded NMEA file has no temporal information. Thus you cannot play it at its own speed.");
            messageDialog.open();
        }
    }

    Connections {
        target: gpsEmulationManager

        function onCurrentPositionIndexChanged() {
            Logic.currentPositionIndexChanged();
        }
        function onReplyFromEmulatorReceived(reply) {
            Logic.replyFromEmulatorReceived(reply);
        }
    }

    TrackModel {
        id: trackPointsTableModel

        onLoaded: note => Logic.trackLoaded(note)
        onLoadFailed: text => Logic.trackLoadFailed(text)
    }

    Timer {
        id: trackTimer

        objectName: "trackTimer"
        repeat: false
        onTriggered: Logic.trackTimerTriggered()
    }

    Timer {
        id: trackSyncTimer

        interval: 100
        repeat: true
        running: trackTimer.running
        onTriggered: gpsEmulationManager.goToPositionOnTrack(gpsEmulationManager.currentPositionIndex)
    }

    FileDialog {
        id: fileDialog

        objectName: "trackFileDialog"
        // The page has no window yet when the dialog is made in a window
        // loaded by setSource, and without one the dialog never opens.
        parentWindow: page.Window.window
        title: qsTr("Open NMEA File")
        nameFilters: [qsTr("NMEA files (*.nmea)"), qsTr("GPX files (*.gpx)")]
        fileMode: FileDialog.OpenFile
        onAccepted: page.loadTrackFile(selectedFile)
    }

    ScrollView {
        id: scrollView

        anchors.fill: parent
        contentWidth: availableWidth
        contentHeight: content.height + 30

        ColumnLayout {
            id: content

            x: 15
            y: 15
            width: page.width - 30
            // The table takes what the controls leave, at least 100 pixels.
            height: Math.max(page.height - 30,
                             controls.implicitHeight + header.implicitHeight + 100 + 2 * spacing)
            spacing: 15

            RowLayout {
                id: controls

                spacing: 15

                ColumnLayout {
                    id: controlColumn

                    Layout.alignment: Qt.AlignTop
                    Layout.preferredWidth: 620
                    Layout.maximumWidth: 620
                    spacing: 15

                    Label {
                        text: qsTr("Current Position")
                        font.bold: true
                    }
                    GridLayout {
                        columns: 2
                        columnSpacing: 15

                        Label { text: qsTr("Latitude") }
                        Label {
                            objectName: "currentLatitude"
                            text: Logic.localeNumber(gpsEmulationManager.currentPosition.latitude, page.latLongRoundingSize)
                        }
                        Label { text: qsTr("Longitude") }
                        Label {
                            objectName: "currentLongitude"
                            text: Logic.localeNumber(gpsEmulationManager.currentPosition.longitude, page.latLongRoundingSize)
                        }
                        Label { text: qsTr("Altitude") }
                        Label {
                            objectName: "currentAltitude"
                            text: Logic.localeNumber(gpsEmulationManager.currentPosition.altitude, page.altRoundingSize)
                        }
                    }

                    Label {
                        text: qsTr("Coordinate")
                        font.bold: true
                    }
                    RowLayout {
                        spacing: 15

                        Label { text: qsTr("Latitude") }
                        TextField {
                            id: latitudeField

                            objectName: "latitudeField"
                            Layout.preferredWidth: 90
                            text: "0"
                            horizontalAlignment: TextInput.AlignRight
                            validator: TextFieldDoubleValidator {
                                bottom: page.latitudeMinValue
                                top: page.latitudeMaxValue
                                decimals: page.latLongRoundingSize
                                notation: DoubleValidator.StandardNotation
                            }
                            Accessible.name: qsTr("Latitude")
                            Keys.onReturnPressed: Logic.submitField(latitudeField, gpsEmulationManager.setLatitude)
                            Keys.onEnterPressed: Logic.submitField(latitudeField, gpsEmulationManager.setLatitude)
                        }
                        Label { text: qsTr("Longitude") }
                        TextField {
                            id: longitudeField

                            objectName: "longitudeField"
                            Layout.preferredWidth: 90
                            text: "0"
                            horizontalAlignment: TextInput.AlignRight
                            validator: TextFieldDoubleValidator {
                                bottom: page.longitudeMinValue
                                top: page.longitudeMaxValue
                                decimals: page.latLongRoundingSize
                                notation: DoubleValidator.StandardNotation
                            }
                            Accessible.name: qsTr("Longitude")
                            Keys.onReturnPressed: Logic.submitField(longitudeField, gpsEmulationManager.setLongitude)
                            Keys.onEnterPressed: Logic.submitField(longitudeField, gpsEmulationManager.setLongitude)
                        }
                        Label { text: qsTr("Altitude") }
                        TextField {
                            id: altitudeField

                            objectName: "altitudeField"
                            Layout.preferredWidth: 90
                            text: "0"
                            horizontalAlignment: TextInput.AlignRight
                            validator: TextFieldDoubleValidator {
                                bottom: page.altitudeMinValue
                                top: page.altitudeMaxValue
                                decimals: page.altRoundingSize
                                notation: DoubleValidator.StandardNotation
                            }
                            Accessible.name: qsTr("Altitude")
                            Keys.onReturnPressed: Logic.submitField(altitudeField, gpsEmulationManager.setAltitude)
                            Keys.onEnterPressed: Logic.submitField(altitudeField, gpsEmulationManager.setAltitude)
                        }
                        Button {
                            objectName: "setButton"
                            text: qsTr("Set")
                            Accessible.name: text
                            onClicked: Logic.setPosition()
                        }
                    }

                    Label {
                        text: qsTr("Track")
                        font.bold: true
                    }
                    ColumnLayout {
                        Layout.preferredWidth: 450
                        Layout.maximumWidth: 450
                        spacing: 15

                        RowLayout {
                            Label { text: qsTr("Track file") }
                            TextField {
                                objectName: "trackFileField"
                                Layout.fillWidth: true
                                readOnly: true
                                text: page.nmeaFileUrl
                                Accessible.name: qsTr("Track file")
                            }
                            Button {
                                objectName: "trackFileButton"
                                text: "…"
                                Accessible.name: qsTr("Open track file")
                                onClicked: fileDialog.open()
                            }
                        }
                        RowLayout {
                            visible: page.loading

                            Label { text: qsTr("Loading") }
                            ProgressBar {
                                objectName: "loadProgressBar"
                                Layout.fillWidth: true
                                from: 0
                                to: 100
                                value: trackPointsTableModel.progress
                                Accessible.name: qsTr("Loading track")
                            }
                            Label {
                                objectName: "loadProgressLabel"
                                text: qsTr("%1%").arg(trackPointsTableModel.progress)
                            }
                            Button {
                                objectName: "cancelLoadButton"
                                text: qsTr("Cancel")
                                Accessible.name: text
                                onClicked: page.cancelLoad()
                            }
                        }
                        RowLayout {
                            visible: page.skippedLinesNote !== ""

                            Label {
                                objectName: "skippedLinesNote"
                                Layout.fillWidth: true
                                text: page.skippedLinesNote
                                wrapMode: Text.Wrap
                            }
                            Button {
                                objectName: "dismissNoteButton"
                                text: "×"
                                flat: true
                                Accessible.name: qsTr("Dismiss note")
                                onClicked: page.skippedLinesNote = ""
                            }
                        }
                        RowLayout {
                            enabled: trackTable.rows > 0

                            Label { text: qsTr("Track progress") }
                            Slider {
                                id: progressSlider

                                property bool wasRunning: false

                                objectName: "progressSlider"
                                Layout.fillWidth: true
                                from: 0
                                to: trackTable.rows < 2 ? 1 : trackTable.rows - 1
                                stepSize: 1
                                snapMode: Slider.SnapAlways
                                enabled: trackTable.rows >= 2
                                value: trackTable.rows === 1 ? 1 : gpsEmulationManager.currentPositionIndex
                                Accessible.name: qsTr("Track progress")
                                onMoved: {
                                    page.selectTrackPoint(value);
                                    gpsEmulationManager.goToPositionOnTrack(value);
                                }
                                onPressedChanged: {
                                    if (pressed) {
                                        wasRunning = trackTimer.running;
                                        trackTimer.stop();
                                    } else if (wasRunning) {
                                        page.startTrack();
                                    }
                                }
                            }
                            Label {
                                objectName: "progressLabel"
                                text: Logic.progressPercent(progressSlider.value, progressSlider.to)
                            }
                        }
                        RowLayout {
                            enabled: trackTable.rows > 0

                            PlaybackButton {
                                objectName: "playButton"
                                icon.source: "qrc:/emulationmanagement/play.png"
                                enabled: !trackTimer.running
                                Accessible.name: qsTr("Play")
                                onClicked: {
                                    page.trackStopped = false;
                                    page.startTrack();
                                }
                            }
                            PlaybackButton {
                                objectName: "pauseButton"
                                icon.source: "qrc:/emulationmanagement/pause.png"
                                enabled: trackTimer.running
                                Accessible.name: qsTr("Pause")
                                onClicked: page.pauseTrack()
                            }
                            PlaybackButton {
                                objectName: "stopButton"
                                icon.source: "qrc:/emulationmanagement/stop.png"
                                enabled: !page.trackStopped
                                Accessible.name: qsTr("Stop")
                                onClicked: {
                                    page.trackStopped = true;
                                    page.stopTrack();
                                }
                            }
                            ComboBox {
                                objectName: "speedBox"
                                Layout.preferredWidth: 80
                                model: page.trackSpeedList
                                textRole: "text"
                                valueRole: "value"
                                currentIndex: gpsEmulationManager.trackSpeed - 1
                                Accessible.name: qsTr("Speed")
                                onActivated: gpsEmulationManager.setTrackSpeed(currentValue)
                            }
                            CheckBox {
                                objectName: "ownSpeedCheckBox"
                                text: qsTr("Use own track speed")
                                checked: !gpsEmulationManager.useDefaultInterval
                                enabled: !page.onlyDefaultInterval
                                Accessible.name: text
                                onClicked: gpsEmulationManager.setTrackIntervalMode(!checked)
                            }
                            CheckBox {
                                objectName: "loopCheckBox"
                                text: qsTr("Loop track")
                                checked: gpsEmulationManager.trackLooped
                                Accessible.name: text
                                onClicked: gpsEmulationManager.setTrackLooped(checked)
                            }
                        }
                    }
                }

                TrackPlot {
                    objectName: "trackPlot"
                    Layout.fillWidth: true
                    Layout.preferredHeight: controlColumn.implicitHeight
                    Layout.minimumWidth: 150
                    // A few thousand points draw any track's shape.
                    records: trackPointsTableModel.rows > 0 ? trackPointsTableModel.outline(2000) : []
                    currentRecord: trackPointsTableModel.rows > 0
                                   ? trackPointsTableModel.record(gpsEmulationManager.currentPositionIndex) : null
                    onPointClicked: index => page.selectTrackPoint(index)
                }
            }

            Row {
                id: header

                Layout.fillWidth: true
                spacing: 1

                Repeater {
                    model: page.columnTitles

                    Label {
                        required property int index
                        required property string modelData

                        width: trackTable.columnWidth(index)
                        text: modelData
                        font.bold: true
                        horizontalAlignment: Text.AlignRight
                    }
                }
            }

            TableView {
                id: trackTable

                function columnWidth(column) {
                    return column === 0 ? 70 : width / 6;
                }
                function selectTrackPoint(row) {
                    selectionModel.setCurrentIndex(model.index(row, 0),
                                                   ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows);
                    if (trackTimer.running)
                        positionViewAtRow(row, TableView.Contain);
                }

                objectName: "trackTable"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumHeight: 100
                clip: true
                rowSpacing: 1
                columnSpacing: 1
                model: trackPointsTableModel
                columnWidthProvider: columnWidth
                selectionModel: ItemSelectionModel {
                    model: trackPointsTableModel
                    onCurrentChanged: current => Logic.currentRowChanged(current.row)
                }
                onWidthChanged: forceLayout()
                ScrollBar.vertical: ScrollBar {}

                delegate: Rectangle {
                    required property int row
                    required property string display

                    implicitHeight: cell.implicitHeight + 4
                    color: row === trackTable.selectionModel.currentIndex.row ? trackTable.palette.highlight
                                                                             : trackTable.palette.base

                    Label {
                        id: cell

                        anchors.fill: parent
                        anchors.rightMargin: 4
                        text: parent.display
                        horizontalAlignment: Text.AlignRight
                        verticalAlignment: Text.AlignVCenter
                        color: parent.row === trackTable.selectionModel.currentIndex.row
                               ? trackTable.palette.highlightedText : trackTable.palette.text
                    }

                    TapHandler {
                        onTapped: trackTable.selectTrackPoint(parent.row)
                    }
                }
            }
        }
    }
}
