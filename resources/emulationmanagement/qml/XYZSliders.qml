import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The X, Y and Z readings of one model, each a slider with its text field.
GridLayout {
    id: sliders

    property QtObject model
    property real minValue
    property real maxValue
    property int numberRoundingSize: 3
    property string valueUnits
    property real resultValueMultiplier: 1.0
    property bool showCalculatedValue: false
    property real calculatedValueFactor: 1.0
    property string calculatedValueUnits

    signal axisSubmited(string axis, double value)

    function clearFocus() {
        for (let i = 0; i < repeater.count; ++i)
            repeater.itemAt(i).clearFocus();
    }

    columns: 2

    Repeater {
        id: repeater

        model: ["x", "y", "z"]

        delegate: SliderWithTextField {
            id: axisSlider

            required property string modelData
            required property int index

            objectName: sliders.objectName + "." + modelData
            Layout.row: index
            Layout.column: 1
            Layout.fillWidth: true
            Accessible.name: modelData.toUpperCase()
            minValue: sliders.minValue
            maxValue: sliders.maxValue
            stepSize: 0.001
            numberRoundingSize: sliders.numberRoundingSize
            valueUnits: sliders.valueUnits
            resultValueMultiplier: sliders.resultValueMultiplier
            showCalculatedValue: sliders.showCalculatedValue
            equalityLabelShow: sliders.showCalculatedValue
            calculatedValue: value * sliders.calculatedValueFactor
            calculatedValueUnits: sliders.calculatedValueUnits
            value: sliders.model[modelData]
            onSliderSubmited: value => sliders.axisSubmited(modelData, value)

            Connections {
                target: sliders.model

                function onXChanged() {
                    if (axisSlider.modelData === "x")
                        axisSlider.value = sliders.model.x;
                }
                function onYChanged() {
                    if (axisSlider.modelData === "y")
                        axisSlider.value = sliders.model.y;
                }
                function onZChanged() {
                    if (axisSlider.modelData === "z")
                        axisSlider.value = sliders.model.z;
                }
            }
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
