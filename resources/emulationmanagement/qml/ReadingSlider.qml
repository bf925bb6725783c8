import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One integer reading of a model, labelled, kept in step with the model.
RowLayout {
    id: row

    property alias label: nameLabel.text
    property QtObject model
    property string modelProperty
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

    function followModel() {
        slider.value = model[modelProperty];
    }

    Component.onCompleted: {
        followModel();
        model[modelProperty + "Changed"].connect(followModel);
    }
    // The model outlives a block made anew by its loader.
    Component.onDestruction: model[modelProperty + "Changed"].disconnect(followModel)

    Label {
        id: nameLabel
    }

    SliderWithTextField {
        id: slider

        objectName: row.objectName + "." + row.modelProperty
        Layout.fillWidth: true
        Accessible.name: nameLabel.text
        integer: true
        stepSize: 1
        calculatedValue: value * row.calculatedValueFactor
        onSliderSubmited: value => row.sliderSubmited(value)
    }
}
