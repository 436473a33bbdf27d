#include "startup.h"

#include "device/devicestate.h"
#include "startuptrace.h"
#include "widget.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QQuickWindow>
#include <QSGRendererInterface>

StartupWarmUp::StartupWarmUp()
    : m_thread([] {
        // Both are guarded by Qt's own locks; the GUI thread waits there for
        // what is not ready yet rather than doing it a second time.
        QFontDatabase::families();
        QImageReader::supportedImageFormats();
        StartupTrace::mark("fonts and picture formats ready (on their own thread)");
    })
{
}

StartupWarmUp::~StartupWarmUp()
{
    m_thread.join();
}

void chooseRenderer()
{
    // The page is pictures, plain rectangles and text that change only where
    // the user acts, as QtQuick 1 painted them. A graphics context would cost
    // more than the page itself: its own memory, a program per material and a
    // second copy of every picture as a texture (on a machine without a GPU all
    // of it in this process), and the time to set it up before the window maps.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

void runFirstDeviceCheck(Widget &window)
{
    window.checkDevice();
    StartupTrace::mark("device checked and link started");
    if (!deviceReady()) {
        window.showTray();
        return;
    }
    window.showNormal();
    StartupTrace::mark("window shown");
    window.startUI();
}
