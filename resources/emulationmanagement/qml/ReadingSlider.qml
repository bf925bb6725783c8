import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import org.mirel 1.0

// One integer reading of a model, labelled, kept in step with the model, with
// the range and unit of the named reading.
RowLayout {
    id: row

    property alias label: nameLabel.text
    property QtObject model
    property string modelProperty
    property string reading
    readonly property var table: SensorReadings.reading(reading)
    property alias minValue: slider.minValue
    property alias maxValue: slider.maxValue
    property alias valueUnits: slider.valueUnits
    property alias showCalculatedValue: slider.showCalculatedValue
    property alias numberRoundingSize: slider.numberRoundingSize
    property real calculatedValueFactor: 1.0
    readonly property alias value: slider.value

    signal sliderSubmited(double value)

    function clearFocus() {
        slider.clearFocus();
    }

    Label {
        id: nameLabel
    }

    SliderWithTextField {
        id: slider

        objectName: row.objectName + "." + row.modelProperty
        Layout.fillWidth: true
        Accessible.name: nameLabel.text
        integer: true
        minValue: row.table.minimum
        maxValue: row.table.maximum
        stepSize: row.table.step
        valueUnits: row.table.unit
        value: row.model ? row.model[row.modelProperty] : 0
        calculatedValue: value * row.calculatedValueFactor
        onSliderSubmited: value => row.sliderSubmited(value)
    }
}
