import QtQuick
import QtTest

// Macros on buttons and the macro editor: the slot a macro takes, the list
// (new, rename, delete), recording with and without delays up to the size
// of the mouse's slot, the edits of the sequence, the loop count, and macro
// files that are damaged.
PageTestCase {
    name: "Macros"

    function init() {
        freshProfile()
    }

    function editorOf(page) {
        return item(page, "macroEditorMain")
    }

    // Macros made in the editor; macro i presses and releases key 4 + i.
    function makeMacros(page, count) {
        var editor = editorOf(page)
        mouseClick(item(page, "macroEditorButton"))
        verify(editor.visible)
        for (var i = 0; i < count; ++i) {
            mouseClick(item(editor, "macroNew"))
            editor.setActions([{ type: 1, info: String.fromCharCode(65 + i) }, { type: 2, info: String.fromCharCode(65 + i) }])
        }
        mouseClick(item(editor, "macroEditorCancel"))
        verify(!editor.visible)
        return editor.macroNames()
    }

    // The macro dialog of button `row`: the macro at `index` of the list.
    function assignMacro(page, row, index, playMode) {
        choose(openMenu(page, row), [11])
        var dialog = item(page, "macroKeyMain")
        verify(dialog.visible)
        mouseClick(item(dialog, "macroKeyDrop"))
        mouseClick(item(dialog, "macroKeyName" + index))
        mouseClick(item(dialog, "playMode" + playMode))
        mouseClick(item(dialog, "macroKeyOk"))
        verify(!dialog.visible)
        verify(!item(page, "mainMask").visible)
    }

    function padded(bytes) {
        var slot = bytes.slice()
        while (slot.length < 128)
            slot.push(0)
        return slot
    }

    function pressAndRelease(code) {
        return [0, 1, 0x01, code, 0x81, code, 0, 0]
    }

    function stored(key) {
        return testRig.stored(testRig.currentProfile(), key)
    }

    // The dialogs on the shared frame: the title bar drags them only as far
    // as the page's edges, and the close button hides them with the mask.
    function test_dialogFrame_data() {
        return [
            { tag: "macro editor", dialog: "macroEditorMain", button: "macroEditorButton", close: "macroEditorClose" },
            { tag: "gun dialog", dialog: "gunControlMain", button: "gunControlButton", close: "macroEditorClose" },
            { tag: "key dialog", dialog: "singleKeyMain", menu: [10], close: "singleKeyClose" },
        ]
    }

    function test_dialogFrame(data) {
        var page = openFilledPage()
        if (data.menu)
            choose(openMenu(page, 7), data.menu)
        else
            mouseClick(item(page, data.button))
        var dialog = item(page, data.dialog)
        verify(dialog.visible)
        mouseDrag(dialog, dialog.width / 2, 10, page.width, page.height)
        compare(Qt.point(dialog.x, dialog.y), Qt.point(page.width - dialog.width, page.height - dialog.height))
        mouseDrag(dialog, dialog.width / 2, 10, -page.width, -page.height)
        compare(Qt.point(dialog.x, dialog.y), Qt.point(0, 0))
        mouseClick(item(dialog, data.close))
        verify(!dialog.visible)
        verify(!item(page, "mainMask").visible)
    }

    // Five buttons take slots 0 to 4 in turn; a sixth macro finds none free
    // and changes nothing; a button that plays a macro keeps its slot.
    function test_macroSlots() {
        var page = openFilledPage()
        var names = makeMacros(page, 6)
        compare(names, ["Macro_0", "Macro_1", "Macro_2", "Macro_3", "Macro_4", "Macro_5"])
        var rows = [2, 3, 4, 6, 7]
        for (var i = 0; i < rows.length; ++i) {
            assignMacro(page, rows[i], i, i % 3)
            compare(mouseEntry(1, rows[i]), [9, i % 3, i + 1, 0], "button " + rows[i])
            compare(stored("macro/" + i), names[i])
            compare(testRig.macroSlot(i + 1), padded(pressAndRelease(4 + i)))
            compare(item(page, "keyText" + rows[i]).text, "Macro: " + names[i])
        }

        testRig.clearMouseRecords()
        assignMacro(page, 1, 5, 0)
        compare(testRig.framesSent(0x12) + testRig.framesSent(0x13), 0)
        compare(mouseEntry(1, 1), [1, 0, 0xf1, 0])
        compare(item(page, "keyText1").text, "Right Button")

        assignMacro(page, 3, 5, 2)
        compare(mouseEntry(1, 3), [9, 2, 2, 0])
        compare(stored("macro/1"), "Macro_5")
        compare(testRig.macroSlot(2), padded(pressAndRelease(4 + 5)))
    }

    // Macro M on three buttons, N on a fourth; another profile has M and N
    // on buttons too. Deleting M gives M's buttons their factory functions
    // everywhere and leaves N where it is.
    function test_deletingAMacroRestoresItsButtons() {
        testRig.setStored(1, "macro/0", "Macro_0")
        testRig.setStored(1, "macro/1", "Macro_1")
        testRig.setStored(1, "keydefine_R8/3", [9, 0, 1, 0])
        testRig.setStored(1, "keydefine_R82/3", [9, 0, 1, 0])
        testRig.setStored(1, "keydefine_R8/4", [9, 0, 2, 0])
        var page = openFilledPage()
        var names = makeMacros(page, 2)
        assignMacro(page, 2, 0, 0)
        assignMacro(page, 3, 0, 0)
        assignMacro(page, 4, 0, 1)
        assignMacro(page, 6, 1, 0)

        var editor = editorOf(page)
        mouseClick(item(page, "macroEditorButton"))
        mouseClick(item(editor, "macroRow0"))
        mouseClick(item(editor, "macroDelete"))

        compare(editor.macroNames(), ["Macro_1"])
        compare(ui_View.getNameList(0), ["Macro_1", "loaderzentak"])
        compare(Number(ui_View.loadMacroIndex("Macro_1")), 0)
        verify(!testRig.fileExists("modules/macro/Macro_0.bin"))
        var factory = [[1, 0, 0xf2, 0], [0x0f, 0, 0x2e, 0], [0x0f, 0, 5, 0]]
        for (var i = 0; i < 3; ++i) {
            compare(storedList("keydefine_R8/" + (2 + i)), factory[i])
            var sent = [factory[i][0] === 0x0f ? 0 : factory[i][0], 0, factory[i][2], 0]
            compare(mouseEntry(1, 2 + i), sent)
            compare(mouseEntry(3, 2 + i), sent)
            compare(stored("macro/" + i), undefined)
        }
        compare(item(page, "keyText2").text, "Middle Button")
        compare(item(page, "keyText4").text, "Fire Mode")
        compare(mouseEntry(1, 6), [9, 0, 4, 0])
        compare(item(page, "keyText6").text, "Macro: Macro_1")

        compare(testRig.stored(1, "keydefine_R8/3").map(Number), [0x0f, 0, 0x2e, 0])
        compare(testRig.stored(1, "keydefine_R82/3").map(Number), [0x0f, 0, 0x2e, 0])
        compare(testRig.stored(1, "keydefine_R8/4").map(Number), [9, 0, 2, 0])
        compare(testRig.stored(1, "macro/0"), undefined)
        compare(testRig.stored(1, "macro/1"), "Macro_1")
    }

    function test_newNames() {
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 3)
        mouseClick(item(page, "macroEditorButton"))
        editor.selectMacro(0)
        editor.deleteMacro()
        mouseClick(item(editor, "macroNew"))
        compare(editor.macroNames(), ["Macro_1", "Macro_2", "Macro_0"])
        compare(editor.currentName(), "Macro_0")
        compare(Number(ui_View.loadMacroIndex("Macro_0")), 2)
        compare(ui_View.getNameList(0), ["Macro_1", "Macro_2", "Macro_0"])
        // The list comes back in the stored order.
        editor.init()
        compare(editor.macroNames(), ["Macro_1", "Macro_2", "Macro_0"])
    }

    function test_rename_data() {
        return [
            { tag: "a free name is taken", name: "Burst", accepted: true },
            { tag: "blanks around it are dropped", name: "  Burst ", accepted: true },
            { tag: "another macro's name is refused", name: "Macro_1", accepted: false },
        ]
    }

    function test_rename(data) {
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 2)
        assignMacro(page, 3, 0, 0)
        mouseClick(item(page, "macroEditorButton"))
        mouseDoubleClickSequence(row(editor, "macroRow0"))
        compare(editor.editingMacro, 0)
        compare(editor.renameMacro(0, data.name), data.accepted)
        compare(editor.editingMacro, -1)
        var name = data.accepted ? "Burst" : "Macro_0"
        compare(editor.macroNames(), [name, "Macro_1"])
        compare(ui_View.getNameList(0), [name, "Macro_1"])
        compare(stored("macro/0"), name)
        compare(item(page, "keyText3").text, "Macro: " + name)
        verify(testRig.fileExists("modules/macro/" + name + ".bin"))
    }

    // One press and release of A and one of B at the given times (the
    // capture's milliseconds, which wrap at 2^32).
    function test_recording_data() {
        return [
            { tag: "with delays", recTime: true, times: [1000, 1030, 1080, 1080],
              lines: ["1,A", "0,30", "2,A", "0,50", "1,B", "2,B"],
              bytes: [0, 1, 15, 4, 0x80 | 25, 4, 1, 5, 0x81, 5, 0, 0] },
            { tag: "to the nearest 10 ms", recTime: true, times: [1000, 1034, 1085, 1089],
              lines: ["1,A", "0,30", "2,A", "0,50", "1,B", "2,B"],
              bytes: [0, 1, 15, 4, 0x80 | 25, 4, 1, 5, 0x81, 5, 0, 0] },
            { tag: "across the clock's wrap", recTime: true, times: [4294967286, 20, 70, 70],
              lines: ["1,A", "0,30", "2,A", "0,50", "1,B", "2,B"],
              bytes: [0, 1, 15, 4, 0x80 | 25, 4, 1, 5, 0x81, 5, 0, 0] },
            { tag: "without delays", recTime: false, times: [1000, 1030, 1080, 1080],
              lines: ["1,A", "2,A", "1,B", "2,B"],
              bytes: [0, 1, 1, 4, 0x81, 4, 1, 5, 0x81, 5, 0, 0] },
            { tag: "a long wait becomes a pause", recTime: true, times: [1000, 1300, 1300, 1300],
              lines: ["1,A", "0,300", "2,A", "1,B", "2,B"],
              bytes: [0, 1, 0, 4, 0, 1, 0, 15, 0x81, 4, 1, 5, 0x81, 5, 0, 0] },
        ]
    }

    function test_recording(data) {
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 1)
        assignMacro(page, 4, 0, 0)
        mouseClick(item(page, "macroEditorButton"))
        verify(editor.visible)
        editor.recTime = data.recTime
        mouseClick(item(editor, "recordButton"))
        verify(editor.isInputting)
        var events = [[true, 4], [false, 4], [true, 5], [false, 5]]
        for (var i = 0; i < events.length; ++i)
            page.detectKeyboard(events[i][0], events[i][1], data.times[i])
        mouseClick(item(editor, "recordButton"))
        verify(!editor.isInputting)
        // Events after the stop are not recorded.
        page.detectKeyboard(true, 6)

        compare(ui_View.loadMacroIni("Macro_0"), data.lines.concat(["1"]))
        compare(testRig.macroSlot(1), padded(data.bytes))
        compare(item(editor, "usedBytes").text, data.bytes.length + " / 126")
        mouseClick(item(editor, "macroEditorOk"))
        verify(!editor.visible)
        verify(!item(page, "mainMask").visible)
    }

    // Every event adds two bytes to the four of count and end. The recording
    // holds whole presses and releases: the 31st press would leave no room
    // for its release, so it is left out with its release, and 60 events
    // make 124 bytes. Mouse buttons too.
    function test_recordingStopsAt126Bytes_data() {
        return [
            { tag: "keys", code: 0x04, name: "A", down: 1, up: 2 },
            { tag: "mouse buttons", code: 0xf0, name: "MS-L", down: 3, up: 4 },
        ]
    }

    function test_recordingStopsAt126Bytes(data) {
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 1)
        assignMacro(page, 4, 0, 0)
        editor.recTime = false
        editor.startRecord()
        for (var i = 0; i < 70; ++i)
            page.detectKeyboard(i % 2 === 0, data.code)
        compare(editor.actions.length, 60)
        verify(editor.recordFull)
        verify(Qt.colorEqual(item(editor, "usedBytes").color, "#fa6726"))
        editor.stopRecord()
        var lines = ui_View.loadMacroIni("Macro_0")
        compare(lines.length, 61)
        compare(lines[59], data.up + "," + data.name)
        var slot = testRig.macroSlot(1)
        compare(slot.slice(118, 128), [0x01, data.code, 0x81, data.code, 0, 0, 0, 0, 0, 0])
        compare(slot[3], data.code)
    }

    // With "Rec Time" on, a press is taken only while every held key's
    // release still fits with the longest delay it may get. Once a press is
    // left out, a held key's release is still taken, a release whose press
    // was left out is not, and no later press is.
    function test_recordingKeepsRoomForTheReleases() {
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 1)
        editor.recTime = true
        editor.startRecord()
        for (var i = 0; i < 56; ++i)
            page.detectKeyboard(i % 2 === 0, 0x04, 500)
        page.detectKeyboard(true, 0x05, 500)
        compare(editor.usedBytes, 118)
        verify(!editor.recordFull)
        page.detectKeyboard(true, 0x06, 500)
        verify(editor.recordFull)
        page.detectKeyboard(false, 0x06, 510)
        page.detectKeyboard(false, 0x05, 1500)
        page.detectKeyboard(true, 0x04, 1600)
        page.detectKeyboard(false, 0x04, 1700)
        var last = editor.actions.slice(-4).map(function (a) { return a.type + "," + a.info })
        compare(last, ["2,A", "1,B", "0,1000", "2,B"])
        compare(editor.usedBytes, 124)
    }

    // An edit reaches the slots of the current profile that play the macro;
    // a slot that another profile gives the same macro holds a macro of this
    // profile in the mouse and keeps it.
    function test_editResendsOnlyThisProfilesSlots() {
        testRig.setStored(2, "macro/1", "Macro_0")
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 2)
        assignMacro(page, 4, 0, 0)
        assignMacro(page, 6, 1, 0)
        editor.selectMacro(0)
        editor.setActions([{ type: 1, info: "Z" }, { type: 2, info: "Z" }])
        compare(testRig.macroSlot(1), padded(pressAndRelease(0x1d)))
        compare(testRig.macroSlot(2), padded(pressAndRelease(0x05)))
    }

    function test_sequenceEdits_data() {
        var A = [{ type: 1, info: "A" }, { type: 0, info: "20" }, { type: 2, info: "A" }]
        return [
            { tag: "delete removes the chosen action", actions: A, at: 1, menu: 12, lines: ["1,A", "2,A"] },
            { tag: "left button goes in after the chosen action", actions: A, at: 0, menu: 13,
              lines: ["1,A", "3,MS-L", "4,MS-L", "0,20", "2,A"] },
            { tag: "middle button at the end after the last action", actions: A, at: 2, menu: 14,
              lines: ["1,A", "0,20", "2,A", "3,MS-M", "4,MS-M"] },
            { tag: "right button at the end with nothing chosen", actions: A, at: -1, menu: 15,
              lines: ["1,A", "0,20", "2,A", "3,MS-R", "4,MS-R"] },
            { tag: "a delay goes in before the chosen action", actions: A, at: 2, menu: 16,
              lines: ["1,A", "0,20", "0,50", "2,A"] },
            { tag: "delete with nothing chosen does nothing", actions: A, at: -1, menu: 12,
              lines: ["1,A", "0,20", "2,A"] },
        ]
    }

    function test_sequenceEdits(data) {
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 1)
        editor.setActions(data.actions)
        mouseClick(item(page, "macroEditorButton"))
        var sequence = item(editor, "sequence")
        if (data.at >= 0) {
            mouseClick(item(editor, "actionRow" + data.at), 60, 10, Qt.RightButton)
        } else {
            editor.selectedAction = -1
            mouseClick(sequence, 100, sequence.height - 10, Qt.RightButton)
        }
        compare(editor.selectedAction, data.at)
        var menu = item(editor, "sequenceMenu")
        verify(menu.visible)
        mouseClick(item(menu, "sequenceMenu" + data.menu))
        verify(!menu.visible)
        compare(ui_View.loadMacroIni("Macro_0"), data.lines.concat(["1"]))
    }

    // An edit that cannot be kept is said so under the meter: one the mouse
    // has no room for is dropped; one whose file is gone stays on screen.
    function test_refusedEditsAreSaid_data() {
        return [
            { tag: "no room", fill: true, notice: "Full", kept: false },
            { tag: "the file is gone", fill: false, notice: "Not saved", kept: true },
        ]
    }

    function test_refusedEditsAreSaid(data) {
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 1)
        var list = [{ type: 1, info: "A" }, { type: 2, info: "A" }]
        while (data.fill && editor.fits(list.concat([{ type: 1, info: "A" }, { type: 2, info: "A" }])))
            list = list.concat([{ type: 1, info: "A" }, { type: 2, info: "A" }])
        editor.setActions(list)
        mouseClick(item(page, "macroEditorButton"))
        compare(item(editor, "editorNotice").visible, false)
        if (!data.fill)
            testRig.removeMacroFiles()
        mouseClick(item(editor, "actionRow0"), 60, 10, Qt.RightButton)
        mouseClick(item(item(editor, "sequenceMenu"), "sequenceMenu13"))
        verify(item(editor, "editorNotice").visible)
        verify(item(editor, "editorNotice").text.indexOf(data.notice) === 0, item(editor, "editorNotice").text)
        compare(editor.actions.length, list.length + (data.kept ? 2 : 0))
    }

    function test_delayEdit_data() {
        return [
            { tag: "a new number is taken", text: "120", lines: ["1,A", "0,120", "2,A"] },
            { tag: "above the limit is held at 100000", text: "250000", lines: ["1,A", "0,100000", "2,A"] },
            { tag: "no number is dropped", text: "", lines: ["1,A", "0,20", "2,A"] },
        ]
    }

    function test_delayEdit(data) {
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 1)
        editor.setActions([{ type: 1, info: "A" }, { type: 0, info: "20" }, { type: 2, info: "A" }])
        mouseClick(item(page, "macroEditorButton"))
        mouseDoubleClickSequence(item(editor, "actionRow1"))
        compare(editor.editingDelay, 1)
        editor.setDelay(1, data.text)
        compare(editor.editingDelay, -1)
        compare(ui_View.loadMacroIni("Macro_0"), data.lines.concat(["1"]))
    }

    // The loop count goes into the file and the first two bytes of the slot.
    function test_loops() {
        var page = openFilledPage()
        var editor = editorOf(page)
        makeMacros(page, 1)
        assignMacro(page, 4, 0, 0)
        mouseClick(item(page, "macroEditorButton"))
        var field = item(editor, "loopsField")
        verify(!field.enabled)
        mouseClick(item(editor, "loopsSwitch"))
        verify(field.enabled)
        field.text = "300"
        editor.commitLoops()
        compare(ui_View.loadMacroIni("Macro_0"), ["1,A", "2,A", "300"])
        compare(testRig.macroSlot(1).slice(0, 2), [1, 44])
        editor.selectMacro(0)
        verify(editor.loopsOn)
        mouseClick(item(editor, "loopsSwitch"))
        compare(field.text, "1")
        compare(ui_View.loadMacroIni("Macro_0"), ["1,A", "2,A", "1"])
        compare(testRig.macroSlot(1).slice(0, 2), [0, 1])
    }

    // A macro file written by hand or damaged: lines the editor does not
    // know are skipped, a missing count plays once, the registry's sentinel
    // is no macro.
    function test_damagedMacroFile_data() {
        return [
            { tag: "unknown types and names are skipped",
              file: "[config]\nindex=0\ntotal=7\nrepeat=2\n[macro]\n0=\"1,A\"\n1=\"7,B\"\n2=\"1,NoKey\"\n3=x\n"
                    + "4=\"0,abc\"\n5=\"3,MS-L\"\n6=\"0,40\"\n",
              actions: ["1,A", "3,MS-L", "0,40"], loops: 2 },
            { tag: "a missing count plays once",
              file: "[config]\nindex=0\ntotal=1\n[macro]\n0=\"1,A\"\n", actions: ["1,A"], loops: 1 },
            { tag: "a total past the lines reads no more",
              file: "[config]\nindex=0\ntotal=40\nrepeat=1\n[macro]\n0=\"2,B\"\n", actions: ["2,B"], loops: 1 },
        ]
    }

    function test_damagedMacroFile(data) {
        testRig.writeFile("modules/macro/Hand.bin", data.file)
        ui_View.updataNameList(0, ["Hand"])
        var page = openFilledPage()
        var editor = editorOf(page)
        compare(editor.macroNames(), ["Hand"])
        compare(editor.currentName(), "Hand")
        var lines = []
        for (var i = 0; i < editor.actions.length; ++i)
            lines.push(editor.actions[i].type + "," + editor.actions[i].info)
        compare(lines, data.actions)
        compare(item(editor, "loopsField").text, String(data.loops))
    }
}
