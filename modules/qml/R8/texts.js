.pragma library

// The places of the texts in the language tables, by name. The tables are
// lists (a language file numbers its lines), so a page picks a text as
// `mainLang[Texts.Main.reset]` rather than by a bare number.

var Main = {
    axisSensitivity: 0, xAxis: 1, yAxis: 2, dpiSetting: 3, lighting: 4,
    lightStatic: 5, lightBreath: 6, lightRgb: 7, fingerTapping: 8, pollingRate: 9,
    mouseSpeed: 10, doubleClickSpeed: 11, scrollSpeed: 12, slow: 13, fast: 14,
    rows: 15, oneScreen: 16, topView: 17, sideView: 18, config: 19,
    newProfile: 20, deleteProfile: 21, edit: 22, copy: 23, load: 24,
    save: 25, reset: 26, resetQuestion: 27, ok: 28, cancel: 29
}

// The macro editor's table; the gun dialog's starts with the same seventeen.
var Editor = {
    title: 0, list: 1, sequence: 2, options: 3, startRecord: 4,
    stopRecord: 5, recTime: 6, loopsTimer: 7, newPreset: 8, deletePreset: 9,
    ok: 10, cancel: 11, deleteAction: 12, insertLeft: 13, insertMiddle: 14,
    insertRight: 15, insertDelay: 16
}

var Gun = {
    insertKey: 17, insertMouse: 18, insertCursor: 19, insertKeyTitle: 20,
    keyPrompt: 21, insertDelayTitle: 22, delayPrompt: 23, cursorTitle: 24, xAxis: 25,
    yAxis: 26, insertMouseTitle: 27, leftButton: 28, rightButton: 29, middleButton: 30
}

var MacroKey = {
    title: 0, choose: 1, playOnce: 2, playUntilPressed: 3, playWhileHeld: 4,
    ok: 5, cancel: 6, keyTitle: 7, keyPrompt: 8
}

// The button assignment panel's table.
var KeyMatrix = {
    macro: 0, deactivated: 1, keyboardKey: 2, title: 3, button: 4
}

// The key menu's table: its items, sub-menu items and gun slot actions.
var KeyMenu = {
    leftButton: 0, rightButton: 1, middleButton: 2, autoRun: 3, fireMode: 4,
    doubleClick: 5, dpiMenu: 6, mediaMenu: 7, basicMenu: 8, moreMenu: 9,
    assignKey: 10, macro: 11, gunMenu: 12, deactivated: 13, dpiUp: 14,
    dpiDown: 15, dpiLoop: 16, mediaPlayer: 17, nextTrack: 18, previousTrack: 19,
    stop: 20, playPause: 21, mute: 22, volumeUp: 23, volumeDown: 24,
    newFile: 25, cut: 26, copy: 27, paste: 28, save: 29,
    print: 30, find: 31, redo: 32, undo: 33, selectAll: 34,
    myComputer: 35, webHome: 36, search: 37, maximize: 38, minimize: 39,
    showDesktop: 40, run: 41, forward: 42, back: 43, gunKeySwitch: 44,
    gun1: 45, gun2: 46, gun3: 47, gunAssign: 48, gunEnable: 49,
    gunDisable: 50
}
