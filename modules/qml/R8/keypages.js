.pragma library

// Plain functions the key assignment and macro pages share: the codes of the
// function menu, and the names in the editors' lists. The button rules are
// ui_View.buttons; an entry is four bytes [type, p1, p2, p3].

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

// The first of prefix + 0 ... limit - 1 not among `names`; "" when all are.
function firstFreeName(prefix, names, limit) {
    for (var i = 0; i < limit; ++i)
        if (names.indexOf(prefix + i) < 0)
            return prefix + i
    return ""
}

// A name list as the registry stores it: a lone name carries the sentinel.
function dropSentinel(names) {
    var list = []
    for (var i = 0; i < names.length; ++i)
        list.push(String(names[i]))
    if (list.length === 2 && list[1] === "loaderzentak")
        list.pop()
    return list
}

// What the user may type as a macro or preset name: it names a file, so no path.
function isUsableName(name) {
    return name.length > 0 && name.length <= 64 && !/[\/\\:*?"<>|]/.test(name) && name !== "." && name !== ".."
           && name !== "loaderzentak"
}

// The lowest of 0 ... limit - 1 not among `used`; `limit` when all are.
function firstFreeNumber(used, limit) {
    for (var i = 0; i < limit; ++i)
        if (used.indexOf(i) < 0)
            return i
    return limit
}

// A list as the registry and an export keep it: a lone name gets the sentinel.
function withSentinel(names) {
    var list = names.slice()
    if (list.length === 1)
        list.push("loaderzentak")
    return list
}

// The profiles of the registry's list: each entry is the name with the
// number as its last character. Entries without a number 0 ... limit - 1, or
// with one an earlier entry has, are no profiles; at most `limit` are.
function profileEntries(stored, limit) {
    var list = dropSentinel(stored)
    var entries = []
    var used = []
    for (var i = 0; i < list.length && entries.length < limit; ++i) {
        var s = list[i]
        var last = s.charAt(s.length - 1)
        if (!/^\d$/.test(last))
            continue
        var no = parseInt(last)
        if (no >= limit || used.indexOf(no) >= 0)
            continue
        used.push(no)
        entries.push({ name: s.substring(0, s.length - 1), no: no })
    }
    return entries
}
