#pragma once

#include <thread>

class Widget;

// Fills the font database and the list of picture formats on a thread of its
// own while the pages load, so that the page's first text and picture find
// them ready instead of reading the font configuration and loading every
// image plug-in on the GUI thread. Joined when it goes.
class StartupWarmUp
{
public:
    StartupWarmUp();
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp &) = delete;
    StartupWarmUp &operator=(const StartupWarmUp &) = delete;

private:
    std::thread m_thread;
};

// The page is drawn by Qt Quick's software renderer unless QT_QUICK_BACKEND
// names another. Call before the window is built.
void chooseRenderer();

// The first device check; the window is shown and its page started only when
// it found a mouse. Otherwise only the tray icon is there.
void runFirstDeviceCheck(Widget &window);
