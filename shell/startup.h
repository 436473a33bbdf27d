#pragma once

class Widget;

// The page is drawn by Qt Quick's software renderer unless QT_QUICK_BACKEND
// names another. Call before the window is built.
void chooseRenderer();

// The first device check; the window is shown and its page started only when
// it found a mouse. Otherwise only the tray icon is there.
void runFirstDeviceCheck(Widget &window);
