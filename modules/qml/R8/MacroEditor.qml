import QtQuick
import "../common"
import "keypages.js" as KeyPages

// "Macro Manager": the list of macros, the actions of the chosen one and the
// recording of new ones. Every change is saved at once and sent again to the
// mouse's slots that play the macro, so OK and Cancel only close.
Image {
    id: editor

    property var macroEditorLang: ["Macro Manager", "Macro", "Sequence", "Options", "Start Record", "Stop Record",
        "Rec Time", "Loops Timer", "New", "Delete", "OK", "Cancel", "Delete", "Insert Left Button",
        "Insert Middle Button", "Insert Right Button", "Insert Delay"]
    property QtObject keyCodes
    property int skinNo: 1
    property string fontFamily
    property int fontSize: 12
    property color fontColor: "#ffffff"
    readonly property string skinIndex: "qrc:/index/modules/img/skin" + skinNo + "/index/"

    readonly property int macroLimit: 100
    readonly property int insertedDelay: 50

    property int currentIndex: -1      // the chosen macro in macroNumberModel
    property var actions: []           // its actions: { type, info }
    property int selectedAction: -1
    property bool isInputting: false
    property bool recTime: true
    property bool loopsOn: false
    property int ticks: 0              // 10 ms ticks since the last recorded event
    property bool recordedAny: false
    property bool recordFull: false
    property int editingMacro: -1
    property int editingDelay: -1
    readonly property int usedBytes: encodedBytes(actions).length

    signal deleteMacroSignal(string name)
    signal macroRenamed(string oldName, string newName)
    signal closeEditor()

    ListModel { id: macroNumberModel }

    // ---- the macro list

    function init() {
        stopRecordSilently()
        var names = KeyPages.dropSentinel(ui_View.getNameList(0))
        var list = []
        for (var i = 0; i < names.length; ++i) {
            var name = names[i]
            if (name === "" || list.some(function (m) { return m.macroName === name }))
                continue
            var no = parseInt(ui_View.loadMacroIndex(name))
            list.push({ macroName: name, no: isNaN(no) ? i : no, macroType: parseInt(ui_View.loadMacroType(name)) || 0,
                        order: i })
        }
        // By stored number, ties in list order.
        list.sort(function (a, b) { return a.no - b.no || a.order - b.order })
        macroNumberModel.clear()
        for (i = 0; i < list.length; ++i)
            macroNumberModel.append({ macroName: list[i].macroName, no: list[i].no, macroType: list[i].macroType })
        editingMacro = -1
        selectMacro(macroNumberModel.count > 0 ? 0 : -1)
    }

    function macroNames() {
        var names = []
        for (var i = 0; i < macroNumberModel.count; ++i)
            names.push(macroNumberModel.get(i).macroName)
        return names
    }

    function currentName() {
        return currentIndex >= 0 && currentIndex < macroNumberModel.count ? macroNumberModel.get(currentIndex).macroName : ""
    }

    function storeNames() {
        ui_View.updataNameList(0, macroNames())
    }

    // The count comes from the file's settings, where a missing one is 1.
    function loadMacro(name) {
        var macro = KeyPages.parseMacro(ui_View.loadMacroIni(name),
                                        function (n) { return keyCodes.keyCode(n) !== 0 },
                                        function (n) { return keyCodes.mouseCode(n) !== 0 })
        var config = ui_View.loadMacroIniConfig(name)
        if (config.length === 2)
            macro.loops = KeyPages.loopValue(config[1])
        return macro
    }

    function selectMacro(index) {
        if (isInputting)
            return
        currentIndex = index
        selectedAction = -1
        editingDelay = -1
        if (index < 0) {
            actions = []
            setLoops(1)
            return
        }
        var macro = loadMacro(currentName())
        actions = macro.actions
        setLoops(macro.loops)
    }

    function newMacro() {
        if (isInputting || macroNumberModel.count >= macroLimit)
            return
        var name = KeyPages.firstFreeName("Macro_", macroNames(), macroLimit)
        if (name === "")
            return
        var count = macroNumberModel.count
        macroNumberModel.append({ macroName: name, no: count, macroType: 0 })
        ui_View.createMacroIni(name, count)
        storeNames()
        selectMacro(count)
    }

    // False when refused: an empty or path-like name, or one another macro has.
    function renameMacro(index, newName) {
        editingMacro = -1
        var oldName = macroNumberModel.get(index).macroName
        var name = String(newName).trim()
        if (name === oldName)
            return true
        if (!KeyPages.isUsableName(name) || macroNames().indexOf(name) >= 0)
            return false
        if (!ui_View.modifyMacroName(oldName, name))
            return false
        macroNumberModel.setProperty(index, "macroName", name)
        storeNames()
        macroRenamed(oldName, name)
        return true
    }

    // The buttons that play it get their factory functions, then the file
    // goes and the later macros move up one number.
    function deleteMacro() {
        if (isInputting || currentIndex < 0)
            return
        var index = currentIndex
        var name = currentName()
        deleteMacroSignal(name)
        ui_View.releaseMacro(name)
        ui_View.deleteMacroIni(name)
        macroNumberModel.remove(index)
        for (var i = index; i < macroNumberModel.count; ++i) {
            macroNumberModel.setProperty(i, "no", i)
            ui_View.setMacroIndex(macroNumberModel.get(i).macroName, i)
        }
        storeNames()
        selectMacro(Math.min(index, macroNumberModel.count - 1))
    }

    // ---- the bytes

    function encodedBytes(list) {
        return ui_View.encodeMacroActions(KeyPages.actionLines(list), KeyPages.loopValue(loopsField.text), false)
    }

    function fits(list) {
        return encodedBytes(list).length <= KeyPages.maxMacroBytes
    }

    // The mouse plays macro `name` from `slot` (0-based).
    function sendMacro(slot, name) {
        if (String(name) === "" || slot < 0)
            return
        var lines = ui_View.loadMacroIni(name)
        if (lines.length === 0)
            return
        var macro = loadMacro(name)
        var bytes = ui_View.encodeMacroActions(KeyPages.actionLines(macro.actions), macro.loops, false)
        ui_View.sendMacroData(bytes, slot)
    }

    // Saves the chosen macro and sends it to every slot of the current
    // profile that plays it. Slots other profiles bind it to hold their own
    // macros in the mouse, so they are left alone.
    function autoSave() {
        var name = currentName()
        if (name === "")
            return
        var lines = KeyPages.actionLines(actions)
        ui_View.saveMacroIni(name, lines, encodedBytes(actions), KeyPages.loopValue(loopsField.text))
        var uses = ui_View.isMacroUse(name)
        var sent = []
        for (var i = 1; i < uses.length; ++i) {
            var slot = parseInt(uses[i])
            if (isNaN(slot) || sent.indexOf(slot) >= 0 || String(ui_View.getMacroKey(slot)) !== name)
                continue
            sent.push(slot)
            sendMacro(slot, name)
        }
    }

    function setActions(list) {
        actions = list
        autoSave()
    }

    // ---- recording

    function startRecord() {
        if (currentIndex < 0 || isInputting)
            return
        editingDelay = -1
        editingMacro = -1
        selectedAction = -1
        actions = []
        ticks = 0
        recordedAny = false
        recordFull = false
        isInputting = true
        recordTimer.start()
        // Keys typed now are the macro, not text for a field.
        editor.forceActiveFocus()
    }

    function stopRecordSilently() {
        recordTimer.stop()
        isInputting = false
    }

    function stopRecord() {
        if (!isInputting)
            return
        stopRecordSilently()
        autoSave()
    }

    // A key (or, from 0xf0 on, a mouse button) while recording. Once the
    // macro would not fit the mouse's slot, nothing more is taken.
    function detectKeyboard(isDown, usbCode) {
        if (!isInputting || recordFull)
            return
        var name = keyCodes.inputName(usbCode)
        if (name === "")
            return
        var mouse = usbCode >= 0xf0
        var next = actions.slice()
        if (recordedAny && recTime && ticks > 0)
            next.push({ type: 0, info: String(ticks * 10) })
        next.push({ type: isDown ? (mouse ? 3 : 1) : (mouse ? 4 : 2), info: name })
        if (!fits(next)) {
            recordFull = true
            return
        }
        actions = next
        ticks = 0
        recordedAny = true
        sequence.positionViewAtEnd()
    }

    // ---- editing the sequence

    function deleteAction() {
        if (selectedAction < 0 || selectedAction >= actions.length)
            return
        var list = actions.slice()
        list.splice(selectedAction, 1)
        selectedAction = Math.min(selectedAction, list.length - 1)
        setActions(list)
    }

    function insertButtonAction(name) {
        var list = KeyPages.insertButton(actions, selectedAction, name)
        if (fits(list))
            setActions(list)
    }

    function insertDelayAction() {
        var list = KeyPages.insertDelay(actions, selectedAction, insertedDelay)
        if (fits(list))
            setActions(list)
    }

    // A delay edit that is no number, or would not fit the slot, is dropped.
    function setDelay(index, text) {
        editingDelay = -1
        var ms = KeyPages.delayValue(text)
        if (ms === null || index < 0 || index >= actions.length || actions[index].type !== 0)
            return false
        var list = actions.slice()
        list[index] = { type: 0, info: String(ms) }
        if (!fits(list))
            return false
        setActions(list)
        return true
    }

    function setLoops(n) {
        loopsField.text = String(n)
        loopsOn = n !== 1
    }

    function setLoopsOn(on) {
        loopsOn = on
        if (!on)
            loopsField.text = "1"
        autoSave()
    }

    function commitLoops() {
        loopsField.text = String(KeyPages.loopValue(loopsField.text))
        autoSave()
    }

    function openContextMenu(x, y) {
        contextMenu.x = Math.min(x, width - contextMenu.width - 4)
        contextMenu.y = Math.min(y, height - contextMenu.height - 4)
        contextMenu.visible = true
    }

    // A press outside the dialog's pop-ups closes them.
    function macroEditorFocus() {
        contextMenu.visible = false
        editingMacro = -1
        editingDelay = -1
    }

    function close() {
        stopRecord()
        macroEditorFocus()
        visible = false
        closeEditor()
    }

    function actionText(a) {
        if (a.type === 0)
            return a.info + " ms"
        return (a.type === 1 || a.type === 3 ? "↓  " : "↑  ") + a.info
    }

    source: "qrc:/macros/modules/img/skin" + skinNo + "/macros/macroEditorBg.png"
    visible: false

    Timer {
        id: recordTimer
        interval: 10
        repeat: true
        onTriggered: editor.ticks += 1
    }

    MouseArea {
        anchors.fill: parent
        onPressed: editor.macroEditorFocus()
    }
    MouseArea {
        width: parent.width
        height: 30
        drag.target: editor
        drag.minimumX: 0
        drag.maximumX: editor.parent ? editor.parent.width - editor.width : 0
        drag.minimumY: 0
        drag.maximumY: editor.parent ? editor.parent.height - editor.height : 0
        onPressed: editor.macroEditorFocus()
    }

    component Caption: Text {
        property string family
        font.family: family
        font.pixelSize: 12
        color: "#c8c8c8"
    }
    component Well: Rectangle {
        color: "#101010"
        border.color: "#2a2a2a"
    }

    Text {
        x: 12
        height: 30
        verticalAlignment: Text.AlignVCenter
        text: editor.macroEditorLang[0]
        color: editor.fontColor
        font.family: editor.fontFamily
        font.pixelSize: editor.fontSize
        font.bold: true
    }
    Button {
        objectName: "macroEditorClose"
        x: parent.width - width - 8
        y: 6
        source: editor.skinIndex + "minBtn.png"
        hoverSource: editor.skinIndex + "minBtnH.png"
        onClicked: editor.close()
    }

    // ---- macro column

    Caption { x: 14; y: 40; family: editor.fontFamily; text: editor.macroEditorLang[1] }
    Well {
        x: 12
        y: 60
        width: 170
        height: 310

        ListView {
            id: macroList
            objectName: "macroList"
            anchors.fill: parent
            anchors.margins: 2
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: macroNumberModel

            delegate: Rectangle {
                objectName: "macroRow" + index
                width: macroList.width
                height: 20
                color: editor.currentIndex === index ? "#761212" : macroArea.containsMouse ? "#2a2a2a" : "transparent"

                Text {
                    x: 6
                    width: parent.width - 12
                    anchors.verticalCenter: parent.verticalCenter
                    visible: editor.editingMacro !== index
                    elide: Text.ElideRight
                    text: model.macroName
                    color: editor.fontColor
                    font.family: editor.fontFamily
                    font.pixelSize: editor.fontSize
                }
                MouseArea {
                    id: macroArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        editor.macroEditorFocus()
                        editor.selectMacro(index)
                    }
                    onDoubleClicked: {
                        if (editor.isInputting)
                            return
                        editor.selectMacro(index)
                        editor.editingMacro = index
                    }
                }
                Rectangle {
                    anchors.fill: parent
                    visible: index >= 0 && editor.editingMacro === index
                    color: "#221815"
                    border.color: "#ea5514"

                    TextInput {
                        id: nameField
                        objectName: "macroNameField"
                        x: 5
                        width: parent.width - 10
                        anchors.verticalCenter: parent.verticalCenter
                        clip: true
                        maximumLength: 64
                        color: editor.fontColor
                        selectionColor: "#b03b3b"
                        font.family: editor.fontFamily
                        font.pixelSize: editor.fontSize
                        onAccepted: editor.renameMacro(index, text)
                        Keys.onEscapePressed: editor.editingMacro = -1
                    }
                    onVisibleChanged: {
                        if (!visible)
                            return
                        nameField.text = model.macroName
                        nameField.selectAll()
                        nameField.forceActiveFocus()
                    }
                }
            }
        }
    }
    Row {
        x: 12
        y: 378
        spacing: 10

        Button {
            objectName: "macroNew"
            width: 80
            height: 24
            text: editor.macroEditorLang[8]
            fontFamily: editor.fontFamily
            fontSize: editor.fontSize
            textColor: editor.fontColor
            opacity: editor.isInputting ? 0.3 : 1
            onClicked: editor.newMacro()
        }
        Button {
            objectName: "macroDelete"
            width: 80
            height: 24
            text: editor.macroEditorLang[9]
            fontFamily: editor.fontFamily
            fontSize: editor.fontSize
            textColor: editor.fontColor
            opacity: editor.isInputting || editor.currentIndex < 0 ? 0.3 : 1
            onClicked: editor.deleteMacro()
        }
    }

    // ---- sequence column

    Caption { x: 196; y: 40; family: editor.fontFamily; text: editor.macroEditorLang[2] }
    Well {
        x: 194
        y: 60
        width: 250
        height: 330

        ListView {
            id: sequence
            objectName: "sequence"
            anchors.fill: parent
            anchors.margins: 2
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: editor.actions

            delegate: Rectangle {
                objectName: "actionRow" + index
                width: sequence.width
                height: 20
                color: editor.selectedAction === index ? "#761212" : actionArea.containsMouse ? "#2a2a2a" : "transparent"

                Text {
                    x: 6
                    width: 28
                    anchors.verticalCenter: parent.verticalCenter
                    horizontalAlignment: Text.AlignRight
                    text: index + 1
                    color: "#707070"
                    font.family: editor.fontFamily
                    font.pixelSize: editor.fontSize - 2
                }
                Text {
                    x: modelData.type === 0 ? 58 : 44
                    anchors.verticalCenter: parent.verticalCenter
                    visible: editor.editingDelay !== index
                    text: editor.actionText(modelData)
                    color: modelData.type === 0 ? "#9a9a9a" : modelData.type === 1 || modelData.type === 3 ? "#fa6726" : editor.fontColor
                    font.family: editor.fontFamily
                    font.pixelSize: editor.fontSize
                    font.italic: modelData.type === 0
                }
                MouseArea {
                    id: actionArea
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onPressed: (mouse) => {
                        if (editor.isInputting)
                            return
                        editor.macroEditorFocus()
                        editor.selectedAction = index
                        if (mouse.button === Qt.RightButton) {
                            var p = mapToItem(editor, mouse.x, mouse.y)
                            editor.openContextMenu(p.x, p.y)
                        }
                    }
                    onDoubleClicked: {
                        if (!editor.isInputting && modelData.type === 0)
                            editor.editingDelay = index
                    }
                }
                Rectangle {
                    x: 52
                    width: 90
                    height: parent.height
                    visible: index >= 0 && editor.editingDelay === index
                    color: "#221815"
                    border.color: "#ea5514"

                    TextInput {
                        id: delayField
                        objectName: "delayField"
                        x: 5
                        width: parent.width - 10
                        anchors.verticalCenter: parent.verticalCenter
                        validator: IntValidator { bottom: 0; top: KeyPages.maxDelay }
                        color: editor.fontColor
                        selectionColor: "#b03b3b"
                        font.family: editor.fontFamily
                        font.pixelSize: editor.fontSize
                        onAccepted: editor.setDelay(index, text)
                        Keys.onEscapePressed: editor.editingDelay = -1
                    }
                    onVisibleChanged: {
                        if (!visible)
                            return
                        delayField.text = modelData.info
                        delayField.selectAll()
                        delayField.forceActiveFocus()
                    }
                }
            }

            // Right-clicking under the last action adds at the end.
            MouseArea {
                width: sequence.width
                y: sequence.contentHeight
                height: Math.max(0, sequence.height - sequence.contentHeight)
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: (mouse) => {
                    if (editor.isInputting)
                        return
                    editor.macroEditorFocus()
                    editor.selectedAction = -1
                    if (mouse.button === Qt.RightButton && editor.currentIndex >= 0) {
                        var p = mapToItem(editor, mouse.x, mouse.y)
                        editor.openContextMenu(p.x, p.y)
                    }
                }
            }
        }
    }

    // ---- options column

    Caption { x: 460; y: 40; family: editor.fontFamily; text: editor.macroEditorLang[3] }
    Column {
        x: 458
        y: 60
        spacing: 14

        Button {
            objectName: "recordButton"
            width: 168
            height: 26
            text: editor.isInputting ? editor.macroEditorLang[5] : editor.macroEditorLang[4]
            fontFamily: editor.fontFamily
            fontSize: editor.fontSize
            textColor: editor.fontColor
            color: editor.isInputting ? "#8f2020" : "#4f1717"
            opacity: editor.currentIndex < 0 ? 0.3 : 1
            onClicked: editor.isInputting ? editor.stopRecord() : editor.startRecord()

            // Lit while recording.
            Rectangle {
                x: 10
                anchors.verticalCenter: parent.verticalCenter
                width: 8
                height: 8
                radius: 4
                color: editor.isInputting ? "#ff2a00" : "#5a2a2a"
                SequentialAnimation on opacity {
                    running: editor.isInputting
                    loops: Animation.Infinite
                    NumberAnimation { to: 0.25; duration: 400 }
                    NumberAnimation { to: 1.0; duration: 400 }
                }
            }
        }

        Item {
            objectName: "recTimeSwitch"
            width: 168
            height: 18

            Image {
                anchors.verticalCenter: parent.verticalCenter
                source: editor.skinIndex + (editor.recTime ? "macroTypeCheck.png" : "macroTypeCheck0.png")
            }
            Text {
                x: 22
                anchors.verticalCenter: parent.verticalCenter
                text: editor.macroEditorLang[6]
                color: editor.fontColor
                font.family: editor.fontFamily
                font.pixelSize: editor.fontSize
            }
            MouseArea {
                anchors.fill: parent
                onClicked: editor.recTime = !editor.recTime
            }
        }

        Item {
            width: 168
            height: 18

            Item {
                objectName: "loopsSwitch"
                width: 100
                height: 18

                Image {
                    anchors.verticalCenter: parent.verticalCenter
                    source: editor.skinIndex + (editor.loopsOn ? "macroTypeCheck.png" : "macroTypeCheck0.png")
                }
                Text {
                    x: 22
                    anchors.verticalCenter: parent.verticalCenter
                    text: editor.macroEditorLang[7]
                    color: editor.fontColor
                    font.family: editor.fontFamily
                    font.pixelSize: editor.fontSize
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: if (!editor.isInputting) editor.setLoopsOn(!editor.loopsOn)
                }
            }
            Rectangle {
                x: 108
                width: 60
                height: 18
                color: editor.loopsOn ? "#221815" : "#ffffff"
                border.color: loopsField.activeFocus ? "#ea5514" : "#4e3434"

                TextInput {
                    id: loopsField
                    objectName: "loopsField"
                    x: 4
                    width: parent.width - 8
                    anchors.verticalCenter: parent.verticalCenter
                    enabled: editor.loopsOn && !editor.isInputting
                    text: "1"
                    validator: IntValidator { bottom: 0; top: KeyPages.maxLoops }
                    color: editor.loopsOn ? editor.fontColor : "#808080"
                    font.family: editor.fontFamily
                    font.pixelSize: editor.fontSize
                    onEditingFinished: editor.commitLoops()
                }
            }
        }

        // How much of the mouse's macro slot the macro takes.
        Item {
            width: 168
            height: 26

            Rectangle {
                width: parent.width
                height: 6
                radius: 3
                color: "#0c0c0c"
                border.color: "#4a4a4a"

                Rectangle {
                    x: 1
                    y: 1
                    height: 4
                    radius: 2
                    width: Math.min(1, editor.usedBytes / KeyPages.maxMacroBytes) * (parent.width - 2)
                    gradient: Gradient {
                        orientation: Gradient.Horizontal
                        GradientStop { position: 0.0; color: "#f88600" }
                        GradientStop { position: 1.0; color: "#fe0000" }
                    }
                }
            }
            Text {
                objectName: "usedBytes"
                anchors.right: parent.right
                y: 10
                text: editor.usedBytes + " / " + KeyPages.maxMacroBytes
                color: editor.recordFull ? "#fa6726" : "#9a9a9a"
                font.family: editor.fontFamily
                font.pixelSize: editor.fontSize - 2
            }
        }
    }

    Row {
        x: 458
        y: 394
        spacing: 12

        Button {
            objectName: "macroEditorOk"
            width: 78
            height: 25
            text: editor.macroEditorLang[10]
            fontFamily: editor.fontFamily
            fontSize: editor.fontSize
            textColor: editor.fontColor
            onClicked: editor.close()
        }
        Button {
            objectName: "macroEditorCancel"
            width: 78
            height: 25
            text: editor.macroEditorLang[11]
            fontFamily: editor.fontFamily
            fontSize: editor.fontSize
            textColor: editor.fontColor
            onClicked: editor.close()
        }
    }

    // ---- right-click menu of the sequence

    Rectangle {
        id: contextMenu
        objectName: "sequenceMenu"
        width: 156
        height: 6 + 5 * 21 - 4
        color: "#171717"
        border.color: "#5e5e5e"
        visible: false

        Column {
            x: 3
            y: 3
            spacing: 4

            Repeater {
                model: [12, 13, 14, 15, 16]

                Rectangle {
                    objectName: "sequenceMenu" + modelData
                    readonly property bool usable: modelData !== 12 || editor.selectedAction >= 0
                    width: 150
                    height: 17
                    color: itemArea.containsMouse && usable ? "#761212" : "#4f1717"
                    opacity: usable ? 1 : 0.4

                    Text {
                        x: 6
                        anchors.verticalCenter: parent.verticalCenter
                        text: editor.macroEditorLang[modelData]
                        color: editor.fontColor
                        font.family: editor.fontFamily
                        font.pixelSize: editor.fontSize
                    }
                    MouseArea {
                        id: itemArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            contextMenu.visible = false
                            if (modelData === 12)
                                editor.deleteAction()
                            else if (modelData === 13)
                                editor.insertButtonAction("MS-L")
                            else if (modelData === 14)
                                editor.insertButtonAction("MS-M")
                            else if (modelData === 15)
                                editor.insertButtonAction("MS-R")
                            else
                                editor.insertDelayAction()
                        }
                    }
                }
            }
        }
    }
}
