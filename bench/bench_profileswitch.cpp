// Times a full profile switch from the profile dialog, with everything sent:
// the real page and view model on the simulated mouse with the protocol's
// real waits. The profile is chosen (the page shows it) and the dialog
// closed (every panel's init(true): key matrices, bound macros, DPI, lights,
// rates, gun presets), until the last exchange has ended. Printed beside the
// floor those very commands set: the settle pauses and data-phase steps the
// transport slept for them.
// Not part of the test run: ./build/bench/bench_profileswitch

#include "device/hid_thread.h"
#include "simulator/simulatedmouse.h"
#include "storage/profileset.h"
#include "viewmodel/myqquickview.h"
#include "bench/benchpage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

// Both profiles play two macros from buttons and choose other gun presets,
// so a switch sends all of it.
void bindMacros(myQQuickView &view)
{
    const QStringList macros{QStringLiteral("Burst"), QStringLiteral("Reload")};
    const QStringList lines[] = {{"1,A", "0,30", "2,A", "0,30", "1,A", "0,30", "2,A"},
                                 {"1,R", "0,120", "2,R", "0,400", "1,Space", "2,Space"}};
    for (int m = 0; m < macros.size(); ++m) {
        view.createMacroIni(macros.at(m), m);
        view.saveMacroIni(macros.at(m), lines[m], {}, 1);
    }
    view.updataNameList(0, macros);
    for (int p = 0; p < 2; ++p) {
        QSettings *profile = view.profiles().at(p);
        profile->setValue(QStringLiteral("macro/0"), macros.at(0));
        profile->setValue(QStringLiteral("macro/1"), macros.at(1));
        profile->setValue(QStringLiteral("keydefine_R8/3"), QVariantList{9, 0, 1, 0});
        profile->setValue(QStringLiteral("keydefine_R8/4"), QVariantList{9, 2, 2, 0});
        profile->setValue(QStringLiteral("selectGun/0"), p == 0 ? 0 : 2);
        profile->setValue(QStringLiteral("selectGun/1"), 1);
        profile->setValue(QStringLiteral("selectGun/2"), p == 0 ? 2 : 0);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    constexpr int runs = 5;

    SimulatedRig rig;
    SimulatedMouse &mouse = rig.mouse;
    Hid_Thread &link = rig.link;
    // The waits of the exchanges themselves run on the pool; the GUI thread
    // only ever waits for the transport, which is no part of the floor.
    QThread *gui = QThread::currentThread();
    std::atomic<qint64> floorMs{0};
    link.setSleeper([&](int ms) {
        if (QThread::currentThread() != gui)
            floorMs += ms;
        QThread::msleep(ulong(ms));
    });

    NoWindow window;
    myQQuickView view;
    ViewHost host(&view);
    view.setHid(&link);
    bindMacros(view);
    QObject *root = startPage(host, window, link);
    if (!root) {
        std::fprintf(stderr, "the page did not load\n");
        return 1;
    }

    std::vector<double> measured;
    std::vector<double> floors;
    QList<QByteArray> frames;
    for (int i = 0; i < runs; ++i) {
        mouse.clearRecords();
        const qint64 floorBefore = floorMs;
        QElapsedTimer t;
        t.start();
        call(root, "changeProfile", (i + 1) % 2);
        call(root, "profileDialogClosed");
        link.waitForPendingExchange();
        measured.push_back(double(t.nsecsElapsed()) / 1e6);
        floors.push_back(double(floorMs - floorBefore));
        frames = mouse.recorded(SimulatedMouse::Record::FeatureSent);
        // The page's lock of the switch ends before the next one.
        call(root, "setProtectUI", 0);
        QCoreApplication::processEvents();
    }

    std::vector<double> sorted = measured;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    const double floor = floors[size_t(std::find(measured.begin(), measured.end(), median) - measured.begin())];
    std::printf("full profile switch with sending (%d runs, median)\n", runs);
    std::printf("  %-42s %9.1f ms   floor %7.1f ms   ratio %.3f\n", "choose, close, last exchange ended", median,
                floor, median / floor);
    std::printf("  request frames per switch: %d, by command:", int(frames.size()));
    std::vector<int> perCode(256, 0);
    for (const QByteArray &frame : frames)
        if (frame.size() > 1)
            ++perCode[size_t(uchar(frame.at(1)))];
    for (int code = 0; code < 256; ++code)
        if (perCode[size_t(code)] > 0)
            std::printf(" %02Xh x%d", code, perCode[size_t(code)]);
    std::printf("\n");
    for (int i = 0; i < runs; ++i)
        std::printf("  run %d: %9.1f ms, floor %7.1f ms\n", i + 1, measured[size_t(i)], floors[size_t(i)]);
    return 0;
}
