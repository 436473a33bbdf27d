import QtQuick

// Locks the page while the mouse is busy: it swallows input and unlocks
// itself after the given time.
Rectangle {
    id: overlay
    color: "#b0000000"
    visible: false

    function lock(busyTime) {
        unlock.stop()
        visible = busyTime > 0
        if (visible) {
            unlock.interval = busyTime
            unlock.start()
        }
    }

    Timer {
        id: unlock
        onTriggered: overlay.visible = false
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
        onWheel: (wheel) => { wheel.accepted = true }
    }

    Item {
        anchors.centerIn: parent
        width: 48
        height: 48
        Repeater {
            model: 8
            Rectangle {
                x: parent.width / 2 - width / 2
                y: 0
                width: 4
                height: 12
                radius: 2
                color: "#8f2020"
                opacity: 0.25 + index / 10
                transform: Rotation { origin.x: 2; origin.y: 24; angle: index * 45 }
            }
        }
        RotationAnimation on rotation {
            running: overlay.visible
            from: 0; to: 360
            duration: 1000
            loops: Animation.Infinite
        }
    }
}
