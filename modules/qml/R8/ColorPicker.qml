pragma ComponentBehavior: Bound
import QtQuick
import ".."

// The colour picker of the DPI stages: six presets and a hue bar. A chosen
// colour is handed out through colorPicked; the picker itself keeps nothing.
Rectangle {
    id: picker

    property string currentColor: "#ff0000"
    property int knobX: -2
    property string title: "颜色选择"
    property string customText: "自定义颜色"
    readonly property var presets: ["#ff0000", "#0000ff", "#00ff00", "#ffff00", "#00ffff", "#ff00ff"]
    readonly property string skin: "qrc:/dpiSetting/modules/img/skin" + Theme.skinNo + "/dpiSetting/"
    readonly property int knobMin: -2
    readonly property int knobMax: 125

    signal colorPicked(string color)

    function hex2(n: int): string {
        return (n < 16 ? "0" : "") + n.toString(16)
    }
    function component(c: string, i: int): int {
        return parseInt(c.substr(1 + 2 * i, 2), 16)
    }

    // The bar runs red, yellow, green, cyan, blue, magenta in six equal
    // segments; within a segment one component ramps.
    function colorAt(x: int): string {
        var p = Math.floor(bar.width / 6)
        var i = Math.floor((x + 2) / p)
        var s = Math.floor(((x + 2) - i * p) * 255 / p)
        switch (i) {
        case 0: return "#ff" + hex2(s) + "00"
        case 1: return "#" + hex2(255 - s) + "ff00"
        case 2: return "#00ff" + hex2(s)
        case 3: return "#00" + hex2(255 - s) + "ff"
        case 4: return "#" + hex2(s) + "00ff"
        case 5: return "#ff00" + hex2(255 - s)
        }
        return "#ff0000"
    }

    // Where the knob stands for a colour of the bar; -1000 when the colour is
    // not on the bar.
    function knobFor(c: string): int {
        var r = component(c, 0), g = component(c, 1), b = component(c, 2)
        var d = 128 / 6
        var u = d / 256
        var x
        if (r === 255 && b === 0)
            x = u * g
        else if (r === 0 && b === 255)
            x = 3 * d + u * (255 - g)
        else if (g === 255 && b === 0)
            x = d + u * (255 - r)
        else if (g === 0 && b === 255)
            x = 4 * d + u * r
        else if (r === 0 && g === 255)
            x = 2 * d + u * b
        else if (r === 255 && g === 0)
            x = 5 * d + u * (255 - b)
        else
            return -1000
        return Math.floor(x - 2)
    }

    function moveKnobTo(c: string) {
        var x = knobFor(c)
        if (x !== -1000)
            knobX = x
    }

    // Only sets the picker up; the page shows it.
    function open(c: string, atX: real) {
        x = atX
        currentColor = c
        moveKnobTo(currentColor)
    }

    function apply(c: string) {
        currentColor = c
        colorPicked(c)
    }

    function applyKnob() {
        apply(colorAt(knobX))
    }

    width: 160
    height: 103
    color: "#1c1c1c"
    border.width: 1
    border.color: "#c0c0c0"
    visible: false

    // Clicks inside the picker stay here.
    MouseArea {
        anchors.fill: parent
    }

    Text {
        x: 8
        y: 5
        text: picker.title
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
    }

    Row {
        x: 8
        y: 25
        spacing: 6

        Repeater {
            model: picker.presets

            Rectangle {
                id: preset
                required property int index
                required property string modelData

                objectName: "preset" + index
                width: 9
                height: 9
                color: modelData
                border.width: 1
                border.color: "#c0c0c0"

                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -2
                    onClicked: {
                        picker.moveKnobTo(preset.modelData)
                        picker.apply(preset.modelData)
                    }
                }
            }
        }
    }

    Text {
        x: 8
        y: 41
        text: picker.customText
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
    }
    Rectangle {
        objectName: "currentColor"
        x: 132
        y: 41
        width: 20
        height: 12
        color: picker.currentColor
        border.width: 1
        border.color: "#c0c0c0"
    }

    Row {
        x: 8
        y: 59
        spacing: 8

        Repeater {
            model: ["R", "G", "B"]

            Row {
                id: readout
                required property int index
                required property string modelData

                spacing: 4

                Text {
                    text: readout.modelData
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMinSize
                }
                Rectangle {
                    width: 24
                    height: 12
                    color: "#646464"

                    Text {
                        objectName: "readout" + readout.modelData
                        anchors.centerIn: parent
                        text: picker.component(picker.currentColor, readout.index)
                        color: Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: 9
                    }
                }
            }
        }
    }

    Image {
        id: bar
        objectName: "hueBar"
        x: 16
        y: 83
        source: picker.skin + "colorBar.png"

        MouseArea {
            anchors.fill: parent
            anchors.topMargin: -3
            anchors.bottomMargin: -3
            onPressed: (mouse) => {
                picker.knobX = Math.max(picker.knobMin, Math.min(picker.knobMax, Math.floor(mouse.x - knob.width / 2)))
                picker.applyKnob()
            }
        }

        Image {
            id: knob
            objectName: "hueKnob"
            x: picker.knobX
            y: (bar.height - height) / 2
            source: picker.skin + "colorBarSlide.png"

            MouseArea {
                id: knobArea
                anchors.fill: parent
                anchors.margins: -3
                drag.target: knobProxy
                drag.axis: Drag.XAxis
                drag.minimumX: picker.knobMin
                drag.maximumX: picker.knobMax
                onPressed: knobProxy.x = picker.knobX
                onPositionChanged: picker.knobX = Math.floor(knobProxy.x)
                onReleased: {
                    picker.knobX = Math.floor(knobProxy.x)
                    picker.applyKnob()
                }
            }
        }

        Item {
            id: knobProxy
            width: knob.width
            height: knob.height
        }
    }
}
