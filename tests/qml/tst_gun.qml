import QtQuick
import QtTest

// The gun dialog: the factory presets that stay, deleting a preset a gun
// slot plays, the three presets on the mouse (and when they are too long
// for it), the four insert dialogs with the cursor pad, cursor pairs in the
// sequence, recording without a length limit, and the slots after a factory
// reset.
PageTestCase {
    name: "GunControl"

    function init() {
        freshProfile()
        testRig.restoreGunPresets()
    }

    function gunOf(page) {
        return item(page, "gunControlMain")
    }

    function openGun(page) {
        var gun = gunOf(page)
        mouseClick(item(page, "gunControlButton"))
        verify(gun.visible)
        verify(item(page, "mainMask").visible)
        row(gun, "macroRow0")
        return gun
    }

    // A new preset with `actions`, chosen in the dialog.
    function makePreset(gun, actions) {
        mouseClick(item(gun, "macroNew"))
        gun.setActions(actions)
        row(gun, "macroRow" + gun.currentIndex)
        return gun.currentName()
    }

    // k actions, pressing and releasing A in turn: 2 bytes each, 4 around them.
    function keyActions(k) {
        var list = new Array()
        for (var i = 0; i < k; ++i)
            list.push({ type: i % 2 === 0 ? 1 : 2, info: "A" })
        return list
    }

    function keyBytes(k) {
        var bytes = new Array(0, 1)
        for (var i = 0; i < k; ++i)
            bytes.push(i % 2 === 0 ? 0x0a : 0x8a, 0x04)
        return bytes.concat([0, 0])
    }

    // What the mouse holds from macro slot 6 on, `count` bytes of it.
    function gunSlots(count) {
        var bytes = []
        for (var slot = 6; bytes.length < count; ++slot)
            bytes = bytes.concat(testRig.macroSlot(slot))
        return bytes.slice(0, count)
    }

    function lines(name) {
        return ui_View.loadGunIni(name)
    }

    function test_factoryPresetsStay_data() {
        return [
            { tag: "the first", row: 0, deleted: false },
            { tag: "the second", row: 1, deleted: false },
            { tag: "the third", row: 2, deleted: false },
            { tag: "the fourth is the user's", row: 3, deleted: true },
        ]
    }

    function test_factoryPresetsStay(data) {
        var page = openFilledPage()
        var gun = openGun(page)
        makePreset(gun, keyActions(2))
        var names = gun.macroNames()
        compare(names, ["General", "Double fire", "Three fire", "Gun_0"])
        mouseClick(item(gun, "macroRow" + data.row))
        compare(gun.currentIndex, data.row)
        compare(item(gun, "macroDelete").opacity, data.deleted ? 1 : 0.3)
        mouseClick(item(gun, "macroDelete"))
        var left = names.slice()
        if (data.deleted)
            left.splice(data.row, 1)
        compare(gun.macroNames(), left)
        compare(ui_View.getNameList(1), left)
        compare(testRig.fileExists("modules/gun/" + names[data.row] + ".bin"), !data.deleted)
    }

    // Slot 1 plays the user's preset from button 7; another profile's slots
    // 1 and 2 chose it and the preset after it, both on that profile's
    // button 7. Deleting it takes slot 1 off its button, gives it preset 2
    // here and there, the preset after it keeps its slot, and the other
    // profile's button 7 switches to slot 2 alone in all four layers.
    function test_deletingAPresetASlotPlays() {
        testRig.setStored(3, "selectGun/1", 3)
        testRig.setStored(3, "selectGunKey/1", 6)
        testRig.setStored(3, "selectGun/2", 4)
        testRig.setStored(3, "selectGunKey/2", 6)
        var chain = [[8, 0, 1, 2], [8, 0, 1, 3], [8, 0, 1, 0], [8, 0, 1, 0]]
        var layerKeys = ["keydefine_R8/6", "keydefine_R82/6", "keydefine_R83/6", "keydefine_R84/6"]
        for (var k = 0; k < 4; ++k)
            testRig.setStored(3, layerKeys[k], chain[k])
        var page = openFilledPage()
        var gun = openGun(page)
        makePreset(gun, keyActions(2))
        makePreset(gun, keyActions(4))
        mouseClick(item(gun, "macroEditorOk"))

        choose(openMenu(page, 6), [12, 46, 48])
        var dialog = item(page, "macroKeyMain")
        mouseClick(item(dialog, "macroKeyDrop"))
        mouseClick(item(dialog, "macroKeyName3"))
        mouseClick(item(dialog, "macroKeyOk"))
        gun.setGunData(2, 4)
        compare(item(page, "keyText6").text, "Gun_0")
        compare(mouseEntry(1, 6), [8, 0, 1, 2])
        compare(testRig.gunLengths()[1], keyBytes(2).length / 2)

        openGun(page)
        mouseClick(item(gun, "macroRow3"))
        mouseClick(item(gun, "macroDelete"))

        compare(gun.macroNames(), ["General", "Double fire", "Three fire", "Gun_1"])
        compare(gun.gunData, [0, 2, 3])
        compare(storedList("selectGunKey/1"), [-1])
        compare(storedList("selectGun/1"), [2])
        compare(storedList("selectGun/2"), [3])
        compare(mouseEntry(1, 6), [8, 0, 1, 0], "button 7 no longer switches to slot 1")
        compare(item(page, "keyText6").text, "Gun Button")
        compare(item(page, "keyMenuMain").gunMenuNames[1], "")
        compare(Number(testRig.stored(3, "selectGunKey/1")), -1)
        compare(Number(testRig.stored(3, "selectGun/1")), 2)
        compare(Number(testRig.stored(3, "selectGun/2")), 3)
        var relinked = [[8, 0, 1, 3], [8, 0, 1, 0], [8, 0, 1, 0], [8, 0, 1, 0]]
        for (k = 0; k < 4; ++k)
            compare(testRig.stored(3, layerKeys[k]).map(Number), relinked[k], layerKeys[k])
        compare(Number(ui_View.loadGunIndex("Gun_1")), 3)
        // Slot 1 now plays "Three fire" and slot 2 the preset after the deleted one.
        compare(testRig.gunLengths()[2], keyBytes(4).length / 2)
    }

    // The three presets go out back to back from slot 6 while together they
    // stay below 896 bytes; from 896 on neither the bytes nor the lengths go,
    // and the dialog and an assignment from the button menu say so.
    function test_sending_data() {
        return [
            { tag: "894 bytes are sent", keys: [147, 147, 147], sent: true, words: [149, 149, 149] },
            { tag: "896 bytes are not sent", keys: [147, 147, 148], sent: false },
            { tag: "far beyond is not sent", keys: [600, 10, 10], sent: false },
        ]
    }

    SignalSpy {
        id: notices
        target: ui_View
        signalName: "messageRequested"
    }

    function test_sending(data) {
        var page = openFilledPage()
        var gun = openGun(page)
        var before = testRig.gunLengths()
        for (var i = 0; i < 3; ++i) {
            makePreset(gun, keyActions(data.keys[i]))
            gun.setGunData(i, 3 + i)
        }
        testRig.clearMouseRecords()
        compare(gun.sendGunMacro(), data.sent)

        compare(storedList("selectGun/0").concat(storedList("selectGun/1"), storedList("selectGun/2")), [3, 4, 5])
        var expected = keyBytes(data.keys[0]).concat(keyBytes(data.keys[1]), keyBytes(data.keys[2]))
        compare(item(gun, "usedBytes").text, expected.length + " / 896")
        compare(item(gun, "editorNotice").visible, !data.sent)
        if (data.sent) {
            compare(testRig.framesSent(0x13), Math.ceil(expected.length / 128))
            compare(gunSlots(expected.length), expected)
            compare(testRig.framesSent(0x04), 3)
            compare(testRig.gunLengths(), data.words)
            return
        }
        compare(testRig.framesSent(0x13) + testRig.framesSent(0x04), 0)
        compare(testRig.gunLengths(), before)

        mouseClick(item(gun, "macroEditorOk"))
        notices.clear()
        choose(openMenu(page, 6), [12, 46, 48])
        var dialog = item(page, "macroKeyMain")
        mouseClick(item(dialog, "macroKeyDrop"))
        mouseClick(item(dialog, "macroKeyName4"))
        mouseClick(item(dialog, "macroKeyOk"))
        compare(notices.count, 1)
        verify(String(notices.signalArguments[0][1]).indexOf("896") >= 0)
        compare(testRig.framesSent(0x04), 0)
    }

    // A cursor offset from the dialog's fields, alone in the preset of slot 0.
    function test_cursorOffsetReachesTheMouse_data() {
        return [
            { tag: "-1 is 0xff", x: "-1", y: "1", lines: ["5,-1", "6,1"], bytes: [0xff, 0x01] },
            { tag: "the ends of the range", x: "-127", y: "127", lines: ["5,-127", "6,127"], bytes: [0x81, 0x7f] },
            { tag: "beyond the range is held at its end", x: "300", y: "-300", lines: ["5,127", "6,-127"], bytes: [0x7f, 0x81] },
            { tag: "no number is 0", x: "abc", y: "", lines: ["5,0", "6,0"], bytes: [0, 0] },
        ]
    }

    function test_cursorOffsetReachesTheMouse(data) {
        var page = openFilledPage()
        var gun = openGun(page)
        var name = makePreset(gun, [])
        gun.setGunData(0, 3)
        mouseClick(item(gun, "insertTool_cursor"))
        verify(item(gun, "insertCursorDialog").visible)
        verify(item(gun, "insertMask").visible)
        item(gun, "cursorXField").text = data.x
        item(gun, "cursorYField").text = data.y
        mouseClick(item(gun, "insertCursorOk"))
        verify(!item(gun, "insertCursorDialog").visible)

        compare(lines(name), data.lines.concat(["1"]))
        compare(gunSlots(8), [0, 1, 0x0a, 0xfa].concat(data.bytes, [0, 0]))
        compare(testRig.gunLengths()[0], 4)
    }

    // Where the knob lands under a press, and the offset it stands for; the
    // fields put the knob back where the offset is.
    function test_cursorPad_data() {
        return [
            { tag: "top left", at: [0, 0], knob: [-2, -2], x: -127, y: 127 },
            { tag: "top right", at: [255, 0], knob: [253, -2], x: 127, y: 127 },
            { tag: "bottom left", at: [0, 255], knob: [-2, 253], x: -127, y: -127 },
            { tag: "bottom right", at: [255, 255], knob: [253, 253], x: 127, y: -127 },
            { tag: "the centre", at: [128, 128], knob: [126, 126], x: 0, y: 0 },
            { tag: "just left of and above the centre", at: [127, 127], knob: [125, 125], x: 0, y: 0 },
            { tag: "one step right and down", at: [129, 129], knob: [127, 127], x: 1, y: -1 },
            { tag: "two steps left and up", at: [126, 126], knob: [124, 124], x: -1, y: 1 },
        ]
    }

    function test_cursorPad(data) {
        var page = openFilledPage()
        var gun = openGun(page)
        mouseClick(item(gun, "insertTool_cursor"))
        var pad = item(gun, "cursorPad")
        mousePress(pad, data.at[0], data.at[1])
        mouseRelease(pad, data.at[0], data.at[1])
        var knob = item(pad, "cursorKnob")
        compare([knob.x, knob.y], data.knob)
        compare(item(gun, "cursorXField").text, String(data.x))
        compare(item(gun, "cursorYField").text, String(data.y))

        // Typed values move the knob to where a press gives them back.
        gun.setCursor(0, 0)
        compare([knob.x, knob.y], [126, 125])
        gun.setCursor(data.x, data.y)
        mousePress(pad, knob.x + 2, knob.y + 2)
        mouseRelease(pad, knob.x + 2, knob.y + 2)
        compare(item(gun, "cursorXField").text, String(data.x))
        compare(item(gun, "cursorYField").text, String(data.y))
        mouseClick(item(gun, "insertCursorCancel"))
        verify(!item(gun, "insertMask").visible)
    }

    // A dragged knob stays on the pad.
    function test_cursorPadDrag() {
        var page = openFilledPage()
        var gun = openGun(page)
        mouseClick(item(gun, "insertTool_cursor"))
        var pad = item(gun, "cursorPad")
        mousePress(pad, 200, 50)
        mouseMove(pad, 400, -100)
        mouseRelease(pad, 400, -100)
        compare(item(gun, "cursorXField").text, "127")
        compare(item(gun, "cursorYField").text, "127")
    }

    // A: press A, release A, a pair of 3 / -2, a delay of 20.
    function test_cursorPairs_data() {
        return [
            { tag: "a button after the X half goes behind the pair", at: 2, menu: 13,
              lines: ["1,A", "2,A", "5,3", "6,-2", "3,MS-L", "4,MS-L", "0,20"] },
            { tag: "a button after the Y half goes behind the pair", at: 3, menu: 15,
              lines: ["1,A", "2,A", "5,3", "6,-2", "3,MS-R", "4,MS-R", "0,20"] },
            { tag: "a delay at the Y half goes before the pair", at: 3, menu: 16,
              lines: ["1,A", "2,A", "0,50", "5,3", "6,-2", "0,20"] },
            { tag: "a delay at the X half goes before the pair", at: 2, menu: 16,
              lines: ["1,A", "2,A", "0,50", "5,3", "6,-2", "0,20"] },
            { tag: "deleting the X half deletes both", at: 2, menu: 12, lines: ["1,A", "2,A", "0,20"] },
            { tag: "deleting the Y half deletes both", at: 3, menu: 12, lines: ["1,A", "2,A", "0,20"] },
            { tag: "deleting another action leaves the pair", at: 1, menu: 12, lines: ["1,A", "5,3", "6,-2", "0,20"] },
        ]
    }

    function test_cursorPairs(data) {
        var page = openFilledPage()
        var gun = openGun(page)
        var name = makePreset(gun, [{ type: 1, info: "A" }, { type: 2, info: "A" }, { type: 5, info: "3" },
                                    { type: 6, info: "-2" }, { type: 0, info: "20" }])
        mouseClick(row(gun, "actionRow" + data.at), 20, 10, Qt.RightButton)
        compare(gun.selectedAction, data.at)
        // Either half shows the whole pair chosen.
        if (data.at === 2 || data.at === 3) {
            verify(row(gun, "actionRow2").chosen)
            verify(row(gun, "actionRow3").chosen)
        }
        mouseClick(item(gun, "sequenceMenu" + data.menu))
        compare(lines(name), data.lines.concat(["1"]))
    }

    // A half's value is edited where it stands; what is no number keeps the
    // stored value, what is out of range is held at its end.
    function test_offsetEditedInPlace_data() {
        return [
            { tag: "a new value", row: 3, typed: "-45", lines: ["5,3", "6,-45"] },
            { tag: "held at the end of the range", row: 2, typed: "500", lines: ["5,127", "6,-2"] },
            { tag: "no number keeps the value", row: 2, typed: "-", lines: ["5,3", "6,-2"] },
        ]
    }

    function test_offsetEditedInPlace(data) {
        var page = openFilledPage()
        var gun = openGun(page)
        var name = makePreset(gun, [{ type: 1, info: "A" }, { type: 2, info: "A" }, { type: 5, info: "3" },
                                    { type: 6, info: "-2" }])
        var field = item(row(gun, "actionRow" + data.row), "offsetField")
        verify(field.visible)
        mouseClick(field)
        verify(field.activeFocus)
        compare(gun.selectedAction, data.row)
        gun.setOffset(data.row, data.typed)
        compare(lines(name), ["1,A", "2,A"].concat(data.lines, ["1"]))
    }

    // Typing into the field takes the keys the field's range allows.
    function test_offsetTypedInPlace() {
        var page = openFilledPage()
        var gun = openGun(page)
        var name = makePreset(gun, [{ type: 5, info: "3" }, { type: 6, info: "-2" }])
        var field = item(row(gun, "actionRow1"), "offsetField")
        mouseDoubleClickSequence(field)
        field.selectAll()
        keyClick(Qt.Key_Minus)
        keyClick(Qt.Key_9)
        keyClick(Qt.Key_Return)
        compare(lines(name), ["5,3", "6,-9", "1"])
    }

    // The key field listens once clicked; the next key pressed is the key.
    function test_insertKey_data() {
        return [
            { tag: "after the chosen action", at: 0, key: 0x05, lines: ["1,A", "1,B", "2,B", "2,A"] },
            { tag: "at the end with the last chosen", at: 1, key: 0x2c, lines: ["1,A", "2,A", "1,Space", "2,Space"] },
            { tag: "behind a chosen pair", at: 2, key: 0x06, lines: ["1,A", "2,A", "5,1", "6,1", "1,C", "2,C"] },
            { tag: "a key without a name inserts nothing", at: 0, key: 0x01, lines: ["1,A", "2,A"] },
        ]
    }

    function test_insertKey(data) {
        var page = openFilledPage()
        var gun = openGun(page)
        var start = [{ type: 1, info: "A" }, { type: 2, info: "A" }]
        if (data.at === 2)
            start.push({ type: 5, info: "1" }, { type: 6, info: "1" })
        var name = makePreset(gun, start)
        mouseClick(row(gun, "actionRow" + data.at))
        mouseClick(item(gun, "insertTool_key"))
        verify(item(gun, "insertKeyDialog").visible)
        // Keys before the field is clicked are not taken.
        page.detectKeyboard(true, 0x07)
        compare(item(gun, "insertKeyName").text, "")
        mouseClick(item(gun, "insertKeyField"))
        verify(gun.isInsertting)
        verify(item(gun, "insertKeyCaret").visible)
        page.detectKeyboard(true, data.key)
        page.detectKeyboard(false, data.key)
        mouseClick(item(gun, "insertKeyOk"))
        compare(lines(name), data.lines.concat(["1"]))
        verify(!gun.isInsertting)
    }

    function test_insertKeyListensForOneKey() {
        var page = openFilledPage()
        var gun = openGun(page)
        makePreset(gun, [])
        mouseClick(item(gun, "insertTool_key"))
        mouseClick(item(gun, "insertKeyField"))
        page.detectKeyboard(true, 0x04)
        verify(!gun.isInsertting)
        verify(!item(gun, "insertKeyCaret").visible)
        page.detectKeyboard(true, 0x05)
        compare(item(gun, "insertKeyName").text, "A")
        // Clicking the field again clears it and listens anew.
        mouseClick(item(gun, "insertKeyField"))
        compare(item(gun, "insertKeyName").text, "")
        verify(gun.isInsertting)
        mouseClick(item(gun, "insertKeyCancel"))
        verify(!gun.isInsertting)
        compare(gun.actions, [])
    }

    function test_insertMouse_data() {
        return [
            { tag: "left", choice: 0, name: "MS-L" },
            { tag: "right", choice: 1, name: "MS-R" },
            { tag: "middle", choice: 2, name: "MS-M" },
            { tag: "button 5", choice: 3, name: "MS-B5" },
            { tag: "button 4", choice: 4, name: "MS-B4" },
        ]
    }

    function test_insertMouse(data) {
        var page = openFilledPage()
        var gun = openGun(page)
        var name = makePreset(gun, [{ type: 0, info: "30" }])
        mouseClick(row(gun, "actionRow0"))
        mouseClick(item(gun, "insertTool_mouse"))
        mouseClick(item(gun, "insertMouseChoice" + data.choice))
        mouseClick(item(gun, "insertMouseOk"))
        compare(lines(name), ["0,30", "3," + data.name, "4," + data.name, "1"])
    }

    // The delay goes in before the chosen action.
    function test_insertDelay_data() {
        return [
            { tag: "a number", typed: "120", ms: "120" },
            { tag: "no number becomes 50", typed: "abc", ms: "50" },
            { tag: "nothing becomes 50", typed: "", ms: "50" },
            { tag: "above the limit is held at 100000", typed: "250000", ms: "100000" },
            { tag: "zero", typed: "0", ms: "0" },
        ]
    }

    function test_insertDelay(data) {
        var page = openFilledPage()
        var gun = openGun(page)
        var name = makePreset(gun, [{ type: 3, info: "MS-L" }, { type: 4, info: "MS-L" }])
        mouseClick(row(gun, "actionRow1"))
        mouseClick(item(gun, "insertTool_delay"))
        var field = item(gun, "insertDelayField")
        compare(field.text, "50")
        field.text = data.typed
        mouseClick(item(gun, "insertDelayOk"))
        compare(lines(name), ["3,MS-L", "0," + data.ms, "4,MS-L", "1"])
    }

    // A gun preset may be longer than a macro: 200 events are all taken.
    // While recording, the insert buttons are dimmed and open nothing.
    function test_recordingHasNoLengthLimit() {
        var page = openFilledPage()
        var gun = openGun(page)
        var name = makePreset(gun, [])
        gun.recTime = false
        mouseClick(item(gun, "recordButton"))
        verify(gun.isInputting)
        var tool = item(gun, "insertTool_key")
        compare(tool.opacity, 0.3)
        mouseClick(tool)
        verify(!item(gun, "insertKeyDialog").visible)
        for (var i = 0; i < 200; ++i)
            page.detectKeyboard(i % 2 === 0, 0x04)
        verify(!gun.recordFull)
        mouseClick(item(gun, "recordButton"))
        verify(!gun.isInputting)
        compare(tool.opacity, 1)
        var stored = lines(name)
        compare(stored.length, 201)
        compare(stored[199], "2,A")
    }

    // An edit of a preset that a slot plays reaches the mouse at once; one
    // that no slot plays sends nothing.
    function test_editsOfAPlayedPresetAreSent() {
        var page = openFilledPage()
        var gun = openGun(page)
        makePreset(gun, keyActions(2))
        testRig.clearMouseRecords()
        gun.setActions(keyActions(4))
        compare(testRig.framesSent(0x13) + testRig.framesSent(0x04), 0)
        gun.setGunData(0, 3)
        gun.setActions(keyActions(6))
        compare(testRig.gunLengths()[0], keyBytes(6).length / 2)
        compare(gunSlots(keyBytes(6).length), keyBytes(6))
    }

    // The factory reset gives the slots their factory presets and sends them.
    function test_factoryResetSendsTheGuns() {
        var page = openFilledPage()
        var gun = openGun(page)
        makePreset(gun, keyActions(20))
        gun.setGunData(0, 3)
        gun.sendGunMacro()
        compare(testRig.gunLengths()[0], keyBytes(20).length / 2)
        mouseClick(item(gun, "macroEditorOk"))

        mouseClick(item(page, "downItem"))
        mouseClick(item(page, "factoryOk"))
        compare(gun.gunData, [0, 1, 2])
        var general = ui_View.encodeMacroActions(ui_View.loadGunIni("General").slice(0, -1), 1, true)
        compare(testRig.gunLengths()[0], general.length / 2)
        compare(gunSlots(general.length), general)
    }

    // A renamed preset shows its new name on the button that plays it and in
    // the key menu.
    function test_renameShowsOnTheButtons() {
        var page = openFilledPage()
        var gun = openGun(page)
        compare(item(page, "keyText5").text, "General")
        mouseDoubleClickSequence(item(gun, "macroRow0"))
        verify(gun.renameMacro(0, "Tap"))
        compare(gun.macroNames(), ["Tap", "Double fire", "Three fire"])
        verify(testRig.fileExists("modules/gun/Tap.bin"))
        compare(item(page, "keyText5").text, "Tap")
        compare(item(page, "keyMenuMain").gunMenuNames[0], "Tap")
        verify(!gun.renameMacro(1, "Tap"))
        verify(!gun.renameMacro(1, "gunData"))
        // The user's name stays at the next start, in English too.
        testRig.setAppConfig("common/language", "English")
        var again = openFilledPage()
        compare(item(again, "gunPresets").macroNames(), ["Tap", "Double fire", "Three fire"])
    }

    function test_chinese() {
        testRig.setAppConfig("common/language", "ChineseSimplified")
        var page = openFilledPage()
        testRig.setAppConfig("common/language", "English")
        var gun = gunOf(page)
        compare(item(page, "gunControlButton").text, "枪械宏")
        compare(gun.macroEditorLang.length, 31)
        compare(gun.macroEditorLang[19], "插入偏移")
        compare(gun.macroEditorLang[28], "左键")
        compare(gun.macroEditorLang[30], "中键")
    }
}
