.pragma library

// Plain functions the key assignment and macro pages share: button entries
// and the key matrix bytes built from them, the gun-layer chain, the choice
// of a macro slot, and the language tables. An entry is four bytes
// [type, p1, p2, p3]; a macro entry carries its 0-based slot in p2 on the
// page and the slot + 1 in the bytes the mouse and the profile get.

var entryCount = 16
var gunSlots = 3
var buttonSlots = 5          // macro slots 0 to 4 are for buttons
var firstGunMacro = 6        // gun layer n plays macro 5 + n

var typeKeyboard = 0x00
var typeMouse = 0x01
var typeGun = 0x08
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

function codeText(entry) {
    var s = ""
    for (var i = 0; i < 4; ++i) {
        var b = entry[i] & 0xff
        s += (b < 16 ? "0" : "") + b.toString(16)
    }
    return s
}

// A stored entry as four bytes: missing values are 0, values past four are
// dropped, what is not a number is 0. A list with nothing in it is `fallback`.
function cleanEntry(list, fallback) {
    if (!list || list.length === undefined || list.length === 0)
        return fallback.slice()
    var entry = []
    for (var i = 0; i < 4; ++i) {
        var v = i < list.length ? parseInt(list[i]) : 0
        entry.push(isNaN(v) ? 0 : v & 0xff)
    }
    return entry
}

function isLeftClick(e) { return e[0] === typeMouse && e[2] === 0xf0 }
function isGunKey(e) { return e[0] === typeGun && e[2] === 0x01 }
function isMacro(e) { return e[0] === typeMacro }
function isZero(e) { return e[0] === 0 && e[1] === 0 && e[2] === 0 && e[3] === 0 }
function isSingleKey(e) { return e[0] === typeKeyboard && e[1] === 0 && e[2] !== 0 && e[3] === 0 }
function sameEntry(a, b) { return a[0] === b[0] && a[1] === b[1] && a[2] === b[2] && a[3] === b[3] }

function leftClickCount(entries) {
    var n = 0
    for (var i = 0; i < entries.length; ++i)
        n += isLeftClick(entries[i]) ? 1 : 0
    return n
}

// The last left click may not be given away: without it the mouse could not
// click any more.
function mayReassign(entries, index) {
    return !isLeftClick(entries[index]) || leftClickCount(entries) >= 2
}

// The 64 bytes of a layer as the mouse and the profile take them.
function matrixBytes(entries) {
    var bytes = []
    for (var i = 0; i < entryCount; ++i) {
        var e = entries[i]
        bytes.push(e[0], e[1], isMacro(e) ? e[2] + 1 : e[2], e[3])
    }
    return bytes
}

// Gun layer n (1 to 3): its left button plays the macro of gun slot n - 1.
function gunLayerBytes(entries, n, playMode) {
    var bytes = matrixBytes(entries)
    bytes[0] = typeMacro
    bytes[1] = playMode
    bytes[2] = firstGunMacro - 1 + n
    bytes[3] = 0
    return bytes
}

// The gun slots placed on button k, in slot order.
function gunsOnKey(gunKeyIndex, k) {
    var slots = []
    for (var g = 0; g < gunSlots; ++g)
        if (gunKeyIndex[g] === k)
            slots.push(g)
    return slots
}

// Where each layer sends a press of gun key k: entry 0 for the normal layer,
// 1 to 3 for the gun layers, each the layer number to switch to (0 normal).
// The normal layer goes to the first gun on k, each gun's layer to the next
// one, the last back to normal. Layers of guns not on k go back to normal.
function gunChain(gunKeyIndex, k) {
    var on = gunsOnKey(gunKeyIndex, k)
    var next = [0, 0, 0, 0]
    next[0] = on.length > 0 ? on[0] + 1 : 0
    for (var i = 0; i < on.length; ++i)
        next[on[i] + 1] = i + 1 < on.length ? on[i + 1] + 1 : 0
    return next
}

// The slot a macro for button `index` goes to: the one it plays already, or
// the lowest button slot no other button uses; -1 when all are taken.
function macroSlotFor(entries, index) {
    if (isMacro(entries[index]) && entries[index][2] < buttonSlots)
        return entries[index][2]
    var used = []
    for (var i = 0; i < entries.length; ++i)
        if (i !== index && isMacro(entries[i]))
            used.push(entries[i][2])
    for (var s = 0; s < buttonSlots; ++s)
        if (used.indexOf(s) < 0)
            return s
    return -1
}

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
