// Times profile switches from the profile dialog on the real page and view
// model, on the simulated mouse with the protocol's real waits: the profile
// is chosen (the page shows it) and the dialog closed (every panel's
// init(true)), until the last exchange has ended. One line per case:
//
//   switch CASE: N ms (full N ms, floor N ms)
//
// N is the switch as the program makes it, sending only what the mouse does
// not hold; "full" is the same switch with everything sent (send-all); the
// floor is what the transport slept for the full switch's commands (settle
// pauses and data-phase steps). Cases:
//   factory     the two shipped factory profiles
//   dpi-only    two profiles that differ in their DPI values only
//   everything  two profiles that differ in every table
// Not part of the test run: ./build/bench/bench_profileswitch

#include "device/hid_thread.h"
#include "shell/pagecall.h"
#include "simulator/simulatedmouse.h"
#include "storage/profileset.h"
#include "viewmodel/myqquickview.h"
#include "bench/benchpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;

struct Case
{
    const char *name;
    int first, second; // the two profiles switched between
};

void copyProfile(myQQuickView &view, int from, int to)
{
    QSettings *source = view.profiles().at(from);
    QSettings *target = view.profiles().at(to);
    for (const QString &key : source->allKeys())
        target->setValue(key, source->value(key));
}

// Profiles 2 and 3: the same but for the DPI values. Profiles 4 and 5: every
// table differs, macros and gun presets included.
void prepareProfiles(myQQuickView &view)
{
    copyProfile(view, 1, 2);
    copyProfile(view, 1, 3);
    view.profiles().at(3)->setValue(QStringLiteral("sensor/dpi_R8"),
                                    QVariantList{600, 1200, 2000, 3000, 4000, 7000, 250, 250});

    const QStringList macros{QStringLiteral("Burst"), QStringLiteral("Reload")};
    const QStringList lines[] = {{"1,A", "0,30", "2,A", "0,30", "1,A", "0,30", "2,A"},
                                 {"1,R", "0,120", "2,R", "0,400", "1,Space", "2,Space"}};
    for (int m = 0; m < macros.size(); ++m) {
        view.createMacroIni(macros.at(m), m);
        view.saveMacroIni(macros.at(m), lines[m], {}, 1);
    }
    view.updataNameList(0, macros);
    copyProfile(view, 0, 4);
    copyProfile(view, 0, 5);
    for (int p = 4; p <= 5; ++p) {
        QSettings *profile = view.profiles().at(p);
        const bool other = p == 5;
        profile->setValue(QStringLiteral("macro/0"), macros.at(other ? 1 : 0));
        profile->setValue(QStringLiteral("macro/1"), macros.at(other ? 0 : 1));
        const QStringList matrices{"keydefine_R8", "keydefine_R82", "keydefine_R83", "keydefine_R84"};
        for (const QString &m : matrices) {
            profile->setValue(m + QStringLiteral("/3"), QVariantList{9, 0, other ? 2 : 1, 0});
            profile->setValue(m + QStringLiteral("/4"), QVariantList{9, 2, other ? 1 : 2, 0});
            profile->setValue(m + QStringLiteral("/6"), other ? QVariantList{1, 0, 4, 0} : QVariantList{7, 0, 3, 0});
        }
        profile->setValue(QStringLiteral("selectGun/0"), other ? 2 : 0);
        profile->setValue(QStringLiteral("selectGun/2"), other ? 0 : 2);
        profile->setValue(QStringLiteral("sensor/reportRate_R8"), other ? 2 : 1);
        profile->setValue(QStringLiteral("sensor/dpi_R8"),
                          other ? QVariantList{500, 1000, 1500, 2000, 2500, 3000, 250, 250}
                                : QVariantList{800, 1600, 2400, 3200, 5000, 6400, 250, 250});
        profile->setValue(QStringLiteral("color_R8/type0"),
                          other ? QVariantList{0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 0, 0, 255, 255, 255, 0,
                                               255, 10, 20, 30, 40, 50, 60}
                                : profile->value(QStringLiteral("color_R8/type0")));
        profile->setValue(QStringLiteral("color_R8/type1"),
                          other ? QVariantList{9, 9, 9, 8, 8, 8, 7, 7, 7, 6, 6, 6, 5, 5, 5, 4, 4, 4, 3, 3, 3, 2, 2, 2}
                                : profile->value(QStringLiteral("color_R8/type1")));
        profile->setValue(QStringLiteral("color_R8/ledEffect"), other ? QVariantList{2, 1, 2} : QVariantList{3, 4, 2});
        profile->setValue(QStringLiteral("XYSensitive/0"), other ? 7 : 4);
        profile->setValue(QStringLiteral("XYSensitive/1"), other ? 2 : 4);
    }
}

