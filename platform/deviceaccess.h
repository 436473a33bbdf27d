#pragma once

#include <QByteArray>
#include <QString>

// Whether the system lets this user open a HID interface, and what the person
// can do when it does not.
namespace DeviceAccess {

// The interface at `path` is there, but this user may not open it. False for
// an absent path and on systems where a refused open is no permission matter.
bool isDenied(const QByteArray &path);

// One sentence for the person: how to get access to the mouse.
QString advice();

} // namespace DeviceAccess
