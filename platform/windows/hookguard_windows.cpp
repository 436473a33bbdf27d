#include "platform/hookguard.h"

#include "hooks/hookcodes.h"
#include "hooks/inputcapture.h"
#include "hooks/callbackregistry.h"

#include <windows.h>

static_assert(WM_KEYDOWN == HookCodes::kKeyDown && WM_KEYUP == HookCodes::kKeyUp);
static_assert(WM_SYSKEYDOWN == HookCodes::kSysKeyDown && WM_SYSKEYUP == HookCodes::kSysKeyUp);
static_assert(LLKHF_EXTENDED == HookCodes::kExtendedFlag && LLKHF_ALTDOWN == HookCodes::kAltDownFlag);
static_assert(WM_LBUTTONDOWN == HookCodes::kLeftButtonDown && WM_MBUTTONUP == HookCodes::kMiddleButtonUp);

namespace {

// Low-level hook procedures get no context of their own: they report through
// the capture of the guard that owns the hooks. Both run on the GUI thread,
// through its message loop, and only translate and queue. The hooks stamp
// each event with the system's millisecond tick, which is what recording
// measures delays by.
InputCapture *g_capture = nullptr;

void clearCaptureKeys(void *capture)
{
    static_cast<InputCapture *>(capture)->clearKeyStates();
}

LRESULT CALLBACK keyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_capture) {
        const auto *key = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
        g_capture->keyboard(quint32(wParam), key->scanCode, key->flags, quint32(key->time));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK mouseProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_capture) {
        const auto *mouse = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
        g_capture->mouse(quint32(wParam), mouse->pt.x, mouse->pt.y, quint32(mouse->time));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

struct HookGuard::Private
{
    InputCapture capture;
    HHOOK keyboard = nullptr;
    HHOOK mouse = nullptr;
};

HookGuard::HookGuard()
    : d(std::make_unique<Private>())
{
    g_capture = &d->capture;
    // The hooks see the whole desktop, but not what reaches another desktop
    // (lock screen, elevation prompt): a recording starts from no key held.
    CallbackRegistry::setCaptureReset(clearCaptureKeys, &d->capture);
    install();
}

HookGuard::~HookGuard()
{
    remove();
    CallbackRegistry::dropCaptureReset(&d->capture);
    if (g_capture == &d->capture)
        g_capture = nullptr;
}

bool HookGuard::install()
{
    remove();
    HINSTANCE module = GetModuleHandleW(nullptr);
    d->keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0);
    d->mouse = SetWindowsHookExW(WH_MOUSE_LL, mouseProc, module, 0);
    if (d->keyboard && d->mouse)
        return true;
    // Half a capture would go on reporting with no handle left to end it.
    remove();
    return false;
}

void HookGuard::remove()
{
    if (d->keyboard)
        UnhookWindowsHookEx(d->keyboard);
    if (d->mouse)
        UnhookWindowsHookEx(d->mouse);
    d->keyboard = nullptr;
    d->mouse = nullptr;
}

bool HookGuard::isInstalled() const
{
    return d->keyboard && d->mouse;
}
