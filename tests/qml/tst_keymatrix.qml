import QtQuick
import QtTest

// The button assignment panel and its function menu: what each choice puts
// into the mouse's key matrices and the profile, the last left click, the
// gun slots and their chain of layers, and the single-key dialog.
PageTestCase {
    name: "KeyMatrix"

    function init() {
        freshProfile()
    }

    function bytesOf(code) {
        var bytes = new Array()
        for (var i = 0; i < 8; i += 2)
            bytes.push(parseInt(code.substr(i, 2), 16))
        return bytes
    }

    function test_menuCodeReachesTheMouse_data() {
        var rows = [
            [[0], "0100f000", "Left Button"], [[1], "0100f100", "Right Button"], [[2], "0100f200", "Middle Button"],
            [[3], "0f002e00", "Auto Run"], [[42], "0100f400", "Forward"], [[4], "0f000500", "Fire Mode"],
            [[43], "0100f300", "Back"], [[5], "0af01e02", "Double Click"], [[13], "00000000", "Deactivated"],
            [[8, 25], "0000e011", "New"], [[8, 26], "0000e01b", "Cut"], [[8, 27], "0000e006", "Copy"],
            [[8, 28], "0000e019", "Paste"], [[8, 29], "0000e016", "Save"], [[8, 30], "0000e013", "Print"],
            [[8, 31], "0000e009", "Find"], [[8, 32], "0000e01c", "Redo"], [[8, 33], "0000e01d", "Undo"],
            [[8, 34], "0000e004", "Select All"],
            [[7, 17], "03008301", "Media Player"], [[7, 18], "0300b500", "Next Track"],
            [[7, 19], "0300b600", "Previous Track"], [[7, 20], "0300b700", "Stop"], [[7, 21], "0300cd00", "Play/Pause"],
            [[7, 22], "0300e200", "Mute"], [[7, 23], "0300e900", "Volume Up"], [[7, 24], "0300ea00", "Volume Down"],
            [[9, 35], "03009401", "My Computer"], [[9, 36], "03002302", "Web Home"],
            [[9, 37], "03002102", "Search Computer"], [[9, 38], "00042c1b", "Maximize"],
            [[9, 39], "00042c11", "Minimize"], [[9, 40], "0000e307", "Show Desktop"], [[9, 41], "0000e315", "Run"],
            [[6, 14], "07000100", "DPI +"], [[6, 15], "07000200", "DPI -"], [[6, 16], "07000300", "DPI LOOP"],
        ]
        return Array.from(rows, (r) => ({ tag: r[2] + " " + r[1], path: r[0], code: r[1], text: r[2] }))
    }

    // Button 4: the normal layer and the gun layers on the mouse, the
    // profile, and the text of its row.
    function test_menuCodeReachesTheMouse(data) {
        var page = openFilledPage()
        var menu = openMenu(page, 3)
        compare([menu.x, menu.y], [249, 131 + 3 * 21])
        compare(item(page, "mouseMain").selectKey, 3)
        choose(menu, data.path)
        verify(!menu.visible)
        compare(item(page, "mouseMain").selectKey, -1)

        var bytes = bytesOf(data.code)
        // A key shown under a function name goes to the mouse as a key.
        var sent = [bytes[0] === 0x0f ? 0 : bytes[0], bytes[1], bytes[2], bytes[3]]
        for (var matrix = 1; matrix <= 4; ++matrix)
            compare(mouseEntry(matrix, 3), sent, "matrix " + matrix)
        compare(storedList("keydefine_R8/3"), bytes)
        compare(storedList("keydefine_R82/3"), bytes)
        compare(item(page, "keyText3").text, data.text)
        compare(testRig.keyMatrixNo(), 0)
    }

    function test_lastLeftClickIsKept_data() {
        return [
            { tag: "the only left click is refused", secondLeft: false, kept: true },
            { tag: "with a second left click the first may go", secondLeft: true, kept: false },
        ]
    }

    function test_lastLeftClickIsKept(data) {
        var page = openFilledPage()
        if (data.secondLeft)
            choose(openMenu(page, 7), [0])
        testRig.clearMouseRecords()
        choose(openMenu(page, 0), [1])
        if (data.kept) {
            compare(testRig.framesSent(0x12), 0)
            compare(item(page, "keyText0").text, "Left Button")
            compare(storedList("keydefine_R8/0"), [1, 0, 0xf0, 0])
        } else {
            compare(mouseEntry(1, 0), [1, 0, 0xf1, 0])
            compare(mouseEntry(1, 7), [1, 0, 0xf0, 0])
        }
    }

    // Hovering a row lights its button on the mouse; an open menu keeps its
    // own button lit.
    function test_hoverLightsTheButton() {
        var page = openFilledPage()
        var mouse = item(page, "mouseMain")
        mouseMove(item(page, "keyRow2"))
        compare(mouse.selectKey, 2)
        mouseMove(item(page, "keyRow5"))
        compare(mouse.selectKey, 5)
        mouseClick(item(page, "keyRow1"))
        mouseMove(item(page, "keyRow4"))
        compare(mouse.selectKey, 1)
        clickBackground(page)
        verify(!item(page, "keyMenuMain").visible)
        compare(mouse.selectKey, -1)
    }

    // Sub-menus open beside their item and stay inside the page.
    function test_subMenusStayInThePage_data() {
        return [
            { tag: "basic commands beside button 1", row: 0, path: [8], sub: "keyMenuSub", subY: 7 * 21 },
            { tag: "basic commands of button 8 just fit", row: 7, path: [8], sub: "keyMenuSub", subY: 7 * 21 },
            { tag: "gun slot 3 of button 8 moves up", row: 7, path: [12, 47], sub: "keyMenuGunSub", subY: -1 },
        ]
    }

    function test_subMenusStayInThePage(data) {
        var page = openFilledPage()
        var menu = openMenu(page, data.row)
        choose(menu, data.path)
        var sub = item(menu, data.sub)
        verify(sub.visible)
        var top = sub.mapToItem(page, 0, 0)
        compare(top.x, menu.x + (data.sub === "keyMenuSub" ? 134 : 268))
        verify(top.y + sub.height <= page.height, "ends at " + (top.y + sub.height))
        if (data.subY >= 0)
            compare(sub.y, data.subY)
        // Entering an item without a sub-menu closes the open ones.
        mouseMove(item(menu, "keyMenuItem13"))
        verify(!item(menu, "keyMenuSub").visible)
    }

    // The factory profile has gun slot 0 on button 6 (index 5), which steps
    // to gun layer 1 and back. Slots 1 and 2 go on button 7 (index 6) in turn,
    // then slot 1 comes off again.
    function test_gunChainOnOneButton() {
        var page = openFilledPage()
        choose(openMenu(page, 6), [12, 46, 49])
        choose(openMenu(page, 6), [12, 47, 49])
        var gun = [8, 0, 1]
        compare(mouseEntry(1, 6), [...gun, 2], "normal layer to slot 1")
        compare(mouseEntry(3, 6), [...gun, 3], "slot 1 to slot 2")
        compare(mouseEntry(4, 6), [...gun, 0], "slot 2 back to normal")
        compare(mouseEntry(2, 6), [...gun, 0], "slot 0's layer is not on this button")
        compare(mouseEntry(1, 5), [...gun, 1], "button 6 keeps slot 0")
        compare(mouseEntry(2, 5), [...gun, 0])
        compare(storedList("selectGunKey/1"), [6])
        compare(storedList("selectGunKey/2"), [6])
        compare(storedList("keydefine_R83/6"), [...gun, 3])

        // Slot 0 is on another button: nothing to offer for it here.
        var menu = openMenu(page, 6)
        choose(menu, [12, 45])
        verify(!item(menu, "keyMenuGunSub").visible)
        choose(menu, [46, 50])

        compare(mouseEntry(1, 6), [...gun, 3], "normal layer now to slot 2")
        compare(mouseEntry(4, 6), [...gun, 0])
        compare(mouseEntry(3, 6), [...gun, 0])
        compare(mouseEntry(2, 6), [...gun, 0])
        compare(storedList("selectGunKey/1"), [-1])
        // Each gun layer's left button plays its gun macro.
        for (var layer = 1; layer <= 3; ++layer)
            compare(mouseEntry(layer + 1, 0), [9, 2, 5 + layer, 0])
        compare(testRig.keyMatrixNo(), 0)
    }

    // "Assignment" chooses the preset and the play mode of a gun slot and
    // puts the slot on the button.
    function test_gunAssignment() {
        var page = openFilledPage()
        choose(openMenu(page, 6), [12, 46, 48])
        var dialog = item(page, "macroKeyMain")
        verify(dialog.visible)
        compare(dialog.names, ["General", "Double fire", "Three fire"])
        mouseClick(item(dialog, "macroKeyDrop"))
        mouseClick(item(dialog, "macroKeyName2"))
        mouseClick(item(dialog, "playMode1"))
        mouseClick(item(dialog, "macroKeyOk"))
        verify(!dialog.visible)

        compare(mouseEntry(1, 6), [8, 0, 1, 2])
        compare(mouseEntry(3, 6), [8, 0, 1, 0])
        compare(mouseEntry(3, 0), [9, 1, 7, 0], "slot 1's left button plays its macro once per press")
        compare(storedList("selectGunKey/1"), [6])
        compare(storedList("selectGunKey/type1"), [1])
        compare(storedList("selectGun/1"), [2])
        compare(item(page, "keyText6").text, "Three fire")
        compare(item(page, "keyMenuMain").gunMenuNames, ["General", "Three fire", ""])
    }

    // A gun key that gets another function gives up only its own gun slots.
    function test_gunKeyReassigned() {
        var page = openFilledPage()
        choose(openMenu(page, 6), [12, 46, 49])
        choose(openMenu(page, 6), [6, 14])
        compare(mouseEntry(1, 6), [7, 0, 1, 0])
        compare(mouseEntry(3, 6), [7, 0, 1, 0])
        compare(storedList("selectGunKey/1"), [-1])
        compare(storedList("selectGunKey/0"), [5])
        compare(mouseEntry(1, 5), [8, 0, 1, 1])
        var names = item(page, "keyMenuMain").gunMenuNames
        verify(names[0] !== "")
        compare(names[1], "")
    }

    function test_singleKeyDialog_data() {
        return [
            { tag: "a key is assigned as (0, 0, usage, 0)", keys: [0x1e], shown: "1", ok: true, entry: [0, 0, 0x1e, 0],
              text: "Keyboard Key-1" },
            { tag: "the last key pressed counts", keys: [0x04, 0xe1], shown: "L Shift", ok: true, entry: [0, 0, 0xe1, 0],
              text: "Keyboard Key-L Shift" },
            { tag: "a key without a name assigns nothing", keys: [0x74], shown: "", ok: true, entry: null },
            { tag: "cancel assigns nothing", keys: [0x04], shown: "A", ok: false, entry: null },
        ]
    }

    function test_singleKeyDialog(data) {
        var page = openFilledPage()
        choose(openMenu(page, 7), [10])
        var dialog = item(page, "singleKeyMain")
        verify(dialog.visible)
        verify(item(page, "mainMask").visible)
        for (var i = 0; i < data.keys.length; ++i) {
            page.detectKeyboard(true, data.keys[i])
            page.detectKeyboard(false, data.keys[i])
        }
        tryCompare(item(dialog, "singleKeyName"), "text", data.shown)
        mouseClick(item(dialog, data.ok ? "singleKeyOk" : "singleKeyCancel"))
        verify(!dialog.visible)
        verify(!item(page, "mainMask").visible)
        if (data.entry) {
            compare(mouseEntry(1, 7), data.entry)
            compare(storedList("keydefine_R8/7"), data.entry)
            compare(item(page, "keyText7").text, data.text)
        } else {
            compare(storedList("keydefine_R8/7"), [0, 0, 0, 0])
        }
    }

    // In Chinese the panel, its functions and the menu take the language
    // file's texts.
    function test_chinese() {
        testRig.setAppConfig("common/language", "ChineseSimplified")
        var page = openFilledPage()
        testRig.setAppConfig("common/language", "English")
        compare(item(page, "keyMatrixMain").title, "按键设置")
        compare(item(page, "keyText0").text, "左键")
        compare(item(page, "keyText3").text, "自动奔跑")
        compare(item(page, "keyText6").text, "DPI 循环")
        var menu = openMenu(page, 5)
        compare(item(menu, "keyMenuItem12").label, "枪械管理")
        choose(menu, [12, 45, 50])
        compare(item(page, "keyText5").text, "枪键按键")
        choose(openMenu(page, 7), [10])
        page.detectKeyboard(true, 0x2c)
        mouseClick(item(page, "singleKeyOk"))
        compare(item(page, "keyText7").text, "键盘按键-Space")
    }
}
