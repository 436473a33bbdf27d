// Sending only what the mouse lacks changes nothing the mouse ends with: a
// sequence of profile switches, edits, unplugs, factory resets and presses of
// the mouse's own DPI button is played twice on the real page, once as the
// program sends (what the mouse holds is skipped) and once with everything
// sent, each on a fresh simulated mouse; after every step the two mice hold
// the same bytes.

#include "device/hid_thread.h"
#include "shell/pagecall.h"
#include "shell/viewhost.h"
#include "simulator/simulatedmouse.h"
#include "storage/profileset.h"
#include "tests/device/devicefixture.h"
#include "tests/support/datacopy.h"
#include "tests/support/nowindow.h"
#include "viewmodel/myqquickview.h"

#include <QDir>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Every byte of the mouse's state that a SET can reach, in one array.
QByteArray stateBytes(const MouseState &s)
{
    QByteArray out;
    auto put = [&out](const auto &values) {
        for (const auto v : values)
            out.append(char(v)).append(char(v >> 8));
    };
    out.append(char(s.reportRate)).append(char(s.profile)).append(char(s.keyboardMode));
    out.append(char(s.dpiStage)).append(char(s.dpiStageCount)).append(char(s.recoveries));
    put(s.options);
    put(s.gunLengths);
    put(s.ledCommand);
    put(s.ledType);
    put(s.dpiCodes);
    put(s.rgbEffect);
    put(s.xySensitivity);
    for (auto it = s.ledInstruct.cbegin(); it != s.ledInstruct.cend(); ++it)
        out.append(char(it.key())).append(reinterpret_cast<const char *>(it->data()), int(it->size()));
    for (auto it = s.colors.cbegin(); it != s.colors.cend(); ++it)
        out.append(char(it.key())).append(reinterpret_cast<const char *>(it->data()), int(it->size()));
    for (auto it = s.ledStageColors.cbegin(); it != s.ledStageColors.cend(); ++it)
        out.append(char(it.key())).append(*it);
    for (const QByteArray &m : s.keyMatrices)
        out.append('|').append(m);
    for (auto it = s.macroSlots.cbegin(); it != s.macroSlots.cend(); ++it)
        out.append(char(it.key())).append(*it);
    return out;
}

// The program on a fresh simulated mouse: the shipped data in a folder of its
// own, the real view model and page, started as the program starts.
struct Program
{
    explicit Program(bool sendAll)
    {
        copyFolder(QStringLiteral(Q530_DATA_DIR), folder.path() + QStringLiteral("/modules"));
        QDir::setCurrent(folder.path());
        sim.link.setSendAll(sendAll);
        view = std::make_unique<myQQuickView>(nullptr);
        view->setHid(&sim.link);
        host = std::make_unique<ViewHost>(view.get());
        host->rootContext()->setContextProperty(QStringLiteral("ui_View"), view.get());
        host->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), &window);
        host->setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));
        root = host->rootObject();
        if (!root)
            return;
        callPageFunction(root, "initUI");
        QTRY_VERIFY_WITH_TIMEOUT(root->property("mainPageShown").toBool(), 20000);
        dashboard = root->property("dashboard").value<QObject *>();
        sim.link.waitForPendingExchange();
    }
    ~Program()
    {
        host.reset();
        view.reset();
    }

    QByteArray mouse()
    {
        sim.link.waitForPendingExchange();
        QCoreApplication::processEvents(); // SETs issued during a wait go now
        sim.link.waitForPendingExchange();
        return stateBytes(sim.peer.state());
    }

    QTemporaryDir folder;
    LinkOnSimulator sim;
    NoWindow window;
    std::unique_ptr<myQQuickView> view;
    std::unique_ptr<ViewHost> host;
    QObject *root = nullptr;
    QObject *dashboard = nullptr;
};

using Step = std::function<void(Program &)>;
struct Played
{
    QString name;
    Step run;
    // A step that fails part-way leaves the two mice apart (each fails a
    // different exchange); the steps after it bring them together again.
    bool compared = true;
};

void switchTo(Program &p, int profile)
{
    callPageFunction(p.dashboard, "changeProfile", {profile});
    callPageFunction(p.dashboard, "profileDialogClosed");
}

// Profile 3 differs from 2 in its DPI values, 5 from 4 in almost everything.
void storeProfiles(Program &p)
{
    QSettings *three = p.view->profiles().at(3);
    three->setValue(QStringLiteral("sensor/dpi_R8"), QVariantList{600, 1200, 2000, 3000, 4000, 7000, 250, 250});
    QSettings *five = p.view->profiles().at(5);
    five->setValue(QStringLiteral("sensor/reportRate_R8"), 2);
    five->setValue(QStringLiteral("color_R8/ledEffect"), QVariantList{2, 1, 2});
    five->setValue(QStringLiteral("XYSensitive/0"), 7);
    five->setValue(QStringLiteral("keydefine_R8/3"), QVariantList{1, 0, 4, 0});
    five->setValue(QStringLiteral("keydefine_R83/6"), QVariantList{1, 0, 5, 0});
    five->setValue(QStringLiteral("selectGun/0"), 2);
    five->setValue(QStringLiteral("selectGun/2"), 0);
}

// Unplugged, and set up elsewhere meanwhile (its factory data restored).
Step unplugAndBack()
{
    return [](Program &p) {
        p.sim.peer.unplug();
        QTRY_VERIFY(!p.sim.link.isListening());
        p.sim.peer.setState(MouseState());
        p.sim.peer.replug();
        p.sim.link.updateDeviceList(p.sim.peer.deviceTable());
        p.sim.link.swichCurDevice(1);
    };
}