struct Timing
{
    double ms = 0;
    double floorMs = 0;
    QString frames; // the request frames sent, by command
};

QString framesByCommand(const QList<QByteArray> &frames)
{
    std::vector<int> perCode(256, 0);
    for (const QByteArray &frame : frames)
        if (frame.size() > 1)
            ++perCode[size_t(uchar(frame.at(1)))];
    QStringList parts;
    for (int code = 0; code < 256; ++code)
        if (perCode[size_t(code)] > 0)
            parts.append(QStringLiteral("%1h x%2")
                             .arg(QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper())
                             .arg(perCode[size_t(code)]));
    return parts.join(QLatin1Char(' '));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);

    SimulatedRig rig;
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
    prepareProfiles(view);
    QObject *root = startPage(host, window, link);
    QObject *dashboard = root ? root->property("dashboard").value<QObject *>() : nullptr;
    if (!dashboard) {
        std::fprintf(stderr, "the page did not load\n");
        return 1;
    }

    auto switchTo = [&](int profile) {
        rig.mouse.clearRecords();
        const qint64 floorBefore = floorMs;
        QElapsedTimer t;
        t.start();
        callPageFunction(dashboard, "changeProfile", {profile});
        callPageFunction(dashboard, "profileDialogClosed");
        link.waitForPendingExchange();
        if (dashboard->property("profileNo").toInt() != profile) {
            std::fprintf(stderr, "the page did not switch to profile %d\n", profile);
            std::exit(1);
        }
        const Timing timing{double(t.nsecsElapsed()) / 1e6, double(floorMs - floorBefore),
                            framesByCommand(rig.mouse.recorded(SimulatedMouse::Record::FeatureSent))};
        // The page's lock of the switch ends before the next one.
        call(root, "setProtectUI", 0);
        QCoreApplication::processEvents();
        return timing;
    };
    auto median = [](std::vector<Timing> runs) {
        std::sort(runs.begin(), runs.end(), [](const Timing &a, const Timing &b) { return a.ms < b.ms; });
        return runs[runs.size() / 2];
    };

    const Case cases[] = {{"factory", 0, 1}, {"dpi-only", 2, 3}, {"everything", 4, 5}};
    std::printf("profile switches, medians of %d (choose, close, last exchange ended)\n", kRuns);
    for (const Case &c : cases) {
        std::vector<Timing> partial, full;
        for (const bool sendAll : {true, false}) {
            link.setSendAll(sendAll);
            // Into the pair first, so every counted switch leaves one of its
            // two profiles on the mouse.
            switchTo(c.first);
            switchTo(c.second);
            for (int i = 0; i < kRuns; ++i)
                (sendAll ? full : partial).push_back(switchTo(i % 2 == 0 ? c.first : c.second));
        }
        const Timing p = median(partial), f = median(full);
        std::printf("switch %s: %.0f ms (full %.0f ms, floor %.0f ms)\n", c.name, p.ms, f.ms, f.floorMs);
        std::printf("  sent: %s\n  full: %s\n", qPrintable(p.frames), qPrintable(f.frames));
    }
    return 0;
}
