#pragma once

#include <QtGlobal>

#include <optional>

// Linux reports a key by its evdev code; the capture's tables take the scan
// code a Windows keyboard hook would see for the same key. Both X11 and
// Wayland hand the evdev code to programs offset by 8 (Qt's nativeScanCode()),
// so the same key yields the same usage code on both systems.

struct HookScanCode
{
    quint32 scanCode;
    bool extended;
};

// The hook's scan code for an evdev key code; nothing for keys without one.
std::optional<HookScanCode> hookScanCodeForEvdev(quint32 evdevCode);

// The same for a native scan code of an X11 or Wayland key event; 0 (what a
// platform without keyboard codes gives) and anything else below the offset
// yield nothing.
std::optional<HookScanCode> hookScanCodeForNative(quint32 nativeScanCode);
