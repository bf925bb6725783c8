import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import org.mirel 1.0
import "../js/sensor-controls-view-logic.js" as Logic

SensorControls {
    sensorName: "als"
    title: qsTr("Light Sensor")
    controls: ColumnLayout {
        id: lightControls

        function clearFocus() {
            lux.clearFocus();
        }

        function followLux(value) {
            const index = Logic.lightLevelIndex(value, levels.model.map(level => level.value));
            if (index >= 0)
                levels.currentIndex = index;
        }

        ReadingSlider {
            id: lux

            objectName: "als"
            Layout.fillWidth: true
            label: qsTr("lux")
            model: sensorsEmulationManager.als // qmllint disable unqualified
            modelProperty: "lux"
            reading: "als"
            onValueChanged: lightControls.followLux(value)
            onSliderSubmited: value => SensorReadings.apply(sensorsEmulationManager, "als", value) // qmllint disable unqualified
        }

        RowLayout {
            Label {
                text: qsTr("Light level")
            }

            ComboBox {
                id: levels

                objectName: "lightLevels"
                Layout.fillWidth: true
                Accessible.name: qsTr("Light level")
                textRole: "text"
                valueRole: "value"
                model: [
                    { text: qsTr("Undefined"), value: AlsModel.Undefined },
                    { text: qsTr("Dark"), value: AlsModel.Dark },
                    { text: qsTr("Twilight"), value: AlsModel.Twilight },
                    { text: qsTr("Light"), value: AlsModel.Light },
                    { text: qsTr("Bright"), value: AlsModel.Bright },
                    { text: qsTr("Sunny"), value: AlsModel.Sunny }
                ]
                // The slider reports changes only: a block made at 0 lux has none.
                Component.onCompleted: lightControls.followLux(sensorsEmulationManager.als.lux) // qmllint disable unqualified
                onActivated: sensorsEmulationManager.setAlsLightLevel(currentValue) // qmllint disable unqualified
            }
        }
    }
}
