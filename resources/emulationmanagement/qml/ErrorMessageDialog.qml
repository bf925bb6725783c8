TextDialog {
    title: qsTr("Error")
}
