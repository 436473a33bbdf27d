import QtQuick
import ".."
import "keypages.js" as KeyPages
import "actions.js" as Actions

// The dialog of a list of named action sequences, which the macro editor and
// the gun dialog both are: the list with new, rename and delete, the actions
// of the chosen entry, their recording and editing, the loop count. Every
// change is saved at once, so OK and Cancel only close. The list itself is
// `presets` (a PresetList), which lives as long as the page; the dialog is
// made when it is first opened.
Image {
    id: editor

    // The item the dialog is dragged inside.
    property Item dragArea: parent
    property PresetList presets
    property var macroEditorLang: []
    property QtObject keyCodes
    property int skinNo: 1
    property string fontFamily
    property int fontSize: 12
    property color fontColor: "#ffffff"
    readonly property string skinIndex: "qrc:/index/modules/img/skin" + skinNo + "/index/"

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
    readonly property QtObject presetModel: presets.model()

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
    readonly property int usedBytes: encodedBytes(actions).length

    // The list was read again: the dialog starts over at its first entry.
    signal reloaded()
    signal closeEditor()

    // ---- the list

    function macroNames() {
        return presets.macroNames()
    }

    function nameAt(index) {
        return presets.nameAt(index)
    }

    function currentName() {
        return nameAt(currentIndex)
    }

    function loadMacro(name) {
        return presets.loadMacro(name)
    }

    function startOver() {
        stopRecordSilently()
        editingMacro = -1
        selectMacro(presetModel.count > 0 ? 0 : -1)
    }

    function selectMacro(index) {
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

    function newMacro() {
        if (isInputting)
            return
        var index = presets.create()
        if (index >= 0)
            selectMacro(index)
    }

    // False when refused: an empty or path-like name, or one another entry has.
    function renameMacro(index, newName) {
        editingMacro = -1
        return presets.rename(index, newName)
    }

    // The file goes and the later entries move up one number.
    function deleteMacro() {
        if (isInputting || currentIndex < 0 || !presets.canDelete(currentIndex))
            return
        var index = currentIndex
        currentIndex = -1
        presets.remove(index)
        selectMacro(Math.min(index, presetModel.count - 1))
    }

    // ---- the bytes

    function encodedBytes(list) {
        return ui_View.encodeMacroActions(Actions.actionLines(list), Actions.loopValue(loopsField.text),
                                          presets.gunVariant)
    }

    function fits(list) {
        if (list.length > Actions.maxLines)
            return false
        return byteLimit <= 0 || encodedBytes(list).length <= byteLimit
    }

    function noticeText(kind) {
        var texts = {
            full: ["Full: no more fits in the mouse.", "已满：鼠标放不下更多动作。"],
            notSaved: ["Not saved: the file of \"%1\" cannot be written. The changes stay here.",
                       "未保存：无法写入“%1”的文件，修改仍保留在此。"],
            gunsTooLong: ["Not sent: the three gun presets together must stay below %1 bytes.",
                          "未发送：三个枪械宏合计须小于 %1 字节。"]
        }
        return texts[kind][language === 1 ? 1 : 0].replace("%1", kind === "notSaved" ? currentName()
                                                                                     : Actions.gunDataLimit)
    }

    // The chosen entry's file as the editor shows it. A file that cannot be
    // written is said so; the edit stays on screen.
    function autoSave() {
        var name = currentName()
        if (name === "")
            return
        var loops = Actions.loopValue(loopsField.text)
        notice = presets.save(name, Actions.actionLines(actions), encodedBytes(actions), loops)
                 ? "" : noticeText("notSaved")
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
        recordedAny = false
        heldCodes = []
        recordFull = false
        notice = ""
        isInputting = true
        ui_View.resetKeyCapture()
        // Keys typed now are the recording, not text for a field.
        editor.forceActiveFocus()
    }

    function stopRecordSilently() {
        isInputting = false
    }

    function stopRecord() {
        if (!isInputting)
            return
        stopRecordSilently()
        autoSave()
    }

    // The action of a key or button event: 1/2 key, 3/4 button press/release.
    function inputAction(isDown, usbCode) {
        var mouse = usbCode >= 0xf0
        return { type: isDown ? (mouse ? 3 : 1) : (mouse ? 4 : 2), info: keyCodes.inputName(usbCode) }
    }

    // A key (or, from 0xf0 on, a mouse button) while recording, at `time`
    // (the capture's milliseconds; without one, now). The recording holds
    // whole presses and releases: a press is taken only while the releases
    // of every key then held still fit after it, each with the longest delay
    // it may get; once one is left out the recording is full, and only the
    // releases of recorded presses are taken.
    function detectKeyboard(isDown, usbCode, time) {
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
                next.push({ type: 0, info: String(ms) })
        }
        next.push(inputAction(isDown, usbCode))
        var nowHeld = isDown ? heldCodes.concat([usbCode]) : heldCodes.filter(function (c) { return c !== usbCode })
        if (isDown) {
            var whole = next.slice()
            for (var i = 0; i < nowHeld.length; ++i) {
                if (recTime)
                    whole.push({ type: 0, info: String(Actions.maxDelay) })
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
    function applyEdit(list) {
        if (list === null)
            return false
        if (!fits(list)) {
            notice = noticeText("full")
            return false
        }
        setActions(list)
        return true
    }

    function deleteAction() {
        var list = Actions.deleteAction(actions, selectedAction)
        if (list === null)
            return
        selectedAction = Math.min(Actions.pairStart(actions, selectedAction), list.length - 1)
        setActions(list)
    }

    function insertButtonAction(name) {
        applyEdit(Actions.insertButton(actions, selectedAction, name))
    }

    function insertDelayAction(ms) {
        applyEdit(Actions.insertDelay(actions, selectedAction, ms === undefined ? insertedDelay : ms))
    }

    // A delay edit that is no number, or would not fit, is dropped.
    function setDelay(index, text) {
        editingDelay = -1
        var ms = Actions.delayValue(text)
        if (ms === null || index < 0 || index >= actions.length || actions[index].type !== 0)
            return false
        var list = actions.slice()
        list[index] = { type: 0, info: String(ms) }
        return applyEdit(list)
    }

    // A cursor offset typed in place, -127 ... 127; no number is dropped.
    function setOffset(index, text) {
        return applyEdit(Actions.setOffset(actions, index, text))
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
        loopsField.text = String(Actions.loopValue(loopsField.text))
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

    // The picture is held only while the dialog is shown.
    source: visible ? "qrc:/macros/modules/img/skin" + skinNo + "/macros/macroEditorBg.png" : ""
    cache: false
    visible: false
    Component.onCompleted: selectMacro(presetModel.count > 0 ? 0 : -1)

    Connections {
        target: editor.presets
        function onReloaded() {
            editor.startOver()
            editor.reloaded()
        }
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
        drag.maximumX: editor.dragArea ? editor.dragArea.width - editor.width : 0
        drag.minimumY: 0
        drag.maximumY: editor.dragArea ? editor.dragArea.height - editor.height : 0
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

    // ---- list column

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
            model: editor.presetModel

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
            opacity: editor.isInputting || editor.presetModel.count >= editor.presetModel.limit ? 0.3 : 1
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
        font.family: editor.fontFamily
        font.pixelSize: editor.fontSize - 2
    }

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
                id: actionRow
                readonly property bool isCursor: modelData.type === Actions.typeCursorX
                                                 || modelData.type === Actions.typeCursorY
                readonly property bool chosen: Actions.inSelection(editor.actions, editor.selectedAction, index)

                objectName: "actionRow" + index
                width: sequence.width
                height: 20
                color: chosen ? "#761212" : actionArea.containsMouse ? "#2a2a2a" : "transparent"

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
                    visible: !actionRow.isCursor && editor.editingDelay !== index
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

                // A cursor offset: a bracket joins the pair, each half's
                // value is edited where it stands.
                Rectangle {
                    x: 38
                    y: modelData.type === Actions.typeCursorX ? 9 : 0
                    width: 2
                    height: 11
                    visible: actionRow.isCursor
                    color: "#ea5514"
                }
                Text {
                    x: 44
                    anchors.verticalCenter: parent.verticalCenter
                    visible: actionRow.isCursor
                    text: (modelData.type === Actions.typeCursorX ? "↔  " + editor.cursorLabels[0]
                                                                  : "↕  " + editor.cursorLabels[1])
                    color: "#e8c070"
                    font.family: editor.fontFamily
                    font.pixelSize: editor.fontSize
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
                        text: modelData.info
                        validator: IntValidator { bottom: -Actions.maxOffset; top: Actions.maxOffset }
                        color: editor.fontColor
                        selectionColor: "#b03b3b"
                        font.family: editor.fontFamily
                        font.pixelSize: editor.fontSize
                        onActiveFocusChanged: {
                            if (activeFocus) {
                                editor.macroEditorFocus()
                                editor.selectedAction = index
                            }
                        }
                        // A value that is refused shows the stored one again.
                        onEditingFinished: {
                            if (!editor.setOffset(index, text))
                                text = modelData.info
                        }
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
                        validator: IntValidator { bottom: 0; top: Actions.maxDelay }
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
                    validator: IntValidator { bottom: 0; top: Actions.maxLoops }
                    color: editor.loopsOn ? editor.fontColor : "#808080"
                    font.family: editor.fontFamily
                    font.pixelSize: editor.fontSize
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
