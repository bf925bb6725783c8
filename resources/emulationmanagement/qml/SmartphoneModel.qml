import QtQuick

// The area of the page that belongs to the phone's 3D model: it draws
// nothing and takes no input.
Item {
}
