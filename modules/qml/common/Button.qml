import QtQuick
import ".."

// A push button drawn from pictures (normal, hover, pressed) or, without
// pictures, as a flat rectangle; the label is drawn over it.
Item {
    id: button

    property url source
    property url hoverSource
    property url pressedSource
    property string text
    property string fontFamily: Theme.fontFamily
    property int fontSize: Theme.fontNormalSize
    property bool bold: false
    property color textColor: Theme.fontColor
    // The flat look, used when no picture is given.
    property color color: "#4f1717"
    property color hoverColor: "#761212"
    property color borderColor: "#4e3434"

    readonly property bool hovered: area.containsMouse
    readonly property bool pressed: area.pressed
    readonly property bool hasPicture: String(source) !== ""

    signal clicked()

    implicitWidth: hasPicture ? picture.implicitWidth : label.implicitWidth + 16
    implicitHeight: hasPicture ? picture.implicitHeight : label.implicitHeight + 8

    Rectangle {
        anchors.fill: parent
        visible: !button.hasPicture
        color: button.hovered ? button.hoverColor : button.color
        border.width: 1
        border.color: button.borderColor
    }

    Image {
        id: picture
        anchors.fill: parent
        visible: button.hasPicture
        source: button.pressed && String(button.pressedSource) !== "" ? button.pressedSource
              : button.hovered && String(button.hoverSource) !== "" ? button.hoverSource
              : button.source
    }

    Text {
        id: label
        anchors.centerIn: parent
        text: button.text
        color: button.textColor
        font.family: button.fontFamily
        font.pixelSize: button.fontSize
        font.bold: button.bold
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
}
