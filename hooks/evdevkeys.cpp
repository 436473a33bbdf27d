#include "evdevkeys.h"

namespace {

constexpr quint32 kNativeOffset = 8;

// Below this the evdev codes are the set-1 scan codes themselves, apart from
// the two keys the hook flags as extended.
constexpr quint32 kPlainRangeEnd = 84;
constexpr quint32 kEvdevRightShift = 54;
constexpr quint32 kEvdevNumLock = 69;

struct EvdevRow
{
    quint16 evdevCode;
    quint8 scanCode;
    bool extended;
};

constexpr EvdevRow kEvdevRows[] = {
    {86, 0x56, false},  // the extra key beside left Shift
    {87, 0x57, false},  // F11
    {88, 0x58, false},  // F12
    {96, 0x1C, true},   // keypad Enter
    {97, 0x1D, true},   // right Ctrl
    {98, 0x35, true},   // keypad /
    {99, 0x37, true},   // Print Screen (also with Alt held)
    {100, 0x38, true},  // right Alt
    {102, 0x47, true},  // Home
    {103, 0x48, true},  // Up
    {104, 0x49, true},  // Page Up
    {105, 0x4B, true},  // Left
    {106, 0x4D, true},  // Right
    {107, 0x4F, true},  // End
    {108, 0x50, true},  // Down
    {109, 0x51, true},  // Page Down
    {110, 0x52, true},  // Insert
    {111, 0x53, true},  // Delete
    {119, 0x45, false}, // Pause
    {125, 0x5B, true},  // left Windows key
    {126, 0x5C, true},  // right Windows key
    {127, 0x5D, true},  // Menu
    {183, 0x64, false}, {184, 0x65, false}, {185, 0x66, false}, {186, 0x67, false}, // F13-F16
    {187, 0x68, false}, {188, 0x69, false}, {189, 0x6A, false}, {190, 0x6B, false}, // F17-F20
    {191, 0x6C, false}, {192, 0x6D, false}, {193, 0x6E, false}, {194, 0x76, false}, // F21-F24
};

} // namespace

std::optional<HookScanCode> hookScanCodeForEvdev(quint32 evdevCode)
{
    if (evdevCode == kEvdevRightShift || evdevCode == kEvdevNumLock)
        return HookScanCode{evdevCode, true};
    if (evdevCode > 0 && evdevCode < kPlainRangeEnd)
        return HookScanCode{evdevCode, false};
    for (const EvdevRow &row : kEvdevRows) {
        if (row.evdevCode == evdevCode)
            return HookScanCode{row.scanCode, row.extended};
    }
    return std::nullopt;
}

std::optional<HookScanCode> hookScanCodeForNative(quint32 nativeScanCode)
{
    if (nativeScanCode <= kNativeOffset)
        return std::nullopt;
    return hookScanCodeForEvdev(nativeScanCode - kNativeOffset);
}
