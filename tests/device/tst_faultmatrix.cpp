// Faults of the mouse against every kind of exchange, through the view model
// on a copy of the shipped data. Whatever the fault, the command ends within
// its bound, fails the way a failed exchange fails, leaves the data folder as
// the same action without the fault leaves it, and once the mouse is back
// the next command works.

#include "devicefixture.h"

#include "device/devicestate.h"
#include "storage/profileset.h"
#include "viewmodel/myqquickview.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

using Operation = SimulatedMouse::Operation;
using ReplyFault = SimulatedMouse::ReplyFault;

enum class Exchange { Set, Get, SetData, GetData, Listen };
enum class Fault {
    None,
    UnplugBefore,
    UnplugFirstHalf,     // SET: after the first open; GET: after the request frame
    UnplugDataPhase,     // after the first data report
    UnplugFirstPause,    // as the settle pause after the request frame begins
    UnplugSecondPause,   // as the settle pause after the data phase begins
    NeverAnswers,        // frames refused, data reports or notifications never sent
    AnswersLate,         // within every bound
    AnswersTooLate,      // past the transport's or the data report's bound
    BadChecksum,
    ShortReply,
    WrongId,
};
Q_DECLARE_METATYPE(Exchange)
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(SimulatedMouse::ReplyFault)

