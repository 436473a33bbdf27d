#include "platform/pointersettings.h"

#include <windows.h>

namespace {

constexpr UINT kUpdateFlags = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;

class WindowsPointerSettings final : public PointerSettings
{
public:
    bool mouseParams(MouseParams &params) override
    {
        int values[3] = {};
        if (!SystemParametersInfoW(SPI_GETMOUSE, 0, values, 0))
            return false;
        params = {values[0], values[1], values[2]};
        return true;
    }

    bool setMouseParams(const MouseParams &params) override
    {
        int values[3] = {params[0], params[1], params[2]};
        return SystemParametersInfoW(SPI_SETMOUSE, 0, values, kUpdateFlags);
    }

    bool setMouseSpeed(int speed) override
    {
        // The speed travels in the pointer argument itself.
        return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                                     kUpdateFlags);
    }

    bool setWheelScrollLines(unsigned lines) override
    {
        return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, kUpdateFlags);
    }

    bool setDoubleClickTime(unsigned milliseconds) override
    {
        return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, kUpdateFlags);
    }
};

} // namespace

std::unique_ptr<PointerSettings> PointerSettings::createForSystem()
{
    return std::make_unique<WindowsPointerSettings>();
}
