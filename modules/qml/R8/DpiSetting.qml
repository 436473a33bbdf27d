pragma ComponentBehavior: Bound
import QtQuick
import ".."

// DPI stages: six bars with their values, an on/off switch and a colour per
// stage. The mouse keeps eight stages; the last two are fixed and off.
Frame {
    id: dpiSetting

    property var dpiValues: [6000, 6000, 6000, 6000, 6000, 6000]
    property var isSelect: [true, true, true, true, true, true]
    property var colors: ["#ff0000", "#0000ff", "#00ff00", "#ffff00", "#00ffff", "#ff00ff"]
    property int colorStage: 0   // the stage whose colour the picker edits
    readonly property bool controlPressed: {
        for (let i = 0; i < stages.count; ++i) {
            const stage = stages.itemAt(i) as DpiSlider
            if (stage && stage.pressed)
                return true
        }
        return false
    }
    readonly property int stageCount: 6
    readonly property var fixedStages: [250, 250]
    readonly property string skin: "qrc:/dpiSetting/modules/img/skin" + Theme.skinNo + "/dpiSetting/"

    signal dpiValueChange(int index, int value)
    signal dpiSelectChange(int index)
    signal dpiColorChange(var colors)
    signal openColorBar(int stage, string color)
    signal clickDpiSetting()

    // The eight values the profile keeps: six stages and the two fixed ones.
    function dpiTable(): var {
        return dpiValues.concat(fixedStages)
    }

    // The mouse's code of each stage, 0x80 for one that is off: the view
    // model's rule, which the command line uses too.
    function dpiCodes(): var {
        return ui_View.dpiCodes(dpiValues, isSelect)
    }

    function selectFlags(): var {
        return isSelect.slice(0, stageCount).map(on => on ? 1 : 0).concat([0, 0])
    }

    // Red, green, blue of stages 1 to 6, then the two unused stages as zeros.
    function colourBytes(): var {
        return colors.slice(0, stageCount).reduce((bytes, c) => bytes.concat(
            [parseInt(c.substr(1, 2), 16), parseInt(c.substr(3, 2), 16), parseInt(c.substr(5, 2), 16)]), [])
            .concat([0, 0, 0, 0, 0, 0])
    }

    function hex2(n: int): string {
        return (n < 16 ? "0" : "") + n.toString(16)
    }

    function setValue(index: int, value: int) {
        var values = dpiValues.slice()
        values[index] = value
        dpiValues = values
        dpiValueChange(index, value)
    }

    // The last stage that is on stays on: the mouse needs one to be at.
    function toggleStage(index: int) {
        var flags = isSelect.slice()
        flags[index] = !flags[index]
        if (flags.indexOf(true) < 0)
            return
        isSelect = flags
        clickDpiSetting()
        dpiSelectChange(index)
    }

    // Called by the colour picker.
    function setColor(c: string) {
        var list = colors.slice()
        list[colorStage] = c
        colors = list
        dpiColorChange(colors)
    }

    function init(isSendData: bool) {
        var stored = ui_View.ui_91H_GetDPISet()
        var values = dpiValues.slice()
        for (var i = 0; i < stageCount && i < stored.length; ++i) {
            var v = parseInt(stored[i])
            if (!isNaN(v))
                values[i] = Math.max(200, Math.min(8000, v))
        }
        dpiValues = values

        var switches = ui_View.ui_91H_GetDPISelect()
        var flags = isSelect.slice()
        for (i = 0; i < stageCount && i < switches.length; ++i)
            flags[i] = parseInt(switches[i]) !== 0
        // A stored set with every stage off is no set the panel makes.
        isSelect = flags.indexOf(true) >= 0 ? flags : flags.map(function () { return true })

        var bytes = ui_View.ui_90H_GetLED8StageColor(1)
        if (bytes.length >= 3 * stageCount) {
            var list = []
            for (i = 0; i < stageCount; ++i)
                list.push("#" + hex2(bytes[3 * i] & 0xff) + hex2(bytes[3 * i + 1] & 0xff) + hex2(bytes[3 * i + 2] & 0xff))
            colors = list
        }

        if (isSendData) {
            dpiSelectChange(0)
            ui_View.ui_10H_SetLED8StageColor(1, colourBytes())
        }
    }

    contentHeight: 233

    Row {
        x: 26
        y: 12
        spacing: 30

        Repeater {
            id: stages
            model: dpiSetting.stageCount

            DpiSlider {
                required property int index

                objectName: "dpiStage" + index
                value: dpiSetting.dpiValues[index]
                onReported: (value) => dpiSetting.setValue(index, value)
            }
        }
    }

    Row {
        x: 24
        y: 200
        spacing: 27

        Repeater {
            model: dpiSetting.stageCount

            Image {
                id: stageSwitch
                required property int index

                objectName: "dpiSwitch" + index
                source: dpiSetting.skin + (dpiSetting.isSelect[index] ? "dpiSetting0.png" : "dpiSetting1.png")

                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -3
                    onClicked: dpiSetting.toggleStage(stageSwitch.index)
                }
            }
        }
    }

    Row {
        x: 25
        y: 217
        spacing: 29

        Repeater {
            model: dpiSetting.stageCount

            Rectangle {
                id: stageColor
                required property int index

                objectName: "dpiColor" + index
                width: 8
                height: 8
                color: dpiSetting.colors[index]
                border.width: 1
                border.color: "#c0c0c0"

                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -3
                    onClicked: {
                        dpiSetting.colorStage = stageColor.index
                        dpiSetting.openColorBar(stageColor.index, dpiSetting.colors[stageColor.index])
                    }
                }
            }
        }
    }
}
