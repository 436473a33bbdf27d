pragma ComponentBehavior: Bound
import QtQuick
import ".."
import "texts.js" as Texts
import "keypages.js" as KeyPages
import "actions.js" as Actions

// The dialog of a list of named action sequences, which the macro editor and
// the gun dialog both are: the list with new, rename and delete, the actions
// of the chosen entry, their recording and editing, the loop count. Every
// change is saved at once, so OK and Cancel only close. The list itself is
// `presets` (a PresetList), which lives as long as the page; the dialog is
// made when it is first opened.
DialogFrame {
    id: editor

    required property PresetList presets
    required property var macroEditorLang
    // The places of the texts in the table.
    readonly property var texts: Texts.Editor
    required property KeyCodeString keyCodes
    readonly property string skinIndex: "qrc:/index/modules/img/skin" + Theme.skinNo + "/index/"

    property int byteLimit: Actions.maxMacroBytes   // 0: only the line limit
    property var cursorLabels: ["X", "Y"]
    // The meter under the options: bytes of `meterLimit`, over it when `meterOver`.
    property int meterValue: usedBytes
    property int meterLimit: byteLimit
    property bool meterOver: recordFull
    // Buttons of the kind's own, under the record button.
    property alias insertTools: toolSlot.data
    property int language: 0            // 0 English, 1 Chinese
    // What the editor could not do, under the meter until the next change;
    // a kind's own standing notice shows while there is none.
    property string notice: ""
    property string guardNotice: ""

    readonly property int insertedDelay: 50
    // The view model's list model, which the page's tools cannot see into.
    readonly property var presetModel: presets.model()

    property int currentIndex: -1      // the chosen entry of presetModel
    property var actions: []           // its actions: { type, info }
    property int selectedAction: -1
    property bool isInputting: false
    property bool recTime: true
    property bool loopsOn: false
    property bool recordedAny: false
    property double lastEventTime: 0   // of the last recorded event
    property var heldCodes: []         // recorded presses still waiting for their release
    property bool recordFull: false
    property int editingMacro: -1
    property int editingDelay: -1
    property bool menuOpen: false
    readonly property int usedBytes: encodedBytes(actions).length

    // The list was read again: the dialog starts over at its first entry.
    signal reloaded()

    // ---- the list

    function macroNames(): var {
        return presets.macroNames()
    }

    function nameAt(index: int): string {
        return presets.nameAt(index)
    }

    function currentName(): string {
        return nameAt(currentIndex)
    }

    function loadMacro(name: string): var {
        return presets.loadMacro(name)
    }

    function startOver(): void {
        stopRecordSilently()
        editingMacro = -1
        selectMacro(presetModel.count > 0 ? 0 : -1)
    }

    function selectMacro(index: int): void {
        if (isInputting)
            return
        currentIndex = index
        selectedAction = -1
        editingDelay = -1
        notice = ""
        if (index < 0) {
            actions = []
            setLoops(1)
            return
        }
        var macro = loadMacro(currentName())
        actions = macro.actions
        setLoops(macro.loops)
    }

    function newMacro(): void {
        if (isInputting)
            return
        var index = presets.create()
        if (index >= 0)
            selectMacro(index)
    }

    // False when refused: an empty or path-like name, or one another entry has.
    function renameMacro(index: int, newName: string): bool {
        editingMacro = -1
        return presets.rename(index, newName)
    }

    // The file goes and the later entries move up one number.
    function deleteMacro(): void {
        if (isInputting || currentIndex < 0 || !presets.canDelete(currentIndex))
            return
        var index = currentIndex
        currentIndex = -1
        presets.remove(index)
        selectMacro(Math.min(index, presetModel.count - 1))
    }

    // ---- the bytes

    function encodedBytes(list: var): var {
        return ui_View.encodeMacroActions(Actions.actionLines(list), Actions.loopValue(loopsField.text),
                                          presets.gunVariant)
    }

    function fits(list: var): bool {
        if (list.length > Actions.maxLines)
            return false
        return byteLimit <= 0 || encodedBytes(list).length <= byteLimit
    }

    function noticeText(kind: string): string {
        const notices = {
            full: ["Full: no more fits in the mouse.", "已满：鼠标放不下更多动作。"],
            notSaved: ["Not saved: the file of \"%1\" cannot be written. The changes stay here.",
                       "未保存：无法写入“%1”的文件，修改仍保留在此。"],
            gunsTooLong: ["Not sent: the three gun presets together must stay below %1 bytes.",
                          "未发送：三个枪械宏合计须小于 %1 字节。"]
        }
        return notices[kind][language === 1 ? 1 : 0].replace("%1", kind === "notSaved" ? currentName()
                                                                                     : Actions.gunDataLimit)
    }

    // The chosen entry's file as the editor shows it. A file that cannot be
    // written is said so; the edit stays on screen.
    function autoSave(): void {
        var name = currentName()
        if (name === "")
            return
        var loops = Actions.loopValue(loopsField.text)
        notice = presets.save(name, Actions.actionLines(actions), encodedBytes(actions), loops)
                 ? "" : noticeText("notSaved")
    }

    function setActions(list: var): void {
        actions = list
        autoSave()
    }

    // ---- recording

    function startRecord(): void {
        if (currentIndex < 0 || isInputting)
            return
        editingDelay = -1
        editingMacro = -1
        selectedAction = -1
        actions = []
        recordedAny = false
        heldCodes = []
        recordFull = false
        notice = ""
        isInputting = true
        ui_View.resetKeyCapture()
        // Keys typed now are the recording, not text for a field.
        editor.forceActiveFocus()
    }

    function stopRecordSilently(): void {
        isInputting = false
    }

    function stopRecord(): void {
        if (!isInputting)
            return
        stopRecordSilently()
        autoSave()
    }

    // The action of a key or, from 0xf0 on, a mouse button event.
    function inputAction(isDown: bool, usbCode: int): var {
        const mouse = usbCode >= 0xf0
        const type = isDown ? (mouse ? Actions.typeButtonDown : Actions.typeKeyDown)
                            : (mouse ? Actions.typeButtonUp : Actions.typeKeyUp)
        return { type: type, info: keyCodes.inputName(usbCode) }
    }

    // A key (or, from 0xf0 on, a mouse button) while recording, at `time`
    // (the capture's milliseconds; without one, now). The recording holds
    // whole presses and releases: a press is taken only while the releases
    // of every key then held still fit after it, each with the longest delay
    // it may get; once one is left out the recording is full, and only the
    // releases of recorded presses are taken.
    function detectKeyboard(isDown: bool, usbCode: int, time: var): void {
        if (!isInputting || keyCodes.inputName(usbCode) === "")
            return
        var held = heldCodes.indexOf(usbCode) >= 0
        if (isDown ? held || recordFull : !held)
            return
        var at = time === undefined ? Date.now() : Number(time)
        var next = actions.slice()
        if (recordedAny && recTime) {
            var ms = Actions.recordedDelay(lastEventTime, at)
            if (ms > 0)
                next.push({ type: Actions.typeDelay, info: String(ms) })
        }
        next.push(inputAction(isDown, usbCode))
        var nowHeld = isDown ? heldCodes.concat([usbCode]) : heldCodes.filter(function (c) { return c !== usbCode })
        if (isDown) {
            var whole = next.slice()
            for (var i = 0; i < nowHeld.length; ++i) {
                if (recTime)
                    whole.push({ type: Actions.typeDelay, info: String(Actions.maxDelay) })
                whole.push(inputAction(false, nowHeld[i]))
            }
            if (!fits(whole)) {
                recordFull = true
                notice = noticeText("full")
                return
            }
        }
        actions = next
        heldCodes = nowHeld
        lastEventTime = at
        recordedAny = true
        sequence.positionViewAtEnd()
    }

    // ---- editing the sequence

    // Edits that would not fit are dropped, and said so.
    function applyEdit(list: var): bool {
        if (list === null)
            return false
        if (!fits(list)) {
            notice = noticeText("full")
            return false
        }
        setActions(list)
        return true
    }

    function deleteAction(): void {
        var list = Actions.deleteAction(actions, selectedAction)
        if (list === null)
            return
        selectedAction = Math.min(Actions.pairStart(actions, selectedAction), list.length - 1)
        setActions(list)
    }

    function insertButtonAction(name: string): void {
        applyEdit(Actions.insertButton(actions, selectedAction, name))
    }

    function insertDelayAction(ms: var): void {
        applyEdit(Actions.insertDelay(actions, selectedAction, ms === undefined ? insertedDelay : ms))
    }

    // A delay edit that is no number, or would not fit, is dropped.
    function setDelay(index: int, text: string): bool {
        editingDelay = -1
        var ms = Actions.delayValue(text)
        if (ms === null || index < 0 || index >= actions.length || actions[index].type !== Actions.typeDelay)
            return false
        var list = actions.slice()
        list[index] = { type: Actions.typeDelay, info: String(ms) }
        return applyEdit(list)
    }

    // A cursor offset typed in place, -127 ... 127; no number is dropped.
    function setOffset(index: int, text: string): bool {
        return applyEdit(Actions.setOffset(actions, index, text))
    }

    function setLoops(n: int): void {
        loopsField.text = String(n)
        loopsOn = n !== 1
    }

    function setLoopsOn(on: bool): void {
        loopsOn = on
        if (!on)
            loopsField.text = "1"
        autoSave()
    }

    function commitLoops(): void {
        loopsField.text = String(Actions.loopValue(loopsField.text))
        autoSave()
    }

    function openContextMenu(x: real, y: real): void {
        contextMenu.x = Math.min(x, width - contextMenu.width - 4)
        contextMenu.y = Math.min(y, height - contextMenu.height - 4)
        menuOpen = true
    }

    // A press outside the dialog's pop-ups closes them.
    function macroEditorFocus(): void {
        menuOpen = false
        editingMacro = -1
        editingDelay = -1
    }

    function close(): void {
        stopRecord()
        macroEditorFocus()
        closeRequested()
    }

    function actionText(a: var): string {
        if (a.type === Actions.typeDelay)
            return a.info + " ms"
        return (Actions.isPress(a.type) ? "↓  " : "↑  ") + a.info
    }

    background: "qrc:/macros/modules/img/skin" + Theme.skinNo + "/macros/macroEditorBg.png"
    title: macroEditorLang[editor.texts.title]
    holdsPresses: true
    closeSource: skinIndex + "minBtn.png"
    closeHoverSource: skinIndex + "minBtnH.png"
    closeName: "macroEditorClose"
    onFramePressed: macroEditorFocus()
    onCloseClicked: close()
    Component.onCompleted: selectMacro(presetModel.count > 0 ? 0 : -1)

    Connections {
        target: editor.presets
        function onReloaded() {
            editor.startOver()
            editor.reloaded()
        }
    }

    component Caption: Text {
        font.family: Theme.fontFamily
        font.pixelSize: 12
        color: "#c8c8c8"
    }
    component Well: Rectangle {
        color: "#101010"
        border.color: "#2a2a2a"
    }

    // ---- list column

    Caption { x: 14; y: 40; text: editor.macroEditorLang[editor.texts.list] }
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
            model: editor.presetModel

            delegate: Rectangle {
                id: macroRow
                required property int index
                required property string macroName
                objectName: "macroRow" + macroRow.index
                width: macroList.width
                height: 20
                color: editor.currentIndex === macroRow.index ? "#761212" : macroArea.containsMouse ? "#2a2a2a" : "transparent"

                Text {
                    x: 6
                    width: parent.width - 12
                    anchors.verticalCenter: parent.verticalCenter
                    visible: editor.editingMacro !== macroRow.index
                    elide: Text.ElideRight
                    text: macroRow.macroName
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }
                MouseArea {
                    id: macroArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        editor.macroEditorFocus()
                        editor.selectMacro(macroRow.index)
                    }
                    onDoubleClicked: {
                        if (editor.isInputting)
                            return
                        editor.selectMacro(macroRow.index)
                        editor.editingMacro = macroRow.index
                    }
                }
                Rectangle {
                    anchors.fill: parent
                    visible: macroRow.index >= 0 && editor.editingMacro === macroRow.index
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
                        color: Theme.fontColor
                        selectionColor: "#b03b3b"
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                        onAccepted: editor.renameMacro(macroRow.index, text)
                        Keys.onEscapePressed: editor.editingMacro = -1
                    }
                    onVisibleChanged: {
                        if (!visible)
                            return
                        nameField.text = macroRow.macroName
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
            text: editor.macroEditorLang[editor.texts.newPreset]
            opacity: editor.isInputting || editor.presetModel.count >= editor.presetModel.limit ? 0.3 : 1
            onClicked: editor.newMacro()
        }
        Button {
            objectName: "macroDelete"
            width: 80
            height: 24
            text: editor.macroEditorLang[editor.texts.deletePreset]
            opacity: editor.isInputting || editor.currentIndex < 0 || !editor.presets.canDelete(editor.currentIndex) ? 0.3 : 1
            onClicked: editor.deleteMacro()
        }
    }

    // ---- sequence column

    // What could not be done, under the sequence.
    Text {
        objectName: "editorNotice"
        x: 196
        y: 394
        width: 246
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        elide: Text.ElideRight
        text: editor.notice !== "" ? editor.notice : editor.guardNotice
        visible: text !== ""
        color: "#fa6726"
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize - 2
    }

    Caption { x: 196; y: 40; text: editor.macroEditorLang[editor.texts.sequence] }
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
                id: actionRow
                required property int index
                required property var modelData
                readonly property bool isCursor: actionRow.modelData.type === Actions.typeCursorX
                                                 || actionRow.modelData.type === Actions.typeCursorY
                readonly property bool chosen: Actions.inSelection(editor.actions, editor.selectedAction, actionRow.index)

                objectName: "actionRow" + actionRow.index
                width: sequence.width
                height: 20
                color: chosen ? "#761212" : actionArea.containsMouse ? "#2a2a2a" : "transparent"

                Text {
                    x: 6
                    width: 28
                    anchors.verticalCenter: parent.verticalCenter
                    horizontalAlignment: Text.AlignRight
                    text: actionRow.index + 1
                    color: "#707070"
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize - 2
                }
                Text {
                    x: actionRow.modelData.type === Actions.typeDelay ? 58 : 44
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !actionRow.isCursor && editor.editingDelay !== actionRow.index
                    text: editor.actionText(actionRow.modelData)
                    color: actionRow.modelData.type === Actions.typeDelay ? "#9a9a9a" : Actions.isPress(actionRow.modelData.type) ? "#fa6726" : Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    font.italic: actionRow.modelData.type === Actions.typeDelay
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
                        editor.selectedAction = actionRow.index
                        if (mouse.button === Qt.RightButton) {
                            const p = mapToItem(editor, mouse.x, mouse.y)
                            editor.openContextMenu(p.x, p.y)
                        }
                    }
                    onDoubleClicked: {
                        if (!editor.isInputting && actionRow.modelData.type === Actions.typeDelay)
                            editor.editingDelay = actionRow.index
                    }
                }

                // A cursor offset: a bracket joins the pair, each half's
                // value is edited where it stands.
                Rectangle {
                    x: 38
                    y: actionRow.modelData.type === Actions.typeCursorX ? 9 : 0
                    width: 2
                    height: 11
                    visible: actionRow.isCursor
                    color: "#ea5514"
                }
                Text {
                    x: 44
                    anchors.verticalCenter: parent.verticalCenter
                    visible: actionRow.isCursor
                    text: (actionRow.modelData.type === Actions.typeCursorX ? "↔  " + editor.cursorLabels[0]
                                                                  : "↕  " + editor.cursorLabels[1])
                    color: "#e8c070"
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }
                Rectangle {
                    objectName: "offsetBox"
                    x: 150
                    y: 2
                    width: 50
                    height: 16
                    visible: actionRow.isCursor
                    color: offsetField.activeFocus ? "#221815" : "#1c1c1c"
                    border.color: offsetField.activeFocus ? "#ea5514" : "#4e3434"

                    TextInput {
                        id: offsetField
                        objectName: "offsetField"
                        x: 4
                        width: parent.width - 8
                        anchors.verticalCenter: parent.verticalCenter
                        horizontalAlignment: TextInput.AlignRight
                        enabled: actionRow.isCursor && !editor.isInputting
                        text: actionRow.modelData.info
                        validator: IntValidator { bottom: -Actions.maxOffset; top: Actions.maxOffset }
                        color: Theme.fontColor
                        selectionColor: "#b03b3b"
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                        onActiveFocusChanged: {
                            if (activeFocus) {
                                editor.macroEditorFocus()
                                editor.selectedAction = actionRow.index
                            }
                        }
                        // A value that is refused shows the stored one again.
                        onEditingFinished: {
                            if (!editor.setOffset(actionRow.index, text))
                                text = actionRow.modelData.info
                        }
                    }
                }

                Rectangle {
                    x: 52
                    width: 90
                    height: parent.height
                    visible: actionRow.index >= 0 && editor.editingDelay === actionRow.index
                    color: "#221815"
                    border.color: "#ea5514"

                    TextInput {
                        id: delayField
                        objectName: "delayField"
                        x: 5
                        width: parent.width - 10
                        anchors.verticalCenter: parent.verticalCenter
                        validator: IntValidator { bottom: 0; top: Actions.maxDelay }
                        color: Theme.fontColor
                        selectionColor: "#b03b3b"
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                        onAccepted: editor.setDelay(actionRow.index, text)
                        Keys.onEscapePressed: editor.editingDelay = -1
                    }
                    onVisibleChanged: {
                        if (!visible)
                            return
                        delayField.text = actionRow.modelData.info
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
                        const p = mapToItem(editor, mouse.x, mouse.y)
                        editor.openContextMenu(p.x, p.y)
                    }
                }
            }
        }
    }

    // ---- options column

    Caption { x: 460; y: 40; text: editor.macroEditorLang[editor.texts.options] }
    Column {
        x: 458
        y: 60
        spacing: 14

        Button {
            objectName: "recordButton"
            width: 168
            height: 26
            text: editor.isInputting ? editor.macroEditorLang[editor.texts.stopRecord] : editor.macroEditorLang[editor.texts.startRecord]
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
            id: toolSlot
            width: 168
            height: childrenRect.height
            visible: children.length > 0
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
                text: editor.macroEditorLang[editor.texts.recTime]
                color: Theme.fontColor
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
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
                    text: editor.macroEditorLang[editor.texts.loopsTimer]
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
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
                    validator: IntValidator { bottom: 0; top: Actions.maxLoops }
                    color: editor.loopsOn ? Theme.fontColor : "#808080"
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    onEditingFinished: editor.commitLoops()
                }
            }
        }

        // How much of the mouse's room the recording takes.
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
                    width: editor.meterLimit > 0 ? Math.min(1, editor.meterValue / editor.meterLimit) * (parent.width - 2) : 0
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
                text: editor.meterValue + " / " + editor.meterLimit
                color: editor.meterOver ? "#fa6726" : "#9a9a9a"
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize - 2
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
            text: editor.macroEditorLang[editor.texts.ok]
            onClicked: editor.close()
        }
        Button {
            objectName: "macroEditorCancel"
            width: 78
            height: 25
            text: editor.macroEditorLang[editor.texts.cancel]
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
        visible: editor.menuOpen

        Column {
            x: 3
            y: 3
            spacing: 4

            Repeater {
                model: [editor.texts.deleteAction, editor.texts.insertLeft, editor.texts.insertMiddle,
                        editor.texts.insertRight, editor.texts.insertDelay]

                Rectangle {
                    id: menuRow
                    required property int modelData
                    objectName: "sequenceMenu" + menuRow.modelData
                    readonly property bool usable: menuRow.modelData !== editor.texts.deleteAction || editor.selectedAction >= 0
                    width: 150
                    height: 17
                    color: itemArea.containsMouse && usable ? "#761212" : "#4f1717"
                    opacity: usable ? 1 : 0.4

                    Text {
                        x: 6
                        anchors.verticalCenter: parent.verticalCenter
                        text: editor.macroEditorLang[menuRow.modelData]
                        color: Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                    }
                    MouseArea {
                        id: itemArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            editor.menuOpen = false
                            if (menuRow.modelData === editor.texts.deleteAction)
                                editor.deleteAction()
                            else if (menuRow.modelData === editor.texts.insertLeft)
                                editor.insertButtonAction("MS-L")
                            else if (menuRow.modelData === editor.texts.insertMiddle)
                                editor.insertButtonAction("MS-M")
                            else if (menuRow.modelData === editor.texts.insertRight)
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
