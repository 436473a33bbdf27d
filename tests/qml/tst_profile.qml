import QtQuick
import QtTest

// The profile dialog: the list as the registry keeps it, switching the page
// and the mouse, new, delete (keeping two), rename, copy (no seventh), and
// export and import through the file dialogs with the macros and gun presets
// a profile carries.
PageTestCase {
    id: profileCase
    name: "Profile"

    function init() {
        freshProfile()
        for (var p = 1; p < 7; ++p)
            ui_View.resetProfile(p)
        testRig.restoreGunPresets()
        ui_View.updataNameList(2, ["PUBG0", "Standard1"])
        testRig.answerFileDialogs([])
    }

    function dialogOf(page) {
        return item(page, "profileMain")
    }

    function openProfiles(page) {
        var dialog = dialogOf(page)
        mouseClick(item(page, "profileBtn"))
        verify(dialog.visible)
        verify(item(page, "mainMask").visible)
        if (dialog.profileModel.count > 0)
            row(dialog, "profileRow" + (dialog.profileModel.count - 1))
        return dialog
    }

    function shown(dialog) {
        var numbers = dialog.profileModel.numbers()
        return dialog.profileModel.names().map(function (name, i) { return name + numbers[i] })
    }

    // The context menu of row `row`: 0 Delete, 1 Edit, 2 Copy, 3 Load, 4 Save.
    function contextMenu(dialog, index, action) {
        mouseClick(row(dialog, "profileRow" + index), 60, 15, Qt.RightButton)
        var menu = item(dialog, "profileMenu")
        verify(menu.visible)
        mouseClick(item(menu, "profileMenu" + action))
        verify(!menu.visible)
    }

    function test_deleteKeepsTwo() {
        var page = openFilledPage()
        var dialog = openProfiles(page)
        compare(shown(dialog), ["PUBG0", "Standard1"])
        mouseClick(item(dialog, "profileRow1"))
        mouseClick(item(dialog, "profileDelete"))
        compare(shown(dialog), ["PUBG0", "Standard1"])
        compare(ui_View.getNameList(2), ["PUBG0", "Standard1"])

        // The menu's Delete does not ask; the page goes to the neighbour.
        contextMenu(dialog, 1, 0)
        compare(shown(dialog), ["PUBG0"])
        compare(ui_View.getNameList(2), ["PUBG0", "loaderzentak"])
        compare(page.dashboard.profileNo, 0)
        compare(dialog.selected, 0)
        verify(testRig.fileExists("modules/setting/p2.bin"))
    }

    // A list without the page's profile highlights no row, and New leaves
    // the page's profile file alone: it takes a number neither uses.
    function test_newBesideAProfileNotListed() {
        ui_View.updataNameList(2, ["Standard1", "Gamma2"])
        testRig.setStored(0, "sensor/reportRate_R8", 7)
        var page = openFilledPage()
        compare(page.dashboard.profileNo, 0)
        var dialog = openProfiles(page)
        compare(dialog.selected, -1)
        mouseClick(item(dialog, "profileNew"))
        compare(shown(dialog), ["Standard1", "Gamma2", "profile_03"])
        compare(page.dashboard.profileNo, 3)
        compare(Number(testRig.stored(0, "sensor/reportRate_R8")), 7, "the page's profile was not reset")
    }

    // With six profiles New adds none; Copy still copies, into number 6,
    // and adds none either.
    function test_noSeventhProfile_data() {
        return [
            { tag: "new", action: "new" },
            { tag: "copy", action: "copy" },
        ]
    }

    function test_noSeventhProfile(data) {
        var six = ["PUBG0", "Standard1", "C2", "D3", "E4", "F5"]
        ui_View.updataNameList(2, six)
        testRig.setStored(2, "sensor/reportRate_R8", 7)
        testRig.setStored(6, "sensor/reportRate_R8", 1)
        var page = openFilledPage()
        var dialog = openProfiles(page)
        compare(shown(dialog), six)
        compare(item(dialog, "profileNew").opacity, 0.3)
        mouseClick(item(dialog, "profileRow2"))
        if (data.action === "new")
            mouseClick(item(dialog, "profileNew"))
        else
            contextMenu(dialog, 2, 2)
        compare(shown(dialog), six)
        compare(ui_View.getNameList(2), six)
        compare(Number(testRig.stored(6, "sensor/reportRate_R8")), data.action === "copy" ? 7 : 1)
        compare(page.dashboard.profileNo, 2)
    }

    // A new profile takes the lowest free number and name, the factory
    // settings, and becomes the current one.
    function test_newProfile() {
        testRig.setStored(2, "sensor/reportRate_R8", 7)
        var page = openFilledPage()
        var dialog = openProfiles(page)
        mouseClick(item(dialog, "profileNew"))
        compare(shown(dialog), ["PUBG0", "Standard1", "profile_02"])
        compare(ui_View.getNameList(2), ["PUBG0", "Standard1", "profile_02"])
        compare(testRig.stored(2, "sensor/reportRate_R8"), testRig.stored(1, "sensor/reportRate_R8"))
        compare(dialog.selected, 2)
        compare(page.dashboard.profileNo, 2)
        compare(testRig.currentProfile(), 2)

        mouseClick(item(dialog, "profileNew"))
        compare(shown(dialog), ["PUBG0", "Standard1", "profile_02", "profile_13"])
        mouseClick(row(dialog, "profileRow2"))
        mouseClick(item(dialog, "profileDelete"))
        compare(shown(dialog), ["PUBG0", "Standard1", "profile_13"])
        compare(page.dashboard.profileNo, 3)
        mouseClick(item(dialog, "profileNew"))
        compare(shown(dialog), ["PUBG0", "Standard1", "profile_13", "profile_02"])
    }

    // A copy is named after its source with the first free "(i)", takes the
    // lowest free number and the source's settings, pending ones included.
    function test_copyProfile() {
        var page = openFilledPage()
        testRig.setStored(0, "sensor/reportRate_R8", 6)
        var dialog = openProfiles(page)
        contextMenu(dialog, 0, 2)
        compare(shown(dialog), ["PUBG0", "Standard1", "PUBG(0)2"])
        compare(Number(testRig.stored(2, "sensor/reportRate_R8")), 6)
        compare(page.dashboard.profileNo, 2)
        contextMenu(dialog, 0, 2)
        compare(shown(dialog), ["PUBG0", "Standard1", "PUBG(0)2", "PUBG(1)3"])
        contextMenu(dialog, 2, 2)
        compare(shown(dialog)[4], "PUBG(0)(0)4")
    }

    function test_rename_data() {
        return [
            { tag: "a free name is taken", typed: "Work", names: ["PUBG0", "Work1"] },
            { tag: "blanks around it are dropped", typed: "  Work ", names: ["PUBG0", "Work1"] },
            { tag: "a name ending in a digit keeps its number", typed: "Game 2", names: ["PUBG0", "Game 21"] },
            { tag: "another profile's name is refused", typed: "PUBG", names: ["PUBG0", "Standard1"] },
        ]
    }

    function test_rename(data) {
        var page = openFilledPage()
        var dialog = openProfiles(page)
        mouseDoubleClickSequence(item(dialog, "profileRow1"))
        compare(dialog.editing, 1)
        var field = item(item(dialog, "profileRow1"), "profileNameField")
        verify(field.activeFocus)
        compare(field.selectedText, "Standard")
        field.text = data.typed
        keyClick(Qt.Key_Return)
        compare(dialog.editing, -1)
        compare(shown(dialog), data.names)
        compare(ui_View.getNameList(2), data.names)
        // The menu's Edit opens the same field.
        contextMenu(dialog, 0, 1)
        compare(dialog.editing, 0)
    }

    // A name the user gave stays in both languages, the first two profiles'
    // too, and the list is not written back; the menu follows the language.
    function test_userNamesStay_data() {
        return [ { tag: "English", language: "English" }, { tag: "Chinese", language: "ChineseSimplified" } ]
    }

    function test_userNamesStay(data) {
        var stored = ["Mine0", "Standard1", "PUBG2"]
        ui_View.updataNameList(2, stored)
        testRig.setAppConfig("common/language", data.language)
        var page = openFilledPage()
        testRig.setAppConfig("common/language", "English")
        compare(shown(dialogOf(page)), stored)
        compare(ui_View.getNameList(2), stored)
        compare(dialogOf(page).menuTexts[4], data.language === "English" ? "Save" : "保存")
    }

    // Choosing a profile shows it at once; the mouse gets it when the dialog
    // closes, by its own button or by "Config".
    function test_switchAndClose_data() {
        return [
            { tag: "close button", closer: "profileClose" },
            { tag: "Config button", closer: "profileBtn" },
        ]
    }

    function test_switchAndClose(data) {
        testRig.setStored(1, "keydefine_R8/3", [7, 0, 1, 0])
        var page = openFilledPage()
        var dialog = openProfiles(page)
        testRig.clearMouseRecords()
        mouseClick(item(dialog, "profileRow1"))
        compare(page.dashboard.profileNo, 1)
        compare(testRig.currentProfile(), 1)
        compare(item(page, "keyText3").text, "DPI +")
        compare(testRig.framesSent(0x12), 0)

        mouseClick(item(data.closer === "profileBtn" ? page : dialog, data.closer))
        verify(!dialog.visible)
        verify(!item(page, "mainMask").visible)
        compare(mouseEntry(1, 3), [7, 0, 1, 0])
        compare(testRig.keyMatrixNo(), 0)
        verify(!page.dashboard.isProfileChanged)
        page.setProtectUI(0)

        // Closing without a switch sends nothing.
        openProfiles(page)
        testRig.clearMouseRecords()
        mouseClick(item(dialog, "profileClose"))
        compare(testRig.framesSentTotal(), 0)
    }

    // Whether the link was idle at each end of the page's lock.
    property var idleAtUnlock: []
    property var watchedLock: null
    Connections {
        target: profileCase.watchedLock
        function onBusyChanged() {
            if (!profileCase.watchedLock.busy)
                profileCase.idleAtUnlock.push(testRig.linkIdle())
        }
    }

    // The page is locked from the close until the mouse has taken the last
    // of what was sent, and a switch the mouse needs little of is short.
    function test_lockLastsAsLongAsTheSending() {
        // Profile 1 made the same as profile 0.
        testRig.setStored(1, "sensor/dpi_R8", [800, 1600, 2400, 3200, 5000, 6400, 250, 250])
        testRig.setStored(1, "sensor/stage_R8", 2)
        testRig.setStored(1, "color_R8/ledEffect", [3, 4, 2])
        var page = openFilledPage()
        var lock = item(page, "protectUIItem")
        idleAtUnlock = []
        watchedLock = lock
        for (const to of [1, 0]) {
            var dialog = openProfiles(page)
            testRig.clearMouseRecords()
            mouseClick(item(dialog, "profileRow" + to))
            mouseClick(item(dialog, "profileClose"))
            verify(lock.busy)
            verify(!ui_View.enabled)
            tryCompare(lock, "busy", false)
            verify(ui_View.enabled)
        }
        compare(idleAtUnlock, [true, true])
        // Back to the same settings: only the key matrix number went.
        compare(testRig.framesSentTotal(), testRig.framesSent(0x02))
        ui_View.resetProfile(1)
    }

    function padded(bytes) {
        var slot = bytes.slice()
        while (slot.length < 128)
            slot.push(0)
        return slot
    }

    // Profile 0 plays macro Macro_0 from button 4 and has preset Gun_0 in
    // gun slot 0; Macro_1 is a second macro. After the export every one of
    // them is deleted; the import brings them back, files, names, panels and
    // mouse.
    function test_exportThenImport() {
        var page = openFilledPage()
        var editor = item(page, "macroEditorMain")
        mouseClick(item(page, "macroEditorButton"))
        mouseClick(item(editor, "macroNew"))
        editor.setActions([{ type: 1, info: "Q" }, { type: 0, info: "100" }, { type: 2, info: "Q" }])
        mouseClick(item(editor, "macroNew"))
        editor.setActions([{ type: 3, info: "MS-R" }, { type: 4, info: "MS-R" }])
        mouseClick(item(editor, "macroEditorOk"))
        page.dashboard.openKeyMenu(3)
        page.dashboard.closeKeyMenu()
        page.dashboard.assignMacro("Macro_0", 1)
        var gun = item(page, "gunControlMain")
        mouseClick(item(page, "gunControlButton"))
        mouseClick(item(gun, "macroNew"))
        gun.setActions([{ type: 5, info: "-1" }, { type: 6, info: "1" }])
        gun.setGunData(0, 3)
        mouseClick(item(gun, "macroEditorOk"))
        var macroSlot = padded([0, 1, 0x32, 0x14, 0x81, 0x14, 0, 0])
        compare(testRig.macroSlot(1), macroSlot)

        testRig.answerFileDialogs(["exported.pf"])
        var dialog = openProfiles(page)
        contextMenu(dialog, 0, 4)
        var asked = testRig.fileDialogsAsked()
        compare(asked.length, 1)
        compare([asked[0].save, asked[0].caption, asked[0].filter], [true, "Save File", "Profile(*.pf)"])
        var exported = testRig.readFile("exported.pf")
        verify(exported.indexOf("macroName=Macro_0, Macro_1") >= 0, exported)
        verify(exported.indexOf("gunName=General, Double fire, Three fire, Gun_0") >= 0, exported)
        mouseClick(item(dialog, "profileClose"))

        mouseClick(item(page, "macroEditorButton"))
        editor.selectMacro(0)
        editor.deleteMacro()
        editor.deleteMacro()
        mouseClick(item(editor, "macroEditorOk"))
        mouseClick(item(page, "gunControlButton"))
        gun.selectMacro(3)
        gun.deleteMacro()
        mouseClick(item(gun, "macroEditorOk"))
        compare(ui_View.getNameList(0), [])
        compare(item(page, "keyText3").text, "Auto Run")
        verify(!testRig.fileExists("modules/gun/Gun_0.bin"))
        testRig.clearMouseRecords()

        testRig.answerFileDialogs(["exported.pf"])
        openProfiles(page)
        contextMenu(dialog, 0, 3)
        asked = testRig.fileDialogsAsked()
        compare([asked[0].save, asked[0].caption, asked[0].filter], [false, "Open File", "Profile(*.pf)"])

        compare(ui_View.loadMacroIni("Macro_0"), ["1,Q", "0,100", "2,Q", "1"])
        compare(ui_View.loadMacroIni("Macro_1"), ["3,MS-R", "4,MS-R", "1"])
        compare(ui_View.loadGunIni("Gun_0"), ["5,-1", "6,1", "1"])
        compare(ui_View.getNameList(0), ["Macro_0", "Macro_1"])
        compare(ui_View.getNameList(1), ["General", "Double fire", "Three fire", "Gun_0"])
        compare(editor.macroNames(), ["Macro_0", "Macro_1"])
        compare(gun.macroNames(), ["General", "Double fire", "Three fire", "Gun_0"])
        compare(gun.getMacroName(0), "Gun_0")
        compare(item(page, "keyText3").text, "Macro: Macro_0")
        compare(mouseEntry(1, 3), [9, 1, 1, 0])
        compare(testRig.macroSlot(1), macroSlot)
        compare(testRig.macroSlot(6).slice(0, 8), [0, 1, 0x0a, 0xfa, 0xff, 0x01, 0, 0])
        compare(testRig.gunLengths()[0], 4)
        page.setProtectUI(0)
    }

    // A lone macro goes out with the sentinel after it, as the registry
    // keeps such a list; the import takes the macro alone.
    function test_exportOfALoneMacro() {
        var page = openFilledPage()
        var editor = item(page, "macroEditorMain")
        mouseClick(item(page, "macroEditorButton"))
        mouseClick(item(editor, "macroNew"))
        editor.setActions([{ type: 1, info: "Z" }, { type: 2, info: "Z" }])
        mouseClick(item(editor, "macroEditorOk"))
        testRig.answerFileDialogs(["lone.pf"])
        var dialog = openProfiles(page)
        contextMenu(dialog, 0, 4)
        verify(testRig.readFile("lone.pf").indexOf("macroName=Macro_0, loaderzentak") >= 0)

        mouseClick(item(page, "macroEditorButton"))
        editor.deleteMacro()
        testRig.answerFileDialogs(["lone.pf"])
        contextMenu(dialog, 0, 3)
        compare(ui_View.getNameList(0), ["Macro_0", "loaderzentak"])
        compare(editor.macroNames(), ["Macro_0"])
        compare(ui_View.loadMacroIni("Macro_0"), ["1,Z", "2,Z", "1"])
        page.setProtectUI(0)
    }

    // A cancelled file dialog changes no file and sends nothing.
    function test_cancelledDialogs_data() {
        return [
            { tag: "import", action: 3, save: false },
            { tag: "export", action: 4, save: true },
        ]
    }

    function test_cancelledDialogs(data) {
        var page = openFilledPage()
        var dialog = openProfiles(page)
        var before = testRig.folderDigest()
        testRig.clearMouseRecords()
        testRig.answerFileDialogs([""])
        contextMenu(dialog, 0, data.action)
        compare(testRig.fileDialogsAsked().length, 1)
        compare(testRig.fileDialogsAsked()[0].save, data.save)
        compare(testRig.framesSentTotal(), 0)
        compare(testRig.folderDigest(), before)
        verify(!page.dashboard.isProfileChanged)
    }

    // "Programs...": typed names (a path refused), Remove, the fallback
    // chosen from the list; stored in the profile's file at OK, and nothing
    // at Cancel.
    function test_programsDialog() {
        ui_View.setPrograms(1, [])
        var page = openFilledPage()
        var dialog = openProfiles(page)
        contextMenu(dialog, 1, 5)
        var programs = item(dialog, "programsDialog")
        verify(programs.visible)
        compare(programs.profileNo, 1)
        verify(page.dashboard.holdsFollowing)

        var field = item(programs, "programsField")
        verify(field.activeFocus)
        for (var name of ["gimp", "a/b", "cs2"]) {
            field.text = name
            mouseClick(item(programs, "programsAdd"))
        }
        compare(programs.names, ["gimp", "cs2"])
        verify(!item(programs, "programsRefusal").visible)
        field.text = "a/b"
        keyClick(Qt.Key_Return)
        verify(item(programs, "programsRefusal").visible)
        compare(field.text, "a/b")

        mouseClick(row(programs, "programsRow0"))
        mouseClick(item(programs, "programsRemove"))
        compare(programs.names, ["cs2"])
        mouseClick(item(programs, "programsFallback"))
        mouseClick(row(programs, "programsFallback1"))
        verify(programs.visible)
        field.text = ""
        mouseClick(item(programs, "programsOk"))
        verify(!programs.visible)
        compare(ui_View.programsOf(1), ["cs2"])
        compare(String(testRig.stored(1, "programs/names")), "cs2")
        compare(ui_View.followFallback(), 1)

        contextMenu(dialog, 1, 5)
        compare(programs.names, ["cs2"])
        field.text = "steam_app_578080"
        mouseClick(item(programs, "programsAdd"))
        mouseClick(item(programs, "programsCancel"))
        compare(ui_View.programsOf(1), ["cs2"])
    }
}
