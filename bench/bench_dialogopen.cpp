// Times the opening of each dialog of the page: the first opening, which
// makes the dialog and decodes its pictures, and a later one, each until the
// frame that shows it is drawn. Beside them a frame of the page with nothing
// changed, the part of each figure that any change costs. The real page and
// view model on the simulated mouse, drawn as the program draws (Qt Quick's
// software renderer).
// Not part of the test run: ./build/bench/bench_dialogopen

#include "bench/benchpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQuickItem>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Dialog
{
    const char *name;        // the dialog's objectName
    std::function<void(QObject *root)> open;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);

    SimulatedRig rig;
    Hid_Thread &link = rig.link;
    NoWindow window;
    myQQuickView view;
    ViewHost host(&view);
    view.setHid(&link);
    host.resize(1000, 640);
    host.show();
    QObject *root = startPage(host, window, link);
    if (!root) {
        std::fprintf(stderr, "the page did not load\n");
        return 1;
    }
    host.grabFramebuffer();

    // The frame that shows what the event just changed.
    const auto frameMs = [&](const std::function<void()> &change) {
        QElapsedTimer t;
        t.start();
        change();
        QCoreApplication::processEvents();
        host.grabFramebuffer();
        return double(t.nsecsElapsed()) / 1e6;
    };
    // The page's state names its dialogs; the bench opens them as the page's
    // buttons do and closes them by that state.
    QObject *dash = root->property("dashboard").value<QObject *>();
    const auto value = [dash](const char *enumName, const char *key) {
        const QMetaObject *meta = dash->metaObject();
        return meta->enumerator(meta->indexOfEnumerator(enumName)).keyToValue(key);
    };
    const auto open = [dash, value](const char *which) {
        return [dash, value, which](QObject *) {
            QMetaObject::invokeMethod(dash, "openDialog", Q_ARG(int, value("Dialog", which)));
        };
    };
    const auto openMenu = [dash] { QMetaObject::invokeMethod(dash, "openKeyMenu", Q_ARG(int, 3)); };
    const std::vector<Dialog> dialogs{
        {"macroEditorMain", open("MacroDialog")},
        {"gunControlMain", open("GunDialog")},
        {"profileMain", [dash](QObject *) { call(dash, "toggleProfileDialog"); }},
        {"keyMenuMain", [openMenu](QObject *) { openMenu(); }},
        {"singleKeyMain", [dash, openMenu](QObject *) { openMenu(); call(dash, "openSingleKeyDialog"); }},
        {"macroKeyMain", [dash, openMenu](QObject *) { openMenu(); call(dash, "openMacroKeyDialog"); }},
        {"factorysure", open("ResetDialog")},
    };
    const auto close = [dash, value](const char *) {
        dash->setProperty("dialog", value("Dialog", "NoDialog"));
        dash->setProperty("popup", value("Popup", "NoPopup"));
    };

    std::vector<double> idle;
    for (int i = 0; i < 5; ++i)
        idle.push_back(frameMs([] {}));
    std::sort(idle.begin(), idle.end());
    std::printf("dialog openings until the frame that shows them is drawn\n");
    std::printf("  %-18s %10s %10s\n", "dialog", "first ms", "again ms");
    double worst = 0;
    for (const Dialog &d : dialogs) {
        const double first = frameMs([&] { d.open(root); });
        close(d.name);
        frameMs([] {});
        const double again = frameMs([&] { d.open(root); });
        close(d.name);
        frameMs([] {});
        worst = std::max(worst, first);
        std::printf("  %-18s %10.1f %10.1f\n", d.name, first, again);
    }
    std::printf("  a frame with nothing changed: %.1f ms (median of 5)\n", idle[idle.size() / 2]);
    std::printf("  slowest first opening: %.1f ms\n", worst);
    return 0;
}
