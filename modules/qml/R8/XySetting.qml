pragma ComponentBehavior: Bound
import QtQuick
import ".."

// X/Y sensitivity: two ten-step sliders. The profile keeps the steps 0 to 9,
// the mouse gets (step + 1) * 20.
Frame {
    id: xySetting

    property string xText: "x-Axis"
    property string yText: "y-Axis"
    property alias xValue: xSlider.value
    property alias yValue: ySlider.value
    readonly property bool controlPressed: xSlider.pressed || ySlider.pressed
    readonly property string skin: "qrc:/xySetting/modules/img/skin" + Theme.skinNo + "/xySetting/"
    readonly property var stepCentres: [10, 30, 52, 74, 95, 116, 137, 159, 180, 200]
    readonly property var stepThresholds: [30, 52, 74, 95, 116, 137, 159, 180, 200]

    // `stored` as the profile has it: a number, text or nothing.
    function clampStep(stored: var): int {
        var step = parseInt(stored)
        return isNaN(step) ? 4 : Math.max(0, Math.min(9, step))
    }

    function sendToMouse() {
        ui_View.ui_0EH_SetXYSensitive(ui_View.xySensitivityValue(xValue), ui_View.xySensitivityValue(yValue))
    }

    function report() {
        ui_View.setXYSensitive(0, xValue)
        ui_View.setXYSensitive(1, yValue)
        sendToMouse()
    }

    function init(isSendData: bool) {
        xValue = clampStep(ui_View.getXYSensitive(0))
        yValue = clampStep(ui_View.getXYSensitive(1))
        if (isSendData)
            sendToMouse()
    }

    contentHeight: 108

    Repeater {
        model: [{ label: xySetting.xText, y: 3 }, { label: xySetting.yText, y: 55 }]

        Text {
            required property var modelData

            x: 16
            y: modelData.y
            text: modelData.label
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
    }

    StepSlider {
        id: xSlider
        objectName: "xSlider"
        x: 16
        y: 23
        value: 4
        centres: xySetting.stepCentres
        thresholds: xySetting.stepThresholds
        trackPrefix: xySetting.skin + "xy"
        knobSource: xySetting.skin + "xyBtn.png"
        onStepReported: xySetting.report()
    }
    Image {
        x: 16
        y: 37
        source: xySetting.skin + "xyNumber.png"
    }

    StepSlider {
        id: ySlider
        objectName: "ySlider"
        x: 16
        y: 75
        value: 4
        centres: xySetting.stepCentres
        thresholds: xySetting.stepThresholds
        trackPrefix: xySetting.skin + "xy"
        knobSource: xySetting.skin + "xyBtn.png"
        onStepReported: xySetting.report()
    }
    Image {
        x: 16
        y: 89
        source: xySetting.skin + "xyNumber.png"
    }
}
