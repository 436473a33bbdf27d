// The listener's start on the mouse itself: the option write that makes the
// mouse report its DPI button, what happens when the option read fails, a
// thread pool with one thread, and a device check arriving while a start
// waits for the transport.

#include "devicefixture.h"

#include "device/devicestate.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

using Kind = SimulatedMouse::Record::Kind;
using Operation = SimulatedMouse::Operation;

namespace {

// Every frame the mouse saw (accepted or refused) with this command code.
int framesWithCode(const SimulatedMouse &peer, uchar code)
{
    int count = 0;
    for (const SimulatedMouse::Record &r : peer.records()) {
        if ((r.kind == Kind::FeatureSent || r.kind == Kind::Rejected) && r.bytes.size() > 1
            && uchar(r.bytes.at(1)) == code)
            ++count;
    }
    return count;
}

QString dpiBalloon(uint value)
{
    return QStringLiteral("DPI Switch to %1").arg(value);
}

} // namespace

class ListenerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void startMakesTheMouseReportItsDpiButton();
    void failedOptionReadWritesNothing_data();
    void failedOptionReadWritesNothing();
    void commandsRunBesideTheListenerOnOneThread();
    void deviceCheckDuringStartLeavesOneListener();
    void destructionWaitsForTheListener();
};

void ListenerTest::init()
{
    DpiTables::reset();
    DpiTables::setValues({400, 800, 1600, 3200, 6400, 12000, 16000, 26000});
}

void ListenerTest::startMakesTheMouseReportItsDpiButton()
{
    LinkOnSimulator sim;
    BalloonSpy balloons(sim.link);
    const MouseState before = sim.peer.state();
    sim.link.startListener(1);
    sim.link.waitForPendingExchange();

    const MouseState after = sim.peer.state();
    QCOMPARE(after.options[0], before.options[0]);
    QCOMPARE(after.options[1], before.options[1]);
    QCOMPARE(after.options[2], before.options[2]);
    QCOMPARE(after.options[3], uchar(before.options[3] | 0x40));

    // The person presses the button; the mouse itself decides to report it.
    sim.peer.pressDpiButton();
    const uint8_t stage = sim.peer.state().dpiStage;
    QTRY_COMPARE(balloons.count(), 1);
    QCOMPARE(balloons.at(0), QVariantList({"Info", dpiBalloon(DpiTables::value(stage - 1))}));
}

void ListenerTest::failedOptionReadWritesNothing_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("reply read fails") << 0;
    QTest::newRow("request refused by a busy mouse") << 1;
    QTest::newRow("transport held past its bound") << 2;
}

void ListenerTest::failedOptionReadWritesNothing()
{
    QFETCH(int, fault);
    LinkOnSimulator sim;
    const MouseState before = sim.peer.state();
    DebugCapture debug;
    if (fault == 0)
        sim.peer.failAfter(Operation::GetFeature);
    if (fault == 1)
        sim.peer.setBusy(true);
    if (fault == 2) {
        sim.peer.setLatency(1100); // the running SET outlasts 2040 ms
        sim.link.setSleeper([](int ms) { QThread::msleep(ulong(ms)); });
        sim.link.hid_02H_SetCurrentProfile(0);
    }

    sim.link.startListener(1);
    QVERIFY(sim.link.isListening()); // started all the same
    sim.link.stopListener();
    sim.link.waitForPendingExchange();
    sim.peer.setBusy(false);
    sim.peer.setLatency(0);

    QCOMPARE(framesWithCode(sim.peer, 0x03), 0);
    QCOMPARE(sim.peer.state().options, before.options);
    if (fault == 2)
        QCOMPARE(debug.lines(), QStringList{"cmd Failed"});
}

void ListenerTest::commandsRunBesideTheListenerOnOneThread()
{
    // A one-CPU machine gives the global pool a single thread.
    QThreadPool *pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    pool->setMaxThreadCount(1);
    {
        LinkOnSimulator sim;
        DebugCapture debug;
        sim.link.startListener(1);
        QTest::qWait(50); // the listener is reading by now
        sim.link.hid_01H_SetReportRate(4);
        sim.link.hid_0BH_SetCurrentDPIStage(3);
        sim.link.hid_0EH_SetXYSensitive(7, 9);
        QTRY_COMPARE_WITH_TIMEOUT(sim.peer.state().xySensitivity[1], uint8_t(9), 3000);
        QCOMPARE(sim.peer.state().reportRate, uint8_t(4));
        QCOMPARE(sim.peer.state().dpiStage, uint8_t(3));
        QVERIFY(debug.lines().isEmpty());
        QVERIFY(sim.link.isListening());
    }
    pool->setMaxThreadCount(threads);
}

void ListenerTest::deviceCheckDuringStartLeavesOneListener()
{
    LinkOnSimulator sim;
    sim.link.setSleeper([](int ms) { QThread::msleep(ulong(ms)); });
    BalloonSpy balloons(sim.link);

    // A SET holds the transport, so the start below waits for it while
    // processing events; a device check queued before then runs inside.
    sim.link.hid_01H_SetReportRate(2);
    QTimer::singleShot(0, &sim.link, [&sim] { sim.link.swichCurDevice(1); });
    sim.link.startListener(1);
    sim.link.waitForPendingExchange();

    QTest::qWait(100);
    QCOMPARE(sim.link.runningListeners(), 1);
    balloons.clear(); // "Detect Mouse" of the nested check
    sim.peer.pressDpiButton();
    QTRY_COMPARE(balloons.count(), 1);
    QTest::qWait(600); // a second listener would have read it too by now
    QCOMPARE(balloons.count(), 1);

    sim.link.stopListener();
    QCOMPARE(sim.link.runningListeners(), 0);
}

void ListenerTest::destructionWaitsForTheListener()
{
    SimulatedMouse peer;
    auto link = std::make_unique<Hid_Thread>(&peer);
    link->setSleeper([](int) {});
    link->updateDeviceList(peer.deviceTable());
    link->startListener(1);
    QTRY_COMPARE(link->runningListeners(), 1);
    link.reset(); // without stopping it first
    QCOMPARE(peer.openHandleCount(), 0);
}

QTEST_GUILESS_MAIN(ListenerTest)
#include "tst_listener.moc"
