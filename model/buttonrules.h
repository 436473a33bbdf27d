#pragma once

#include "storage/buttonentry.h"

#include <QString>
#include <QVariantList>

#include <array>
#include <optional>

// The rules of button entries, without any state: what an entry is, which
// button may change, the macro slot a button takes, the gun-key chain and
// the 64 bytes of a layer. An entry is [type, p1, p2, p3]; a macro entry
// holds its 0-based slot here and the slot + 1 in the bytes the mouse and the
// profile get.
namespace ButtonRules {

using Entry = ButtonEntry::Bytes;
using Layer = std::array<Entry, ButtonEntry::kMouseButtons>;
using GunButtons = std::array<int, 3>;   // the button each gun slot is on, -1 none

constexpr int kEntries = ButtonEntry::kMouseButtons;
constexpr int kLayers = 4;               // the normal layer and three gun layers
constexpr int kGunSlots = 3;
constexpr int kButtonSlots = 5;          // macro slots 0 ... 4 are the buttons'
constexpr int kMacroSlots = 12;          // gun layers may play from any slot
constexpr int kFirstGunMacro = 6;        // gun layer n plays slot 5 + n (stored 1-based)
constexpr int kDefaultPlayMode = 2;

Entry factory(int button);
// "0100f000" -> {1, 0, 240, 0}; nothing unless eight hex digits.
std::optional<Entry> parseCode(const QString &text);
QString codeText(const Entry &e);
// Four values, missing ones 0, past four dropped, each read as a number the
// way the pages read one (not a number is 0) and cut to a byte. An empty
// list is `fallback`.
Entry cleanEntry(const QVariantList &values, const Entry &fallback);
QVariantList toList(const Entry &e);

bool isLeftClick(const Entry &e);
bool isGunKey(const Entry &e);
bool isMacro(const Entry &e);
bool isZero(const Entry &e);
bool isSingleKey(const Entry &e);
Entry gunKey(int nextLayer);

// The last left click may not be given away: the mouse could not click.
bool mayReassign(const Layer &normal, int index);
// The slot a macro for button `index` goes to: the one it plays already, or
// the lowest button slot no other button uses; -1 when all are taken.
int macroSlotFor(const Layer &normal, int index);

// Where each layer sends a press of gun key k (entry 0 the normal layer, 1
// to 3 the gun layers), as the layer to switch to (0 normal): the normal
// layer to the first gun slot on k, each slot's layer to the next, the last
// back to normal; layers of slots not on k back to normal.
std::array<int, kLayers> gunChain(const GunButtons &guns, int k);

// A layer's 64 bytes as the mouse and the profile take them.
QVariantList matrixBytes(const Layer &layer);
// Gun layer n (1 to 3): its left button plays gun slot n - 1's macro.
QVariantList gunLayerBytes(const Layer &layer, int n, int playMode);

} // namespace ButtonRules
