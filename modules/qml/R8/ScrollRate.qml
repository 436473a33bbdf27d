pragma ComponentBehavior: Bound
import QtQuick
import ".."

// Wheel scroll amount: a number of lines (1 to 100) or one screen per notch,
// which the system takes as 1000 lines.
Frame {
    id: scrollRate

    property int lines: 0
    property string rowsText: "Number of Rows"
    property string screenText: "Scrol one Screen"
    readonly property bool editing: field.activeFocus
    readonly property bool controlPressed: false
    readonly property int oneScreen: 1000
    readonly property string skin: "qrc:/scrollRate/modules/img/skin" + Theme.skinNo + "/scrollRate/"

    signal linesChange(int n)

    function setLines(n: int) {
        lines = n
        linesChange(n)
    }

    // The field's number; an empty or too small entry becomes 1.
    function fieldNumber(): int {
        var n = parseInt(field.text)
        if (isNaN(n) || n < 1) {
            field.text = "1"
            n = 1
        }
        return Math.min(100, n)
    }

    // The arrows only change the field; the number goes out when the field
    // is left or its row is chosen.
    function stepField(delta: int) {
        var n = parseInt(field.text)
        n = isNaN(n) || n < 1 ? 1 : Math.max(1, Math.min(100, n + delta))
        field.text = String(n)
    }

    function dropFocus() {
        field.focus = false
    }

    function init(isSendData: bool) {
        var stored = parseInt(ui_View.getVerticalScrollLines())
        if (stored === oneScreen) {
            lines = oneScreen
        } else {
            lines = isNaN(stored) ? 1 : Math.max(1, Math.min(100, stored))
            field.text = String(lines)
        }
        if (isSendData)
            ui_View.setVerticalScrollLines(lines)
    }

    contentHeight: 128

    Item {
        objectName: "rowsRow"
        x: 14
        y: 28
        width: 130
        height: 20

        Image {
            objectName: "rowsRadio"
            anchors.verticalCenter: parent.verticalCenter
            source: scrollRate.skin + (scrollRate.lines !== scrollRate.oneScreen ? "scrollRate1.png" : "scrollRate0.png")
        }
        Text {
            x: 24
            anchors.verticalCenter: parent.verticalCenter
            text: scrollRate.rowsText
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
        MouseArea {
            anchors.fill: parent
            onClicked: scrollRate.setLines(scrollRate.fieldNumber())
        }
    }

    Image {
        objectName: "linesField"
        x: 160
        y: 28
        source: scrollRate.skin + "scrollRate2.png"

        TextInput {
            id: field
            objectName: "linesInput"
            anchors.fill: parent
            anchors.leftMargin: 3
            anchors.rightMargin: 3
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            text: "1"
            maximumLength: 3
            validator: IntValidator { bottom: 1; top: 100 }
            color: Theme.fontColor
            selectionColor: "#761212"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            clip: true
            Keys.onReturnPressed: scrollRate.dropFocus()
            Keys.onEnterPressed: scrollRate.dropFocus()
            onActiveFocusChanged: {
                if (!activeFocus)
                    scrollRate.setLines(scrollRate.fieldNumber())
            }
        }
    }

    Column {
        x: 200
        y: 28

        Repeater {
            model: [{ name: "linesUp", delta: 1, normal: "scrollRate3.png", hover: "scrollRate4.png" },
                    { name: "linesDown", delta: -1, normal: "scrollRate5.png", hover: "scrollRate6.png" }]

            Image {
                id: arrow
                required property var modelData

                objectName: modelData.name
                source: scrollRate.skin + (arrowArea.containsMouse ? modelData.hover : modelData.normal)

                MouseArea {
                    id: arrowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: scrollRate.stepField(arrow.modelData.delta)
                }
            }
        }
    }

    Item {
        objectName: "screenRow"
        x: 14
        y: 76
        width: 180
        height: 20

        Image {
            objectName: "screenRadio"
            anchors.verticalCenter: parent.verticalCenter
            source: scrollRate.skin + (scrollRate.lines === scrollRate.oneScreen ? "scrollRate1.png" : "scrollRate0.png")
        }
        Text {
            x: 24
            anchors.verticalCenter: parent.verticalCenter
            text: scrollRate.screenText
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
        MouseArea {
            anchors.fill: parent
            onClicked: scrollRate.setLines(scrollRate.oneScreen)
        }
    }
}