namespace {

// Sanitizers and a loaded machine slow everything down; bounds are upper
// sanity limits, never timings.
constexpr qint64 kSlackMs = 3000;
constexpr qint64 kTransportBoundMs = Hid_Thread::kTransportAttempts * Hid_Thread::kTransportStepMs;

const QList<uint> kDpiValues{400, 800, 1600, 3200, 6400, 12000, 16000, 26000};

QByteArray setPattern()
{
    QByteArray block(64, '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = char(i % 4 == 0 ? 0x01 : 0x20 + i); // mouse-button entries
    return block;
}

QByteArray storedOnMouse()
{
    QByteArray block(64, '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = char(0x80 + i);
    return block;
}

QVariantList intsOf(const QByteArray &bytes)
{
    QVariantList out;
    for (char c : bytes)
        out.append(int(uchar(c)));
    return out;
}

QByteArray bytesOf(const QVariantList &ints)
{
    QByteArray out;
    for (const QVariant &v : ints)
        out.append(char(v.toInt()));
    return out;
}

// The view model and the simulated mouse on a fresh copy of the shipped data,
// in the working folder the program uses.
class Rig
{
public:
    explicit Rig(bool realTime = false)
    {
        m_previous = QDir::currentPath();
        const QString from = QStringLiteral(Q530_DATA_DIR);
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = m_dir.path() + QStringLiteral("/modules") + source.mid(from.size());
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(source, target);
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        }
        QDir::setCurrent(m_dir.path());
        sim = std::make_unique<LinkOnSimulator>();
        const int divisor = realTime ? 1 : 8;
        sim->link.setSleeper([this, divisor](int ms) {
            if (ms == Hid_Thread::kSettleHalfMs && ++m_halves == m_unplugAtHalf)
                sim->peer.unplug();
            while (ms == Hid_Thread::kSettleHalfMs && m_hold)
                QThread::msleep(2);
            QThread::usleep(ulong(ms) * 1000 / ulong(divisor));
        });
        view = std::make_unique<myQQuickView>(nullptr);
        view->setHid(&sim->link);
    }

    ~Rig()
    {
        view.reset();
        sim.reset();
        QDir::setCurrent(m_previous);
    }

    // Pulls the cable as the settle pause `pause` (1 or 2) of the next
    // exchange begins.
    void unplugAtPause(int pause)
    {
        m_halves = 0;
        m_unplugAtHalf = 2 * pause - 1;
    }

    // Settle pauses last until release().
    void hold() { m_hold = true; }
    void release() { m_hold = false; }

    // Every file of the data folder, after the view model wrote what it holds.
    QMap<QString, QByteArray> files() const
    {
        for (int i = 0; i < ProfileSet::kCount; ++i)
            view->profiles().sync(i);
        view->appConfig()->sync();
        QMap<QString, QByteArray> out;
        QDirIterator it(m_dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            out.insert(path.mid(m_dir.path().size()), file.readAll());
        }
        return out;
    }

    bool isValid() const { return m_dir.isValid(); }

    std::unique_ptr<LinkOnSimulator> sim;
    std::unique_ptr<myQQuickView> view;

private:
    QTemporaryDir m_dir;
    QString m_previous;
    std::atomic<int> m_halves{0};
    std::atomic<int> m_unplugAtHalf{0};
    std::atomic<bool> m_hold{false};
};

// The lines of the debug output the device link is responsible for.
QStringList linkLines(const DebugCapture &debug)
{
    QStringList out;
    for (const QString &line : debug.lines())
        if (line.startsWith(QLatin1String("cmd Failed")) || line.startsWith(QLatin1String("Device ")))
            out.append(line);
    return out;
}

struct Outcome
{
    QVariant value;      // what the exchange gave or left on the mouse
    qint64 blockedMs = 0; // how long the GUI thread was held
};

// Runs one exchange of `kind` on the GUI thread and tells what came of it.
// `then` runs as soon as the call has returned (for the listener: started).
Outcome runExchange(Rig &rig, Exchange kind, const std::function<void()> &then = [] {})
{
    Outcome out;
    QElapsedTimer timer;
    LinkOnSimulator &sim = *rig.sim;
    switch (kind) {
    case Exchange::Set:
        timer.start();
        rig.view->ui_01H_SetReportRate(8);
        out.blockedMs = timer.elapsed();
        then();
        sim.link.waitForPendingExchange();
        out.value = int(sim.peer.state().reportRate);
        break;
    case Exchange::SetData:
        timer.start();
        rig.view->ui_12H_SetKeyMatrix(intsOf(setPattern()));
        out.blockedMs = timer.elapsed();
        then();
        sim.link.waitForPendingExchange();
        out.value = sim.peer.state().keyMatrices[0];
        break;
    case Exchange::Get:
        timer.start();
        out.value = rig.view->ui_80H_GetFWVersion();
        out.blockedMs = timer.elapsed();
        then();
        break;
    case Exchange::GetData:
        timer.start();
        out.value = bytesOf(rig.view->ui_92H_GetKeyMatrix());
        out.blockedMs = timer.elapsed();
        then();
        break;
    case Exchange::Listen: {
        BalloonSpy balloons(sim.link);
        sim.link.startListener(1);
        sim.link.waitForPendingExchange(); // the option write is in
        then();
        QTest::qWait(Hid_Thread::kListenerReadTimeoutMs / 5);
        sim.peer.pressDpiButton();
        // The next read takes the report at once; a balloon that has not
        // come after more than one read never will.
        (void)QTest::qWaitFor([&balloons] { return !balloons.isEmpty(); }, Hid_Thread::kListenerReadTimeoutMs + 100);
        QStringList texts;
        for (const QVariantList &b : balloons)
            texts.append(b.at(1).toString());
        out.value = texts;
        timer.start();
        sim.link.stopListener();
        out.blockedMs = timer.elapsed();
        break;
    }
    }
    return out;
}

} // namespace

class FaultMatrixTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void faultDuringExchange_data();
    void faultDuringExchange();
    void removalWhileTheListenerReads();
    void commandIssuedInsideAWaitKeepsItsTurn_data();
    void commandIssuedInsideAWaitKeepsItsTurn();
    void burstOfChangesOnABusyTransport_data();
    void burstOfChangesOnABusyTransport();
    void damagedOptionReplyAtListenerStart_data();
    void damagedOptionReplyAtListenerStart();
};

void FaultMatrixTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    DpiTables::setValues(kDpiValues); // the rows' balloon texts
}

void FaultMatrixTest::init()
{
    DpiTables::reset();
    DpiTables::setValues(kDpiValues);
}

