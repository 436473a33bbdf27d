pragma ComponentBehavior: Bound
import QtQuick
import "R8/keypages.js" as KeyPages
import "R8/actions.js" as Actions
import "R8/texts.js" as Texts

// The page the user works on: every setting panel, the mouse in the middle
// and the dialogs over a dimming mask. Which dialog and which small pop-up
// are open is state here; each of them is shown by that state alone.
Item {
    id: dash

    enum Dialog { NoDialog, MacroDialog, GunDialog, SingleKeyDialog, MacroKeyDialog, ProfileDialog, ResetDialog }
    enum Popup { NoPopup, KeyMenuPopup, ColorPopup, AskPopup }

    property int dialog: Dashboard.NoDialog
    property int popup: Dashboard.NoPopup
    readonly property bool keyMenuOpen: popup === Dashboard.KeyMenuPopup
    // Profiles do not follow the program in use while the user is in a
    // dialog or a pop-up (recordings run in dialogs).
    readonly property bool holdsFollowing: dialog !== Dashboard.NoDialog || popup !== Dashboard.NoPopup

    property bool isScrollRateFocus: false
    property int language: 1   // 0 English, 1 Chinese
    property int profileNo: 0
    property bool isProfileChanged: false

    property var mainLang: ["Axis Sensitivity", "x-Axis", "y-Axis", "DPI Setting", "Lighting",
        "Static", "Breath", "RGB", "Finger \nTapping", "Polling Rate",
        "Mouse Speed", "Double-Click Speed", "Scroll Speed", "Slow", "Fast",
        "Number of Rows", "Scrol one Screen", "Top View", "Side View", "Config",
        "New", "Delete", "Edit", "Copy", "Load",
        "Save", "Reset", "Reset Factroy Setting", "OK", "Cancel",
        "", "", "", "", ""]
    // The texts of the dialogs. The dialogs are made only when first opened,
    // so the page keeps their texts and hands them over.
    property var keyMenuLang: ["Left Button", "Right Button", "Middle Button", "Auto Run", "Fire Mode",
        "Double CLick", "DPI Setting +", "Multimedia Commands +", "Basic Commands +", "Additional Commands +",
        "Assign Keyboard Key", "Macro", "Gun Management", "Deactivated", "DPI +", "DPI -", "DPI LOOP",
        "Media Player", "Next Track", "Previous Track", "Stop", "Play/Pause", "Mute", "Volume Up", "Volume Down",
        "New", "Cut", "Copy", "Paste", "Save", "Print", "Find", "Redo", "Undo", "Select All",
        "My Computer", "Web Home", "Search Computer", "Maximize", "Minimize", "Show DeskTop", "RUN",
        "Forward", "Back", "Gun Key Switch", "Null", "Null", "Null", "Assignment", "Enable", "Disable"]
    property var macroEditorLang: ["Macro Manager", "Macro", "Sequence", "Options", "Start Record", "Stop Record",
        "Rec Time", "Loops Timer", "New", "Delete", "OK", "Cancel", "Delete", "Insert Left Button",
        "Insert Middle Button", "Insert Right Button", "Insert Delay"]
    property var gunEditorLang: ["Gun Macro", "Gun", "Sequence", "Options", "Start Record", "Stop Record", "Rec Time",
        "Loops Timer", "New", "Delete", "OK", "Cancel", "Delete", "Insert Left Button", "Insert Middle Button",
        "Insert Right Button", "Insert Delay", "Insert Key", "Insert Mouse", "Insert Cursor", "Insert Key",
        "Please input key:", "Insert delay", "please input delay:", "Insert Cursor offset", "X axis", "Y axis",
        "Insert Mouse", "Left Button", "Right Button", "Middle Button"]
    property var macroKeyLang: ["Macro Key", "Please select a macro", "Macro runs one-time after\npressing the button",
        "Macro runs endless loop\nuntil any button is pressed", "Macro runs endless loop\nuntil button is released",
        "OK", "Cancel", "Key", "Please assign a Key"]

    // Profiles that follow programs: the profile dialog's "Programs..." and
    // its dialog (the shell has the tray's and the balloons' texts).
    property var followLang: ["Programs...", "Programs", "This profile follows these programs:", "Add", "Remove",
        "OK", "Cancel", "Program name", "Programs with a window open now:", "Every other program:",
        "Not a program's name", "", "", "", "",
        "Following is off: turn on \"Follow the program in use\" in the tray menu.", "No program yet"]

    readonly property string skinIndex: "qrc:/index/modules/img/skin" + Theme.skinNo + "/index/"
    readonly property string skinProfile: "qrc:/profile/modules/img/skin" + Theme.skinNo + "/profile/"

    // The dialogs once they have been opened, null before.
    readonly property MacroEditor macroEditor: macroEditorLoader.item as MacroEditor
    readonly property GunControl gunControl: gunControlLoader.item as GunControl
    readonly property KeyMenu keyMenu: keyMenuLoader.item as KeyMenu
    readonly property SingleKey singleKey: singleKeyLoader.item as SingleKey
    readonly property MacroKey macroKey: macroKeyLoader.item as MacroKey
    readonly property Profile profiles: profileLoader.item as Profile

    // A press on the page's background (not on a panel or a dialog).
    signal emptyAreaPressed()
    // The page locks itself while it sends a whole profile: from the start
    // until the mouse has taken the last of it. What the mouse holds already
    // is not sent, so an unchanged profile hardly locks it at all.
    signal sendingStarted()
    signal sendingEnded()

    // ---- start-up

    // Language, profile, texts and every panel, without sending anything to
    // the mouse.
    function fillFromProfile() {
        language = String(ui_View.getLang()) === "ChineseSimplified" ? 1 : 0
        // A stored number that names none of the ten profiles opens the first.
        const stored = Number(ui_View.getProfile())
        profileNo = Number.isInteger(stored) && stored >= 0 && stored < 10 ? stored : 0
        ui_View.ui_02H_SetCurrentProfile(profileNo)
        if (language === 1)
            loadChineseTexts()

        macroPresets.load()
        gunPresets.init(false)
        profileList.load()
        if (keyMenu)
            keyMenu.init()
        initPanels(false)

        gunPresets.setGunMenuName()
        keyMatrixMain.initGunKeyShow()
    }

    // A language file without a table leaves the English texts in place.
    // Entries a table lacks keep their English texts.
    function loadChineseTexts() {
        const langFile = "lang_025044"
        mainLang = KeyPages.mergeTexts(mainLang, ui_View.getGlobalStrings(0, langFile))
        keyMatrixMain.keyMatrixLang = KeyPages.mergeTexts(keyMatrixMain.keyMatrixLang, ui_View.getGlobalStrings(1, langFile))
        keyMenuLang = KeyPages.mergeTexts(keyMenuLang, ui_View.getGlobalStrings(2, langFile))
        macroEditorLang = KeyPages.mergeTexts(macroEditorLang, ui_View.getGlobalStrings(3, langFile))
        gunEditorLang = KeyPages.mergeTexts(gunEditorLang, ui_View.getGlobalStrings(4, langFile))
        macroKeyLang = KeyPages.mergeTexts(macroKeyLang, ui_View.getGlobalStrings(5, langFile))
        followLang = KeyPages.mergeTexts(followLang, ui_View.getGlobalStrings(7, langFile))
        // The page shows none of these; reading them gives the tray's DPI
        // notices their Chinese texts.
        ui_View.getGlobalStrings(6, langFile)
    }

    // The eight setting panels, from the current profile; with isSendData the
    // mouse and the system get the values too.
    function initPanels(isSendData: bool) {
        keyMatrixMain.init(isSendData)
        xySettingMain.init(isSendData)
        dpiSettingMain.init(isSendData)
        lightControlMain.init(isSendData)
        reprotRateMain.init(isSendData)
        mouseRateMain.init(isSendData)
        doubleRateMain.init(isSendData)
        scrollRateMain.init(isSendData)
    }

    // Keys the capture saw, for whichever dialog is taking them.
    function detectKeyboard(isDown: bool, usbCode: int, time) {
        if (macroEditor && macroEditor.isInputting)
            macroEditor.detectKeyboard(isDown, usbCode, time)
        if (gunControl && gunControl.isInputting)
            gunControl.detectKeyboard(isDown, usbCode, time)
        if (gunControl && gunControl.isInsertting)
            gunControl.detectInput(isDown, usbCode)
        if (singleKey && dialog === Dashboard.SingleKeyDialog)
            singleKey.detectKeyboard(isDown, usbCode)
    }

    // Closes whatever small pop-up is open: a click anywhere else on the page
    // means the user is done with it.
    function focusControl() {
        if (scrollRateMain.editing) {
            scrollRateMain.dropFocus()
            isScrollRateFocus = false
        }
        if (keyMenuOpen)
            mouseMain.selectKey = -1
        popup = Dashboard.NoPopup
    }

    // ---- the panels' values for the mouse

    // The mouse's values for the panel's choice are the view model's rule,
    // which the command line follows too; the profile keeps the choice.
    function sendLighting(effect: int, option1: int, option2: int) {
        const c = ui_View.ledEffectCommand(effect, option1, option2)
        ui_View.ui_0DH_SetRGBLedEffect(c[0], c[1], c[2], [effect, option1, option2])
    }

    function sendDpiTable() {
        ui_View.ui_11H_SetDPISet(dpiSettingMain.stageCount, dpiSettingMain.dpiCodes(), dpiSettingMain.dpiTable())
    }

    function openColorBar(stage: int, color: string) {
        colorBar.open(color, [25, 61, 98, -17, 20, 58][stage])
        popup = Dashboard.ColorPopup
    }

    // ---- dialogs

    function loaderOf(which: int): LazyLoader {
        switch (which) {
        case Dashboard.MacroDialog: return macroEditorLoader
        case Dashboard.GunDialog: return gunControlLoader
        case Dashboard.SingleKeyDialog: return singleKeyLoader
        case Dashboard.MacroKeyDialog: return macroKeyLoader
        case Dashboard.ProfileDialog: return profileLoader
        case Dashboard.ResetDialog: return resetLoader
        }
        return null
    }

    // The dialog `which`, made if this is its first opening, centred over
    // the mask. Shown first: its picture, and so its size, comes with
    // showing it.
    function openDialog(which: int): Item {
        focusControl()
        const loader = loaderOf(which)
        loader.active = true
        dialog = which
        const item = loader.item as Item
        item.x = (width - item.width) / 2
        item.y = (height - item.height) / 2
        return item
    }

    function closeDialog() {
        dialog = Dashboard.NoDialog
        mouseMain.selectKey = -1
    }

    function factoryReset() {
        closeDialog()
        sendingStarted()
        ui_View.resetProfile(profileNo)
        initPanels(true)
        gunPresets.readGunData()
        gunPresets.setGunMenuName()
        keyMatrixMain.initGunKeyShow()
        gunPresets.sendMacro(5, gunPresets.getMacroName(0), gunPresets.getMacroName(1), gunPresets.getMacroName(2))
        sendingEnded()
    }

    // Closing it, by this button as by its own, gives the mouse the profile
    // chosen meanwhile.
    function toggleProfileDialog() {
        focusControl()
        if (profiles && dialog === Dashboard.ProfileDialog) {
            profiles.close()
            return
        }
        profileLoader.active = true
        dialog = Dashboard.ProfileDialog
    }

    // The profile dialog's changeProfile: show the other profile at once; the
    // mouse gets it when the dialog closes.
    function changeProfile(tmpProfileNo: int) {
        if (tmpProfileNo === profileNo)
            return
        profileNo = tmpProfileNo
        ui_View.ui_02H_SetCurrentProfile(tmpProfileNo)
        isProfileChanged = true
        // The gun keys show the presets of the new profile's slots.
        gunPresets.readGunData()
        initPanels(false)
        gunPresets.setGunMenuName()
    }

    function profileDialogClosed() {
        closeDialog()
        if (!isProfileChanged)
            return
        sendingStarted()
        isProfileChanged = false
        initPanels(true)
        gunPresets.init(true)
        gunPresets.setGunMenuName()
        keyMatrixMain.initGunKeyShow()
        ui_View.ui_02H_SetKeyMatrixNo(0)
        sendingEnded()
    }

    // The current profile was replaced by an imported one: the page shows it
    // and the mouse gets all of it.
    function profileImported() {
        sendingStarted()
        macroPresets.load()
        gunPresets.init(false)
        initPanels(true)
        gunPresets.readGunData()
        gunPresets.setGunMenuName()
        keyMatrixMain.initGunKeyShow()
        gunPresets.sendGunMacro()
        sendingEnded()
    }

    // A press on the mask first lets the open dialog drop its own pop-ups.
    function dialogsFocus() {
        switch (dialog) {
        case Dashboard.MacroDialog: macroEditor.macroEditorFocus(); break
        case Dashboard.GunDialog: gunControl.macroEditorFocus(); break
        case Dashboard.ProfileDialog: profiles.profileEditorFocus(); break
        case Dashboard.MacroKeyDialog: macroKey.macroKeyFocus(); break
        }
    }

    // ---- button assignment

    function openKeyMenu(index: int) {
        focusControl()
        keyMenuLoader.active = true
        keyMenu.selectKey = index
        keyMenu.x = keyMatrixMain.getx(index)
        keyMenu.y = keyMatrixMain.gety(index)
        keyMenu.showControl()
        popup = Dashboard.KeyMenuPopup
        mouseMain.selectKey = index
    }

    function closeKeyMenu() {
        if (keyMenuOpen)
            popup = Dashboard.NoPopup
        mouseMain.selectKey = -1
    }

    // A new function for the button whose menu is open, unless it is the
    // last left click.
    function assignToSelected(b0: int, b1: int, b2: int, b3: int) {
        const index = keyMenu.selectKey
        if (!keyMatrixMain.modifyData(index, b0, b1, b2, b3))
            return
        keyMatrixMain.refreashUI()
        keyMatrixMain.cancelGunKeyFun(index)
    }

    function assignCode(code: string) {
        closeKeyMenu()
        const bytes = KeyPages.parseCode(code)
        if (bytes)
            assignToSelected(bytes[0], bytes[1], bytes[2], bytes[3])
    }

    // A macro plays from the slot the button has, or from a free one; with
    // every button slot taken nothing changes.
    function assignMacro(name: string, playMode: int) {
        const index = keyMenu.selectKey
        const slot = keyMatrixMain.macroSlotFor(index)
        if (slot < 0 || !keyMatrixMain.mayReassign(index))
            return
        ui_View.setMacroKey(slot, name)
        keyMatrixMain.modifyData(index, KeyPages.typeMacro, playMode, slot, 0)
        keyMatrixMain.refreashUI()
        macroPresets.sendMacro(slot, name)
        keyMatrixMain.cancelGunKeyFun(index)
    }

    function openMacroKeyDialog() {
        closeKeyMenu()
        const e = keyMatrixMain.entry(0, keyMenu.selectKey)
        const current = KeyPages.isMacro(e) ? keyMatrixMain.macroName(e[2]) : ""
        const chooser = openDialog(Dashboard.MacroKeyDialog) as MacroKey
        chooser.showUI(chooser.macroMode, macroPresets.macroNames(), current, KeyPages.isMacro(e) ? e[1] : 0)
        mouseMain.selectKey = keyMenu.selectKey
    }

    function openSingleKeyDialog() {
        closeKeyMenu()
        const chooser = openDialog(Dashboard.SingleKeyDialog) as SingleKey
        chooser.showUI()
        mouseMain.selectKey = keyMenu.selectKey
    }

    // ---- gun slots on buttons; the presets are the gun dialog's

    function gunPresetName(slot: int): string {
        return gunPresets.getMacroName(slot)
    }

    function openGunAssignDialog(gun: int) {
        closeKeyMenu()
        const chooser = openDialog(Dashboard.MacroKeyDialog) as MacroKey
        chooser.gunSlot = gun
        chooser.showUI(chooser.gunMode, gunPresets.macroNames(), gunPresetName(gun),
                       keyMatrixMain.gunKeyData[gun].gunKeyType)
        mouseMain.selectKey = keyMenu.selectKey
    }

    function assignGun(gun: int, presetIndex: int, name: string, playMode: int) {
        const index = keyMenu.selectKey
        if (!keyMatrixMain.openGunKeyProc(index, gun, playMode))
            return
        gunPresets.setGunData(gun, presetIndex)
        gunPresets.setGunMenuName()
        keyMatrixMain.refreashUI()
        keyMatrixMain.controlGunShow(index, name)
        if (!gunPresets.sendGunMacro())
            ui_View.notifyUser(gunEditorLang[Texts.Editor.title], language === 1
                               ? "未发送：三个枪械宏合计须小于 " + Actions.gunDataLimit + " 字节，鼠标保留原有的枪械宏。"
                               : "Not sent: the three gun presets together must stay below " + Actions.gunDataLimit
                                 + " bytes. The mouse keeps the ones it has.")
    }

    function enableGun(gun: int) {
        const index = keyMenu.selectKey
        closeKeyMenu()
        if (!keyMatrixMain.openGunKeyProc(index, gun, keyMatrixMain.gunKeyData[gun].gunKeyType))
            return
        keyMatrixMain.refreashUI()
        gunPresets.setGunMenuName()
        keyMatrixMain.controlGunShow(index, gunPresetName(gun))
    }

    function disableGun(gun: int) {
        const index = keyMenu.selectKey
        closeKeyMenu()
        keyMatrixMain.closeGunKeyProc(index, gun)
        gunPresets.setGunMenuName()
        keyMatrixMain.refreashUI()
        keyMatrixMain.initGunKeyShow()
    }

    function gunSlotCleared(gun: int) {
        gunPresets.setGunData(gun, 2)
        gunPresets.setGunMenuName()
    }

    // A gun preset is being deleted: the slot that plays it leaves its button.
    function freeGunSlot(gun: int) {
        keyMatrixMain.closeGunKeyProc(keyMatrixMain.gunKeyIndexes[gun], gun)
        gunPresets.setGunMenuName()
        keyMatrixMain.refreashUI()
        keyMatrixMain.initGunKeyShow()
    }

    // Dragging the page's background or the mask moves the window, so the
    // press point stays under the pointer.
    component WindowDragArea: MouseArea {
        property point pressedAt
        onPressed: (mouse) => pressedAt = Qt.point(mouse.x, mouse.y)
        onPositionChanged: (mouse) => {
            ui_Ctl.onXChanged(mouse.x - pressedAt.x)
            ui_Ctl.onYChanged(mouse.y - pressedAt.y)
        }
    }

    width: 1000
    height: 640

    // Empty page: pressing here moves the window and closes pop-ups.
    WindowDragArea {
        id: dragRegion
        objectName: "dragRegion"
        anchors.fill: parent
        onPressed: {
            dash.emptyAreaPressed()
            dash.focusControl()
        }
    }

    KeyCodeString {
        id: keyCodes
    }

    // What the dialogs show and change, for the whole run: the page and the
    // mouse need these while the dialogs are closed or not yet made.
    MacroPresets {
        id: macroPresets
        objectName: "macroPresets"
        keyCodes: keyCodes
        onDeleteMacroSignal: (name) => keyMatrixMain.deleteMacroProc(name)
        onMacroRenamed: keyMatrixMain.updateTexts()
    }

    GunPresets {
        id: gunPresets
        objectName: "gunPresets"
        keyCodes: keyCodes
        gunKeyIndexes: keyMatrixMain.gunKeyIndexes
        onGunSlotFreed: (slot) => dash.freeGunSlot(slot)
        onGunNamesChanged: keyMatrixMain.initGunKeyShow()
    }

    ProfileList {
        id: profileList
        objectName: "profileList"
    }

    Environment {
        id: envItem
        objectName: "envItem"
    }

    Image {
        id: mainLogo
        objectName: "mainLogo"
        x: 18
        y: 32
        source: dash.skinIndex + "mainLogo.png"
    }

    Column {
        id: panelleft
        objectName: "panelleft"
        x: 18
        y: 106
        spacing: 5

        KeyMatrix {
            id: keyMatrixMain
            objectName: "keyMatrixMain"
            language: dash.language
            presets: gunPresets
            selectKey: dash.keyMenuOpen ? dash.keyMenu.selectKey : -1
            onClickFrame: dash.focusControl()
            onKeyClicked: (index) => dash.openKeyMenu(index)
            onKeyHovered: (index) => { if (!dash.keyMenuOpen) mouseMain.selectKey = index }
            // The next row may have been entered before this one was left.
            onKeyLeft: (index) => { if (!dash.keyMenuOpen && mouseMain.selectKey === index) mouseMain.selectKey = -1 }
            onSendMacroRequested: (slot, name) => macroPresets.sendMacro(slot, name)
            onGunSlotCleared: (slot) => dash.gunSlotCleared(slot)
        }

        // Opens the macro editor and the gun dialog.
        Rectangle {
            id: launcherBox
            objectName: "launcherBox"
            readonly property string skin: "qrc:/macros/modules/img/skin" + Theme.skinNo + "/macros/"
            width: 242
            height: 82
            color: "#b31a1a1a"

            Column {
                anchors.centerIn: parent
                spacing: 20

                Button {
                    objectName: "macroEditorButton"
                    source: launcherBox.skin + "macroStartBtn.png"
                    hoverSource: launcherBox.skin + "macroStartBtnH.png"
                    pressedSource: launcherBox.skin + "macroStartBtnP.png"
                    text: dash.macroEditorLang[Texts.Editor.title]
                    onClicked: dash.openDialog(Dashboard.MacroDialog)
                }
                Button {
                    objectName: "gunControlButton"
                    source: launcherBox.skin + "macroStartBtn.png"
                    hoverSource: launcherBox.skin + "macroStartBtnH.png"
                    pressedSource: launcherBox.skin + "macroStartBtnP.png"
                    text: dash.gunEditorLang[Texts.Editor.title]
                    onClicked: dash.openDialog(Dashboard.GunDialog)
                }
            }
        }

        XySetting {
            id: xySettingMain
            objectName: "xySettingMain"
            title: dash.mainLang[Texts.Main.axisSensitivity]
            xText: dash.mainLang[Texts.Main.xAxis]
            yText: dash.mainLang[Texts.Main.yAxis]
            onClickFrame: dash.focusControl()
        }
    }

    Button {
        id: profileBtn
        objectName: "profileBtn"
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 6
        // Over the mask while the profile dialog is open: it closes the dialog too.
        z: dash.dialog === Dashboard.ProfileDialog ? 2 : 0
        source: dash.skinProfile + "profileStartBtn.png"
        hoverSource: dash.skinProfile + "profileStartBtnH.png"
        pressedSource: dash.skinProfile + "profileStartBtnS.png"
        text: dash.mainLang[Texts.Main.config]
        onClicked: dash.toggleProfileDialog()
    }

    Image {
        id: flickableBar
        objectName: "flickableBar"
        anchors.right: parent.right
        anchors.rightMargin: 9
        y: 32
        source: dash.skinIndex + "flickableBar.png"
    }

    Item {
        id: panelRightItem
        objectName: "panelRightItem"
        readonly property int columnHeight: 563

        x: 734
        y: 32
        width: dash.width - 9 - x
        height: columnHeight

        Flickable {
            id: panelRight
            objectName: "panelRight"
            width: 242
            height: Math.min(contentHeight, panelRightItem.columnHeight)
            contentWidth: 242
            contentHeight: rightColumn.height
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            // A control being dragged must not scroll the column.
            interactive: !(dpiSettingMain.controlPressed || lightControlMain.controlPressed
                           || reprotRateMain.controlPressed || mouseRateMain.controlPressed
                           || doubleRateMain.controlPressed)

            MouseArea {
                width: panelRight.contentWidth
                height: rightColumn.height
                onClicked: dash.focusControl()
            }

            Column {
                id: rightColumn
                spacing: 5

                DpiSetting {
                    id: dpiSettingMain
                    objectName: "dpiSettingMain"
                    title: dash.mainLang[Texts.Main.dpiSetting]
                    onClickFrame: dash.focusControl()
                    onClickDpiSetting: dash.focusControl()
                    onDpiValueChange: dash.sendDpiTable()
                    onDpiSelectChange: {
                        ui_View.ui_11H_SetDPISelect(dpiSettingMain.selectFlags())
                        dash.sendDpiTable()
                    }
                    // Every colour change goes out twice in a row.
                    onDpiColorChange: {
                        const bytes = dpiSettingMain.colourBytes()
                        ui_View.ui_10H_SetLED8StageColor(1, bytes)
                        ui_View.ui_10H_SetLED8StageColor(1, bytes)
                    }
                    onOpenColorBar: (stage, color) => dash.openColorBar(stage, color)
                }

                LightControl {
                    id: lightControlMain
                    objectName: "lightControlMain"
                    title: dash.mainLang[Texts.Main.lighting]
                    labels: [dash.mainLang[Texts.Main.lightStatic], dash.mainLang[Texts.Main.lightBreath],
                        dash.mainLang[Texts.Main.lightRgb], dash.mainLang[Texts.Main.fingerTapping]]
                    onClickFrame: dash.focusControl()
                    onSetLED: (effect, option1, option2) => dash.sendLighting(effect, option1, option2)
                }

                ReportRate {
                    id: reprotRateMain
                    objectName: "reprotRateMain"
                    title: dash.mainLang[Texts.Main.pollingRate]
                    language: dash.language
                    onClickFrame: dash.focusControl()
                    // Also when init changes it: the mouse follows what is shown.
                    onReportValueChanged: ui_View.ui_01H_SetReportRate(reportValue)
                }

                MouseRate {
                    id: mouseRateMain
                    objectName: "mouseRateMain"
                    title: dash.mainLang[Texts.Main.mouseSpeed]
                    slowText: dash.mainLang[Texts.Main.slow]
                    fastText: dash.mainLang[Texts.Main.fast]
                    onClickFrame: dash.focusControl()
                    onMouseRateChange: (value) => ui_View.setCursorSpeed(value)
                }

                DoubleRate {
                    id: doubleRateMain
                    objectName: "doubleRateMain"
                    title: dash.mainLang[Texts.Main.doubleClickSpeed]
                    slowText: dash.mainLang[Texts.Main.slow]
                    fastText: dash.mainLang[Texts.Main.fast]
                    onClickFrame: dash.focusControl()
                    onDoubleRateChange: (value) => ui_View.setDoubleClickSpeed(value)
                }

                ScrollRate {
                    id: scrollRateMain
                    objectName: "scrollRateMain"
                    title: dash.mainLang[Texts.Main.scrollSpeed]
                    rowsText: dash.mainLang[Texts.Main.rows]
                    screenText: dash.mainLang[Texts.Main.oneScreen]
                    onClickFrame: dash.focusControl()
                    onEditingChanged: dash.isScrollRateFocus = editing
                    onLinesChange: (n) => ui_View.setVerticalScrollLines(n)
                }
            }
        }

        // The scroll handle over the track picture: its length is the visible
        // share of the column, dragging it moves the content pixel by pixel.
        Rectangle {
            id: scrollHandle
            objectName: "scrollHandle"
            x: panelRightItem.width - width
            y: panelRight.visibleArea.yPosition * panelRightItem.columnHeight
            width: 8
            height: Math.min(1, panelRight.visibleArea.heightRatio) * panelRightItem.columnHeight
            radius: 4
            border.width: 1
            border.color: "#60000000"
            gradient: Gradient {
                GradientStop { position: 0.0; color: "#767676" }
                GradientStop { position: 1.0; color: "#303030" }
            }

            Rectangle {
                anchors.fill: parent
                radius: scrollHandle.radius
                color: "#20ffffff"
                visible: handleArea.containsMouse || handleArea.pressed
            }

            MouseArea {
                id: handleArea
                property real lastY: 0

                anchors.fill: parent
                hoverEnabled: true
                onPressed: (mouse) => lastY = mapToItem(panelRightItem, mouse.x, mouse.y).y
                onPositionChanged: (mouse) => {
                    const y = mapToItem(panelRightItem, mouse.x, mouse.y).y
                    const d = y - lastY
                    lastY = y
                    if (d > 0 && panelRight.atYEnd)
                        return
                    const end = Math.max(0, panelRight.contentHeight - panelRight.height)
                    panelRight.contentY = Math.max(0, Math.min(end, panelRight.contentY + d))
                }
            }
        }

        // Follows the DPI panel when the column scrolls; outside the
        // Flickable so the pickers of the right-hand stages are not clipped.
        ColorPicker {
            id: colorBar
            objectName: "colorBar"
            y: 252 - panelRight.contentY
            visible: dash.popup === Dashboard.ColorPopup
            onColorPicked: (color) => dpiSettingMain.setColor(color)
        }
    }

    Menu_Down {
        id: downItem
        objectName: "downItem"
        x: 913
        y: 604
        text: dash.mainLang[Texts.Main.reset]
        onClicked: dash.openDialog(Dashboard.ResetDialog)
    }

    Menu_Up {
        id: upItem
        objectName: "upItem"
        x: 935
        y: 5
        onAskClicked: {
            const open = dash.popup !== Dashboard.AskPopup
            dash.focusControl()
            if (open)
                dash.popup = Dashboard.AskPopup
        }
        onMinimizeClicked: ui_Ctl.onMinimize()
        onCloseClicked: ui_Ctl.onClose()
    }

    Mouse {
        id: mouseMain
        objectName: "mouseMain"
        anchors.fill: parent
        topText: dash.mainLang[Texts.Main.topView]
        sideText: dash.mainLang[Texts.Main.sideView]
        onViewButtonClicked: dash.focusControl()
    }

    // Dims the page behind a dialog and keeps clicks from reaching it; the
    // window can still be dragged by it.
    Rectangle {
        id: mainMask
        objectName: "mainMask"
        anchors.fill: parent
        color: "#90000000"
        visible: dash.dialog !== Dashboard.NoDialog

        WindowDragArea {
            anchors.fill: parent
            onPressed: {
                dash.dialogsFocus()
                dash.emptyAreaPressed()
                dash.focusControl()
            }
        }
    }

    // The dialogs are made the first time they open and then stay; their
    // pictures are held only while they are shown.
    LazyLoader {
        id: macroEditorLoader
        objectName: "macroEditorMainLoader"
        active: false
        sourceComponent: Component {
            MacroEditor {
                objectName: "macroEditorMain"
                visible: dash.dialog === Dashboard.MacroDialog
                language: dash.language
                presets: macroPresets
                macroEditorLang: dash.macroEditorLang
                dragArea: dash
                keyCodes: keyCodes
                onCloseRequested: dash.closeDialog()
            }
        }
    }

    LazyLoader {
        id: gunControlLoader
        objectName: "gunControlMainLoader"
        active: false
        sourceComponent: Component {
            GunControl {
                objectName: "gunControlMain"
                visible: dash.dialog === Dashboard.GunDialog
                language: dash.language
                presets: gunPresets
                macroEditorLang: dash.gunEditorLang
                dragArea: dash
                keyCodes: keyCodes
                onCloseRequested: dash.closeDialog()
            }
        }
    }

    LazyLoader {
        id: keyMenuLoader
        objectName: "keyMenuMainLoader"
        active: false
        sourceComponent: Component {
            KeyMenu {
                objectName: "keyMenuMain"
                visible: dash.keyMenuOpen
                keyMenuLang: dash.keyMenuLang
                gunKeyIndexes: keyMatrixMain.gunKeyIndexes
                gunMenuNames: gunPresets.gunMenuNames
                pageHeight: dash.height
                onCodeChosen: (code) => dash.assignCode(code)
                onSingleKeyChosen: dash.openSingleKeyDialog()
                onMacroChosen: dash.openMacroKeyDialog()
                onGunAssignChosen: (gun) => dash.openGunAssignDialog(gun)
                onGunEnableChosen: (gun) => dash.enableGun(gun)
                onGunDisableChosen: (gun) => dash.disableGun(gun)
            }
        }
    }

    // Opens above the "Config" button at the bottom left.
    LazyLoader {
        id: profileLoader
        objectName: "profileMainLoader"
        active: false
        sourceComponent: Component {
            Profile {
                objectName: "profileMain"
                x: 18
                y: 29
                visible: dash.dialog === Dashboard.ProfileDialog
                profiles: profileList
                profileNo: dash.profileNo
                mainLang: dash.mainLang
                followLang: dash.followLang
                onChangeProfile: (tmpProfileNo) => dash.changeProfile(tmpProfileNo)
                onCloseRequested: dash.profileDialogClosed()
                onProfileImported: dash.profileImported()
            }
        }
    }

    LazyLoader {
        id: singleKeyLoader
        objectName: "singleKeyMainLoader"
        active: false
        sourceComponent: Component {
            SingleKey {
                objectName: "singleKeyMain"
                visible: dash.dialog === Dashboard.SingleKeyDialog
                macroKeyLang: dash.macroKeyLang
                dragArea: dash
                keyCodes: keyCodes
                onKeyAssigned: (usage) => dash.assignToSelected(0, 0, usage, 0)
                onCloseRequested: dash.closeDialog()
            }
        }
    }

    LazyLoader {
        id: macroKeyLoader
        objectName: "macroKeyMainLoader"
        active: false
        sourceComponent: Component {
            MacroKey {
                objectName: "macroKeyMain"
                visible: dash.dialog === Dashboard.MacroKeyDialog
                macroKeyLang: dash.macroKeyLang
                dragArea: dash
                onMacroChosen: (name, playMode) => dash.assignMacro(name, playMode)
                onGunChosen: (gun, presetIndex, name, playMode) => dash.assignGun(gun, presetIndex, name, playMode)
                onCloseRequested: dash.closeDialog()
            }
        }
    }

    LazyLoader {
        id: resetLoader
        objectName: "factorysureLoader"
        active: false
        sourceComponent: Component {
            FactoryDialog {
                objectName: "factorysure"
                visible: dash.dialog === Dashboard.ResetDialog
                background: dash.skinIndex + "sureBg.png"
                title: dash.mainLang[Texts.Main.reset]
                question: dash.mainLang[Texts.Main.resetQuestion]
                okText: dash.mainLang[Texts.Main.ok]
                cancelText: dash.mainLang[Texts.Main.cancel]
                dragArea: dash
                onAccepted: dash.factoryReset()
                onRejected: dash.closeDialog()
            }
        }
    }

    Rectangle {
        id: askMenu
        objectName: "askMenu"
        readonly property string webAddress: "www.stellarc.example"

        x: 790
        y: 24
        width: 159
        height: 64
        color: "#6f2929"
        border.color: "#8f2020"
        visible: dash.popup === Dashboard.AskPopup

        Column {
            x: 1
            y: 1

            Repeater {
                model: [askMenu.webAddress, "update", "verison:1.0"]

                Rectangle {
                    id: askRow
                    required property int index
                    required property string modelData

                    objectName: "askRow" + index
                    width: askMenu.width - 2
                    height: 21
                    color: rowArea.containsMouse ? "#8f2020" : "transparent"

                    Text {
                        x: 8
                        anchors.verticalCenter: parent.verticalCenter
                        text: askRow.modelData
                        color: Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                    }
                    MouseArea {
                        id: rowArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            dash.popup = Dashboard.NoPopup
                            if (askRow.index === 0)
                                Qt.openUrlExternally("https://" + askMenu.webAddress)
                            else if (askRow.index === 1)
                                ui_View.openUpdateExe()
                        }
                    }
                }
            }
        }
    }
}
