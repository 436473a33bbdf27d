#include "inputcapture.h"

#include "hookcodes.h"
#include "keymaps.h"
#include "hooks/callbackregistry.h"

using namespace HookCodes;

namespace {

constexpr quint32 kBreakScanCode = 0x46; // with the extended flag
constexpr quint32 kSysRqScanCode = 0x54; // with Alt held
constexpr quint8 kPauseKey = 0x13;       // VK_PAUSE
constexpr quint8 kPrintScreenKey = 0x2C; // VK_SNAPSHOT

// Indexed by message - WM_LBUTTONDOWN; code 0 is ignored.
constexpr ButtonAction kButtonTable[] = {
    {kLeftButtonCode, true},   // WM_LBUTTONDOWN
    {kLeftButtonCode, false},  // WM_LBUTTONUP
    {0, false},                // WM_LBUTTONDBLCLK
    {kRightButtonCode, true},  // WM_RBUTTONDOWN
    {kRightButtonCode, false}, // WM_RBUTTONUP
    {0, false},                // WM_RBUTTONDBLCLK
    {kMiddleButtonCode, true}, // WM_MBUTTONDOWN
    {kMiddleButtonCode, false} // WM_MBUTTONUP
};

} // namespace

quint8 virtualKeyFor(quint32 scanCode, quint32 flags)
{
    const bool extended = flags & kExtendedFlag;
    if (scanCode == kBreakScanCode && extended)
        return kPauseKey;
    if (scanCode == kSysRqScanCode && (flags & kAltDownFlag))
        return kPrintScreenKey;
    return KeyMaps::virtualKey(KeyMaps::scanKey(scanCode, extended));
}

std::optional<ButtonAction> mouseButtonFor(quint32 message)
{
    if (message < kLeftButtonDown || message > kMiddleButtonUp)
        return std::nullopt;
    const ButtonAction action = kButtonTable[message - kLeftButtonDown];
    if (action.code == 0)
        return std::nullopt;
    return action;
}

InputCapture::InputCapture()
{
    KeyMaps::build();
}

void InputCapture::keyboard(quint32 message, quint32 scanCode, quint32 flags, quint32 time)
{
    const bool isDown = message == kKeyDown || message == kSysKeyDown;
    const quint8 virtualKey = virtualKeyFor(scanCode, flags);
    if (virtualKey == 0)
        return;
    const quint8 usage = KeyMaps::usage(virtualKey);
    if (usage == 0 || m_keyState[usage] == quint8(isDown))
        return;
    report(usage, isDown, time);
}

void InputCapture::mouse(quint32 message, int x, int y, quint32 time)
{
    if (const auto action = mouseButtonFor(message))
        CallbackRegistry::callMouse(action->code, action->isDown, x, y, time);
}

void InputCapture::releaseHeldKeys(quint32 time)
{
    for (int usage = 0; usage < int(m_keyState.size()); ++usage) {
        if (m_keyState[usage])
            report(quint8(usage), false, time);
    }
}

void InputCapture::report(quint8 usage, bool isDown, quint32 time)
{
    // The table follows the keyboard whether or not a slot listens, so a
    // listener that comes later never sees an up without its down.
    m_keyState[usage] = quint8(isDown);
    CallbackRegistry::callKeyboard(usage, isDown, time);
}
