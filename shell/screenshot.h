#pragma once

#include <QString>

class Widget;

// Writes a picture of the window to `path` once its page has started, says
// where on standard output and quits through the tray's quit entry. Used by
// the run script on machines without a display.
void screenshotAndQuit(Widget &window, const QString &path);
