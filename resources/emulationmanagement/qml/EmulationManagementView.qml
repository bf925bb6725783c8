import QtQuick

Rectangle {
    width: 1100
    height: 600
    color: themeBackgroundColorNormal
}
