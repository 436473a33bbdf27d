// The protocol's fixed waits, command by command: which SET exchanges make
// the settle pause, where the pauses sit around a data phase, the 8 ms gap
// after each data report, that GET exchanges never sleep, and the exact
// number of 8 ms steps a command waits for a busy transport.

#include "devicefixture.h"

#include <QSemaphore>
#include <QTest>

#include <functional>

using Kind = SimulatedMouse::Record::Kind;
using Family = SimulatedMouse::Family;
using Command = std::function<void(Hid_Thread &)>;
Q_DECLARE_METATYPE(Command)

namespace {

uchar g_block[512];

// Interleaves the peer's records with every wait of the link, in the order
// they happened: "F" a request frame, "R" a reply read, "O" a data report
// written, a number a wait of that many milliseconds.
class Timeline
{
public:
    explicit Timeline(SimulatedMouse &peer) : m_peer(peer) {}

    void sleep(int ms)
    {
        QMutexLocker lock(&m_mutex);
        takeRecords();
        m_tokens << QString::number(ms);
    }

    QString text()
    {
        QMutexLocker lock(&m_mutex);
        takeRecords();
        return m_tokens.join(QLatin1Char(' '));
    }

private:
    void takeRecords()
    {
        const QList<SimulatedMouse::Record> records = m_peer.records();
        for (qsizetype i = m_seen; i < records.size(); ++i) {
            switch (records.at(i).kind) {
            case Kind::FeatureSent: m_tokens << "F"; break;
            case Kind::FeatureReply: m_tokens << "R"; break;
            case Kind::OutputReport: m_tokens << "O"; break;
            default: break;
            }
        }
        m_seen = records.size();
    }

    SimulatedMouse &m_peer;
    QMutex m_mutex;
    QStringList m_tokens;
    qsizetype m_seen = 0;
};

} // namespace

class WaitsTest : public QObject
{
    Q_OBJECT

private slots:
    void exchangeWaits_data();
    void exchangeWaits();
    void busyTransportPollsIn8msSteps_data();
    void busyTransportPollsIn8msSteps();
};

void WaitsTest::exchangeWaits_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("timeline");

    // Written out from the command tables: "yes" in the wait column is the
    // two 64 ms halves after the frame; a data phase sits between two pauses.
    const QString pause = "F 64 64";
    auto set = [](const char *name, Command c, const QString &timeline, Family f = Family::Mouse) {
        QTest::newRow(name) << f << c << timeline;
    };
    set("01 report rate: pause", [](Hid_Thread &h) { h.hid_01H_SetReportRate(1); }, pause);
    set("02 profile: no pause", [](Hid_Thread &h) { h.hid_02H_SetCurrentProfile(1); }, "F");
    set("03 keyboard option: no pause", [](Hid_Thread &h) { h.hid_03H_SetKeyboardoption(1, 1, 5, 0x40); }, "F");
    set("03 function option: pause", [](Hid_Thread &h) { h.hid_03H_SetFunctionOption(1, 1, 5, 0); }, pause);
    set("04 gun data: pause", [](Hid_Thread &h) { h.hid_04H_SetGunData(0, 1, 0, 0, 2); }, pause);
    set("07 indicator light: no pause", [](Hid_Thread &h) { h.hid_07H_SetControlIndicatorLight(1, 2); }, "F");
    set("07 LED instruct: no pause", [](Hid_Thread &h) { h.hid_07H_SetLEDInstructFunction(1, 2, 3, 4); }, "F");
    set("08 LED type: pause", [](Hid_Thread &h) { h.hid_08H_SetLEDType(0, 1, 2, 3, 0, 0); }, pause);
    set("09 keyboard mode: pause", [](Hid_Thread &h) { h.hid_09H_SetKeyboardMode(1); }, pause);
    set("0B DPI stage: pause", [](Hid_Thread &h) { h.hid_0BH_SetCurrentDPIStage(3); }, pause);
    set("0D RGB effect: pause", [](Hid_Thread &h) { h.hid_0DH_SetRGBLedEffect(1, 2, 3); }, pause);
    set("0E XY sensitivity: pause", [](Hid_Thread &h) { h.hid_0EH_SetXYSensitive(10, 12); }, pause);
    set("13 recovery: no pause", [](Hid_Thread &h) { h.hid_13H_SetRecoveryData(); }, "F");
    set("14 colour: no pause", [](Hid_Thread &h) { h.hid_14H_SetColor(1, 2, 3, 4); }, "F");

    const QString one = "F 64 64 O 8 64 64";
    set("10 stage colours, 24 bytes in one report", [](Hid_Thread &h) { h.hid_10H_SetLED8StageColor(0, g_block); }, one);
    set("10 type 2, 4 bytes in one report", [](Hid_Thread &h) { h.hid_10H_SetLED8StageColor(2, g_block); }, one);
    set("11 DPI set, 8 bytes", [](Hid_Thread &h) { h.hid_11H_SetDPISet(6, g_block); }, one);
    set("12 key matrix, 64 bytes in two reports", [](Hid_Thread &h) { h.hid_12H_SetKeyMatrix(g_block, 1); },
        "F 64 64 O 8 O 8 64 64");
    set("13 macro, 128 bytes in four reports", [](Hid_Thread &h) { h.hid_13H_SetMacroKey(1, g_block); },
        "F 64 64 O 8 O 8 O 8 O 8 64 64");

    const QString eight = "F 64 64 O 8 O 8 O 8 O 8 O 8 O 8 O 8 O 8 64 64";
    set("0D key matrix, 512 bytes at 64", [](Hid_Thread &h) { h.hid_0DH_SetKeyMatrix(g_block); }, eight,
        Family::KeyboardClass);
    set("0E key on/off, 21 bytes at 64", [](Hid_Thread &h) { h.hid_0EH_SetKeyOnOff(g_block); }, one,
        Family::KeyboardClass);
    set("11 macro, 192 bytes at 64", [](Hid_Thread &h) { h.hid_11H_SetMacroKey(1, g_block); },
        "F 64 64 O 8 O 8 O 8 64 64", Family::KeyboardClass);
    set("12 picture, 512 bytes at 64", [](Hid_Thread &h) { h.hid_12H_SetUserPicture(0, 0, g_block); }, eight,
        Family::KeyboardClass);

    // GET exchanges run on the caller and read at once.
    set("81 report rate: no wait", [](Hid_Thread &h) { (void)h.hid_81H_GetReportRate(); }, "F R");
    set("93 macro with its data phase: no wait", [](Hid_Thread &h) { (void)h.hid_93H_GetMacroKey(1); }, "F R");
    set("91 DPI set: no wait", [](Hid_Thread &h) { (void)h.hid_91H_GetDPISet(); }, "F R");
}

