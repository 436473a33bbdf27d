// Times the device link against the simulated mouse with the protocol's real
// waits and prints each figure beside the floor the protocol itself sets.
// Not part of the test run: ./build/bench/bench_device

#include "device/hid_thread.h"
#include "simulator/simulatedmouse.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &body)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        body();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char *what, double measured, double floor)
{
    if (floor > 0)
        std::printf("%-44s %9.3f ms   floor %7.1f ms   ratio %.3f\n", what, measured, floor, measured / floor);
    else
        std::printf("%-44s %9.3f ms\n", what, measured);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int runs = 9;
    const double settle = 2 * Hid_Thread::kSettleHalfMs;
    const double gap = Hid_Thread::kReportGapMs;

    SimulatedMouse mouse;
    Hid_Thread link(&mouse);
    link.updateDeviceList(mouse.deviceTable());

    report("SET command until the transport is free", medianMs(runs, [&] {
               link.hid_0BH_SetCurrentDPIStage(2);
               link.waitForPendingExchange();
           }),
           settle);

    uchar macro[128] = {};
    report("128-byte macro block on a 32-byte mouse", medianMs(runs, [&] {
               link.hid_13H_SetMacroKey(1, macro);
               link.waitForPendingExchange();
           }),
           2 * settle + 4 * gap);

    SimulatedMouse pad(SimulatedMouse::Family::KeyboardClass);
    pad.setReportLength(32);
    Hid_Thread padLink(&pad);
    padLink.updateDeviceList(pad.deviceTable());
    uchar table[512] = {};
    report("512-byte table on a 32-byte device", medianMs(runs, [&] {
               padLink.hid_0DH_SetKeyMatrix(table);
               padLink.waitForPendingExchange();
           }),
           2 * settle + 16 * gap);

    const double hundredGets = medianMs(runs, [&] {
        for (int i = 0; i < 100; ++i)
            (void)link.hid_81H_GetReportRate();
    });
    report("100 GET commands in a row", hundredGets, 0);
    report("  one GET (the mouse itself answers at once)", hundredGets / 100, 0);

    // The same GET on a mouse that takes 1 ms per HID call: a GET makes five
    // such calls (three opens, the send and the get), so its own time is 5 ms.
    mouse.setLatency(1);
    const double slowGet = medianMs(runs, [&] {
        (void)link.hid_81H_GetReportRate();
    });
    report("one GET on a mouse taking 1 ms per call", slowGet, 5.0);
    std::printf("  overhead beyond the mouse's own time: %.3f ms\n", slowGet - 5.0);
    return 0;
}
