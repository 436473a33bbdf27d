#include "platform/deviceaccess.h"

#include <cerrno>
#include <unistd.h>

bool DeviceAccess::isDenied(const QByteArray &path)
{
    // access() honours the ACL that udev's "uaccess" tag grants the user at
    // the seat, which the mode bits alone do not show.
    if (path.isEmpty())
        return false;
    return ::access(path.constData(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
}

QString DeviceAccess::advice()
{
    return QStringLiteral("The mouse is there, but this user may not open it. Install the udev rule "
                          "70-q530.rules (into /etc/udev/rules.d or /usr/lib/udev/rules.d), run "
                          "\"sudo udevadm control --reload-rules\", then unplug and replug the mouse.");
}
