import QtQuick
import QtQuick.Controls

// A text and an Ok button over the window. Qt 6.4 has no message box of its
// own for QML where the platform offers no native one, so a MessageDialog
// would never appear there; this one always does.
Dialog {
    id: dialog

    property string text

    modal: true
    standardButtons: Dialog.Ok
    anchors.centerIn: Overlay.overlay
    // From the text's natural width: a wrapped label's implicit width follows its width.
    contentWidth: Math.min(Math.ceil(metrics.advanceWidth), 480)

    TextMetrics {
        id: metrics

        font: dialog.font
        text: dialog.text
    }

    contentItem: Label {
        text: dialog.text
        wrapMode: Text.Wrap
    }
}
