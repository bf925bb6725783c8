import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A play, pause or stop button. Its picture takes the text colour of the
// theme, faint while the button is disabled, so a user sees which ones work.
Button {
    readonly property color pictureColor: palette.buttonText

    Layout.preferredWidth: 40
    icon.color: enabled ? pictureColor : Qt.rgba(pictureColor.r, pictureColor.g, pictureColor.b, 0.25)
}
