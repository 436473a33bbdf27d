#pragma once

class Widget;

// Points the callback registry's keyboard, mouse and message slots at the
// window for as long as it lives.
class HostCallbacks
{
public:
    explicit HostCallbacks(Widget *window);
    ~HostCallbacks();
    HostCallbacks(const HostCallbacks &) = delete;
    HostCallbacks &operator=(const HostCallbacks &) = delete;
};
