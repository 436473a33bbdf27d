#include "platform/hookguard.h"

#include <windows.h>

namespace {

// Events pass on untouched until macro recording translates them for the
// keyboard and mouse slots of the callback registry.
LRESULT CALLBACK keyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK mouseProc(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

struct HookGuard::Private
{
    HHOOK keyboard = nullptr;
    HHOOK mouse = nullptr;
};

HookGuard::HookGuard()
    : d(std::make_unique<Private>())
{
    install();
}

HookGuard::~HookGuard()
{
    remove();
}

void HookGuard::install()
{
    HINSTANCE module = GetModuleHandleW(nullptr);
    if (!d->keyboard)
        d->keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0);
    if (!d->mouse)
        d->mouse = SetWindowsHookExW(WH_MOUSE_LL, mouseProc, module, 0);
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
