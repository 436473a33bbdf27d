import QtQuick
import ".."

// One DPI stage: a vertical bar from 200 (empty) to 8000 (full) in steps of
// 100, a knob on the bar's top and the value under it. A click on the track
// reports at once; the knob reports when it is let go.
Item {
    id: stage

    property int value: 6000
    readonly property bool pressed: trackArea.pressed || knobArea.pressed
    readonly property int barTop: 8       // the bar spans track y 8 ...
    readonly property int barBottom: 162  // ... to 162
    readonly property int barSpan: barBottom - barTop
    // While the knob is dragged the bar follows it; otherwise it shows `value`.
    readonly property real barHeight: knobArea.drag.active ? barBottom - (dragProxy.y + knob.height / 2)
                                                           : heightOf(value)

    signal reported(int value)

    // Bar height and value map linearly: 0 px is 200, 154 px is 8000. The
    // small epsilon keeps a value that was drawn from the same value.
    function valueAt(h: real): int {
        return Math.floor((7800 * h / barSpan + 200) / 100 + 1e-9) * 100
    }
    function heightOf(v: int): real {
        return (Math.max(200, Math.min(8000, v)) - 200) * barSpan / 7800
    }

    width: 7
    height: 182

    Image {
        id: track
        source: "qrc:/dpiSetting/modules/img/skin" + Theme.skinNo + "/dpiSetting/dpiSettingBG.png"
    }

    Rectangle {
        width: 7
        y: stage.barBottom - height
        height: stage.barHeight
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#f88600" }
            GradientStop { position: 1.0; color: "#fe0000" }
        }
    }

    MouseArea {
        id: trackArea
        objectName: "dpiTrack"
        // Wider than the 7 px track so it can be hit.
        x: -7
        width: 21
        height: track.height
        onPressed: (mouse) => {
            var h = stage.barSpan - Math.max(0, Math.min(stage.barSpan, mouse.y - stage.barTop))
            stage.reported(stage.valueAt(h))
        }
    }

    // The knob is dragged through an invisible stand-in, so its own position
    // stays bound to the value.
    Item {
        id: dragProxy
        x: knob.x
        width: knob.width
        height: knob.height
    }

    Image {
        id: knob
        objectName: "dpiKnob"
        source: "qrc:/xySetting/modules/img/skin" + Theme.skinNo + "/xySetting/xyBtn.png"
        x: (stage.width - width) / 2
        y: stage.barBottom - stage.barHeight - height / 2

        MouseArea {
            id: knobArea
            anchors.fill: parent
            drag.target: dragProxy
            drag.axis: Drag.YAxis
            drag.minimumY: stage.barTop - knob.height / 2
            drag.maximumY: stage.barBottom - knob.height / 2
            onPressed: dragProxy.y = knob.y
            onReleased: stage.reported(stage.valueAt(stage.barBottom - (dragProxy.y + knob.height / 2)))
        }
    }

    Rectangle {
        objectName: "dpiReadout"
        anchors.horizontalCenter: track.horizontalCenter
        y: track.height + 2
        width: 24
        height: 10
        color: "#000000"
        border.width: 1
        border.color: "#535353"
        radius: 2

        Text {
            objectName: "dpiReadoutText"
            anchors.centerIn: parent
            text: knobArea.drag.active ? stage.valueAt(stage.barHeight) : stage.value
            color: "#ffffff"
            font.family: Theme.fontFamily
            font.pixelSize: 8
        }
    }
}
