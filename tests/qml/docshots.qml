import QtQuick
import QtTest

// Not a test: draws the pictures of docs/ from the real pages on the
// simulated mouse. Run by hand:
//   QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
//       <build>/tests/qml/tst_pages -input tests/qml/docshots.qml
PageTestCase {
    name: "DocShots"

    readonly property string docs: String(Qt.resolvedUrl("../../docs/")).replace("file://", "")

    function shot(page, file) {
        waitForRendering(page)
        wait(50)
        grabImage(page).save(docs + file)
    }

    function englishPage() {
        testRig.setAppConfig("common/language", "English")
        freshProfile()
        return openFilledPage()
    }

    function test_1_mainPages() {
        shot(englishPage(), "main-en.png")
        testRig.setAppConfig("common/language", "ChineseSimplified")
        var page = openFilledPage()
        shot(page, "main-zh.png")
        testRig.setAppConfig("common/language", "English")
    }

    function test_2_buttonMenu() {
        var page = englishPage()
        var menu = openMenu(page, 3)
        mouseMove(item(menu, "keyMenuItem7"))
        mouseMove(item(menu, "keyMenuItem21"))
        shot(page, "button-menu.png")
    }

    function test_3_macroDialogs() {
        var page = englishPage()
        var editor = item(page, "macroEditorMain")
        mouseClick(item(page, "macroEditorButton"))
        for (var i = 0; i < 4; ++i)
            mouseClick(item(editor, "macroNew"))
        editor.selectMacro(0)
        editor.renameMacro(0, "Burst fire")
        editor.renameMacro(1, "Reload")
        editor.selectMacro(2)
        mouseClick(item(editor, "macroEditorOk"))

        choose(openMenu(page, 4), [11])
        var dialog = item(page, "macroKeyMain")
        mouseClick(item(dialog, "macroKeyDrop"))
        mouseClick(item(dialog, "macroKeyName1"))
        mouseClick(item(dialog, "playMode2"))
        mouseClick(item(dialog, "macroKeyDrop"))
        mouseMove(item(dialog, "macroKeyName2"))
        shot(page, "macro-key-dialog.png")
        mouseClick(item(dialog, "macroKeyDrop"))
        mouseClick(item(dialog, "macroKeyOk"))

        mouseClick(item(page, "macroEditorButton"))
        editor.selectMacro(1)
        mouseClick(item(editor, "recordButton"))
        var keys = [[true, 0x15, 1000], [false, 0x15, 1080], [true, 0xe1, 1200], [true, 0x1a, 1240],
                    [false, 0x1a, 1330], [false, 0xe1, 1360], [true, 0x2c, 1570], [false, 0x2c, 1640]]
        for (i = 0; i < keys.length; ++i)
            page.detectKeyboard(keys[i][0], keys[i][1], keys[i][2])
        mouseMove(item(editor, "actionRow3"))
        shot(page, "macro-editor-recording.png")
        mouseClick(item(editor, "recordButton"))
    }

    function test_4_profileDialog() {
        var page = englishPage()
        ui_View.updataNameList(2, ["PUBG0", "Standard1", "Office2", "Racing3"])
        page.dashboard.fillFromProfile()
        mouseClick(item(page, "profileBtn"))
        var dialog = item(page, "profileMain")
        var rowItem = row(dialog, "profileRow3")
        mouseClick(item(dialog, "profileRow2"))
        mouseClick(rowItem, 150, 20, Qt.RightButton)
        mouseMove(item(dialog, "profileMenu2"))
        shot(page, "profile-dialog.png")
        mouseClick(item(dialog, "profileClose"))
        ui_View.updataNameList(2, ["PUBG0", "Standard1"])
        page.setProtectUI(0)
    }

    function test_5_gunDialog() {
        var page = englishPage()
        testRig.restoreGunPresets()
        page.dashboard.fillFromProfile()
        var gun = item(page, "gunControlMain")
        mouseClick(item(page, "gunControlButton"))
        row(gun, "macroRow2")
        mouseClick(item(gun, "macroNew"))
        gun.renameMacro(3, "Recoil")
        gun.setActions([{ type: 3, info: "MS-L" }, { type: 0, info: "30" }, { type: 5, info: "0" }, { type: 6, info: "-4" },
                        { type: 0, info: "20" }, { type: 5, info: "-1" }, { type: 6, info: "-3" },
                        { type: 0, info: "20" }, { type: 4, info: "MS-L" }, { type: 0, info: "60" }])
        gun.setGunData(2, 3)
        mouseClick(row(gun, "actionRow3"))
        shot(page, "gun-dialog.png")
        mouseClick(item(gun, "insertTool_cursor"))
        var pad = item(gun, "cursorPad")
        mousePress(pad, 150, 88)
        mouseRelease(pad, 150, 88)
        shot(page, "gun-cursor-dialog.png")
        mouseClick(item(gun, "insertCursorCancel"))
        mouseClick(item(gun, "macroEditorOk"))
    }

    function test_6_programsDialog() {
        for (var language of ["English", "ChineseSimplified"]) {
            testRig.setAppConfig("common/language", language)
            freshProfile()
            var page = openFilledPage()
            ui_View.updataNameList(2, ["PUBG0", "Standard1", "Office2", "Racing3"])
            ui_View.setPrograms(3, ["steam_app_1551360", "forza"])
            page.dashboard.fillFromProfile()
            mouseClick(item(page, "profileBtn"))
            var dialog = item(page, "profileMain")
            mouseClick(row(dialog, "profileRow3"), 150, 20, Qt.RightButton)
            mouseClick(item(dialog, "profileMenu5"))
            var programs = item(dialog, "programsDialog")
            programs.withWindows = ["code", "firefox", "forza", "gimp", "steam", "thunderbird"]
            mouseClick(row(programs, "programsRow1"))
            shot(page, language === "English" ? "programs-dialog.png" : "programs-dialog-zh.png")
            mouseClick(item(programs, "programsCancel"))
            mouseClick(item(dialog, "profileClose"))
            ui_View.setPrograms(3, [])
            ui_View.updataNameList(2, ["PUBG0", "Standard1"])
            page.setProtectUI(0)
        }
        testRig.setAppConfig("common/language", "English")
    }
}
