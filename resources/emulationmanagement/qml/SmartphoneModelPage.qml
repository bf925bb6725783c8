import QtQuick

Item {
    id: page

    property bool active: false

    function exitPage(callback) {
        callback();
    }

    visible: active
}
