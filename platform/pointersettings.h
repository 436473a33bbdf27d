#pragma once

#include <array>
#include <memory>

// The system's pointer settings that belong with a mouse: pointer speed,
// wheel scroll lines, double-click time and the mouse parameters (two
// thresholds and the acceleration). Each call returns false when the system
// refused it. Windows changes them for the user's whole session; Linux keeps
// them in a per-user store and applies what the desktop lets a program change.
class PointerSettings
{
public:
    using MouseParams = std::array<int, 3>; // threshold 1, threshold 2, acceleration

    virtual ~PointerSettings() = default;

    virtual bool mouseParams(MouseParams &params) = 0;
    virtual bool setMouseParams(const MouseParams &params) = 0;
    virtual bool setMouseSpeed(int speed) = 0;            // 1 ... 20
    virtual bool setWheelScrollLines(unsigned lines) = 0; // 1000: one screen per notch
    virtual bool setDoubleClickTime(unsigned milliseconds) = 0;

    // The implementation for the system the program runs on.
    static std::unique_ptr<PointerSettings> createForSystem();
};
