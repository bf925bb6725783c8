import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import org.mirel 1.0
import "../js/gps-management-page-logic.js" as Logic
import "../js/track-format.js" as Format

Item {
    id: page

    property var locale: Qt.locale("en_US")
    property bool active: false
    property double latitudeMinValue: SensorReadings.fieldMinimum("latitude")
    property double latitudeMaxValue: SensorReadings.fieldMaximum("latitude")
    property double longitudeMinValue: SensorReadings.fieldMinimum("longitude")
    property double longitudeMaxValue: SensorReadings.fieldMaximum("longitude")
    property double altitudeMinValue: SensorReadings.fieldMinimum("altitude")
    property double altitudeMaxValue: SensorReadings.fieldMaximum("altitude")
    property int altRoundingSize: SensorReadings.fieldDecimals("altitude")
    property int latLongRoundingSize: SensorReadings.fieldDecimals("latitude")
    property int defaultInterval: 2000
    property bool onlyDefaultInterval: false
    property bool trackStopped: true
    property string nmeaFileUrl: ""
    readonly property bool loading: trackPointsTableModel.loading
    property bool loadingPoints: false
    // The file being read, shown once it has been read.
    property string pendingFileUrl: ""
    // What the loading of the track shown left out or found out of order;
    // empty when nothing.
    property string skippedLinesNote: ""
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
        trackTimer.runTrackTimer(true);
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
            messageDialog.text = qsTr("The loaded NMEA file has no temporal information. Thus you cannot play it at its own speed."); // qmllint disable unqualified
            messageDialog.open();
        }
    }

    Connections {
        target: gpsEmulationManager // qmllint disable unqualified

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

    // The step to the next point and, while it runs, the emulator reminded
    // of the current point every 100 ms.
    TrackPlayback {
        id: trackTimer

        objectName: "trackTimer"
        manager: gpsEmulationManager // qmllint disable unqualified
        track: trackPointsTableModel
        defaultInterval: page.defaultInterval
        looped: gpsEmulationManager.trackLooped // qmllint disable unqualified
        useDefaultInterval: gpsEmulationManager.useDefaultInterval // qmllint disable unqualified
        speed: gpsEmulationManager.trackSpeed // qmllint disable unqualified
    }

    FileDialog {
        id: fileDialog

        objectName: "trackFileDialog"
        // The page has no window yet when the dialog is made in a window
        // loaded by setSource, and without one the dialog never opens.
        parentWindow: page.Window.window
        title: qsTr("Open NMEA File")
        nameFilters: [qsTr("NMEA files (*.nmea)"), qsTr("GPX files (*.gpx)"), qsTr("KML files (*.kml)")]
        fileMode: FileDialog.OpenFile
        onAccepted: Logic.loadTrackFile(selectedFile)
    }

    PageFrame {
        anchors.fill: parent
        bodyWidth: page.width - 30

        ColumnLayout {
            width: parent.width
            // The table takes what the controls leave, at least 100 pixels.
            height: Math.max(page.height - 30,
                             controls.implicitHeight + trackTable.minimumHeight + spacing)
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

                        Label {
                            text: qsTr("Latitude")
                        }
                        Label {
                            objectName: "currentLatitude"
                            text: Format.localeNumber(gpsEmulationManager.currentPosition.latitude, page.latLongRoundingSize, page.locale) // qmllint disable unqualified
                        }
                        Label {
                            text: qsTr("Longitude")
                        }
                        Label {
                            objectName: "currentLongitude"
                            text: Format.localeNumber(gpsEmulationManager.currentPosition.longitude, page.latLongRoundingSize, page.locale) // qmllint disable unqualified
                        }
                        Label {
                            text: qsTr("Altitude")
                        }
                        Label {
                            objectName: "currentAltitude"
                            text: Format.localeNumber(gpsEmulationManager.currentPosition.altitude, page.altRoundingSize, page.locale) // qmllint disable unqualified
                        }
                    }

                    Label {
                        text: qsTr("Coordinate")
                        font.bold: true
                    }
                    // Each field beside its label; what does not fit the
                    // column's width goes on the next line.
                    Flow {
                        Layout.fillWidth: true
                        spacing: 15

                        RowLayout {
                            spacing: 15

                            Label {
                                text: qsTr("Latitude")
                            }
                            CoordinateField {
                                id: latitudeField

                                objectName: "latitudeField"
                                minValue: page.latitudeMinValue
                                maxValue: page.latitudeMaxValue
                                decimals: page.latLongRoundingSize
                                locale: page.locale
                                Accessible.name: qsTr("Latitude")
                                onSubmitted: value => gpsEmulationManager.setLatitude(value) // qmllint disable unqualified
                            }
                        }
                        RowLayout {
                            spacing: 15

                            Label {
                                text: qsTr("Longitude")
                            }
                            CoordinateField {
                                id: longitudeField

                                objectName: "longitudeField"
                                minValue: page.longitudeMinValue
                                maxValue: page.longitudeMaxValue
                                decimals: page.latLongRoundingSize
                                locale: page.locale
                                Accessible.name: qsTr("Longitude")
                                onSubmitted: value => gpsEmulationManager.setLongitude(value) // qmllint disable unqualified
                            }
                        }
                        RowLayout {
                            spacing: 15

                            Label {
                                text: qsTr("Altitude")
                            }
                            CoordinateField {
                                id: altitudeField

                                objectName: "altitudeField"
                                minValue: page.altitudeMinValue
                                maxValue: page.altitudeMaxValue
                                decimals: page.altRoundingSize
                                locale: page.locale
                                Accessible.name: qsTr("Altitude")
                                onSubmitted: value => gpsEmulationManager.setAltitude(value) // qmllint disable unqualified
                            }
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
                            Layout.fillWidth: true

                            Label {
                                text: qsTr("Track file")
                            }
                            TextField {
                                objectName: "trackFileField"
                                Layout.fillWidth: true
                                readOnly: true
                                text: trackPointsTableModel.fileText(page.nmeaFileUrl)
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
                            Layout.fillWidth: true
                            visible: page.loading

                            Label {
                                text: qsTr("Loading")
                            }
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
                                onClicked: Logic.cancelLoad()
                            }
                        }
                        RowLayout {
                            Layout.fillWidth: true
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
                            Layout.fillWidth: true
                            enabled: trackTable.rows > 0

                            Label {
                                text: qsTr("Track progress")
                            }
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
                                value: trackTable.rows === 1 ? 1 : gpsEmulationManager.currentPositionIndex // qmllint disable unqualified
                                Accessible.name: qsTr("Track progress")
                                onMoved: {
                                    trackTable.selectTrackPoint(value);
                                    gpsEmulationManager.goToPositionOnTrack(value); // qmllint disable unqualified
                                }
                                onPressedChanged: {
                                    if (pressed) {
                                        wasRunning = trackTimer.running;
                                        trackTimer.stop();
                                    } else if (wasRunning) {
                                        Logic.startTrack();
                                    }
                                }
                            }
                            Label {
                                objectName: "progressLabel"
                                text: Format.progressPercent(progressSlider.value, progressSlider.to, page.locale)
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
                                    Logic.startTrack();
                                }
                            }
                            PlaybackButton {
                                objectName: "pauseButton"
                                icon.source: "qrc:/emulationmanagement/pause.png"
                                enabled: trackTimer.running
                                Accessible.name: qsTr("Pause")
                                onClicked: Logic.pauseTrack()
                            }
                            PlaybackButton {
                                objectName: "stopButton"
                                icon.source: "qrc:/emulationmanagement/stop.png"
                                enabled: !page.trackStopped
                                Accessible.name: qsTr("Stop")
                                onClicked: {
                                    page.trackStopped = true;
                                    Logic.stopTrack();
                                }
                            }
                            ComboBox {
                                objectName: "speedBox"
                                Layout.preferredWidth: 80
                                model: page.trackSpeedList
                                textRole: "text"
                                valueRole: "value"
                                currentIndex: gpsEmulationManager.trackSpeed - 1 // qmllint disable unqualified
                                Accessible.name: qsTr("Speed")
                                onActivated: gpsEmulationManager.setTrackSpeed(currentValue) // qmllint disable unqualified
                            }
                        }
                        // The check boxes on a line of their own, which their
                        // texts in any language can fill.
                        RowLayout {
                            enabled: trackTable.rows > 0

                            CheckBox {
                                objectName: "ownSpeedCheckBox"
                                text: qsTr("Use own track speed")
                                checked: !gpsEmulationManager.useDefaultInterval // qmllint disable unqualified
                                enabled: !page.onlyDefaultInterval
                                Accessible.name: text
                                onClicked: gpsEmulationManager.setTrackIntervalMode(!checked) // qmllint disable unqualified
                            }
                            CheckBox {
                                objectName: "loopCheckBox"
                                text: qsTr("Loop track")
                                checked: gpsEmulationManager.trackLooped // qmllint disable unqualified
                                Accessible.name: text
                                onClicked: gpsEmulationManager.setTrackLooped(checked) // qmllint disable unqualified
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
                                   ? trackPointsTableModel.record(gpsEmulationManager.currentPositionIndex) : null // qmllint disable unqualified
                    onPointClicked: index => trackTable.selectTrackPoint(index)
                }
            }

            TrackTable {
                id: trackTable

                Layout.fillWidth: true
                Layout.fillHeight: true
                model: trackPointsTableModel
                titles: page.columnTitles
                followSelection: trackTimer.running
                onPointSelected: row => Logic.currentRowChanged(row)
            }
        }
    }
}
