import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/R8"

// The key-name tables of the pages against the program's own: every name a
// page writes into a macro must be one the encoder reads back, and the
// Chinese function names must be those of the language file.
TestCase {
    id: testCase
    name: "KeyCodeString"

    KeyCodeString { id: codes }
    KeyMenu { id: menu; keyMenuLang: [] }

    function test_tables() {
        compare(codes.keyPairs.length, 128)
        compare(codes.mousePairs.length, 5)
        var usages = codes.keyPairs.map(function (p) { return p[1] })
        compare(usages.filter(function (u, i) { return usages.indexOf(u) !== i }), [], "each usage once")
        var names = codes.keyPairs.map(function (p) { return p[0] })
        compare(names.filter(function (n, i) { return names.indexOf(n) !== i }), ["\\ |"], "only 0x31 and 0x32 share a name")
    }

    function test_lookUps_data() {
        return [
            { tag: "0x32 has the name of 0x31", code: 0x32, name: "\\ |", back: 0x31 },
            { tag: "Intl'2 beside Int'l 2", code: 0x88, name: "Intl'2", back: 0x88 },
            { tag: "Int'l 2", code: 0x89, name: "Int'l 2", back: 0x89 },
            { tag: "the quote key", code: 0x34, name: "' \"", back: 0x34 },
            { tag: "an arrow", code: 0x4f, name: "►", back: 0x4f },
            { tag: "keypad enter", code: 0x58, name: "KP Enter", back: 0x58 },
            { tag: "a code without a name", code: 0x74, name: "", back: 0 },
            { tag: "a negative code", code: -1, name: "", back: 0 },
            { tag: "a mouse code is no key", code: 0xf0, name: "", back: 0 },
        ]
    }

    function test_lookUps(data) {
        compare(codes.keyName(data.code), data.name)
        compare(codes.keyCode(data.name), data.back)
    }

    // "1,<name>" encodes as a press of the usage the table gives, and
    // "3,<name>" as a press of the mouse button.
    function test_encoderKnowsEveryName() {
        for (var i = 0; i < codes.keyPairs.length; ++i) {
            var name = codes.keyPairs[i][0]
            compare(ui_View.encodeMacroActions(["1," + name], 1, false), [0, 1, 1, codes.keyCode(name), 0, 0], name)
        }
        for (i = 0; i < codes.mousePairs.length; ++i) {
            var button = codes.mousePairs[i]
            compare(codes.mouseName(button[1]), button[0])
            compare(ui_View.encodeMacroActions(["3," + button[0]], 1, false), [0, 1, 1, button[1], 0, 0], button[0])
        }
    }

    // Every code of the function menu has an English name, and the Chinese
    // name is the menu's Chinese text for it.
    function test_functionNames() {
        var chinese = ui_View.getGlobalStrings(2, "lang_025044")
        var items = menu.mainItems.slice()
        for (var sub in menu.subItems)
            items = items.concat(menu.subItems[sub])
        items.push({ lang: 44, code: "08000101" })
        var coded = items.filter(function (it) { return it.code !== undefined })
        compare(coded.length, 38)
        compare(Object.keys(codes.mouseData2str).length, 38)
        for (var i = 0; i < coded.length; ++i) {
            var code = coded[i].code
            verify(codes.functionName(code, 0) !== "", code)
            compare(codes.functionName(code, 1), chinese[coded[i].lang], code)
        }
        compare(codes.functionName("0100F000", 0), "Left Button")
        compare(codes.functionName("01020304", 0), "")
    }
}
