import QtQuick
import QtQuick.Controls

CheckBox {
    property string sensorName

    objectName: sensorName + "CheckBox"
    Accessible.name: text
}
