pragma ComponentBehavior: Bound
import QtQuick
import ".."
import "texts.js" as Texts
import "keypages.js" as KeyPages
import "actions.js" as Actions

// "Gun Macro": the gun presets, laid out and edited as the macro editor edits
// macros, plus cursor offsets and four insert dialogs. The presets and the
// slots that play them are `presets` (GunPresets), which outlives the dialog.
PresetEditor {
    id: gunControl

    readonly property var macroListModel: presetModel
    // The presets are always the gun list.
    readonly property GunPresets guns: presets as GunPresets
    // The places of the gun table's own texts, after the editor's.
    readonly property var gunTexts: Texts.Gun
    readonly property var gunData: guns.gunData
    // The insert-key field waits for a key.
    property bool isInsertting: false
    property string insertDialog: ""   // the insert dialog open: "key", "mouse", "cursor", "delay"
    readonly property bool toolsUsable: !isInputting && currentIndex >= 0
    readonly property var mouseButtons: ["MS-L", "MS-R", "MS-M", "MS-B5", "MS-B4"]
    property int chosenButton: 0
    // The three slots' presets as the mouse would get them.
    readonly property int gunBytes: slotBytes(actions, gunData, currentIndex, presetModel.count)

    // ---- the slots are the presets'; what tests and scripts reach here

    function setGunData(slot: int, presetIndex: int): void {
        guns.setGunData(slot, presetIndex)
    }

    function sendGunMacro(): bool {
        return guns.sendGunMacro()
    }

    function getMacroName(index: int): string {
        return guns.getMacroName(index)
    }

    // The next key pressed goes into the insert-key field.
    function detectInput(isDown: bool, usbCode: int): void {
        if (!isInsertting || !isDown)
            return
        const name = keyCodes.keyName(usbCode)
        if (name === "")
            return
        keyField.keyText = name
        isInsertting = false
    }

    // ---- the bytes of the three slots

    function slotBytes(shown: var, data: var, current: int, count: int): int {
        var total = 0
        for (var g = 0; g < KeyPages.gunSlots; ++g) {
            if (data[g] < 0 || data[g] >= count)
                continue
            total += data[g] === current ? usedBytes : guns.presetBytes(nameAt(data[g]))
        }
        return total
    }

    // ---- insert dialogs

    function openInsertDialog(which: string): void {
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

    function closeInsertDialog(): void {
        isInsertting = false
        insertDialog = ""
    }

    function listenForKey(): void {
        keyField.keyText = ""
        isInsertting = true
        // The key pressed now is the one to insert, not text for a field.
        gunControl.forceActiveFocus()
    }

    function setCursor(x: int, y: int): void {
        cursorX.text = String(x)
        cursorY.text = String(y)
        pad.knobX = Actions.xToKnob(x)
        pad.knobY = Actions.yToKnob(y)
    }

    // A field's text as an offset; what is no number is 0.
    function fieldOffset(text: string): int {
        const v = Actions.offsetValue(text)
        return v === null ? 0 : v
    }

    // A delay entry that is no number becomes the 50 ms it would insert.
    function normalisedDelay(text: string): int {
        const ms = Actions.delayValue(text)
        return ms === null ? insertedDelay : ms
    }

    function acceptInsert(): void {
        var list = null
        if (insertDialog === "key") {
            if (keyField.keyText !== "")
                list = Actions.insertKey(actions, selectedAction, keyField.keyText)
        } else if (insertDialog === "mouse") {
            list = Actions.insertButton(actions, selectedAction, mouseButtons[chosenButton])
        } else if (insertDialog === "cursor") {
            list = Actions.insertCursor(actions, selectedAction, fieldOffset(cursorX.text), fieldOffset(cursorY.text))
        } else if (insertDialog === "delay") {
            delayField.text = String(normalisedDelay(delayField.text))
            list = Actions.insertDelay(actions, selectedAction, parseInt(delayField.text))
        }
        closeInsertDialog()
        applyEdit(list)
    }

    byteLimit: 0
    cursorLabels: [macroEditorLang[gunControl.gunTexts.xAxis], macroEditorLang[gunControl.gunTexts.yAxis]]
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
            model: [["key", gunControl.gunTexts.insertKey], ["mouse", gunControl.gunTexts.insertMouse],
                    ["cursor", gunControl.gunTexts.insertCursor], ["delay", gunControl.texts.insertDelay]]

            Button {
                id: tool
                required property var modelData
                objectName: "insertTool_" + modelData[0]
                width: 168
                height: 22
                text: gunControl.macroEditorLang[modelData[1]]
                enabled: gunControl.toolsUsable
                opacity: gunControl.toolsUsable ? 1 : 0.3
                onClicked: gunControl.openInsertDialog(tool.modelData[0])
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
                required property int index
                objectName: "gunSlotName" + index
                width: 168
                elide: Text.ElideRight
                text: gunControl.macroEditorLang[gunControl.texts.list] + " " + (index + 1) + ":  " + gunControl.getMacroName(index)
                color: gunControl.gunData[index] === gunControl.currentIndex ? "#fa6726" : "#9a9a9a"
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize - 2
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
            color: Theme.fontColor
            selectionColor: "#b03b3b"
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
            onEditingFinished: parent.finished()
        }
    }

    component Prompt: Text {
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
    }

    InsertDialog {
        objectName: "insertKeyDialog"
        buttonPrefix: "insertKey"
        anchors.centerIn: parent
        width: 360
        height: 186
        visible: gunControl.insertDialog === "key"
        title: gunControl.macroEditorLang[gunControl.gunTexts.insertKeyTitle]
        okText: gunControl.macroEditorLang[gunControl.texts.ok]
        cancelText: gunControl.macroEditorLang[gunControl.texts.cancel]
        onAccepted: gunControl.acceptInsert()
        onRejected: gunControl.closeInsertDialog()

        Prompt { x: 24; y: 14; text: gunControl.macroEditorLang[gunControl.gunTexts.keyPrompt] }
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
                color: Theme.fontColor
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize + 2
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
                color: Theme.fontColor
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
        title: gunControl.macroEditorLang[gunControl.gunTexts.insertMouseTitle]
        okText: gunControl.macroEditorLang[gunControl.texts.ok]
        cancelText: gunControl.macroEditorLang[gunControl.texts.cancel]
        onAccepted: gunControl.acceptInsert()
        onRejected: gunControl.closeInsertDialog()

        Column {
            x: 40
            y: 16
            spacing: 8

            Repeater {
                model: gunControl.mouseButtons

                Item {
                    id: choice
                    required property int index
                    required property string modelData
                    objectName: "insertMouseChoice" + index
                    width: 220
                    height: 18

                    Image {
                        anchors.verticalCenter: parent.verticalCenter
                        source: gunControl.skinIndex + (gunControl.chosenButton === choice.index ? "macroTypeCheck.png"
                                                                                          : "macroTypeCheck0.png")
                    }
                    Text {
                        x: 24
                        anchors.verticalCenter: parent.verticalCenter
                        text: choice.index < 3 ? gunControl.macroEditorLang[gunControl.gunTexts.leftButton + choice.index] + "  (" + choice.modelData + ")" : choice.modelData
                        color: gunControl.chosenButton === choice.index ? "#fa6726" : Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: gunControl.chosenButton = choice.index
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
        title: gunControl.macroEditorLang[gunControl.gunTexts.cursorTitle]
        okText: gunControl.macroEditorLang[gunControl.texts.ok]
        cancelText: gunControl.macroEditorLang[gunControl.texts.cancel]
        onAccepted: gunControl.acceptInsert()
        onRejected: gunControl.closeInsertDialog()

        Row {
            x: 79
            y: 9
            spacing: 8

            Prompt { anchors.verticalCenter: parent.verticalCenter; text: gunControl.macroEditorLang[gunControl.gunTexts.xAxis] }
            OffsetField {
                id: cursorX
                objectName: "cursorXField"
                onFinished: gunControl.setCursor(gunControl.fieldOffset(cursorX.text), gunControl.fieldOffset(cursorY.text))
            }
            Item { width: 14; height: 1 }
            Prompt { anchors.verticalCenter: parent.verticalCenter; text: gunControl.macroEditorLang[gunControl.gunTexts.yAxis] }
            OffsetField {
                id: cursorY
                objectName: "cursorYField"
                onFinished: gunControl.setCursor(gunControl.fieldOffset(cursorX.text), gunControl.fieldOffset(cursorY.text))
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
        title: gunControl.macroEditorLang[gunControl.gunTexts.insertDelayTitle]
        okText: gunControl.macroEditorLang[gunControl.texts.ok]
        cancelText: gunControl.macroEditorLang[gunControl.texts.cancel]
        onAccepted: gunControl.acceptInsert()
        onRejected: gunControl.closeInsertDialog()

        Prompt { x: 24; y: 16; text: gunControl.macroEditorLang[gunControl.gunTexts.delayPrompt] }
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
                color: Theme.fontColor
                selectionColor: "#b03b3b"
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                onEditingFinished: text = String(gunControl.normalisedDelay(text))
            }
        }
        Prompt { x: 236; y: 48; text: "MS" }
    }
}
