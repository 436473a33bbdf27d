import QtQuick
import ".."
import "keypages.js" as KeyPages
import "actions.js" as Actions

// "Gun Macro": the gun presets, laid out and edited as the macro editor edits
// macros, plus cursor offsets and four insert dialogs. The presets and the
// slots that play them are `presets` (GunPresets), which outlives the dialog.
PresetEditor {
    id: gunControl

    readonly property QtObject macroListModel: presetModel
    readonly property var gunData: presets ? presets.gunData : [0, 1, 2]
    // The insert-key field waits for a key.
    property bool isInsertting: false
    property string insertDialog: ""   // the insert dialog open: "key", "mouse", "cursor", "delay"
    readonly property bool toolsUsable: !isInputting && currentIndex >= 0
    readonly property var mouseButtons: ["MS-L", "MS-R", "MS-M", "MS-B5", "MS-B4"]
    property int chosenButton: 0
    // The three slots' presets as the mouse would get them.
    readonly property int gunBytes: slotBytes(actions, gunData, currentIndex, presetModel.count)

    // ---- the slots are the presets'; what tests and scripts reach here

    function setGunData(slot, presetIndex) {
        presets.setGunData(slot, presetIndex)
    }

    function sendGunMacro() {
        return presets.sendGunMacro()
    }

    function getMacroName(index) {
        return presets.getMacroName(index)
    }

    // The next key pressed goes into the insert-key field.
    function detectInput(isDown, usbCode) {
        if (!isInsertting || !isDown)
            return
        var name = keyCodes.keyName(usbCode)
        if (name === "")
            return
        keyField.keyText = name
        isInsertting = false
    }

    // ---- the bytes of the three slots

    function slotBytes(shown, data, current, count) {
        var total = 0
        for (var g = 0; g < KeyPages.gunSlots; ++g) {
            if (data[g] < 0 || data[g] >= count)
                continue
            total += data[g] === current ? usedBytes : presets.presetBytes(nameAt(data[g]))
        }
        return total
    }

    // ---- insert dialogs

    function openInsertDialog(which) {
        if (!toolsUsable)
            return
        macroEditorFocus()
        keyField.keyText = ""
        isInsertting = false
        delayField.text = String(insertedDelay)
        chosenButton = 0
        setCursor(0, 0)
        insertDialog = which
    }

    function closeInsertDialog() {
        isInsertting = false
        insertDialog = ""
    }

    function listenForKey() {
        keyField.keyText = ""
        isInsertting = true
        // The key pressed now is the one to insert, not text for a field.
        gunControl.forceActiveFocus()
    }

    function setCursor(x, y) {
        cursorX.text = String(x)
        cursorY.text = String(y)
        pad.knobX = Actions.xToKnob(x)
        pad.knobY = Actions.yToKnob(y)
    }

    // A field's text as an offset; what is no number is 0.
    function fieldOffset(field) {
        var v = Actions.offsetValue(field.text)
        return v === null ? 0 : v
    }

    // A delay entry that is no number becomes the 50 ms it would insert.
    function normalisedDelay(text) {
        var ms = Actions.delayValue(text)
        return ms === null ? insertedDelay : ms
    }

    function acceptInsert() {
        var list = null
        if (insertDialog === "key") {
            if (keyField.keyText !== "")
                list = Actions.insertKey(actions, selectedAction, keyField.keyText)
        } else if (insertDialog === "mouse") {
            list = Actions.insertButton(actions, selectedAction, mouseButtons[chosenButton])
        } else if (insertDialog === "cursor") {
            list = Actions.insertCursor(actions, selectedAction, fieldOffset(cursorX), fieldOffset(cursorY))
        } else if (insertDialog === "delay") {
            delayField.text = String(normalisedDelay(delayField.text))
            list = Actions.insertDelay(actions, selectedAction, parseInt(delayField.text))
        }
        closeInsertDialog()
        applyEdit(list)
    }

    byteLimit: 0
    cursorLabels: [macroEditorLang[25], macroEditorLang[26]]
    meterValue: gunBytes
    meterLimit: Actions.gunDataLimit
    meterOver: gunBytes >= Actions.gunDataLimit
    // Until the three fit again the mouse keeps the presets it has.
    guardNotice: gunBytes >= Actions.gunDataLimit ? noticeText("gunsTooLong") : ""
    onReloaded: closeInsertDialog()
    onVisibleChanged: if (!visible) closeInsertDialog()

    insertTools: Column {
        spacing: 9

        Repeater {
            model: [["key", 17], ["mouse", 18], ["cursor", 19], ["delay", 16]]

            Button {
                objectName: "insertTool_" + modelData[0]
                width: 168
                height: 22
                text: gunControl.macroEditorLang[modelData[1]]
                fontFamily: gunControl.fontFamily
                fontSize: gunControl.fontSize
                textColor: gunControl.fontColor
                enabled: gunControl.toolsUsable
                opacity: gunControl.toolsUsable ? 1 : 0.3
                onClicked: gunControl.openInsertDialog(modelData[0])
            }
        }
    }

    // Which preset each gun slot plays.
    Column {
        x: 458
        y: 336
        spacing: 1

        Repeater {
            model: KeyPages.gunSlots

            Text {
                objectName: "gunSlotName" + index
                width: 168
                elide: Text.ElideRight
                text: gunControl.macroEditorLang[1] + " " + (index + 1) + ":  " + gunControl.getMacroName(index)
                color: gunControl.gunData[index] === gunControl.currentIndex ? "#fa6726" : "#9a9a9a"
                font.family: gunControl.fontFamily
                font.pixelSize: gunControl.fontSize - 2
            }
        }
    }

    // ---- the insert dialogs, over a mask of their own

    Rectangle {
        objectName: "insertMask"
        anchors.fill: parent
        color: "#90000000"
        visible: gunControl.insertDialog !== ""

        MouseArea {
            anchors.fill: parent
        }
    }

    // An offset field of the cursor dialog; leaving it moves the knob.
    component OffsetField: Rectangle {
        property alias text: input.text
        property QtObject owner
        signal finished()
        width: 62
        height: 22
        color: input.activeFocus ? "#6b6868" : "#4a4a4a"
        border.color: input.activeFocus ? "#ea5514" : "#8a8a8a"

        TextInput {
            id: input
            x: 4
            width: parent.width - 8
            anchors.verticalCenter: parent.verticalCenter
            text: "0"
            maximumLength: 4
            horizontalAlignment: TextInput.AlignRight
            color: parent.owner.fontColor
            selectionColor: "#b03b3b"
            font.family: parent.owner.fontFamily
            font.pixelSize: parent.owner.fontSize
            onEditingFinished: parent.finished()
        }
    }

    component Prompt: Text {
        property QtObject owner
        color: owner.fontColor
        font.family: owner.fontFamily
        font.pixelSize: owner.fontSize
    }

    InsertDialog {
        objectName: "insertKeyDialog"
        buttonPrefix: "insertKey"
        anchors.centerIn: parent
        width: 360
        height: 186
        visible: gunControl.insertDialog === "key"
        title: gunControl.macroEditorLang[20]
        okText: gunControl.macroEditorLang[10]
        cancelText: gunControl.macroEditorLang[11]
        fontFamily: gunControl.fontFamily
        fontSize: gunControl.fontSize
        fontColor: gunControl.fontColor
        onAccepted: gunControl.acceptInsert()
        onRejected: gunControl.closeInsertDialog()

        Prompt { x: 24; y: 14; owner: gunControl; text: gunControl.macroEditorLang[21] }
        Rectangle {
            id: keyField
            property string keyText: ""
            objectName: "insertKeyField"
            x: 24
            y: 40
            width: 312
            height: 38
            color: gunControl.isInsertting ? "#6b6868" : "#4a4a4a"
            border.color: gunControl.isInsertting ? "#ea5514" : "#8a8a8a"

            Text {
                id: keyLabel
                objectName: "insertKeyName"
                x: 10
                anchors.verticalCenter: parent.verticalCenter
                text: keyField.keyText
                color: gunControl.fontColor
                font.family: gunControl.fontFamily
                font.pixelSize: gunControl.fontSize + 2
            }
            // Blinks every 500 ms while the field waits for a key.
            Rectangle {
                id: caret
                property bool caretOn: true
                objectName: "insertKeyCaret"
                x: keyLabel.x + keyLabel.width + 1
                anchors.verticalCenter: parent.verticalCenter
                width: 1
                height: 20
                color: gunControl.fontColor
                visible: gunControl.isInsertting && caretOn
            }
            Timer {
                interval: 500
                repeat: true
                running: gunControl.isInsertting
                onRunningChanged: caret.caretOn = true
                onTriggered: caret.caretOn = !caret.caretOn
            }
            MouseArea {
                anchors.fill: parent
                onClicked: gunControl.listenForKey()
            }
        }
    }

    InsertDialog {
        objectName: "insertMouseDialog"
        buttonPrefix: "insertMouse"
        anchors.centerIn: parent
        width: 300
        height: 232
        visible: gunControl.insertDialog === "mouse"
        title: gunControl.macroEditorLang[27]
        okText: gunControl.macroEditorLang[10]
        cancelText: gunControl.macroEditorLang[11]
        fontFamily: gunControl.fontFamily
        fontSize: gunControl.fontSize
        fontColor: gunControl.fontColor
        onAccepted: gunControl.acceptInsert()
        onRejected: gunControl.closeInsertDialog()

        Column {
            x: 40
            y: 16
            spacing: 8

            Repeater {
                model: gunControl.mouseButtons

                Item {
                    objectName: "insertMouseChoice" + index
                    width: 220
                    height: 18

                    Image {
                        anchors.verticalCenter: parent.verticalCenter
                        source: gunControl.skinIndex + (gunControl.chosenButton === index ? "macroTypeCheck.png"
                                                                                          : "macroTypeCheck0.png")
                    }
                    Text {
                        x: 24
                        anchors.verticalCenter: parent.verticalCenter
                        text: index < 3 ? gunControl.macroEditorLang[28 + index] + "  (" + modelData + ")" : modelData
                        color: gunControl.chosenButton === index ? "#fa6726" : gunControl.fontColor
                        font.family: gunControl.fontFamily
                        font.pixelSize: gunControl.fontSize
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: gunControl.chosenButton = index
                    }
                }
            }
        }
    }

    InsertDialog {
        objectName: "insertCursorDialog"
        buttonPrefix: "insertCursor"
        anchors.centerIn: parent
        width: 414
        height: 406
        visible: gunControl.insertDialog === "cursor"
        title: gunControl.macroEditorLang[24]
        okText: gunControl.macroEditorLang[10]
        cancelText: gunControl.macroEditorLang[11]
        fontFamily: gunControl.fontFamily
        fontSize: gunControl.fontSize
        fontColor: gunControl.fontColor
        onAccepted: gunControl.acceptInsert()
        onRejected: gunControl.closeInsertDialog()

        Row {
            x: 79
            y: 9
            spacing: 8

            Prompt { anchors.verticalCenter: parent.verticalCenter; owner: gunControl; text: gunControl.macroEditorLang[25] }
            OffsetField {
                id: cursorX
                objectName: "cursorXField"
                owner: gunControl
                onFinished: gunControl.setCursor(gunControl.fieldOffset(cursorX), gunControl.fieldOffset(cursorY))
            }
            Item { width: 14; height: 1 }
            Prompt { anchors.verticalCenter: parent.verticalCenter; owner: gunControl; text: gunControl.macroEditorLang[26] }
            OffsetField {
                id: cursorY
                objectName: "cursorYField"
                owner: gunControl
                onFinished: gunControl.setCursor(gunControl.fieldOffset(cursorX), gunControl.fieldOffset(cursorY))
            }
        }

        CursorPad {
            id: pad
            objectName: "cursorPad"
            x: 79
            y: 74 - 31
            onKnobMoved: (kx, ky) => {
                cursorX.text = String(Actions.knobToX(kx))
                cursorY.text = String(Actions.knobToY(ky))
            }
        }
    }

    InsertDialog {
        objectName: "insertDelayDialog"
        buttonPrefix: "insertDelay"
        anchors.centerIn: parent
        width: 320
        height: 170
        visible: gunControl.insertDialog === "delay"
        title: gunControl.macroEditorLang[22]
        okText: gunControl.macroEditorLang[10]
        cancelText: gunControl.macroEditorLang[11]
        fontFamily: gunControl.fontFamily
        fontSize: gunControl.fontSize
        fontColor: gunControl.fontColor
        onAccepted: gunControl.acceptInsert()
        onRejected: gunControl.closeInsertDialog()

        Prompt { x: 24; y: 16; owner: gunControl; text: gunControl.macroEditorLang[23] }
        Rectangle {
            x: 24
            y: 42
            width: 200
            height: 26
            color: delayField.activeFocus ? "#6b6868" : "#4a4a4a"
            border.color: delayField.activeFocus ? "#ea5514" : "#8a8a8a"

            TextInput {
                id: delayField
                objectName: "insertDelayField"
                x: 8
                width: parent.width - 16
                anchors.verticalCenter: parent.verticalCenter
                maximumLength: 6
                text: "50"
                color: gunControl.fontColor
                selectionColor: "#b03b3b"
                font.family: gunControl.fontFamily
                font.pixelSize: gunControl.fontSize
                onEditingFinished: text = String(gunControl.normalisedDelay(text))
            }
        }
        Prompt { x: 236; y: 48; owner: gunControl; text: "MS" }
    }
}
