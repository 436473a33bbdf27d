#pragma once

#include <memory>

// Installs the keyboard and mouse capture that macro recording listens to,
// for as long as it lives. A failed installation is silent: recording then
// simply receives no input.
class HookGuard
{
public:
    HookGuard();
    ~HookGuard();
    HookGuard(const HookGuard &) = delete;
    HookGuard &operator=(const HookGuard &) = delete;

    void install();
    void remove();
    bool isInstalled() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
