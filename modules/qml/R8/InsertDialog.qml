import QtQuick
import ".."

// The frame of the gun dialog's small insert dialogs: a title bar, what the
// dialog holds, and OK and Cancel at the bottom.
Rectangle {
    id: dialog

    property string title
    property string okText: "OK"
    property string cancelText: "Cancel"
    property string buttonPrefix: "insert"
    default property alias content: body.data

    signal accepted()
    signal rejected()

    color: "#262626"
    border.color: "#5e5e5e"
    visible: false

    // Presses inside stay inside.
    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        x: 1
        y: 1
        width: parent.width - 2
        height: 30
        color: "#1e1e1e"

        Text {
            x: 12
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: dialog.title
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            font.bold: true
        }
    }

    Item {
        id: body
        y: 31
        width: parent.width
        height: parent.height - 31 - 44
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 38
        spacing: 30

        Button {
            objectName: dialog.buttonPrefix + "Ok"
            width: 88
            height: 25
            text: dialog.okText
            onClicked: dialog.accepted()
        }
        Button {
            objectName: dialog.buttonPrefix + "Cancel"
            width: 88
            height: 25
            text: dialog.cancelText
            onClicked: dialog.rejected()
        }
    }
}
