#include "screenshot.h"

#include "viewmodel/myqquickview.h"
#include "widget.h"

#include <QAction>
#include <QImage>
#include <QQuickItem>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
// The page shows its main page after its start-up lock; then its panels get
// a moment to settle. A page that never says so is taken after the limit.
constexpr int kPollMs = 50;
constexpr int kSettleMs = 300;
constexpr int kLimitMs = 10000;

bool mainPageShown(Widget &window)
{
    const QQuickItem *root = window.view()->rootObject();
    return !root || root->property("mainPageShown").toBool();
}

void grab(Widget &window, const QString &path)
{
    const QImage image = window.view()->grabFramebuffer();
    if (image.save(path))
        std::printf("Screenshot written to %s\n", qPrintable(path));
    else
        std::fprintf(stderr, "Could not write the screenshot to %s\n", qPrintable(path));
    std::fflush(stdout);
    window.quitAction()->trigger();
}

} // namespace

void screenshotAndQuit(Widget &window, const QString &path)
{
    QObject::connect(&window, &Widget::uiStarted, &window, [&window, path] {
        auto *poll = new QTimer(&window);
        auto waited = std::make_shared<int>(0);
        QObject::connect(poll, &QTimer::timeout, &window, [&window, path, poll, waited] {
            *waited += kPollMs;
            if (!mainPageShown(window) && *waited < kLimitMs)
                return;
            poll->deleteLater();
            QTimer::singleShot(kSettleMs, &window, [&window, path] { grab(window, path); });
        });
        poll->start(kPollMs);
    }, Qt::SingleShotConnection);
}
