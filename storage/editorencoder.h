#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// The encoder of the macro editor and the gun dialog. Input: the action lines
// as they are stored ("<type>,<text>": 0 delay in ms, 1/2 key press/release,
// 3/4 mouse button press/release by name; in gun presets 5 a cursor move
// whose x is the text and whose y is the text of the next line), and the
// repeat count.
//
// Delays before the first action are dropped; delays between two actions are
// summed and become the delay byte of the action before them, in 2 ms units,
// or a pause item when they reach 254 ms. Choices where the device format
// leaves a gap:
// - Odd milliseconds: the sum of a run of delays is rounded up to the next
//   2 ms unit, so a 1 ms delay still waits and consecutive odd delays do not
//   lose a unit each.
// - Pauses of 20 minutes and more use 100 ms units up to 65535 of them
//   (about 109 minutes); anything longer is held there, never wrapped.
// Lines that are not understood (unknown type or name, a move in a macro)
// are skipped as if absent. Cursor offsets are held to -128 ... 127.
namespace EditorEncoder {

enum class Variant { Macro, Gun };

constexpr uchar kMacroDefaultDelay = 0x01;  // 2 ms
constexpr uchar kGunDefaultDelay = 0x0A;    // 20 ms

enum ActionType { Delay = 0, KeyDown = 1, KeyUp = 2, ButtonDown = 3, ButtonUp = 4, CursorMove = 5 };

QByteArray encode(const QStringList &actions, int repeat, Variant variant);

// For the pages: `repeat` is held to 0 ... 65535; `gunVariant` true selects
// the gun dialog's form. The bytes as ints.
QVariantList encodeMacroActions(const QStringList &actions, const QVariant &repeat, const QVariant &gunVariant);

} // namespace EditorEncoder
