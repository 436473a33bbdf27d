#include "startup.h"

#include "device/devicestate.h"
#include "widget.h"

void runFirstDeviceCheck(Widget &window)
{
    window.checkDevice();
    if (!deviceReady())
        return;
    window.showNormal();
    window.startUI();
}
