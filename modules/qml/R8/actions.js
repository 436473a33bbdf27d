.pragma library

// The action lists of macros and gun presets, as the editors hold them:
// { type, info } with 0 delay (ms), 1/2 key press/release, 3/4 mouse button
// press/release (names of the key tables), and in gun presets 5/6 a cursor
// offset X/Y. A cursor offset is always a pair, 5 directly followed by 6:
// insertions go round it and deleting either half deletes both.

var maxMacroBytes = 126      // a macro recording stops taking events here
var maxLines = 4096          // no more lines are read back from one file
var maxDelay = 100000
var maxLoops = 65535
var maxOffset = 127
var gunDataLimit = 896       // the three gun presets are sent only below this

// The numbers are the ones the files store.
var typeDelay = 0
var typeKeyDown = 1
var typeKeyUp = 2
var typeButtonDown = 3
var typeButtonUp = 4
var typeCursorX = 5
var typeCursorY = 6

function isPress(type) {
    return type === typeKeyDown || type === typeButtonDown
}

function actionLine(a) {
    return a.type + "," + a.info
}

function actionLines(actions) {
    var lines = []
    for (var i = 0; i < actions.length; ++i)
        lines.push(actionLine(actions[i]))
    return lines
}

function isPairStart(actions, i) {
    return i >= 0 && i + 1 < actions.length && actions[i].type === typeCursorX && actions[i + 1].type === typeCursorY
}

function isPairEnd(actions, i) {
    return i > 0 && i < actions.length && actions[i].type === typeCursorY && actions[i - 1].type === typeCursorX
}

// The first index of the pair `i` belongs to, or `i` itself.
function pairStart(actions, i) {
    return isPairEnd(actions, i) ? i - 1 : i
}

// Whether action `i` is shown chosen when `selected` is: both halves of a
// pair go together.
function inSelection(actions, selected, i) {
    if (selected < 0)
        return false
    if (i === selected)
        return true
    var first = pairStart(actions, selected)
    return isPairStart(actions, first) && (i === first || i === first + 1)
}

// A cursor offset as the mouse takes it: a whole number -127 ... 127, held
// there; not a number: null.
function offsetValue(text) {
    var s = String(text).trim()
    if (!/^-?\d+$/.test(s))
        return null
    return Math.max(-maxOffset, Math.min(maxOffset, parseInt(s)))
}

// A stored macro or preset: its action lines and, last, the loop count.
// Lines that are not understood are skipped, and so is a half of a cursor
// pair without its other half; without a usable count it plays once.
// `isKey(name)` / `isButton(name)` tell the names of the key tables; cursor
// offsets are read only `withCursor`.
function parseMacro(lines, isKey, isButton, withCursor) {
    var actions = []
    var loops = 1
    var n = Math.min(lines.length, maxLines + 1)
    if (n > 0) {
        var last = String(lines[n - 1])
        if (/^\d+$/.test(last)) {
            loops = Math.min(maxLoops, parseInt(last))
            n -= 1
        }
    }
    var parsed = []
    for (var i = 0; i < n; ++i) {
        var line = String(lines[i])
        var comma = line.indexOf(",")
        parsed.push(comma === 1 ? { type: parseInt(line.charAt(0)), info: line.substring(2) } : null)
    }
    for (i = 0; i < parsed.length; ++i) {
        var p = parsed[i]
        if (!p)
            continue
        if (p.type === typeDelay && /^\d+$/.test(p.info)) {
            actions.push({ type: typeDelay, info: String(Math.min(maxDelay, parseInt(p.info))) })
        } else if ((p.type === typeKeyDown || p.type === typeKeyUp) && isKey(p.info)) {
            actions.push({ type: p.type, info: p.info })
        } else if ((p.type === typeButtonDown || p.type === typeButtonUp) && isButton(p.info)) {
            actions.push({ type: p.type, info: p.info })
        } else if (withCursor && p.type === typeCursorX && i + 1 < parsed.length && parsed[i + 1]
                   && parsed[i + 1].type === typeCursorY) {
            var x = offsetValue(p.info)
            var y = offsetValue(parsed[i + 1].info)
            if (x !== null && y !== null) {
                actions.push({ type: typeCursorX, info: String(x) }, { type: typeCursorY, info: String(y) })
                ++i
            }
        }
    }
    return { actions: actions, loops: loops }
}

