import QtQuick

// A square title-bar button; its glyph is given as children.
Rectangle {
    id: button
    property color hoverColor: "#333333"
    signal clicked()

    width: 36
    height: 28
    radius: 4
    color: area.containsMouse ? hoverColor : "transparent"

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
}
