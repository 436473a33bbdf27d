#include "screenshot.h"

#include "viewmodel/myqquickview.h"
#include "widget.h"

#include <QAction>
#include <QImage>
#include <QTimer>

#include <cstdio>

namespace {
// Lets the page's start-up animations settle before the picture is taken.
constexpr int kSettleMs = 800;
}

void screenshotAndQuit(Widget &window, const QString &path)
{
    QObject::connect(&window, &Widget::uiStarted, &window, [&window, path] {
        QTimer::singleShot(kSettleMs, &window, [&window, path] {
            const QImage image = window.view()->grabFramebuffer();
            if (image.save(path))
                std::printf("Screenshot written to %s\n", qPrintable(path));
            else
                std::fprintf(stderr, "Could not write the screenshot to %s\n", qPrintable(path));
            std::fflush(stdout);
            window.quitAction()->trigger();
        });
    }, Qt::SingleShotConnection);
}