// The delay recorded between two events at `from` and `to` (the capture's
// milliseconds, which wrap at 2^32): to the nearest 10 ms, at most maxDelay.
function recordedDelay(from, to) {
    var ms = (to - from) >>> 0
    return Math.min(maxDelay, Math.round(ms / 10) * 10)
}

// A delay field's text as milliseconds 0 ... 100000; not a number: null.
function delayValue(text) {
    var s = String(text).trim()
    if (!/^\d+$/.test(s))
        return null
    return Math.min(maxDelay, parseInt(s))
}

// The loop field's text as a count 0 ... 65535; not a number: 1.
function loopValue(text) {
    var s = String(text).trim()
    if (!/^\d+$/.test(s))
        return 1
    return Math.min(maxLoops, parseInt(s))
}

// Where actions go in "after action `at`": at the end when `at` is the last
// action or none is chosen, behind the whole pair when `at` starts one.
function positionAfter(actions, at) {
    if (at < 0 || at >= actions.length)
        return actions.length
    return isPairStart(actions, at) ? at + 2 : at + 1
}

// Where an action goes in "before action `at`": at the end when none is
// chosen, before the whole pair when `at` is its second half.
function positionBefore(actions, at) {
    if (at < 0 || at >= actions.length)
        return actions.length
    return pairStart(actions, at)
}

function insertAt(actions, pos, items) {
    var list = actions.slice()
    var args = [pos, 0].concat(items)
    Array.prototype.splice.apply(list, args)
    return list
}

// The press and release of a mouse button, after action `at`.
function insertButton(actions, at, name) {
    return insertAt(actions, positionAfter(actions, at), [{ type: typeButtonDown, info: name }, { type: typeButtonUp, info: name }])
}

// The press and release of a key, after action `at`.
function insertKey(actions, at, name) {
    return insertAt(actions, positionAfter(actions, at), [{ type: typeKeyDown, info: name }, { type: typeKeyUp, info: name }])
}

// A cursor offset pair, after action `at`.
function insertCursor(actions, at, x, y) {
    return insertAt(actions, positionAfter(actions, at),
                    [{ type: typeCursorX, info: String(x) }, { type: typeCursorY, info: String(y) }])
}

// A delay, before action `at`.
function insertDelay(actions, at, ms) {
    return insertAt(actions, positionBefore(actions, at), [{ type: typeDelay, info: String(ms) }])
}

// The list without action `at`, or without its whole pair. Null when there
// is nothing to delete.
function deleteAction(actions, at) {
    if (at < 0 || at >= actions.length)
        return null
    var first = pairStart(actions, at)
    var list = actions.slice()
    list.splice(first, isPairStart(actions, first) ? 2 : 1)
    return list
}

// The value of a cursor half in place; null when the text is no number or
// `at` is no cursor half.
function setOffset(actions, at, text) {
    var v = offsetValue(text)
    if (v === null || at < 0 || at >= actions.length
            || (actions[at].type !== typeCursorX && actions[at].type !== typeCursorY))
        return null
    var list = actions.slice()
    list[at] = { type: actions[at].type, info: String(v) }
    return list
}

// The cursor pad: a 5 x 5 knob at -2 ... 253 on each axis of a 256 x 256
// pad, its centre the offset. Right and up are positive.
var knobMin = -2
var knobMax = 253

function knobToX(x) {
    return x >= 126 ? x - 126 : -(125 - x)
}

function knobToY(y) {
    return y < 126 ? 125 - y : -(y - 126)
}

function xToKnob(x) {
    return x >= 0 ? x + 126 : 125 + x
}

function yToKnob(y) {
    return y >= 0 ? 125 - y : 126 - y
}

// A press at `p` on the pad puts the knob's centre there.
function knobAt(p) {
    return Math.max(knobMin, Math.min(knobMax, Math.round(p) - 2))
}
