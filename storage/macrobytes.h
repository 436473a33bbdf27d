#pragma once

#include <QByteArray>
#include <QtGlobal>

// The device form of a macro: two bytes of repeat count (high byte first),
// action items in play order, and 00 00 at the end.
//   press   [delay, code]           release [0x80 | delay, code]
//   pause   [count of 20 ms, 0x01]  (count 64 ... 255, tagged lines only)
//           [0x00, unit, count high, count low]
//   keyboard-type pause [0x7F, 0x00, count of 10 ms high, low]
//   mouse move [delay, 0xFA, x, y]  (signed bytes)
namespace MacroBytes {

constexpr int kHeaderBytes = 2;
constexpr int kEndBytes = 2;
constexpr int kMouseSlotBytes = 128;
constexpr int kKeyboardSlotBytes = 192;
constexpr int kMouseSlots = 12;

constexpr uchar kReleaseBit = 0x80;
constexpr uchar kMaxDelay = 0x7F;          // a press or release delay fits 7 bits
constexpr uchar kPauseMarker = 0x00;       // byte 0 of a long pause
constexpr uchar kPause20ms = 0x01;
constexpr uchar kPause50ms = 0x02;
constexpr uchar kPause100ms = 0x03;
constexpr uchar kKeyboardPause = 0x7F;     // followed by 0x00 and a count of 10 ms
constexpr uchar kMouseMove = 0xFA;
constexpr int kMaxCount = 0xFFFF;          // two-byte pause count

// Gun presets are sent back to back from macro slot 6 when they fit.
constexpr int kGunFirstSlotIndex = 5;
constexpr int kGunDataLimit = 7 * kMouseSlotBytes;

// Cuts an encoded macro to `slotBytes`, keeping whole items and the end
// marker, so the device never plays half an item or runs past the slot.
QByteArray cutToSlot(const QByteArray &macro, int slotBytes);

} // namespace MacroBytes