void FaultMatrixTest::faultDuringExchange_data()
{
    QTest::addColumn<Exchange>("kind");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<QStringList>("debug");
    QTest::addColumn<qint64>("boundMs");

    const QVariant rateBefore = 1, rateAfter = 8;
    const QVariant matrixBefore = storedOnMouse(), matrixAfter = setPattern();
    const QVariant noVersion = QStringLiteral("unknown");
    const QVariant nothingRead = QByteArray(64, '\0');
    const QByteArray stored = storedOnMouse();
    QByteArray halfReports = stored;
    halfReports.replace(16, 16, QByteArray(16, '\0')).replace(48, 16, QByteArray(16, '\0'));
    const QVariant noBalloon = QStringList();
    const QStringList quiet;
    const QStringList removed{QStringLiteral("Device removed")};
    const qint64 report = Hid_Thread::kInputReportTimeoutMs;
    const qint64 transport = kTransportBoundMs;

    auto row = [](const char *name, Exchange kind, Fault fault, const QVariant &expected,
                  const QStringList &debug, qint64 bound) {
        QTest::newRow(name) << kind << fault << expected << debug << bound;
    };

    // A SET returns at once, whatever the mouse does; the GUI thread waits
    // only for a transport that is still busy.
    row("SET, no fault", Exchange::Set, Fault::None, rateAfter, quiet, transport);
    row("SET, unplugged before", Exchange::Set, Fault::UnplugBefore, rateBefore, quiet, transport);
    row("SET, unplugged before the frame", Exchange::Set, Fault::UnplugFirstHalf, rateBefore, quiet, transport);
    row("SET, unplugged in the settle pause: the frame is in", Exchange::Set, Fault::UnplugFirstPause,
        rateAfter, quiet, transport);
    row("SET, mouse never takes the frame", Exchange::Set, Fault::NeverAnswers, rateBefore, quiet, transport);
    row("SET, late mouse", Exchange::Set, Fault::AnswersLate, rateAfter, quiet, transport);
    row("SET, transport held past its bound: dropped", Exchange::Set, Fault::AnswersTooLate, rateBefore,
        QStringList{"cmd Failed 01"}, transport);

    row("SET table, no fault", Exchange::SetData, Fault::None, matrixAfter, quiet, transport);
    row("SET table, unplugged before", Exchange::SetData, Fault::UnplugBefore, matrixBefore, quiet, transport);
    row("SET table, unplugged before the frame", Exchange::SetData, Fault::UnplugFirstHalf, matrixBefore, quiet,
        transport);
    row("SET table, unplugged in the first pause", Exchange::SetData, Fault::UnplugFirstPause, matrixBefore,
        quiet, transport);
    row("SET table, unplugged after one of two reports", Exchange::SetData, Fault::UnplugDataPhase, matrixBefore,
        quiet, transport);
    row("SET table, unplugged in the last pause: the table is in", Exchange::SetData, Fault::UnplugSecondPause,
        matrixAfter, quiet, transport);
    row("SET table, mouse never takes the frame", Exchange::SetData, Fault::NeverAnswers, matrixBefore, quiet,
        transport);
    row("SET table, late mouse", Exchange::SetData, Fault::AnswersLate, matrixAfter, quiet, transport);
    row("SET table, transport held past its bound: dropped", Exchange::SetData, Fault::AnswersTooLate,
        matrixBefore, QStringList{"cmd Failed 12"}, transport);

    // A GET holds the GUI thread for its whole exchange.
    row("GET, no fault", Exchange::Get, Fault::None, QStringLiteral("1.0A"), quiet, transport);
    row("GET, unplugged before", Exchange::Get, Fault::UnplugBefore, noVersion, quiet, transport);
    row("GET, unplugged between request and reply", Exchange::Get, Fault::UnplugFirstHalf, noVersion, quiet,
        transport);
    row("GET, mouse never takes the request", Exchange::Get, Fault::NeverAnswers, noVersion, quiet, transport);
    row("GET, late mouse", Exchange::Get, Fault::AnswersLate, QStringLiteral("1.0A"), quiet, transport + 5 * 300);
    row("GET, transport held past its bound: nothing read", Exchange::Get, Fault::AnswersTooLate, noVersion,
        QStringList{"cmd Failed"}, transport);
    // Replies are taken as they come: nothing checks R0, the report id or
    // a checksum (the mouse's firmware may not keep one), and a short reply
    // reads zeros in the rest.
    row("GET, bad checksum: taken as it is", Exchange::Get, Fault::BadChecksum, QStringLiteral("11.0A"), quiet,
        transport);
    row("GET, short reply: the rest is zero", Exchange::Get, Fault::ShortReply, QStringLiteral("1.00"), quiet,
        transport);
    row("GET, wrong report id: taken as it is", Exchange::Get, Fault::WrongId, QStringLiteral("1.0A"), quiet,
        transport);

    row("GET table, no fault", Exchange::GetData, Fault::None, stored, quiet, transport);
    row("GET table, unplugged before", Exchange::GetData, Fault::UnplugBefore, nothingRead, quiet, transport);
    row("GET table, unplugged between request and reply", Exchange::GetData, Fault::UnplugFirstHalf, nothingRead,
        quiet, transport);
    row("GET table, unplugged after one of two reports: nothing read", Exchange::GetData, Fault::UnplugDataPhase,
        nothingRead, quiet, transport + report);
    row("GET table, mouse never sends the table", Exchange::GetData, Fault::NeverAnswers, nothingRead, quiet,
        transport + report);
    row("GET table, reports late but in time", Exchange::GetData, Fault::AnswersLate, stored, quiet,
        transport + 2 * report);
    row("GET table, reports past their bound", Exchange::GetData, Fault::AnswersTooLate, nothingRead, quiet,
        transport + report);
    row("GET table, bad reply checksum: the table still comes", Exchange::GetData, Fault::BadChecksum, stored,
        quiet, transport);
    row("GET table, short reports: zero where nothing came", Exchange::GetData, Fault::ShortReply,
        QVariant(halfReports), quiet, transport + 2 * report);
    row("GET table, wrong reply id: the table still comes", Exchange::GetData, Fault::WrongId, stored, quiet,
        transport);

    // The listener's bound is stopListener(), which waits for one read.
    const qint64 read = Hid_Thread::kListenerReadTimeoutMs;
    const QVariant balloon = QStringList{DpiTables::balloonText(3)};
    row("listener, no fault", Exchange::Listen, Fault::None, balloon, quiet, read);
    row("listener, unplugged before", Exchange::Listen, Fault::UnplugBefore, noBalloon, removed, read);
    row("listener, mouse never reports", Exchange::Listen, Fault::NeverAnswers, noBalloon, quiet, read);
    row("listener, short notification ignored", Exchange::Listen, Fault::ShortReply, noBalloon, quiet, read);
    row("listener, notification of another id ignored", Exchange::Listen, Fault::WrongId, noBalloon, quiet, read);
}

