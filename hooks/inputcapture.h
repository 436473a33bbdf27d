#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// The work of the two low-level hook procedures, free of the system: a key
// event (message, scan code, hook flags) or a mouse-button message in, a call
// of the callback registry's keyboard or mouse slot out. Both systems feed it:
// Windows from its hooks, Linux from the events of the program's own windows.

// The virtual-key code for a scan code and the hook's flags, 0 when the key is
// unknown. Two keys the scan-code map cannot tell apart are set here: the
// extended scan code 0x46 (Ctrl+Break) is Pause, and 0x54 with Alt held
// (Alt+Print Screen arrives as SysRq) is Print Screen.
quint8 virtualKeyFor(quint32 scanCode, quint32 flags);

struct ButtonAction
{
    quint8 code;
    bool isDown;
};

// The mouse-button table: left, right and middle down and up. Double-click
// messages, moves, the wheel and the side buttons give nothing.
std::optional<ButtonAction> mouseButtonFor(quint32 message);

class InputCapture
{
public:
    InputCapture();

    // `time` is the event's own, in the registry's milliseconds, and is
    // handed on as it is.

    // Reports a key whose state changed: a held key's auto-repeated downs are
    // reported once, and an up is reported only after its down.
    void keyboard(quint32 message, quint32 scanCode, quint32 flags, quint32 time);
    // Reports every button message the table knows; no state is kept.
    void mouse(quint32 message, int x, int y, quint32 time);
    // Reports an up for every key still down, for when the key-ups can no
    // longer reach us.
    void releaseHeldKeys(quint32 time);
    // Takes every key as up without reporting anything: a key-up that went
    // elsewhere (another desktop had the input) would otherwise hide that
    // key's next down.
    void clearKeyStates() { m_keyState.fill(0); }

    // The last state reported for a usage code: 1 down, 0 up.
    quint8 keyState(quint8 usage) const { return m_keyState[usage]; }

private:
    void report(quint8 usage, bool isDown, quint32 time);

    std::array<quint8, 256> m_keyState{};
};
