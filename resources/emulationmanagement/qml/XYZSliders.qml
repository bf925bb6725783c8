import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import org.mirel 1.0

// The X, Y and Z readings of one model, each a slider with its text field,
// with the range, decimals, step, unit and multiplier of the named reading.
GridLayout {
    id: sliders

    property QtObject model
    property string reading
    readonly property var table: SensorReadings.reading(reading)
    property real minValue: table.minimum
    property real maxValue: table.maximum
    property int numberRoundingSize: table.decimals
    property string valueUnits: table.unit
    property real resultValueMultiplier: table.multiplier
    property bool showCalculatedValue: false
    property real calculatedValueFactor: 1.0
    property string calculatedValueUnits

    signal axisSubmitted(string axis, double value)

    function clearFocus() {
        for (let i = 0; i < repeater.count; ++i)
            repeater.itemAt(i).clearFocus();
    }

    columns: 2

    Repeater {
        id: repeater

        model: ["x", "y", "z"]

        // The Qt 6.4 qmllint does not see this document's ids inside a component;
        // the lines that read them are marked.
        delegate: SliderWithTextField {
            id: axisSlider

            required property string modelData
            required property int index

            objectName: sliders.objectName + "." + modelData // qmllint disable unqualified
            Layout.row: index
            Layout.column: 1
            Layout.fillWidth: true
            Accessible.name: modelData.toUpperCase()
            minValue: sliders.minValue // qmllint disable unqualified
            maxValue: sliders.maxValue // qmllint disable unqualified
            stepSize: sliders.table.step // qmllint disable unqualified
            numberRoundingSize: sliders.numberRoundingSize // qmllint disable unqualified
            valueUnits: sliders.valueUnits // qmllint disable unqualified
            resultValueMultiplier: sliders.resultValueMultiplier // qmllint disable unqualified
            showCalculatedValue: sliders.showCalculatedValue // qmllint disable unqualified
            equalityLabelShow: sliders.showCalculatedValue // qmllint disable unqualified
            calculatedValue: value * sliders.calculatedValueFactor // qmllint disable unqualified
            calculatedValueUnits: sliders.calculatedValueUnits // qmllint disable unqualified
            value: sliders.model[modelData] // qmllint disable unqualified
            onSliderSubmited: value => sliders.axisSubmitted(modelData, value)
        }
    }

    Repeater {
        model: ["X", "Y", "Z"]

        delegate: Label {
            required property string modelData
            required property int index

            Layout.row: index
            Layout.column: 0
            text: modelData
        }
    }
}
