import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import org.mirel 1.0

// One coordinate typed on the GPS page: a right-aligned number field that
// takes what lies in its range with its decimals, and hands the number over
// on Return or Enter when the text is acceptable.
TextField {
    id: field

    property double minValue
    property double maxValue
    property int decimals
    property var locale: Qt.locale("en_US")

    signal submitted(double value)

    function number() {
        return Number.fromLocaleString(locale, text);
    }

    function submit() {
        if (acceptableInput)
            submitted(number());
    }

    Layout.preferredWidth: 90
    text: "0"
    horizontalAlignment: TextInput.AlignRight
    validator: TextFieldDoubleValidator {
        bottom: field.minValue
        top: field.maxValue
        decimals: field.decimals
        notation: DoubleValidator.StandardNotation
    }
    Keys.onReturnPressed: submit()
    Keys.onEnterPressed: submit()
}