void FaultMatrixTest::faultDuringExchange()
{
    QFETCH(Exchange, kind);
    QFETCH(Fault, fault);
    QFETCH(QVariant, expected);
    QFETCH(QStringList, debug);
    QFETCH(qint64, boundMs);
    MouseState state;
    state.keyMatrices[0] = storedOnMouse();

    // What the same action gives and leaves without any fault.
    QVariant faultFree;
    QMap<QString, QByteArray> reference;
    {
        Rig clean;
        QVERIFY(clean.isValid());
        clean.sim->peer.setState(state);
        faultFree = runExchange(clean, kind).value;
        reference = clean.files();
    }

    const bool heldTransport = fault == Fault::AnswersTooLate && kind != Exchange::GetData;
    Rig rig(heldTransport); // the held transport is waited for in real time
    QVERIFY(rig.isValid());
    SimulatedMouse &peer = rig.sim->peer;
    peer.setState(state);
    const bool get = kind == Exchange::Get || kind == Exchange::GetData;

    auto inject = [&] {
        switch (fault) {
        case Fault::None: break;
        case Fault::UnplugBefore: peer.unplug(); break;
        case Fault::UnplugFirstHalf: peer.unplugAfter(get ? Operation::SendFeature : Operation::Open); break;
        case Fault::UnplugDataPhase: peer.unplugAfter(get ? Operation::Read : Operation::Write); break;
        case Fault::UnplugFirstPause: rig.unplugAtPause(1); break;
        case Fault::UnplugSecondPause: rig.unplugAtPause(2); break;
        case Fault::NeverAnswers:
            if (kind == Exchange::Listen) { // the mouse forgets to report its button
                MouseState s = peer.state();
                s.options[3] &= uint8_t(~0x40);
                peer.setState(s);
            } else if (kind == Exchange::GetData) {
                peer.setSilent(true);
            } else { // every request frame is refused, as a control transfer that times out
                peer.setBusy(true);
            }
            break;
        case Fault::AnswersLate:
            if (kind == Exchange::GetData)
                peer.setReportDelay(300);
            else
                peer.setLatency(300);
            break;
        case Fault::AnswersTooLate:
            if (kind == Exchange::GetData) {
                peer.setReportDelay(int(Hid_Thread::kInputReportTimeoutMs) + 500);
            } else {
                // An exchange before this one hangs in its settle pause.
                rig.hold();
                rig.sim->link.hid_0BH_SetCurrentDPIStage(state.dpiStage);
            }
            break;
        case Fault::BadChecksum: peer.setReplyFault(ReplyFault::BadChecksum); break;
        case Fault::ShortReply: peer.setReplyFault(ReplyFault::Short); break;
        case Fault::WrongId: peer.setReplyFault(ReplyFault::WrongId); break;
        }
    };
    // The listener's faults hit its reads, not the option read of its start.
    const bool onReads = kind == Exchange::Listen && fault != Fault::UnplugBefore;
    if (!onReads)
        inject();

    DebugCapture capture;
    const Outcome outcome = runExchange(rig, kind, [&] {
        if (onReads)
            inject();
        rig.release();
    });
    rig.sim->link.waitForPendingExchange();
    QCOMPARE(outcome.value, expected);
    QCOMPARE(linkLines(capture), debug);
    QVERIFY2(outcome.blockedMs < boundMs + kSlackMs, qPrintable(QString::number(outcome.blockedMs)));
    QCOMPARE(peer.openHandleCount(), 0);
    // Nothing the user stored is lost or changed by the fault.
    QCOMPARE(rig.files(), reference);

    // The mouse comes back; the next command works.
    peer.setLatency(0);
    peer.setSilent(false);
    peer.setBusy(false);
    peer.setReportDelay(0);
    peer.setReplyFault(ReplyFault::None);
    capture.clear();
    if (!peer.isPlugged()) {
        peer.replug();
        rig.sim->link.updateDeviceList(peer.deviceTable());
        if (kind == Exchange::Listen) {
            rig.sim->link.swichCurDevice(1);
            rig.sim->link.stopListener();
            QCOMPARE(linkLines(capture), QStringList{"Device Connect"});
            capture.clear();
        }
    }
    const QVariant again = runExchange(rig, kind).value;
    if (kind == Exchange::Listen)
        QCOMPARE(again, QVariant(QStringList{DpiTables::balloonText(peer.state().dpiStage)}));
    else
        QCOMPARE(again, faultFree);
    QCOMPARE(linkLines(capture), QStringList());
}

