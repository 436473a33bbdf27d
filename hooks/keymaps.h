#pragma once

#include <QtGlobal>

// The two maps that turn a key of the low-level keyboard hook into the
// device's key code: scan code with its extended flag -> Windows virtual-key
// code -> USB HID usage (keyboard/keypad page). Both are process-wide and
// read-only once built.
namespace KeyMaps {

// The scan-code map's key: scan code * 256 + extended flag. Scan codes above
// 255 have no key (0).
constexpr quint16 scanKey(quint32 scanCode, bool extended)
{
    return scanCode > 0xFF ? 0 : quint16(scanCode * 256 + (extended ? 1 : 0));
}

// Builds both maps. The first call does the work, later calls nothing; the
// hook guard calls it before it installs anything.
void build();

// 0 when the key or code is not in its map.
quint8 virtualKey(quint16 key);
quint8 usage(quint8 virtualKey);

} // namespace KeyMaps
