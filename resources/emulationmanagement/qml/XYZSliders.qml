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
            stepSize: 0.001
            numberRoundingSize: sliders.numberRoundingSize // qmllint disable unqualified
            valueUnits: sliders.valueUnits // qmllint disable unqualified
            resultValueMultiplier: sliders.resultValueMultiplier // qmllint disable unqualified
            showCalculatedValue: sliders.showCalculatedValue // qmllint disable unqualified
            equalityLabelShow: sliders.showCalculatedValue // qmllint disable unqualified
            calculatedValue: value * sliders.calculatedValueFactor // qmllint disable unqualified
            calculatedValueUnits: sliders.calculatedValueUnits // qmllint disable unqualified
            value: sliders.model[modelData] // qmllint disable unqualified
            onSliderSubmited: value => sliders.axisSubmitted(modelData, value)

            Connections {
                target: sliders.model // qmllint disable unqualified

                function onXChanged() {
                    if (axisSlider.modelData === "x")
                        axisSlider.value = sliders.model.x; // qmllint disable unqualified
                }
                function onYChanged() {
                    if (axisSlider.modelData === "y")
                        axisSlider.value = sliders.model.y; // qmllint disable unqualified
                }
                function onZChanged() {
                    if (axisSlider.modelData === "z")
                        axisSlider.value = sliders.model.z; // qmllint disable unqualified
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