void FaultMatrixTest::removalWhileTheListenerReads()
{
    Rig rig;
    LinkOnSimulator &sim = *rig.sim;
    const QMap<QString, QByteArray> before = rig.files();
    BalloonSpy balloons(sim.link);
    DebugCapture capture;
    sim.link.swichCurDevice(1);
    QTRY_COMPARE(sim.link.runningListeners(), 1);
    QTest::qWait(Hid_Thread::kListenerReadTimeoutMs / 2); // in the middle of a read

    QElapsedTimer timer;
    timer.start();
    sim.peer.unplug();
    QTRY_VERIFY(!sim.link.isListening());
    QVERIFY2(timer.elapsed() < Hid_Thread::kListenerReadTimeoutMs + kSlackMs, qPrintable(QString::number(timer.elapsed())));
    QTRY_COMPARE(sim.link.runningListeners(), 0);
    QTest::qWait(Hid_Thread::kListenerReadTimeoutMs + 100); // a second notice would be out by now
    QCOMPARE(linkLines(capture), (QStringList{"Device Connect", "Device removed"}));
    QVERIFY(sim.link.deviceList().at(1).eventPath.isEmpty());

    // Commands in between fail silently; the stored data stays as it was.
    capture.clear();
    QCOMPARE(rig.view->ui_80H_GetFWVersion(), QStringLiteral("unknown"));
    QCOMPARE(rig.files(), before);

    // A replug and the device check that follows reconnect.
    balloons.clear();
    sim.peer.replug();
    sim.link.updateDeviceList(sim.peer.deviceTable());
    sim.link.swichCurDevice(1);
    QCOMPARE(linkLines(capture), QStringList{"Device Connect"});
    QTRY_COMPARE(sim.link.runningListeners(), 1);
    QTRY_VERIFY(sim.peer.state().options[3] & 0x40);
    balloons.clear();
    sim.peer.pressDpiButton();
    QTRY_COMPARE(balloons.count(), 1);
    QCOMPARE(balloons.at(0).at(1).toString(), DpiTables::balloonText(sim.peer.state().dpiStage));
}

