pragma ComponentBehavior: Bound
import QtQuick
import ".."

// Lighting: one of four effects, each with a five-step level. The page keeps
// its own numbers (effect 1 to 4, level 0 to 4); the main page translates
// them into what the mouse expects.
Frame {
    id: lightControl

    property var labels: ["Static", "Breath", "RGB", "Finger \nTapping"]
    property int selModel: 0
    readonly property bool controlPressed: {
        for (let i = 0; i < levels.count; ++i) {
            const slider = levels.itemAt(i) as StepSlider
            if (slider && slider.pressed)
                return true
        }
        return false
    }
    readonly property string skin: "qrc:/lightControl/modules/img/skin" + Theme.skinNo + "/lightControl/"
    readonly property var captions: ["lightControlTxt0.png", "lightControlTxt1.png", "lightControlTxt2.png", "lightControlTxt2.png"]
    readonly property int defaultOption2: 2

    signal setLED(int effect, int option1, int option2)

    function slider(row: int): StepSlider {
        return levels.itemAt(row) as StepSlider
    }

    function level(row: int): int {
        return slider(row).value
    }

    function selectRow(row: int) {
        selModel = row
        setLED(row + 1, level(row), defaultOption2)
    }

    function init(isSendData: bool) {
        var stored = ui_View.ui_8DH_GetRGBLedEffect()
        for (var i = 0; i < levels.count; ++i)
            slider(i).value = 4
        var effect = stored.length > 0 ? parseInt(stored[0]) : 0
        // Anything but static, breath or RGB shows as finger tapping.
        selModel = effect >= 1 && effect <= 3 ? effect - 1 : 3
        var storedLevel = stored.length > 1 ? parseInt(stored[1]) : 4
        if (!isNaN(storedLevel))
            slider(selModel).value = Math.max(0, Math.min(4, storedLevel))
        var option2 = stored.length > 2 ? parseInt(stored[2]) : defaultOption2
        if (isSendData)
            setLED(selModel + 1, level(selModel), isNaN(option2) ? defaultOption2 : option2)
    }

    contentHeight: 149

    Column {
        x: 9
        y: 15
        spacing: 16

        Repeater {
            model: 4

            Item {
                id: effectRow
                required property int index

                objectName: "lightRow" + index
                width: 84
                height: 16

                Image {
                    source: lightControl.skin + (lightControl.selModel === effectRow.index ? "lightControlBtn1.png" : "lightControlBtn0.png")
                }
                Text {
                    x: 22
                    anchors.verticalCenter: parent.verticalCenter
                    text: lightControl.labels[effectRow.index]
                    color: lightControl.selModel === effectRow.index ? "#ffffff" : "#b4b4b4"
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    lineHeight: 0.9
                }
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -4
                    onClicked: lightControl.selectRow(effectRow.index)
                }
            }
        }
    }

    Column {
        x: 100
        y: 15
        spacing: 21

        Repeater {
            id: levels
            model: 4

            StepSlider {
                id: levelSlider
                required property int index

                objectName: "lightLevel" + index
                value: 4
                centres: [4, 34, 63, 93, 122]
                thresholds: [34, 63, 93, 122]
                trackPrefix: lightControl.skin + "lightControl"
                knobSource: "qrc:/xySetting/modules/img/skin" + Theme.skinNo + "/xySetting/xyBtn.png"
                acceptsInput: lightControl.selModel === index
                opacity: acceptsInput ? 1.0 : 0.45
                onStepReported: (step) => lightControl.setLED(index + 1, step, lightControl.defaultOption2)

                Image {
                    y: -11
                    source: lightControl.skin + lightControl.captions[levelSlider.index]
                }
            }
        }
    }
}
