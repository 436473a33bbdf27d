import QtQuick
import "../common"
import "keypages.js" as KeyPages
import "actions.js" as Actions

// "Gun Macro": the gun presets, laid out and edited as the macro editor edits
// macros, plus cursor offsets and four insert dialogs. It keeps which preset
// each of the three gun slots plays and sends the three to the mouse
// together: from macro slot 6 on when they fit, with each slot's length.
PresetEditor {
    id: gunControl

    readonly property ListModel macroListModel: presetModel
    property int language: 0
    // The preset (list index) each gun slot plays.
    property var gunData: [0, 1, 2]
    // The button that carries each gun slot, -1 for none (the key matrix's).
    property var gunKeyIndexes: [-1, -1, -1]
    // What the key menu shows for each slot: its preset's name while the slot
    // is on a button, "" otherwise.
    property var gunMenuNames: ["", "", ""]
    // The insert-key field waits for a key.
    property bool isInsertting: false
    property string insertDialog: ""   // the insert dialog open: "key", "mouse", "cursor", "delay"
    readonly property bool toolsUsable: !isInputting && currentIndex >= 0
    readonly property var mouseButtons: ["MS-L", "MS-R", "MS-M", "MS-B5", "MS-B4"]
    property int chosenButton: 0
    // The three slots' presets as the mouse would get them.
    readonly property int gunBytes: slotBytes(actions, gunData, currentIndex, presetModel.count)

    signal deleteGunSignal(string name)
    // Gun slot `slot` loses its preset: the button that carries it lets it go.
    signal gunSlotFreed(int slot)
    // The preset names that buttons and the key menu show may have changed.
    signal gunNamesChanged()

    // ---- what the page calls

    function init(isSendData) {
        closeInsertDialog()
        loadList()
        readGunData()
        if (isSendData)
            sendGunMacro()
    }

    // The factory presets carry their English names in English.
    function inited() {
        if (language !== 0)
            return
        var english = [[0, "General"], [2, "Three fire"]]
        for (var i = 0; i < english.length; ++i)
            if (english[i][0] < presetModel.count)
                renameMacro(english[i][0], english[i][1])
    }

    // The slots of the current profile; a choice that names no preset is the
    // slot's own default.
    function readGunData() {
        var stored = ui_View.getselectGun()
        var data = []
        for (var g = 0; g < KeyPages.gunSlots; ++g) {
            var text = String(stored[g])
            var index = /^\d+$/.test(text) ? parseInt(text) : -1
            data.push(index >= 0 && index < presetModel.count ? index : Math.min(g, presetModel.count - 1))
        }
        gunData = data
    }

    function setGunData(slot, presetIndex) {
        if (slot < 0 || slot >= KeyPages.gunSlots)
            return
        var data = gunData.slice()
        data[slot] = presetIndex
        gunData = data
        ui_View.setSelectGun(gunData)
    }

    function setGunMenuName() {
        var names = []
        for (var g = 0; g < KeyPages.gunSlots; ++g)
            names.push(gunKeyIndexes[g] >= 0 ? getMacroName(g) : "")
        gunMenuNames = names
    }

    function sendGunMacro() {
        ui_View.setSelectGun(gunData)
        sendMacro(5, getMacroName(0), getMacroName(1), getMacroName(2))
    }

    // The three presets go out together from macro slot index 5 (slot 6),
    // where the gun layers play them.
    function sendMacro(slot, name0, name1, name2) {
        if (slot !== 5)
            return
        ui_View.sendGunPresets([String(name0), String(name1), String(name2)])
    }

    // The preset of gun slot `index`.
    function getMacroName(index) {
        return index >= 0 && index < KeyPages.gunSlots ? nameAt(gunData[index]) : ""
    }

    // The preset at list index `index`.
    function getGunName(index) {
        return nameAt(index)
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

    function presetBytes(name) {
        var macro = loadMacro(name)
        return ui_View.encodeMacroActions(Actions.actionLines(macro.actions), macro.loops, true).length
    }

    function slotBytes(shown, data, current, count) {
        var total = 0
        for (var g = 0; g < KeyPages.gunSlots; ++g) {
            if (data[g] < 0 || data[g] >= count)
                continue
            total += data[g] === current ? usedBytes : presetBytes(nameAt(data[g]))
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

    function slotsUsing(index) {
        var slots = []
        for (var g = 0; g < KeyPages.gunSlots; ++g)
            if (gunData[g] === index)
                slots.push(g)
        return slots
    }

    macroEditorLang: ["Gun Macro", "Gun", "Sequence", "Options", "Start Record", "Stop Record", "Rec Time",
        "Loops Timer", "New", "Delete", "OK", "Cancel", "Delete", "Insert Left Button", "Insert Middle Button",
        "Insert Right Button", "Insert Delay", "Insert Key", "Insert Mouse", "Insert Cursor", "Insert Key",
        "Please input key:", "Insert delay", "please input delay:", "Insert Cursor offset", "X axis", "Y axis",
        "Insert Mouse", "Left Button", "Right Button", "Middle Button"]
    registryType: 1
    namePrefix: "Gun_"
    gunVariant: true
    byteLimit: 0
    cursorLabels: [macroEditorLang[25], macroEditorLang[26]]
    meterValue: gunBytes
    meterLimit: Actions.gunDataLimit
    meterOver: gunBytes >= Actions.gunDataLimit
    // The factory presets stay.
    canDelete: function (index) { return index >= 3 }
    store: ({
        create: function (name, index) { return ui_View.createGunIni(name, index) },
        save: function (name, lines, bytes, loops) { return ui_View.saveGunIni(name, lines, bytes, loops) },
        load: function (name) { return ui_View.loadGunIni(name) },
        loops: null,
        index: function (name) { return ui_View.loadGunIndex(name) },
        type: function (name) { return ui_View.loadGunType(name) },
        setIndex: function (name, index) { ui_View.setGunIndex(name, index) },
        rename: function (oldName, newName) { return ui_View.modifyGunName(oldName, newName) },
        remove: function (name) { return ui_View.deleteGunIni(name) }
    })

    // A preset a slot plays reaches the mouse as soon as it changes.
    onPresetSaved: (name) => {
        for (var g = 0; g < KeyPages.gunSlots; ++g)
            if (getMacroName(g) === name) {
                sendGunMacro()
                return
            }
    }
    onMacroRenamed: {
        setGunMenuName()
        gunNamesChanged()
    }
    // The buttons of the slots that play it let them go first.
    onPresetDeleting: (name, index) => {
        deleteGunSignal(name)
        var slots = slotsUsing(index)
        for (var i = 0; i < slots.length; ++i)
            if (gunKeyIndexes[slots[i]] >= 0)
                gunSlotFreed(slots[i])
    }
    // Its slots fall back to preset 2, later presets move up one index.
    onPresetDeleted: (name, index) => {
        var used = slotsUsing(index).length > 0
        var data = []
        for (var g = 0; g < KeyPages.gunSlots; ++g)
            data.push(gunData[g] === index ? 2 : gunData[g] > index ? gunData[g] - 1 : gunData[g])
        gunData = data
        ui_View.setSelectGun(gunData)
        ui_View.upDateDeleteGun(index)
        setGunMenuName()
        gunNamesChanged()
        if (used)
            sendGunMacro()
    }
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