void FaultMatrixTest::commandIssuedInsideAWaitKeepsItsTurn_data()
{
    QTest::addColumn<bool>("outerGet");
    QTest::addColumn<bool>("innerGet");
    QTest::addColumn<QByteArray>("codes");
    // 0B holds the transport; the outer command waits for it, and an event
    // handled in that wait issues the inner one.
    QTest::newRow("SET inside a SET's wait goes after it") << false << false << QByteArray("\x0b\x01\x14");
    QTest::newRow("SET inside a GET's wait goes after its reply") << true << false << QByteArray("\x0b\x80\x14");
    QTest::newRow("GET inside a SET's wait is answered at once") << false << true << QByteArray("\x0b\x80\x01");
}

void FaultMatrixTest::commandIssuedInsideAWaitKeepsItsTurn()
{
    QFETCH(bool, outerGet);
    QFETCH(bool, innerGet);
    QFETCH(QByteArray, codes);
    Rig rig;
    Hid_Thread &link = rig.sim->link;
    DebugCapture capture;
    rig.hold();
    link.hid_0BH_SetCurrentDPIStage(3);
    QString innerVersion, outerVersion;
    SetResult innerSet;
    QTimer::singleShot(0, &link, [&] {
        if (innerGet)
            innerVersion = link.hid_80H_GetFWVersion().value_or(QString());
        else
            innerSet = link.hid_14H_SetColor(1, 2, 3, 4);
    });
    QTimer::singleShot(50, &link, [&rig] { rig.release(); });
    if (outerGet)
        outerVersion = link.hid_80H_GetFWVersion().value_or(QString());
    else
        link.hid_01H_SetReportRate(4);
    QTRY_COMPARE(rig.sim->peer.recorded(SimulatedMouse::Record::FeatureSent).size(), 3);
    link.waitForPendingExchange();

    QByteArray sent;
    for (const QByteArray &frame : rig.sim->peer.recorded(SimulatedMouse::Record::FeatureSent))
        sent.append(frame.at(1));
    QCOMPARE(sent, codes);
    QCOMPARE(outerVersion, outerGet ? QStringLiteral("1.0A") : QString());
    QCOMPARE(innerVersion, innerGet ? QStringLiteral("1.0A") : QString());
    QCOMPARE(linkLines(capture), QStringList());
    const MouseState mouse = rig.sim->peer.state();
    QCOMPARE(int(mouse.dpiStage), 3);
    if (!outerGet)
        QCOMPARE(int(mouse.reportRate), 4);
    if (!innerGet) {
        QCOMPARE(mouse.colors.value(1), (std::array<uint8_t, 3>{{2, 3, 4}}));
        QVERIFY(innerSet.taken()); // told once it went, after the outer command
    }
}

void FaultMatrixTest::burstOfChangesOnABusyTransport_data()
{
    QTest::addColumn<bool>("queued");
    QTest::newRow("one after another") << false;
    QTest::newRow("queued, run inside the waits for the transport") << true;
}

