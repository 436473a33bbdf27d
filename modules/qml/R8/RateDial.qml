import QtQuick
import ".."

// A half dial from 0 (slow, left) to 10 (fast, right) for the system's
// pointer and double-click speeds. The needle follows the pointer while the
// button is held; the value is reported when it is let go.
Frame {
    id: dial

    property int value: 5
    property string slowText: "Slow"
    property string fastText: "Fast"
    readonly property bool controlPressed: area.pressed
    readonly property string skin: "qrc:/mouseRate/modules/img/skin" + Theme.skinNo + "/mouseRate/"
    readonly property int hubY: 70

    signal valueReported(int value)

    function angleAt(x: real, y: real): int {
        var centre = picture.width / 2
        var dy = Math.max(0, hubY - y)
        var toDegrees = 180 / Math.PI
        if (x < centre) {
            var dx = centre - x
            if (dy === 0)
                return 0
            if (dx === 0)
                return 90
            return Math.floor(Math.atan(dy / dx) * toDegrees)
        }
        dx = x - centre
        if (dy === 0)
            return 180
        if (dx === 0)
            return 90
        return 90 + Math.floor(Math.atan(dx / dy) * toDegrees)
    }

    function valueAt(x: real, y: real): int {
        var angle = angleAt(x, y)
        return angle === 0 ? 0 : Math.min(10, Math.floor(angle / 18) + 1)
    }

    // `stored` as the system or the profile has it: a number, text or nothing.
    function clampValue(stored: var): int {
        var v = parseInt(stored)
        return isNaN(v) ? 5 : Math.max(0, Math.min(10, v))
    }

    contentHeight: 128

    Item {
        x: 21
        y: 16
        width: 200
        height: 96

        Image {
            id: picture
            objectName: "dialPicture"
            source: dial.skin + "mouseRate" + dial.value + ".png"

            MouseArea {
                id: area
                anchors.fill: parent
                onPressed: (mouse) => dial.value = dial.valueAt(mouse.x, mouse.y)
                onPositionChanged: (mouse) => dial.value = dial.valueAt(mouse.x, mouse.y)
                onReleased: dial.valueReported(dial.value)
            }
        }
        Text {
            x: 2
            y: 78
            text: dial.slowText
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 2
            y: 78
            text: dial.fastText
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
    }
}
