import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import org.mirel 1.0

RowLayout {
    id: control

    property bool integer: false
    property real minValue: 0
    property real maxValue: 1
    property real stepSize: 1
    property int numberRoundingSize: 0
    property string valueUnits: ""
    property real resultValueMultiplier: 1.0
    property bool showCalculatedValue: false
    property string calculatedValueUnits: ""
    property real calculatedValue: 0
    property real value: 0
    property bool equalityLabelShow: false
    property real additionalControlsWidth: 0
    property real calculatedValueWidth: 0
    readonly property alias textFieldFocus: textField.activeFocus
    readonly property var locale: Qt.locale("en_US")
    // Whether the field holds typed text that has not been applied yet.
    property bool edited: false

    // The user chose a reading: by a drag, Enter or leaving the field. The
    // control never writes its own value, so a binding to it stays: the
    // owner takes the choice (valueChosen first, then sliderSubmited) and the
    // value comes back through the binding, or the owner writes it.
    signal valueChosen(double value)
    signal sliderSubmited(double value)

    function formatted(number, decimals) {
        return Number(number).toLocaleString(locale, "f", decimals);
    }

    function showSliderValue() {
        textField.text = integer ? String(Math.round(slider.value))
                                 : formatted(slider.value, numberRoundingSize);
        edited = false;
    }

    function chosenValue() {
        return Number.fromLocaleString(locale, textField.text) * resultValueMultiplier;
    }

    // Applies the field's text as Enter does, without sliderSubmited.
    function submit() {
        if (!textField.acceptableInput)
            return false;
        const chosen = chosenValue();
        slider.value = chosen / resultValueMultiplier;
        showSliderValue();
        valueChosen(chosen);
        return true;
    }

    function submitAndNotify() {
        if (!textField.acceptableInput) {
            showSliderValue();
            return;
        }
        const chosen = chosenValue();
        submit();
        sliderSubmited(chosen);
    }

    // The reading a slider position stands for: the nearest step, without
    // the fraction that floating point adds to it.
    function steppedValue(position) {
        const stepped = minValue + Math.round((position - minValue) / stepSize) * stepSize;
        return integer ? Math.round(stepped) : Number(stepped.toFixed(numberRoundingSize));
    }

    // A drag sends a reading only when it reaches another step.
    function dragTo(position) {
        const stepped = steppedValue(position);
        if (stepped === steppedValue(value / resultValueMultiplier))
            return;
        const chosen = stepped * resultValueMultiplier;
        valueChosen(chosen);
        sliderSubmited(chosen);
    }

    function clearFocus() {
        if (textField.activeFocus)
            textField.focus = false;
    }

    onValueChanged: {
        slider.value = value / resultValueMultiplier;
        showSliderValue();
    }
    Component.onCompleted: {
        slider.value = value / resultValueMultiplier;
        showSliderValue();
    }

    Slider {
        id: slider

        objectName: control.objectName + "Slider"
        Layout.fillWidth: true
        from: control.minValue
        to: control.maxValue
        stepSize: control.stepSize
        snapMode: Slider.SnapAlways
        Accessible.name: control.Accessible.name
        onMoved: control.dragTo(value)
    }

    TextField {
        id: textField

        objectName: control.objectName + "Field"
        Layout.preferredWidth: 90
        horizontalAlignment: TextInput.AlignRight
        selectByMouse: true
        Accessible.name: control.Accessible.name
        validator: TextFieldDoubleValidator {
            bottom: control.minValue
            top: control.maxValue
            decimals: control.integer ? 0 : control.numberRoundingSize
            notation: DoubleValidator.StandardNotation
        }
        onTextEdited: control.edited = true
        Keys.onReturnPressed: control.submitAndNotify()
        Keys.onEnterPressed: control.submitAndNotify()
        onActiveFocusChanged: {
            if (!activeFocus && control.edited)
                control.submitAndNotify();
        }
    }

    RowLayout {
        Layout.preferredWidth: control.additionalControlsWidth > 0 ? control.additionalControlsWidth : -1
        visible: control.valueUnits !== "" || control.showCalculatedValue

        Label {
            text: control.valueUnits
        }

        Label {
            text: "="
            visible: control.equalityLabelShow
        }

        Label {
            objectName: control.objectName + "Calculated"
            Layout.preferredWidth: control.calculatedValueWidth > 0 ? control.calculatedValueWidth : -1
            visible: control.showCalculatedValue
            text: control.formatted(control.calculatedValue, control.numberRoundingSize) + " "
                  + control.calculatedValueUnits
        }
    }
}
