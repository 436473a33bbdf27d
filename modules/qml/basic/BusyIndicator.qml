import QtQuick
import ".."

// Shown while the page is locked for device work: a slowly pulsing text.
Item {
    id: indicator

    property bool busy: false

    function setBusy(isBusy: bool) {
        busy = isBusy
    }

    visible: busy
    implicitWidth: label.implicitWidth + 24
    implicitHeight: label.implicitHeight + 10

    // A dark plate keeps the text legible over the pictures of the page.
    Rectangle {
        anchors.fill: parent
        radius: 3
        color: "#c0101010"
        border.width: 1
        border.color: "#4e3434"
    }

    Text {
        id: label
        anchors.centerIn: parent
        text: "LOADING ......"
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize

        SequentialAnimation on opacity {
            running: indicator.busy
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
