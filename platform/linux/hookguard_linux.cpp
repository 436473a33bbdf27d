#include "platform/hookguard.h"

// An ordinary Linux program cannot capture input system-wide; macro recording
// will take the key and button events of the program's own windows instead,
// so there is nothing to install here.
struct HookGuard::Private
{
};

HookGuard::HookGuard() { install(); }
HookGuard::~HookGuard() { remove(); }
void HookGuard::install() {}
void HookGuard::remove() {}
bool HookGuard::isInstalled() const { return false; }