Step gunKeys()
{
    return [](Program &p) {
        MouseState s = p.sim.peer.state();
        s.profile = 3;
        p.sim.peer.setState(s);
    };
}

// The steps of a scripted session: each kind of step, and the ones where
// skipping could go wrong (the same profile twice, a setting edited back,
// the mouse changing its stage, a switch right after a reconnect).
QList<Played> scriptedSteps()
{
    auto to = [](int profile) { return [profile](Program &p) { switchTo(p, profile); }; };
    return {
        {"to factory profile 1", to(1)},
        {"back to 0", to(0)},
        {"to 1 again", to(1)},
        {"rate edited", [](Program &p) { p.view->ui_01H_SetReportRate(3); }},
        {"rate edited back", [](Program &p) { p.view->ui_01H_SetReportRate(1); }},
        {"to 2", to(2)},
        {"DPI-only difference", to(3)},
        {"the mouse's own DPI button", [](Program &p) { p.sim.peer.pressDpiButton(); }},
        {"the mouse's gun keys choose another key matrix", gunKeys()},
        {"back to 2", to(2)},
        {"to 4", to(4)},
        {"every table differs", to(5)},
        {"a data report refused during a switch", [](Program &p) {
             p.sim.peer.failAfter(SimulatedMouse::Operation::Write, 3);
             switchTo(p, 4);
         }, false},
        {"to 2, which shares the refused table", to(2)},
        {"colour edited", [](Program &p) { p.view->ui_14H_SetColor(3, 10, 20, 30); }},
        {"unplugged and back", unplugAndBack()},
        {"first switch after the reconnect", to(4)},
        {"factory reset", [](Program &p) { callPageFunction(p.dashboard, "factoryReset"); }},
        {"to 5 after the reset", to(5)},
        {"LED edited", [](Program &p) { p.view->ui_08H_SetLEDType(0, 2, 2, 3, 4, 5); }},
        {"to 4 once more", to(4)},
    };
}

} // namespace

class HeldSwitchTest : public QObject
{
    Q_OBJECT
private slots:
    void scriptedSession();
    void randomSession();

private:
    void play(const QList<Played> &steps);
};

void HeldSwitchTest::play(const QList<Played> &steps)
{
    auto framesSent = [](Program &p) { return int(p.sim.peer.recorded(SimulatedMouse::Record::FeatureSent).size()); };
    QList<QByteArray> full;
    int fullFrames = 0;
    {
        Program reference(true);
        QVERIFY(reference.dashboard);
        storeProfiles(reference);
        for (const Played &step : steps) {
            reference.sim.peer.clearRecords();
            step.run(reference);
            full.append(reference.mouse());
            fullFrames += framesSent(reference);
        }
    }
    Program program(false);
    QVERIFY(program.dashboard);
    storeProfiles(program);
    int frames = 0;
    for (int i = 0; i < steps.size(); ++i) {
        program.sim.peer.clearRecords();
        steps.at(i).run(program);
        const QByteArray got = program.mouse();
        frames += framesSent(program);
        if (!steps.at(i).compared)
            continue;
        int at = 0; // where they part, to tell which setting it is
        while (at < got.size() && at < full.at(i).size() && got.at(at) == full.at(i).at(at))
            ++at;
        QVERIFY2(got == full.at(i), qPrintable(QStringLiteral("%1: byte %2 is %3, sending all gives %4")
                                                   .arg(steps.at(i).name)
                                                   .arg(at)
                                                   .arg(QString::fromLatin1(got.mid(at, 8).toHex(' ')),
                                                        QString::fromLatin1(full.at(i).mid(at, 8).toHex(' ')))));
    }
    // Not a test that holds by sending everything anyway.
    QVERIFY2(frames < fullFrames / 2, qPrintable(QStringLiteral("%1 of %2 frames").arg(frames).arg(fullFrames)));
}

void HeldSwitchTest::scriptedSession()
{
    play(scriptedSteps());
}

void HeldSwitchTest::randomSession()
{
    quint32 seed = 20261209;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % uint(range));
    };
    QList<Played> steps;
    for (int i = 0; i < 40; ++i) {
        const int kind = next(10);
        if (kind < 6) {
            const int profile = next(6);
            steps.append({QStringLiteral("%1: to %2").arg(i).arg(profile), [profile](Program &p) { switchTo(p, profile); }});
        } else if (kind == 6) {
            const int rate = next(4);
            steps.append({QStringLiteral("%1: rate %2").arg(i).arg(rate),
                           [rate](Program &p) { p.view->ui_01H_SetReportRate(uchar(rate)); }});
        } else if (kind == 7) {
            steps.append({QStringLiteral("%1: DPI button and gun keys").arg(i), [](Program &p) {
                              p.sim.peer.pressDpiButton();
                              gunKeys()(p);
                          }});
        } else if (kind == 8) {
            steps.append({QStringLiteral("%1: unplugged and back").arg(i), unplugAndBack()});
        } else {
            steps.append({QStringLiteral("%1: factory reset").arg(i),
                           [](Program &p) { callPageFunction(p.dashboard, "factoryReset"); }});
        }
    }
    play(steps);
}

QTEST_MAIN(HeldSwitchTest)
#include "tst_heldswitch.moc"
