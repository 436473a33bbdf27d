import QtQuick
import "R8/keypages.js" as KeyPages
import "R8/actions.js" as Actions

// The main page: one fixed dashboard with every setting panel, the mouse in
// the middle and the dialogs over a dimming mask. The view model calls the
// root functions initUI, run, setProtectUI, detectKeyboard and detectMouse
// by name.
//
// The first frame shows only the splash and the busy text, and the start-up
// lock hides the dashboard for a second anyway; so the root holds just those
// and the dashboard (pictures, panels, dialogs) is made during that lock,
// after the first frame, where its cost does not delay the window.
Item {
    id: mainIten

    property bool isScrollRateFocus: false
    property var mainLang: ["Axis Sensitivity", "x-Axis", "y-Axis", "DPI Setting", "Lighting",
        "Static", "Breath", "RGB", "Finger \nTapping", "Polling Rate",
        "Mouse Speed", "Double-Click Speed", "Scroll Speed", "Slow", "Fast",
        "Number of Rows", "Scrol one Screen", "Top View", "Side View", "Config",
        "New", "Delete", "Edit", "Copy", "Load",
        "Save", "Reset", "Reset Factroy Setting", "OK", "Cancel",
        "", "", "", "", ""]
    property int language: 1   // 0 English, 1 Chinese
    // The page is designed for 微软雅黑; where it is missing a CJK font that
    // is installed takes its place, so Chinese texts still render.
    property string fontFamily: {
        var installed = Qt.fontFamilies()
        var wanted = ["微软雅黑", "Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC"]
        for (var i = 0; i < wanted.length; ++i)
            if (installed.indexOf(wanted[i]) >= 0)
                return wanted[i]
        return ""
    }
    property int fontNormalSize: 12
    property int fontMaxSize: 16
    property int fontMiddleSize: 14
    property int fontMinSize: 10
    property color fontColor: "#ffffff"
    property int skin_No: 1
    property int animation_speed: 300

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

    property int profileNo: 0
    property bool isProfileChanged: false
    // True once the start-up lock has ended and the page replaced the splash.
    readonly property bool mainPageShown: !powerOnLogo.visible
    // initUI came before the dashboard existed; the dashboard finishes it.
    property bool initPending: false

    readonly property string skinIndex: "qrc:/index/modules/img/skin" + skin_No + "/index/"
    readonly property string skinProfile: "qrc:/profile/modules/img/skin" + skin_No + "/profile/"
    property url sourcePowerOn: skinIndex + "powerOn.png"
    property url sourceMainLogo: skinIndex + "mainLogo.png"
    property url sourceFlickableBar: skinIndex + "flickableBar.png"
    property url sourceSureBg: skinIndex + "sureBg.png"
    property url sourceProfileStartBtn: skinProfile + "profileStartBtn.png"
    property url sourceProfileStartBtnH: skinProfile + "profileStartBtnH.png"
    property url sourceProfileStartBtnS: skinProfile + "profileStartBtnS.png"

    // The dashboard once it is made, null before. Its parts keep their ids
    // inside it; the page's functions reach them through these names.
    readonly property Item dashboard: dashboardLoader.item
    readonly property Item envItem: dashboard ? dashboard.envItem : null
    readonly property Item mainLogo: dashboard ? dashboard.mainLogo : null
    readonly property Item panelleft: dashboard ? dashboard.panelleft : null
    readonly property Item profileBtn: dashboard ? dashboard.profileBtn : null
    readonly property Item flickableBar: dashboard ? dashboard.flickableBar : null
    readonly property Item panelRightItem: dashboard ? dashboard.panelRightItem : null
    readonly property Item downItem: dashboard ? dashboard.downItem : null
    readonly property Item upItem: dashboard ? dashboard.upItem : null
    readonly property Item mouseMain: dashboard ? dashboard.mouseMain : null
    readonly property Item mainMask: dashboard ? dashboard.mainMask : null
    readonly property Item factorysure: dashboard ? dashboard.factorysureLoader.item : null
    readonly property Item askMenu: dashboard ? dashboard.askMenu : null
    readonly property Item colorBar: dashboard ? dashboard.colorBar : null
    readonly property Item xySettingMain: dashboard ? dashboard.xySettingMain : null
    readonly property Item dpiSettingMain: dashboard ? dashboard.dpiSettingMain : null
    readonly property Item lightControlMain: dashboard ? dashboard.lightControlMain : null
    readonly property Item reprotRateMain: dashboard ? dashboard.reprotRateMain : null
    readonly property Item mouseRateMain: dashboard ? dashboard.mouseRateMain : null
    readonly property Item doubleRateMain: dashboard ? dashboard.doubleRateMain : null
    readonly property Item scrollRateMain: dashboard ? dashboard.scrollRateMain : null
    readonly property Item keyMatrixMain: dashboard ? dashboard.keyMatrixMain : null
    // The dialogs once they have been opened, null before.
    readonly property Item macroEditorMain: dashboard ? dashboard.macroEditorLoader.item : null
    readonly property Item keyMenuMain: dashboard ? dashboard.keyMenuLoader.item : null
    readonly property Item singleKeyMain: dashboard ? dashboard.singleKeyLoader.item : null
    readonly property Item macroKeyMain: dashboard ? dashboard.macroKeyLoader.item : null
    readonly property Item gunControlMain: dashboard ? dashboard.gunControlLoader.item : null
    readonly property Item profileMain: dashboard ? dashboard.profileLoader.item : null

    readonly property QtObject keyCodes: _KeyCodeString
    readonly property bool keyMenuOpen: keyMenuMain !== null && keyMenuMain.visible

    signal emptyAreaPressed()
    // `time`: when the event happened, in the capture's milliseconds
    // (undefined when the caller has none).
    signal msg_KB(bool isDown, int usbCode, var time)
    signal msg_MS(bool isDown, int vornCode, int x, int y, var time)

    // ---- called by the view model and the window controller

    // The lock starts at once; filling the panels waits for the dashboard,
    // and the page is not shown before they are filled.
    function initUI() {
        setProtectUI(1000)
        if (!dashboard) {
            initPending = true
            return
        }
        fillFromProfile()
    }

    function run() {
    }

    // Locks the page for `interval` ms (0: until the next pass of the event
    // loop); a new lock replaces the running one.
    function setProtectUI(interval) {
        protectUIItem.setBusy(true)
        ui_View.setEnabled(false)
        tmrProtectUI.interval = interval
        tmrProtectUI.restart()
        if (!dashboardLoader.active)
            dashboardDelay.start()
    }

    function detectKeyboard(isDown, usbCode, time) {
        msg_KB(isDown, usbCode, time)
    }

    function detectMouse(isDown, vornCode, x, y, time) {
        msg_MS(isDown, vornCode, x, y, time)
    }

    // ---- the page's own work

    // initUI once the lock is on: language, profile, texts and every panel,
    // without sending anything to the mouse.
    function fillFromProfile() {
        language = String(ui_View.getLang()) === "ChineseSimplified" ? 1 : 0
        // A stored number that names none of the ten profiles opens the first.
        var stored = Number(ui_View.getProfile())
        profileNo = Number.isInteger(stored) && stored >= 0 && stored < 10 ? stored : 0
        ui_View.ui_02H_SetCurrentProfile(profileNo)
        if (language === 1)
            loadChineseTexts()

        macroPresets.load()
        gunPresets.init(false)
        profileList.load()
        if (keyMenuMain)
            keyMenuMain.init()
        initPanels(false)

        setGunMenuName()
        keyMatrixMain.initGunKeyShow()
    }

    // The end of a lock. The first one also replaces the splash with the
    // page, but only once the dashboard exists (and so has been filled by an
    // initUI that came early); until then the lock stays and the dashboard
    // ends it when it is ready.
    function endProtectUI() {
        if (powerOnLogo.visible && !dashboard)
            return
        ui_View.setEnabled(true)
        protectUIItem.setBusy(false)
        if (powerOnLogo.visible)
            showMainPage()
    }

    // A start-up call that came early is finished now, and a lock that ran
    // out meanwhile ends.
    function dashboardReady() {
        if (initPending) {
            initPending = false
            fillFromProfile()
        }
        if (protectUIItem.busy && !tmrProtectUI.running)
            endProtectUI()
    }

    // A language file without a table leaves the English texts in place.
    // Entries a table lacks keep their English texts.
    function loadChineseTexts() {
        var langFile = "lang_025044"
        mainLang = KeyPages.mergeTexts(mainLang, ui_View.getGlobalStrings(0, langFile))
        keyMatrixMain.keyMatrixLang = KeyPages.mergeTexts(keyMatrixMain.keyMatrixLang, ui_View.getGlobalStrings(1, langFile))
        keyMenuLang = KeyPages.mergeTexts(keyMenuLang, ui_View.getGlobalStrings(2, langFile))
        macroEditorLang = KeyPages.mergeTexts(macroEditorLang, ui_View.getGlobalStrings(3, langFile))
        gunEditorLang = KeyPages.mergeTexts(gunEditorLang, ui_View.getGlobalStrings(4, langFile))
        macroKeyLang = KeyPages.mergeTexts(macroKeyLang, ui_View.getGlobalStrings(5, langFile))
        // The page shows none of these; reading them gives the tray's DPI
        // notices their Chinese texts.
        ui_View.getGlobalStrings(6, langFile)
    }

    // The eight setting panels, from the current profile; with isSendData the
    // mouse and the system get the values too.
    function initPanels(isSendData) {
        keyMatrixMain.init(isSendData)
        xySettingMain.init(isSendData)
        dpiSettingMain.init(isSendData)
        lightControlMain.init(isSendData)
        reprotRateMain.init(isSendData)
        mouseRateMain.init(isSendData)
        doubleRateMain.init(isSendData)
        scrollRateMain.init(isSendData)
    }

    function showMainPage() {
        powerOnLogo.visible = false
        envItem.visible = true
        mainLogo.visible = true
        panelleft.visible = true
        profileBtn.visible = true
        flickableBar.visible = true
        panelRightItem.visible = true
        downItem.visible = true
        upItem.visible = true
        mouseMain.visible = true
    }

    // Closes whatever small pop-up is open: a click anywhere else on the page
    // means the user is done with it.
    function focusControl() {
        if (!dashboard)
            return
        if (scrollRateMain.editing) {
            scrollRateMain.dropFocus()
            isScrollRateFocus = false
        }
        if (keyMenuMain && keyMenuMain.visible) {
            keyMenuMain.visible = false
            mouseMain.selectKey = -1
        }
        if (colorBar.visible)
            colorBar.visible = false
        if (askMenu.visible)
            askMenu.visible = false
    }

    // The mouse's values for the panel's choice are the view model's rule,
    // which the command line follows too; the profile keeps the choice.
    function sendLighting(effect, option1, option2) {
        var c = ui_View.ledEffectCommand(effect, option1, option2)
        ui_View.ui_0DH_SetRGBLedEffect(c[0], c[1], c[2], [effect, option1, option2])
    }

    function sendDpiTable() {
        ui_View.ui_11H_SetDPISet(dpiSettingMain.stageCount, dpiSettingMain.dpiCodes(), dpiSettingMain.dpiTable())
    }

    function openColorBar(stage, color) {
        colorBar.open(color, [25, 61, 98, -17, 20, 58][stage])
    }

    function openFactoryDialog() {
        openLoaded(dashboard.factorysureLoader)
    }

    function closeFactoryDialog() {
        factorysure.visible = false
        mainMask.visible = false
    }

    function factoryReset() {
        closeFactoryDialog()
        setProtectUI(1500)
        ui_View.resetProfile(profileNo)
        initPanels(true)
        gunPresets.readGunData()
        setGunMenuName()
        keyMatrixMain.initGunKeyShow()
        gunPresets.sendMacro(5, gunPresets.getMacroName(0), gunPresets.getMacroName(1), gunPresets.getMacroName(2))
    }

    // Closing it, by this button as by its own, gives the mouse the profile
    // chosen meanwhile.
    function toggleProfileDialog() {
        focusControl()
        if (profileMain && profileMain.visible) {
            profileMain.close()
            return
        }
        dashboard.profileLoader.active = true
        profileMain.visible = true
        mainMask.visible = true
    }

    // The profile dialog's changeProfile: show the other profile at once; the
    // mouse gets it when the dialog closes.
    function changeProfile(tmpProfileNo) {
        if (tmpProfileNo === profileNo)
            return
        profileNo = tmpProfileNo
        ui_View.ui_02H_SetCurrentProfile(tmpProfileNo)
        isProfileChanged = true
        // The gun keys show the presets of the new profile's slots.
        gunPresets.readGunData()
        initPanels(false)
        setGunMenuName()
    }

    // The profile dialog's closeUI.
    function profileDialogClosed() {
        if (!isProfileChanged)
            return
        setProtectUI(1500)
        isProfileChanged = false
        initPanels(true)
        gunPresets.init(true)
        setGunMenuName()
        keyMatrixMain.initGunKeyShow()
        ui_View.ui_02H_SetKeyMatrixNo(0)
    }

    // The profile dialog's profileImported: the current profile was replaced,
    // the page shows it and the mouse gets all of it.
    function profileImported() {
        setProtectUI(1500)
        macroPresets.load()
        gunPresets.init(false)
        initPanels(true)
        gunPresets.readGunData()
        setGunMenuName()
        keyMatrixMain.initGunKeyShow()
        gunPresets.sendGunMacro()
    }

    // A press on the mask first lets the open dialogs drop their own pop-ups.
    function dialogsFocus() {
        if (macroEditorMain && macroEditorMain.visible) macroEditorMain.macroEditorFocus()
        if (profileMain && profileMain.visible) profileMain.profileEditorFocus()
        if (gunControlMain && gunControlMain.visible) gunControlMain.macroEditorFocus()
        if (macroKeyMain && macroKeyMain.visible) macroKeyMain.macroKeyFocus()
    }

    // ---- button assignment

    // Centred over the mask. Shown first: its picture, and so its size, comes
    // with showing it.
    function openDialog(dialog) {
        focusControl()
        dialog.visible = true
        dialog.x = (width - dialog.width) / 2
        dialog.y = (height - dialog.height) / 2
        mainMask.visible = true
        return dialog
    }

    // The dialog of `loader`, made if this is its first opening.
    function openLoaded(loader) {
        loader.active = true
        return openDialog(loader.item)
    }

    function closeDialog(dialog) {
        dialog.visible = false
        mainMask.visible = false
        mouseMain.selectKey = -1
    }

    function openKeyMenu(index) {
        focusControl()
        dashboard.keyMenuLoader.active = true
        keyMenuMain.selectKey = index
        keyMenuMain.x = keyMatrixMain.getx(index)
        keyMenuMain.y = keyMatrixMain.gety(index)
        keyMenuMain.showControl()
        mouseMain.selectKey = index
    }

    function closeKeyMenu() {
        if (keyMenuMain)
            keyMenuMain.visible = false
        mouseMain.selectKey = -1
    }

    // A new function for the button whose menu is open, unless it is the
    // last left click.
    function assignToSelected(b0, b1, b2, b3) {
        var index = keyMenuMain.selectKey
        if (!keyMatrixMain.modifyData(index, b0, b1, b2, b3))
            return
        keyMatrixMain.refreashUI()
        keyMatrixMain.cancelGunKeyFun(index)
    }

    function assignCode(code) {
        closeKeyMenu()
        var bytes = KeyPages.parseCode(code)
        if (bytes)
            assignToSelected(bytes[0], bytes[1], bytes[2], bytes[3])
    }

    // A macro plays from the slot the button has, or from a free one; with
    // every button slot taken nothing changes.
    function assignMacro(name, playMode) {
        var index = keyMenuMain.selectKey
        var slot = keyMatrixMain.macroSlotFor(index)
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
        var e = keyMatrixMain.entry(0, keyMenuMain.selectKey)
        var current = KeyPages.isMacro(e) ? keyMatrixMain.macroName(e[2]) : ""
        var dialog = openLoaded(dashboard.macroKeyLoader)
        dialog.showUI(dialog.macroMode, macroPresets.macroNames(), current,
                            KeyPages.isMacro(e) ? e[1] : 0)
        mouseMain.selectKey = keyMenuMain.selectKey
    }

    function openSingleKeyDialog() {
        closeKeyMenu()
        openLoaded(dashboard.singleKeyLoader).showUI()
        mouseMain.selectKey = keyMenuMain.selectKey
    }

    // ---- gun slots on buttons; the presets are the gun dialog's

    function gunPresetName(slot) {
        return gunPresets.getMacroName(slot)
    }

    // The key menu names the gun slots that are on a button.
    function setGunMenuName() {
        gunPresets.setGunMenuName()
    }

    function openGunAssignDialog(gun) {
        closeKeyMenu()
        var dialog = openLoaded(dashboard.macroKeyLoader)
        dialog.gunSlot = gun
        dialog.showUI(dialog.gunMode, gunPresets.macroNames(), gunPresetName(gun),
                            keyMatrixMain.gunKeyData[gun].gunKeyType)
        mouseMain.selectKey = keyMenuMain.selectKey
    }

    function assignGun(gun, presetIndex, name, playMode) {
        var index = keyMenuMain.selectKey
        if (!keyMatrixMain.openGunKeyProc(index, gun, playMode))
            return
        gunPresets.setGunData(gun, presetIndex)
        setGunMenuName()
        keyMatrixMain.refreashUI()
        keyMatrixMain.controlGunShow(index, name)
        if (!gunPresets.sendGunMacro())
            ui_View.notifyUser(gunEditorLang[0], language === 1
                               ? "未发送：三个枪械宏合计须小于 " + Actions.gunDataLimit + " 字节，鼠标保留原有的枪械宏。"
                               : "Not sent: the three gun presets together must stay below " + Actions.gunDataLimit
                                 + " bytes. The mouse keeps the ones it has.")
    }

    function enableGun(gun) {
        var index = keyMenuMain.selectKey
        closeKeyMenu()
        if (!keyMatrixMain.openGunKeyProc(index, gun, keyMatrixMain.gunKeyData[gun].gunKeyType))
            return
        keyMatrixMain.refreashUI()
        setGunMenuName()
        keyMatrixMain.controlGunShow(index, gunPresetName(gun))
    }

    function disableGun(gun) {
        var index = keyMenuMain.selectKey
        closeKeyMenu()
        keyMatrixMain.closeGunKeyProc(index, gun)
        setGunMenuName()
        keyMatrixMain.refreashUI()
        keyMatrixMain.initGunKeyShow()
    }

    function gunSlotCleared(gun) {
        gunPresets.setGunData(gun, 2)
        setGunMenuName()
    }

    // A gun preset is being deleted: the slot that plays it leaves its button.
    function freeGunSlot(gun) {
        keyMatrixMain.closeGunKeyProc(keyMatrixMain.gunKeyIndexes[gun], gun)
        setGunMenuName()
        keyMatrixMain.refreashUI()
        keyMatrixMain.initGunKeyShow()
    }

    width: 1000
    height: 640

    onMsg_KB: (isDown, usbCode, time) => {
        if (!dashboard)
            return
        if (macroEditorMain && macroEditorMain.isInputting)
            macroEditorMain.detectKeyboard(isDown, usbCode, time)
        if (gunControlMain && gunControlMain.isInputting)
            gunControlMain.detectKeyboard(isDown, usbCode, time)
        if (gunControlMain && gunControlMain.isInsertting)
            gunControlMain.detectInput(isDown, usbCode)
        if (singleKeyMain && singleKeyMain.visible)
            singleKeyMain.detectKeyboard(isDown, usbCode)
    }

    // Empty page: pressing here moves the window and closes pop-ups.
    MouseArea {
        id: dragRegion
        objectName: "dragRegion"
        property point pressedAt

        anchors.fill: parent
        onPressed: (mouse) => {
            mainIten.emptyAreaPressed()
            pressedAt = Qt.point(mouse.x, mouse.y)
            mainIten.focusControl()
        }
        // The window moves with the pointer, so the press point stays under it.
        onPositionChanged: (mouse) => {
            ui_Ctl.onXChanged(mouse.x - pressedAt.x)
            ui_Ctl.onYChanged(mouse.y - pressedAt.y)
        }
    }

    KeyCodeString {
        id: _KeyCodeString
    }

    // What the dialogs show and change, for the whole run: the page and the
    // mouse need these while the dialogs are closed or not yet made.
    MacroPresets {
        id: macroPresets
        objectName: "macroPresets"
        keyCodes: _KeyCodeString
        onDeleteMacroSignal: (name) => mainIten.keyMatrixMain.deleteMacroProc(name)
        onMacroRenamed: mainIten.keyMatrixMain.updateTexts()
    }

    GunPresets {
        id: gunPresets
        objectName: "gunPresets"
        keyCodes: _KeyCodeString
        gunKeyIndexes: mainIten.keyMatrixMain ? mainIten.keyMatrixMain.gunKeyIndexes : [-1, -1, -1]
        onGunSlotFreed: (slot) => mainIten.freeGunSlot(slot)
        onGunNamesChanged: mainIten.keyMatrixMain.initGunKeyShow()
    }

    ProfileList {
        id: profileList
        objectName: "profileList"
    }

    // Shown once; its picture goes with it.
    Image {
        id: powerOnLogo
        objectName: "powerOnLogo"
        anchors.centerIn: parent
        source: visible ? mainIten.sourcePowerOn : ""
        cache: false
    }

    BusyIndicator {
        id: protectUIItem
        objectName: "protectUIItem"
        anchors.centerIn: parent
        z: 99
        fontFamily: mainIten.fontFamily
        fontSize: mainIten.fontNormalSize
        fontColor: mainIten.fontColor
    }

    Timer {
        id: tmrProtectUI
        interval: 1000
        onTriggered: mainIten.endProtectUI()
    }

    Loader {
        id: dashboardLoader
        objectName: "dashboardLoader"
        anchors.fill: parent
        active: false
        sourceComponent: dashboardComponent
        onLoaded: mainIten.dashboardReady()
    }

    // The dashboard is made a moment into the start-up lock: late enough for
    // the first frame (splash and busy text) to reach the screen first, even
    // on a first start with cold caches, and long before the lock ends.
    Timer {
        id: dashboardDelay
        interval: 250
        onTriggered: dashboardLoader.active = true
    }

    // Everything of the page but the splash, the busy text, the lock and the
    // background drag area. The names the root points to are aliases here.
    Component {
        id: dashboardComponent

        Item {
            property alias envItem: envItem
            property alias mainLogo: mainLogo
            property alias panelleft: panelleft
            property alias profileBtn: profileBtn
            property alias flickableBar: flickableBar
            property alias panelRightItem: panelRightItem
            property alias downItem: downItem
            property alias upItem: upItem
            property alias mouseMain: mouseMain
            property alias mainMask: mainMask
            property alias factorysureLoader: factorysureLoader
            property alias askMenu: askMenu
            property alias colorBar: colorBar
            property alias xySettingMain: xySettingMain
            property alias dpiSettingMain: dpiSettingMain
            property alias lightControlMain: lightControlMain
            property alias reprotRateMain: reprotRateMain
            property alias mouseRateMain: mouseRateMain
            property alias doubleRateMain: doubleRateMain
            property alias scrollRateMain: scrollRateMain
            property alias keyMatrixMain: keyMatrixMain
            property alias macroEditorLoader: macroEditorLoader
            property alias keyMenuLoader: keyMenuLoader
            property alias singleKeyLoader: singleKeyLoader
            property alias macroKeyLoader: macroKeyLoader
            property alias gunControlLoader: gunControlLoader
            property alias profileLoader: profileLoader

            Environment {
                id: envItem
                objectName: "envItem"
                visible: false
            }

            Image {
                id: mainLogo
                objectName: "mainLogo"
                x: 18
                y: 32
                visible: false
                source: mainIten.sourceMainLogo
            }

            Column {
                id: panelleft
                objectName: "panelleft"
                x: 18
                y: 106
                spacing: 5
                visible: false

                KeyMatrix {
                    id: keyMatrixMain
                    objectName: "keyMatrixMain"
                    language: mainIten.language
                    keyCodes: mainIten.keyCodes
                    selectKey: mainIten.keyMenuOpen ? mainIten.keyMenuMain.selectKey : -1
                    gunPresetName: mainIten.gunPresetName
                    fontFamily: mainIten.fontFamily
                    fontSize: mainIten.fontNormalSize
                    fontColor: mainIten.fontColor
                    skinNo: mainIten.skin_No
                    animationSpeed: mainIten.animation_speed
                    onClickFrame: mainIten.focusControl()
                    onKeyClicked: (index) => mainIten.openKeyMenu(index)
                    onKeyHovered: (index) => { if (!mainIten.keyMenuOpen) mouseMain.selectKey = index }
                    // The next row may have been entered before this one was left.
                    onKeyLeft: (index) => { if (!mainIten.keyMenuOpen && mouseMain.selectKey === index) mouseMain.selectKey = -1 }
                    onSendMacroRequested: (slot, name) => macroPresets.sendMacro(slot, name)
                    onGunSlotCleared: (slot) => mainIten.gunSlotCleared(slot)
                }

                // Opens the macro editor and the gun dialog.
                Rectangle {
                    id: launcherBox
                    objectName: "launcherBox"
                    readonly property string skin: "qrc:/macros/modules/img/skin" + mainIten.skin_No + "/macros/"
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
                            text: mainIten.macroEditorLang[0]
                            fontFamily: mainIten.fontFamily
                            fontSize: mainIten.fontNormalSize
                            textColor: mainIten.fontColor
                            onClicked: mainIten.openLoaded(macroEditorLoader)
                        }
                        Button {
                            objectName: "gunControlButton"
                            source: launcherBox.skin + "macroStartBtn.png"
                            hoverSource: launcherBox.skin + "macroStartBtnH.png"
                            pressedSource: launcherBox.skin + "macroStartBtnP.png"
                            text: mainIten.gunEditorLang[0]
                            fontFamily: mainIten.fontFamily
                            fontSize: mainIten.fontNormalSize
                            textColor: mainIten.fontColor
                            onClicked: mainIten.openLoaded(gunControlLoader)
                        }
                    }
                }

                XySetting {
                    id: xySettingMain
                    objectName: "xySettingMain"
                    title: mainIten.mainLang[0]
                    xText: mainIten.mainLang[1]
                    yText: mainIten.mainLang[2]
                    fontFamily: mainIten.fontFamily
                    fontSize: mainIten.fontNormalSize
                    fontColor: mainIten.fontColor
                    skinNo: mainIten.skin_No
                    animationSpeed: mainIten.animation_speed
                    onClickFrame: mainIten.focusControl()
                }
            }

            Button {
                id: profileBtn
                objectName: "profileBtn"
                anchors.left: parent.left
                anchors.leftMargin: 20
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                visible: false
                // Over the mask while the profile dialog is open: it closes the dialog too.
                z: mainIten.profileMain && mainIten.profileMain.visible ? 2 : 0
                source: mainIten.sourceProfileStartBtn
                hoverSource: mainIten.sourceProfileStartBtnH
                pressedSource: mainIten.sourceProfileStartBtnS
                text: mainIten.mainLang[19]
                fontFamily: mainIten.fontFamily
                fontSize: mainIten.fontNormalSize
                textColor: mainIten.fontColor
                onClicked: mainIten.toggleProfileDialog()
            }

            Image {
                id: flickableBar
                objectName: "flickableBar"
                anchors.right: parent.right
                anchors.rightMargin: 9
                y: 32
                visible: false
                source: mainIten.sourceFlickableBar
            }

            Item {
                id: panelRightItem
                objectName: "panelRightItem"
                readonly property int columnHeight: 563

                x: 734
                y: 32
                width: mainIten.width - 9 - x
                height: columnHeight
                visible: false

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
                        onClicked: mainIten.focusControl()
                    }

                    Column {
                        id: rightColumn
                        spacing: 5

                        DpiSetting {
                            id: dpiSettingMain
                            objectName: "dpiSettingMain"
                            title: mainIten.mainLang[3]
                            fontFamily: mainIten.fontFamily
                            fontSize: mainIten.fontNormalSize
                            fontColor: mainIten.fontColor
                            skinNo: mainIten.skin_No
                            animationSpeed: mainIten.animation_speed
                            onClickFrame: mainIten.focusControl()
                            onClickDpiSetting: mainIten.focusControl()
                            onDpiValueChange: mainIten.sendDpiTable()
                            onDpiSelectChange: {
                                ui_View.ui_11H_SetDPISelect(dpiSettingMain.selectFlags())
                                mainIten.sendDpiTable()
                            }
                            // Every colour change goes out twice in a row.
                            onDpiColorChange: {
                                var bytes = dpiSettingMain.colourBytes()
                                ui_View.ui_10H_SetLED8StageColor(1, bytes)
                                ui_View.ui_10H_SetLED8StageColor(1, bytes)
                            }
                            onOpenColorBar: (stage, color) => mainIten.openColorBar(stage, color)
                        }

                        LightControl {
                            id: lightControlMain
                            objectName: "lightControlMain"
                            title: mainIten.mainLang[4]
                            labels: [mainIten.mainLang[5], mainIten.mainLang[6], mainIten.mainLang[7], mainIten.mainLang[8]]
                            fontFamily: mainIten.fontFamily
                            fontSize: mainIten.fontNormalSize
                            fontColor: mainIten.fontColor
                            skinNo: mainIten.skin_No
                            animationSpeed: mainIten.animation_speed
                            onClickFrame: mainIten.focusControl()
                            onSetLED: (effect, option1, option2) => mainIten.sendLighting(effect, option1, option2)
                        }

                        ReportRate {
                            id: reprotRateMain
                            objectName: "reprotRateMain"
                            title: mainIten.mainLang[9]
                            language: mainIten.language
                            fontFamily: mainIten.fontFamily
                            fontSize: mainIten.fontNormalSize
                            fontColor: mainIten.fontColor
                            skinNo: mainIten.skin_No
                            animationSpeed: mainIten.animation_speed
                            onClickFrame: mainIten.focusControl()
                            // Also when init changes it: the mouse follows what is shown.
                            onReportValueChanged: ui_View.ui_01H_SetReportRate(reportValue)
                        }

                        MouseRate {
                            id: mouseRateMain
                            objectName: "mouseRateMain"
                            title: mainIten.mainLang[10]
                            slowText: mainIten.mainLang[13]
                            fastText: mainIten.mainLang[14]
                            fontFamily: mainIten.fontFamily
                            fontSize: mainIten.fontNormalSize
                            fontColor: mainIten.fontColor
                            skinNo: mainIten.skin_No
                            animationSpeed: mainIten.animation_speed
                            onClickFrame: mainIten.focusControl()
                            onMouseRateChange: (value) => ui_View.setCursorSpeed(value)
                        }

                        DoubleRate {
                            id: doubleRateMain
                            objectName: "doubleRateMain"
                            title: mainIten.mainLang[11]
                            slowText: mainIten.mainLang[13]
                            fastText: mainIten.mainLang[14]
                            fontFamily: mainIten.fontFamily
                            fontSize: mainIten.fontNormalSize
                            fontColor: mainIten.fontColor
                            skinNo: mainIten.skin_No
                            animationSpeed: mainIten.animation_speed
                            onClickFrame: mainIten.focusControl()
                            onDoubleRateChange: (value) => ui_View.setDoubleClickSpeed(value)
                        }

                        ScrollRate {
                            id: scrollRateMain
                            objectName: "scrollRateMain"
                            title: mainIten.mainLang[12]
                            rowsText: mainIten.mainLang[15]
                            screenText: mainIten.mainLang[16]
                            fontFamily: mainIten.fontFamily
                            fontSize: mainIten.fontNormalSize
                            fontColor: mainIten.fontColor
                            skinNo: mainIten.skin_No
                            animationSpeed: mainIten.animation_speed
                            onClickFrame: mainIten.focusControl()
                            onEditingChanged: mainIten.isScrollRateFocus = editing
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
                        radius: parent.radius
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
                            var y = mapToItem(panelRightItem, mouse.x, mouse.y).y
                            var d = y - lastY
                            lastY = y
                            if (d > 0 && panelRight.atYEnd)
                                return
                            var end = Math.max(0, panelRight.contentHeight - panelRight.height)
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
                    skinNo: mainIten.skin_No
                    fontFamily: mainIten.fontFamily
                    fontColor: mainIten.fontColor
                    onColorPicked: (color) => dpiSettingMain.setColor(color)
                }
            }

            Menu_Down {
                id: downItem
                objectName: "downItem"
                x: 913
                y: 604
                visible: false
                skinNo: mainIten.skin_No
                text: mainIten.mainLang[26]
                fontFamily: mainIten.fontFamily
                fontSize: mainIten.fontNormalSize
                textColor: mainIten.fontColor
                onClicked: mainIten.openFactoryDialog()
            }

            Menu_Up {
                id: upItem
                objectName: "upItem"
                x: 935
                y: 5
                visible: false
                skinNo: mainIten.skin_No
                onAskClicked: {
                    var open = !askMenu.visible
                    mainIten.focusControl()
                    askMenu.visible = open
                }
                onMinimizeClicked: ui_Ctl.onMinimize()
                onCloseClicked: ui_Ctl.onClose()
            }

            Mouse {
                id: mouseMain
                objectName: "mouseMain"
                anchors.fill: parent
                visible: false
                skinNo: mainIten.skin_No
                topText: mainIten.mainLang[17]
                sideText: mainIten.mainLang[18]
                fontFamily: mainIten.fontFamily
                fontSize: mainIten.fontNormalSize
                fontColor: mainIten.fontColor
                onViewButtonClicked: mainIten.focusControl()
            }

            // Dims the page behind a dialog and keeps clicks from reaching it; the
            // window can still be dragged by it.
            Rectangle {
                id: mainMask
                objectName: "mainMask"
                anchors.fill: parent
                color: "#90000000"
                visible: false

                MouseArea {
                    property point pressedAt

                    anchors.fill: parent
                    onPressed: (mouse) => {
                        mainIten.dialogsFocus()
                        mainIten.emptyAreaPressed()
                        pressedAt = Qt.point(mouse.x, mouse.y)
                        mainIten.focusControl()
                    }
                    onPositionChanged: (mouse) => {
                        ui_Ctl.onXChanged(mouse.x - pressedAt.x)
                        ui_Ctl.onYChanged(mouse.y - pressedAt.y)
                    }
                }
            }

            // The dialogs are made the first time they open and then stay;
            // their pictures are held only while they are shown.
            Loader {
                id: macroEditorLoader
                objectName: "macroEditorMainLoader"
                active: false
                sourceComponent: Component {
                    MacroEditor {
                        objectName: "macroEditorMain"
                        language: mainIten.language
                        presets: macroPresets
                        macroEditorLang: mainIten.macroEditorLang
                        dragArea: mainIten
                        keyCodes: mainIten.keyCodes
                        skinNo: mainIten.skin_No
                        fontFamily: mainIten.fontFamily
                        fontSize: mainIten.fontNormalSize
                        fontColor: mainIten.fontColor
                        onCloseEditor: mainMask.visible = false
                    }
                }
            }

            Loader {
                id: gunControlLoader
                objectName: "gunControlMainLoader"
                active: false
                sourceComponent: Component {
                    GunControl {
                        objectName: "gunControlMain"
                        language: mainIten.language
                        presets: gunPresets
                        macroEditorLang: mainIten.gunEditorLang
                        dragArea: mainIten
                        keyCodes: mainIten.keyCodes
                        skinNo: mainIten.skin_No
                        fontFamily: mainIten.fontFamily
                        fontSize: mainIten.fontNormalSize
                        fontColor: mainIten.fontColor
                        onCloseEditor: mainMask.visible = false
                    }
                }
            }

            Loader {
                id: keyMenuLoader
                objectName: "keyMenuMainLoader"
                active: false
                sourceComponent: Component {
                    KeyMenu {
                        objectName: "keyMenuMain"
                        visible: false
                        keyMenuLang: mainIten.keyMenuLang
                        gunKeyIndexes: keyMatrixMain.gunKeyIndexes
                        gunMenuNames: gunPresets.gunMenuNames
                        pageHeight: mainIten.height
                        fontFamily: mainIten.fontFamily
                        fontSize: mainIten.fontNormalSize
                        fontColor: mainIten.fontColor
                        onCodeChosen: (code) => mainIten.assignCode(code)
                        onSingleKeyChosen: mainIten.openSingleKeyDialog()
                        onMacroChosen: mainIten.openMacroKeyDialog()
                        onGunAssignChosen: (gun) => mainIten.openGunAssignDialog(gun)
                        onGunEnableChosen: (gun) => mainIten.enableGun(gun)
                        onGunDisableChosen: (gun) => mainIten.disableGun(gun)
                    }
                }
            }

            // Opens above the "Config" button at the bottom left.
            Loader {
                id: profileLoader
                objectName: "profileMainLoader"
                active: false
                sourceComponent: Component {
                    Profile {
                        objectName: "profileMain"
                        x: 18
                        y: 29
                        profiles: profileList
                        profileNo: mainIten.profileNo
                        mainLang: mainIten.mainLang
                        skinNo: mainIten.skin_No
                        fontFamily: mainIten.fontFamily
                        fontSize: mainIten.fontNormalSize
                        fontColor: mainIten.fontColor
                        onChangeProfile: (tmpProfileNo) => mainIten.changeProfile(tmpProfileNo)
                        onCloseUI: {
                            mainMask.visible = false
                            mainIten.profileDialogClosed()
                        }
                        onProfileImported: mainIten.profileImported()
                    }
                }
            }

            Loader {
                id: singleKeyLoader
                objectName: "singleKeyMainLoader"
                active: false
                sourceComponent: Component {
                    SingleKey {
                        id: singleKeyMain
                        objectName: "singleKeyMain"
                        macroKeyLang: mainIten.macroKeyLang
                        dragArea: mainIten
                        keyCodes: mainIten.keyCodes
                        skinNo: mainIten.skin_No
                        fontFamily: mainIten.fontFamily
                        fontSize: mainIten.fontNormalSize
                        fontColor: mainIten.fontColor
                        onKeyAssigned: (usage) => mainIten.assignToSelected(0, 0, usage, 0)
                        onCloseSure: mainIten.closeDialog(singleKeyMain)
                    }
                }
            }

            Loader {
                id: macroKeyLoader
                objectName: "macroKeyMainLoader"
                active: false
                sourceComponent: Component {
                    MacroKey {
                        id: macroKeyMain
                        objectName: "macroKeyMain"
                        macroKeyLang: mainIten.macroKeyLang
                        dragArea: mainIten
                        skinNo: mainIten.skin_No
                        fontFamily: mainIten.fontFamily
                        fontSize: mainIten.fontNormalSize
                        fontColor: mainIten.fontColor
                        onMacroChosen: (name, playMode) => mainIten.assignMacro(name, playMode)
                        onGunChosen: (gun, presetIndex, name, playMode) => mainIten.assignGun(gun, presetIndex, name, playMode)
                        onCloseSure: mainIten.closeDialog(macroKeyMain)
                    }
                }
            }

            Loader {
                id: factorysureLoader
                objectName: "factorysureLoader"
                active: false
                sourceComponent: Component {
                    FactoryDialog {
                        objectName: "factorysure"
                        visible: false
                        background: mainIten.sourceSureBg
                        title: mainIten.mainLang[26]
                        question: mainIten.mainLang[27]
                        okText: mainIten.mainLang[28]
                        cancelText: mainIten.mainLang[29]
                        dragArea: mainIten
                        onAccepted: mainIten.factoryReset()
                        onRejected: mainIten.closeFactoryDialog()
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
                visible: false

                Column {
                    x: 1
                    y: 1

                    Repeater {
                        model: [askMenu.webAddress, "update", "verison:1.0"]

                        Rectangle {
                            objectName: "askRow" + index
                            width: askMenu.width - 2
                            height: 21
                            color: rowArea.containsMouse ? "#8f2020" : "transparent"

                            Text {
                                x: 8
                                anchors.verticalCenter: parent.verticalCenter
                                text: modelData
                                color: mainIten.fontColor
                                font.family: mainIten.fontFamily
                                font.pixelSize: mainIten.fontNormalSize
                            }
                            MouseArea {
                                id: rowArea
                                anchors.fill: parent
                                hoverEnabled: true
                                onClicked: {
                                    askMenu.visible = false
                                    if (index === 0)
                                        Qt.openUrlExternally("https://" + askMenu.webAddress)
                                    else if (index === 1)
                                        ui_View.openUpdateExe()
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
