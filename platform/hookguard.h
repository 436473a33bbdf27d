#pragma once

#include <memory>

// Installs the keyboard and mouse capture that macro recording listens to,
// for as long as it lives, and reports what it captures through the callback
// registry's keyboard and mouse slots. On Windows these are the system-wide
// low-level hooks; on Linux the key and button events of the program's own
// windows. Events are never swallowed. A failed installation is silent:
// recording then simply receives no input.
class HookGuard
{
public:
    HookGuard();
    ~HookGuard();
    HookGuard(const HookGuard &) = delete;
    HookGuard &operator=(const HookGuard &) = delete;

    // Removes whatever is installed, then installs both halves. True when
    // both are in place; on failure nothing stays installed.
    bool install();
    void remove();
    bool isInstalled() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
