#include "platform/deviceaccess.h"

bool DeviceAccess::isDenied(const QByteArray &)
{
    // The HID driver lets every user open the mouse's vendor interfaces; a
    // refused open means it is gone or held by another program.
    return false;
}

QString DeviceAccess::advice()
{
    return QStringLiteral("Close other programs that use the mouse, then unplug and replug it.");
}
