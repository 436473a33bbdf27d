#pragma once

#include <QString>

class Widget;

// Writes a picture of the window to `path` once its page has started, says
// where on standard output and quits through the tray's quit entry. Used by
// the run script on machines without a display. With Q530_SCREENSHOT_VALUES
// set, the values the panels show go beside it as JSON (same base name).
void screenshotAndQuit(Widget &window, const QString &path);
