import QtQuick
import ".."

// The names of keys, mouse buttons and button functions, from the program's
// one table (ui_View.buttons.keyCodes). Key names are the ones macro files
// store and the device encoder reads back ("Intl'2" beside "Int'l 2").
QtObject {
    // The window names ui_View only once the page is loaded; until then the
    // tables are empty. A `var`: the table's C++ type is not one QML knows.
    readonly property var codes: typeof ui_View !== "undefined" ? ui_View.buttons.keyCodes : null

    // [name, usage] of every key; 0x31 and 0x32 share a name, which stands for 0x31.
    readonly property var keyPairs: codes ? codes.keyPairs : []
    readonly property var mousePairs: codes ? codes.mousePairs : []
    // [code, English, Chinese] of every named button function.
    readonly property var functionNames: codes ? codes.functionNames : []
    readonly property var mouseData2str: codes ? codes.mouseData2str : ({})
    readonly property var mouseData2str1: codes ? codes.mouseData2str1 : ({})

    // The conversions stay: an interpreted call does not convert to the
    // annotated types, and callers hand in codes read from files as text.
    // Usage of a key name; 0 for a name the table does not know.
    function keyCode(name: string): int { return codes.keyCode(String(name)) }
    // Name of a usage; "" for a code the table does not know.
    function keyName(code: int): string { return codes.keyName(Number(code)) }
    function mouseCode(name: string): int { return codes.mouseCode(String(name)) }
    function mouseName(code: int): string { return codes.mouseName(Number(code)) }
    // A recorded code: mouse buttons from 0xf0 on, keys below.
    function inputName(code: int): string { return codes.inputName(Number(code)) }
    // Name of a function code ("0100f000"); "" when it has none.
    function functionName(code: string, language: int): string {
        return codes.functionName(String(code), Number(language))
    }
}
