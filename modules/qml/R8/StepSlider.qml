import QtQuick
import ".."

// A slider that snaps to a few steps: one track picture per step and a knob
// on the step's centre. A click reports a step that changed; a drag reports
// on release, and only when it ends on another step than it started from.
Item {
    id: slider

    property var centres: []
    property var thresholds: []   // the step is the number of thresholds at or left of x
    property int value: 0
    property string trackPrefix   // track picture of step n: trackPrefix + n + ".png"
    property url knobSource
    property bool acceptsInput: true
    readonly property bool pressed: area.pressed

    signal stepReported(int step)

    function stepAt(x: real): int {
        var step = 0
        for (var i = 0; i < thresholds.length; ++i)
            if (x >= thresholds[i])
                step = i + 1
        return step
    }

    implicitWidth: track.implicitWidth
    implicitHeight: track.implicitHeight

    Image {
        id: track
        objectName: "track"
        source: slider.trackPrefix + slider.value + ".png"
    }

    Image {
        id: knob
        objectName: "knob"
        source: slider.knobSource
        x: slider.centres[slider.value] - width / 2
        anchors.verticalCenter: track.verticalCenter
    }

    MouseArea {
        id: area
        property int stepAtPress: 0

        // Taller than the thin track so the knob is easy to catch.
        width: track.width
        y: -4
        height: track.height + 8
        enabled: slider.acceptsInput
        onPressed: (mouse) => {
            stepAtPress = slider.value
            slider.value = slider.stepAt(mouse.x)
        }
        onPositionChanged: (mouse) => slider.value = slider.stepAt(mouse.x)
        onReleased: {
            if (slider.value !== stepAtPress)
                slider.stepReported(slider.value)
        }
    }
}
