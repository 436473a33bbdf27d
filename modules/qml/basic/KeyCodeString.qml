import QtQuick

// The names of keys, mouse buttons and button functions. Key names are the
// ones macro files store and the device encoder reads back, so they are
// spelled exactly as there ("Intl'2" beside "Int'l 2" included).
QtObject {
    // Key name and USB HID keyboard usage; 0x31 and 0x32 share a name, which
    // stands for 0x31.
    readonly property var keyPairs: [
        ["A", 0x04], ["B", 0x05], ["C", 0x06], ["D", 0x07], ["E", 0x08], ["F", 0x09], ["G", 0x0a],
        ["H", 0x0b], ["I", 0x0c], ["J", 0x0d], ["K", 0x0e], ["L", 0x0f], ["M", 0x10], ["N", 0x11],
        ["O", 0x12], ["P", 0x13], ["Q", 0x14], ["R", 0x15], ["S", 0x16], ["T", 0x17], ["U", 0x18],
        ["V", 0x19], ["W", 0x1a], ["X", 0x1b], ["Y", 0x1c], ["Z", 0x1d],
        ["1", 0x1e], ["2", 0x1f], ["3", 0x20], ["4", 0x21], ["5", 0x22], ["6", 0x23], ["7", 0x24],
        ["8", 0x25], ["9", 0x26], ["0", 0x27],
        ["Enter", 0x28], ["Esc", 0x29], ["Back", 0x2a], ["Tab", 0x2b], ["Space", 0x2c],
        ["- _", 0x2d], ["= +", 0x2e], ["[ {", 0x2f], ["] }", 0x30], ["\\ |", 0x31], ["\\ |", 0x32],
        ["; :", 0x33], ["' \"", 0x34], ["` ~", 0x35], [", <", 0x36], [". >", 0x37], ["/ ?", 0x38],
        ["Caps", 0x39],
        ["F1", 0x3a], ["F2", 0x3b], ["F3", 0x3c], ["F4", 0x3d], ["F5", 0x3e], ["F6", 0x3f],
        ["F7", 0x40], ["F8", 0x41], ["F9", 0x42], ["F10", 0x43], ["F11", 0x44], ["F12", 0x45],
        ["Prt", 0x46], ["Scr", 0x47], ["Pau", 0x48], ["Ins", 0x49], ["Hom", 0x4a], ["PgU", 0x4b],
        ["Del", 0x4c], ["End", 0x4d], ["PgD", 0x4e],
        ["►", 0x4f], ["◄", 0x50], ["▼", 0x51], ["▲", 0x52],
        ["Num", 0x53], ["KP /", 0x54], ["KP *", 0x55], ["KP -", 0x56], ["KP +", 0x57], ["KP Enter", 0x58],
        ["KP 1", 0x59], ["KP 2", 0x5a], ["KP 3", 0x5b], ["KP 4", 0x5c], ["KP 5", 0x5d], ["KP 6", 0x5e],
        ["KP 7", 0x5f], ["KP 8", 0x60], ["KP 9", 0x61], ["KP 0", 0x62], ["KP .", 0x63],
        ["Eur 2", 0x64], ["App", 0x65], ["Power", 0x66], ["KP =", 0x67],
        ["F13", 0x68], ["F14", 0x69], ["F15", 0x6a], ["F16", 0x6b], ["F17", 0x6c], ["F18", 0x6d],
        ["F19", 0x6e], ["F20", 0x6f], ["F21", 0x70], ["F22", 0x71], ["F23", 0x72], ["F24", 0x73],
        ["Keypad", 0x85], ["Int'l 1", 0x87], ["Intl'2", 0x88], ["Int'l 2", 0x89], ["Int'l 4", 0x8a],
        ["Int'l 5", 0x8b], ["Lang 1", 0x90], ["Lang 2", 0x91],
        ["L Ctrl", 0xe0], ["L Shift", 0xe1], ["L Alt", 0xe2], ["L Win", 0xe3],
        ["R Ctrl", 0xe4], ["R Shift", 0xe5], ["R Alt", 0xe6], ["R Win", 0xe7]
    ]
    readonly property var mousePairs: [["MS-L", 0xf0], ["MS-R", 0xf1], ["MS-M", 0xf2], ["MS-B4", 0xf3], ["MS-B5", 0xf4]]

    // Button functions by their eight-digit code: English, Chinese.
    readonly property var functionNames: [
        ["0100f000", "Left Button", "左键"], ["0100f100", "Right Button", "右键"],
        ["0100f200", "Middle Button", "中键"], ["0100f400", "Forward", "前进"], ["0100f300", "Back", "后退"],
        ["0f002e00", "Auto Run", "自动奔跑"], ["0f000500", "Fire Mode", "开火模式"],
        ["0af01e02", "Double Click", "双击"],
        ["07000100", "DPI +", "DPI +"], ["07000200", "DPI -", "DPI -"], ["07000300", "DPI LOOP", "DPI 循环"],
        ["03008301", "Media Player", "媒体播放器"], ["0300b500", "Next Track", "下一曲"],
        ["0300b600", "Previous Track", "上一曲"], ["0300b700", "Stop", "停止"],
        ["0300cd00", "Play/Pause", "播放/暂停"], ["0300e200", "Mute", "静音"],
        ["0300e900", "Volume Up", "音量加"], ["0300ea00", "Volume Down", "音量减"],
        ["0000e011", "New", "新建"], ["0000e01b", "Cut", "剪切"], ["0000e006", "Copy", "复制"],
        ["0000e019", "Paste", "粘贴"], ["0000e016", "Save", "保存"], ["0000e013", "Print", "打印"],
        ["0000e009", "Find", "查找"], ["0000e01c", "Redo", "重做"], ["0000e01d", "Undo", "撤销"],
        ["0000e004", "Select All", "全选"],
        ["03009401", "My Computer", "我的电脑"], ["03002302", "Web Home", "浏览器主页"],
        ["03002102", "Search Computer", "搜索电脑"], ["00042c1b", "Maximize", "最大化"],
        ["00042c11", "Minimize", "最小化"], ["0000e307", "Show Desktop", "显示桌面"], ["0000e315", "Run", "运行"],
        ["08000101", "Gun Key Switch", "枪键切换"], ["00000000", "Deactivated", "禁用"]
    ]

    readonly property var str2keycode: table(keyPairs, 0, 1)
    readonly property var keycode2str: table(keyPairs, 1, 0)
    readonly property var str2mousecode: table(mousePairs, 0, 1)
    readonly property var mousecode2str: table(mousePairs, 1, 0)
    readonly property var mouseData2str: table(functionNames, 0, 1)
    readonly property var mouseData2str1: table(functionNames, 0, 2)

    // The first pair of a key wins, so a shared name keeps its first code.
    function table(pairs, from, to) {
        var map = {}
        for (var i = 0; i < pairs.length; ++i)
            if (!map.hasOwnProperty(pairs[i][from]))
                map[pairs[i][from]] = pairs[i][to]
        return map
    }

    function lookUp(map, key, missing) {
        return map.hasOwnProperty(key) ? map[key] : missing
    }

    // Usage of a key name; 0 for a name the table does not know.
    function keyCode(name) { return lookUp(str2keycode, String(name), 0) }
    // Name of a usage; "" for a code the table does not know.
    function keyName(code) { return lookUp(keycode2str, Number(code), "") }
    function mouseCode(name) { return lookUp(str2mousecode, String(name), 0) }
    function mouseName(code) { return lookUp(mousecode2str, Number(code), "") }
    // A recorded code: mouse buttons from 0xf0 on, keys below.
    function inputName(code) { return code >= 0xf0 ? mouseName(code) : keyName(code) }
    // Name of a function code ("0100f000"); "" when it has none.
    function functionName(code, language) {
        return lookUp(language === 1 ? mouseData2str1 : mouseData2str, String(code).toLowerCase(), "")
    }
}
