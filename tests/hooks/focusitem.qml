import QtQuick

// A focused scene that counts what reaches it, to show capture passes every
// event on.
Rectangle {
    id: root
    width: 200
    height: 120
    color: "black"
    focus: true
    property int keyPresses: 0
    property int keyReleases: 0
    property int buttonPresses: 0
    Keys.onPressed: function (event) { root.keyPresses++ }
    Keys.onReleased: function (event) { root.keyReleases++ }
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onPressed: root.buttonPresses++
    }
}
