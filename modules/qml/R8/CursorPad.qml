pragma ComponentBehavior: Bound
import QtQuick
import ".."
import "actions.js" as Actions

// The pad of the cursor-offset dialog: a red 5 x 5 knob that a press puts
// under the pointer and a drag moves, at -2 ... 253 on each axis.
Rectangle {
    id: pad

    property int knobX: Actions.xToKnob(0)
    property int knobY: Actions.yToKnob(0)

    // The user moved the knob.
    signal knobMoved(int knobX, int knobY)

    function place(x: real, y: real) {
        knobX = Actions.knobAt(x)
        knobY = Actions.knobAt(y)
        knobMoved(knobX, knobY)
    }

    width: 256
    height: 256
    color: "#141414"
    border.color: "#4a4a4a"
    clip: true

    // Every 32 px a faint line, the two axes through the centre brighter.
    Repeater {
        model: 7
        Rectangle { required property int index; x: 32 * (index + 1); width: 1; height: pad.height; color: index === 3 ? "#6a3030" : "#242424" }
    }
    Repeater {
        model: 7
        Rectangle { required property int index; y: 32 * (index + 1); width: pad.width; height: 1; color: index === 3 ? "#6a3030" : "#242424" }
    }
    // From the centre to the knob: where the cursor goes.
    Rectangle {
        readonly property real dx: pad.knobX + 2 - 128
        readonly property real dy: pad.knobY + 2 - 128
        x: 128
        y: 128
        width: Math.sqrt(dx * dx + dy * dy)
        height: 1
        color: "#ea5514"
        opacity: 0.6
        transformOrigin: Item.TopLeft
        rotation: Math.atan2(dy, dx) * 180 / Math.PI
    }

    Rectangle {
        objectName: "cursorKnob"
        x: pad.knobX
        y: pad.knobY
        width: 5
        height: 5
        color: "#ff0000"
    }

    MouseArea {
        anchors.fill: parent
        onPressed: (mouse) => pad.place(mouse.x, mouse.y)
        onPositionChanged: (mouse) => { if (pressed) pad.place(mouse.x, mouse.y) }
    }
}
