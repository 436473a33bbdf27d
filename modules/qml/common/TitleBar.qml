import QtQuick

// The frameless window's title bar: drag to move, minimise, close to tray.
Item {
    id: bar
    height: 52

    // Set once the window controller is in the context.
    readonly property string title: typeof ui_Ctl !== "undefined" ? ui_Ctl.windowTitle : ""

    // Drag: the window follows the pointer's offset since the press.
    MouseArea {
        anchors.fill: parent
        property point pressedAt
        onPressed: (mouse) => { pressedAt = Qt.point(mouse.x, mouse.y) }
        onPositionChanged: (mouse) => {
            ui_Ctl.onXChanged(mouse.x - pressedAt.x)
            ui_Ctl.onYChanged(mouse.y - pressedAt.y)
        }
    }

    Rectangle {
        id: logo
        anchors { left: parent.left; leftMargin: 22; verticalCenter: parent.verticalCenter }
        width: 14
        height: 14
        rotation: 45
        color: "#8f2020"
        border.color: "#b83030"
    }

    Text {
        anchors { left: logo.right; leftMargin: 16; verticalCenter: parent.verticalCenter }
        text: bar.title
        color: "#e6e6e6"
        font.pixelSize: 15
        font.bold: true
        font.letterSpacing: 2
    }

    Row {
        anchors { right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
        spacing: 4

        WindowButton {
            onClicked: ui_Ctl.onMinimize()
            Rectangle {
                anchors.centerIn: parent
                width: 12; height: 2
                color: "#d0d0d0"
            }
        }
        WindowButton {
            hoverColor: "#8f2020"
            onClicked: ui_Ctl.onClose()
            Repeater {
                model: [45, -45]
                Rectangle {
                    anchors.centerIn: parent
                    width: 14; height: 2
                    rotation: modelData
                    color: "#d0d0d0"
                }
            }
        }
    }

    // The accent line under the bar fades out to the right.
    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 2
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: "#761212" }
            GradientStop { position: 0.35; color: "#8f2020" }
            GradientStop { position: 1.0; color: "transparent" }
        }
    }
}
