.pragma library

// Plain functions the key assignment and macro pages share: the codes of the
// function menu and the language tables. The button rules are ui_View.buttons,
// the name lists ui_View.macroList, gunList and profileList; an entry is four
// bytes [type, p1, p2, p3].

var gunSlots = 3
var typeMacro = 0x09

// "0100f000" -> [1, 0, 240, 0]; anything else than eight hex digits: null.
function parseCode(text) {
    var s = String(text)
    if (!/^[0-9a-fA-F]{8}$/.test(s))
        return null
    var bytes = []
    for (var i = 0; i < 8; i += 2)
        bytes.push(parseInt(s.substr(i, 2), 16))
    return bytes
}

function isMacro(e) { return e[0] === typeMacro }

// A language table in place of the English one: entries it lacks keep their
// English text, so a short or old language file loses no label.
function mergeTexts(english, replacement) {
    var texts = english.slice()
    if (!replacement)
        return texts
    for (var i = 0; i < texts.length && i < replacement.length; ++i)
        texts[i] = String(replacement[i])
    return texts
}
