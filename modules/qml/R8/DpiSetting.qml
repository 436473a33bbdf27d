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
        for (var i = 0; i < stages.count; ++i)
            if (stages.itemAt(i) && stages.itemAt(i).pressed)
                return true
        return false
    }
    readonly property int stageCount: 6
    readonly property var fixedStages: [250, 250]
    readonly property string skin: "qrc:/dpiSetting/modules/img/skin" + skinNo + "/dpiSetting/"

    signal dpiValueChange(int index, int value)
    signal dpiSelectChange(int index)
    signal dpiColorChange(var colors)
    signal openColorBar(int stage, string color)
    signal clickDpiSetting()

    // The eight values the profile keeps: six stages and the two fixed ones.
    function dpiTable() {
        return dpiValues.concat(fixedStages)
    }

    // The mouse's code of each stage, 0x80 for one that is off: the view
    // model's rule, which the command line uses too.
    function dpiCodes() {
        return ui_View.dpiCodes(dpiValues, isSelect)
    }

    function selectFlags() {
        var flags = []
        for (var i = 0; i < stageCount; ++i)
            flags.push(isSelect[i] ? 1 : 0)
        return flags.concat([0, 0])
    }

    // Red, green, blue of stages 1 to 6, then the two unused stages as zeros.
    function colourBytes() {
        var bytes = []
        for (var i = 0; i < stageCount; ++i)
            bytes.push(parseInt(colors[i].substr(1, 2), 16), parseInt(colors[i].substr(3, 2), 16),
                       parseInt(colors[i].substr(5, 2), 16))
        return bytes.concat([0, 0, 0, 0, 0, 0])
    }

    function hex2(n) {
        return (n < 16 ? "0" : "") + n.toString(16)
    }

    function setValue(index, value) {
        var values = dpiValues.slice()
        values[index] = value
        dpiValues = values
        dpiValueChange(index, value)
    }

    // The last stage that is on stays on: the mouse needs one to be at.
    function toggleStage(index) {
        var flags = isSelect.slice()
        flags[index] = !flags[index]
        if (flags.indexOf(true) < 0)
            return
        isSelect = flags
        clickDpiSetting()
        dpiSelectChange(index)
    }

    // Called by the colour picker.
    function setColor(c) {
        var list = colors.slice()
        list[colorStage] = String(c)
        colors = list
        dpiColorChange(colors)
    }

    function init(isSendData) {
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
                objectName: "dpiStage" + index
                value: dpiSetting.dpiValues[index]
                skinNo: dpiSetting.skinNo
                fontFamily: dpiSetting.fontFamily
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
                objectName: "dpiSwitch" + index
                source: dpiSetting.skin + (dpiSetting.isSelect[index] ? "dpiSetting0.png" : "dpiSetting1.png")

                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -3
                    onClicked: dpiSetting.toggleStage(index)
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
                        dpiSetting.colorStage = index
                        dpiSetting.openColorBar(index, dpiSetting.colors[index])
                    }
                }
            }
        }
    }
}
