#pragma once

class Widget;

// The first device check; the window is shown and its page started only when
// it found a mouse. Otherwise only the tray icon is there.
void runFirstDeviceCheck(Widget &window);