void WaitsTest::exchangeWaits()
{
    QFETCH(Family, family);
    QFETCH(Command, command);
    QFETCH(QString, timeline);

    LinkOnSimulator sim(family);
    Timeline recorded(sim.peer);
    sim.link.setSleeper([&recorded](int ms) { recorded.sleep(ms); });
    command(sim.link);
    sim.link.waitForPendingExchange();
    QCOMPARE(recorded.text(), timeline);
}

void WaitsTest::busyTransportPollsIn8msSteps_data()
{
    QTest::addColumn<int>("freedAfter");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("debug");

    QTest::newRow("freed after 10 steps: sent on the 11th try") << 10 << 10 << "";
    QTest::newRow("freed after the 254th step: the last try takes it") << 254 << 254 << "";
    QTest::newRow("never freed: 255 steps, then dropped") << -1 << 255 << "cmd Failed 02";
}

void WaitsTest::busyTransportPollsIn8msSteps()
{
    QFETCH(int, freedAfter);
    QFETCH(int, steps);
    QFETCH(QString, debug);

    LinkOnSimulator sim;
    QSemaphore holdSet;
    int guiSteps = 0;
    QList<int> guiWaits;
    Qt::HANDLE gui = QThread::currentThreadId();
    sim.link.setSleeper([&](int ms) {
        // The running SET stays in its settle pause until released. Waiting
        // for it may run it on this thread when it has not started yet.
        if (ms == 64) {
            if (QThread::currentThreadId() != gui)
                holdSet.acquire();
            return;
        }
        if (QThread::currentThreadId() != gui)
            return;
        guiWaits << ms;
        if (++guiSteps == freedAfter) {
            holdSet.release(4);
            sim.link.waitForPendingExchange();
        }
    });

    DebugCapture capture;
    sim.link.hid_01H_SetReportRate(2);
    sim.link.hid_02H_SetCurrentProfile(3);
    const QStringList lines = capture.lines();
    holdSet.release(4);
    sim.link.waitForPendingExchange();

    QCOMPARE(guiWaits, QList<int>(steps, 8));
    QCOMPARE(lines, debug.isEmpty() ? QStringList() : QStringList{debug});
    QCOMPARE(sim.peer.state().profile, uchar(debug.isEmpty() ? 3 : 0));
}

QTEST_GUILESS_MAIN(WaitsTest)
#include "tst_waits.moc"