void FaultMatrixTest::burstOfChangesOnABusyTransport()
{
    QFETCH(bool, queued);
    Rig rig;
    LinkOnSimulator &sim = *rig.sim;
    // A change the mouse holds already would not be sent; here every one
    // goes, so the frames tell the order.
    sim.link.setSendAll(true);
    // Every exchange outlasts the time between two changes, so nearly every
    // change finds the transport busy.
    sim.link.setSleeper([](int ms) { QThread::usleep(ulong(ms) * 1000 / 64); });
    myQQuickView &view = *rig.view;
    DebugCapture capture;

    constexpr int kChanges = 1000;
    struct Last { int rate = -1, stage = -1, colour = -1; QVariantList led; } last;
    std::vector<std::function<void()>> changes;
    quint32 seed = 12345;
    auto next = [&seed](int range) { seed = seed * 1103515245u + 12345u; return int((seed >> 16) % uint(range)); };
    for (int i = 0; i < kChanges; ++i) {
        const int value = next(256);
        switch (next(4)) {
        case 0: changes.push_back([&view, value] { view.ui_01H_SetReportRate(uchar(value)); }); last.rate = value; break;
        case 1: changes.push_back([&view, value] { view.ui_0BH_SetCurrentDPIStage(uchar(1 + value % 8)); });
            last.stage = 1 + value % 8; break;
        case 2: changes.push_back([&view, value] { view.ui_14H_SetColor(3, uchar(value), uchar(255 - value), 7); });
            last.colour = value; break;
        default:
            changes.push_back([&view, value] { view.ui_08H_SetLEDType(0, uchar(value % 9), 2, 3, 4, 5); });
            last.led = {value % 9, 2, 3, 4, 5};
            break;
        }
    }

    if (queued) {
        // As a page would send them: each from the event loop, while the ones
        // before still wait for the transport.
        int done = 0;
        for (const auto &change : changes)
            QMetaObject::invokeMethod(&view, [&change, &done] { change(); ++done; }, Qt::QueuedConnection);
        QTRY_COMPARE_WITH_TIMEOUT(done, kChanges, 120000);
    } else {
        for (const auto &change : changes)
            change();
    }
    sim.link.waitForPendingExchange();

    QCOMPARE(linkLines(capture), QStringList());
    QCOMPARE(sim.peer.recorded(SimulatedMouse::Record::FeatureSent).size(), kChanges);
    // The profile and the mouse end with the last value of every setting.
    rig.files();
    QSettings stored(view.profiles().fileName(view.profiles().currentIndex()), QSettings::IniFormat);
    QCOMPARE(stored.value("sensor/reportRate_R8").toInt(), last.rate);
    QCOMPARE(stored.value("sensor/stage_R8").toInt(), last.stage);
    QCOMPARE(stored.value("color/3").toList(), (QVariantList{last.colour, 255 - last.colour, 7}));
    QCOMPARE(stored.value("color/ledType").toList(), last.led);
    const MouseState mouse = sim.peer.state();
    QCOMPARE(int(mouse.reportRate), last.rate);
    QCOMPARE(int(mouse.dpiStage), last.stage);
    QCOMPARE(mouse.colors.value(3), (std::array<uint8_t, 3>{{uint8_t(last.colour), uint8_t(255 - last.colour), 7}}));
    QCOMPARE(int(mouse.ledType[1]), last.led.at(0).toInt());
}

void FaultMatrixTest::damagedOptionReplyAtListenerStart_data()
{
    QTest::addColumn<ReplyFault>("fault");
    QTest::newRow("bad checksum") << ReplyFault::BadChecksum;
    QTest::newRow("short reply") << ReplyFault::Short;
}

void FaultMatrixTest::damagedOptionReplyAtListenerStart()
{
    QFETCH(ReplyFault, fault);
    LinkOnSimulator sim;
    const MouseState before = sim.peer.state();
    sim.peer.setReplyFault(fault);
    sim.link.startListener(1);
    sim.link.stopListener();
    sim.link.waitForPendingExchange();
    // Whatever the start does with a damaged reply, the mouse's own option
    // bytes must survive it.
    const std::array<uint8_t, 4> after = sim.peer.state().options;
    QEXPECT_FAIL("", "replies are not validated: damaged option bytes are written back to the mouse", Continue);
    QVERIFY(std::equal(after.begin(), after.begin() + 3, before.options.begin()));
}

QTEST_MAIN(FaultMatrixTest)
#include "tst_faultmatrix.moc"
