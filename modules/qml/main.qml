import QtQuick
import "common"

// The host page: a dark panel with its own title bar (the window has no
// frame). The settings pages will live in the body.
Item {
    id: mainIten
    width: 1000
    height: 640

    readonly property color accent: "#8f2020"
    readonly property color accentDeep: "#761212"

    function initUI() {}
    function run() { emblemSpin.start() }
    function setProtectUI(busyTime) { busy.lock(busyTime) }
    function detectKeyboard(isDown, usbCode) {}
    function detectMouse(isDown, vornCode, x, y) {}

    // A soft edge around the panel.
    Rectangle {
        anchors.fill: panel
        anchors.margins: -6
        radius: panel.radius + 6
        color: "#000000"
        opacity: 0.35
    }

    Rectangle {
        id: panel
        anchors.fill: parent
        anchors.margins: 8
        radius: 14
        border.color: "#2c2c2c"
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#1f1f1f" }
            GradientStop { position: 1.0; color: "#1a1a1a" }
        }
        clip: true

        TitleBar {
            id: titleBar
            anchors { left: parent.left; right: parent.right; top: parent.top }
        }

        Item {
            id: body
            anchors { left: parent.left; right: parent.right; top: titleBar.bottom; bottom: parent.bottom }

            // Rings behind the emblem; a dot circles the outer one once the page runs.
            Repeater {
                model: 3
                Rectangle {
                    anchors.centerIn: parent
                    width: 220 + index * 90
                    height: width
                    radius: width / 2
                    color: "transparent"
                    border.width: index === 0 ? 2 : 1
                    border.color: index === 0 ? mainIten.accent : "#2a2a2a"
                    opacity: 1 - index * 0.25
                }
            }
            Item {
                id: orbit
                anchors.centerIn: parent
                width: 400
                height: 400
                Rectangle {
                    width: 10; height: 10; radius: 5
                    color: mainIten.accent
                    x: parent.width / 2 - width / 2
                    y: -height / 2
                }
                RotationAnimation on rotation {
                    id: emblemSpin
                    running: false
                    from: 0; to: 360
                    duration: 12000
                    loops: Animation.Infinite
                }
            }

            // A mouse drawn from plain shapes.
            Rectangle {
                id: mouseBody
                anchors.centerIn: parent
                width: 96
                height: 150
                radius: 48
                color: "#232323"
                border.color: "#3a3a3a"
                border.width: 2
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 0
                    width: 2
                    height: 58
                    color: "#3a3a3a"
                }
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 22
                    width: 12
                    height: 26
                    radius: 6
                    color: mainIten.accent
                }
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 26
                    width: 34
                    height: 4
                    radius: 2
                    color: mainIten.accentDeep
                }
            }
        }
    }

    BusyOverlay {
        id: busy
        anchors.fill: panel
        radius: panel.radius
    }
}
