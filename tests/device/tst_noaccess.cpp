// A mouse the system lists but does not let this user open: the person is
// told once per plug-in how to get access, and the mouse connects as soon as
// access is there.

#include "devicefixture.h"

#include "device/devicestate.h"
#include "platform/deviceaccess.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString kNoAccessTitle = QStringLiteral("No access to the mouse");

int countOf(const QList<QVariantList> &balloons, const QString &text, int column)
{
    int count = 0;
    for (const QList<QVariant> &b : balloons)
        count += b.at(column).toString() == text;
    return count;
}

int linesWith(const QStringList &lines, const QString &text)
{
    int count = 0;
    for (const QString &line : lines)
        count += line.contains(text);
    return count;
}

} // namespace

class NoAccessTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void toldOncePerPlugIn_data();
    void toldOncePerPlugIn();
    void deniedMouseIsLeftAlone();
};

void NoAccessTest::init()
{
    setDeviceReady(false);
}

void NoAccessTest::toldOncePerPlugIn_data()
{
    // Steps: d deny access, a allow it, c device check, u unplug, r replug.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("notices");
    QTest::addColumn<int>("connects");

    QTest::newRow("the first check tells") << "d c" << 1 << 0;
    QTest::newRow("later checks of the same plug-in stay quiet") << "d c c c" << 1 << 0;
    QTest::newRow("a replug seen by a check tells again") << "d c u c r c" << 2 << 0;
    QTest::newRow("access granted later connects") << "d c a c" << 1 << 1;
    QTest::newRow("a mouse with access hears nothing of it") << "c c" << 0 << 2;
    QTest::newRow("refused after a connection ended") << "c u c d r c c" << 1 << 1;
    QTest::newRow("refused again after access was granted") << "d c a c u c d r c" << 2 << 1;
}

void NoAccessTest::toldOncePerPlugIn()
{
    QFETCH(QString, steps);
    QFETCH(int, notices);
    QFETCH(int, connects);

    LinkOnSimulator sim;
    BalloonSpy balloons(sim.link);
    DebugCapture debug;
    const QList<DeviceDescription> table = sim.peer.deviceTable();
    for (const QString &step : steps.split(' ')) {
        if (step == "d")
            sim.peer.setAccessDenied(true);
        else if (step == "a")
            sim.peer.setAccessDenied(false);
        else if (step == "u") {
            sim.peer.unplug();
            // The listener of a connected mouse notices by itself.
            QTRY_VERIFY(!sim.link.isListening());
        } else if (step == "r")
            sim.peer.replug();
        else if (step == "c") {
            sim.link.updateDeviceList(table);
            sim.link.swichCurDevice(sim.link.currentDeviceIndex());
        }
    }
    sim.link.waitForPendingExchange();

    QCOMPARE(countOf(balloons, kNoAccessTitle, 0), notices);
    QCOMPARE(linesWith(debug.lines(), kNoAccessTitle), notices);
    QCOMPARE(countOf(balloons, QStringLiteral("Detect Mouse"), 1), connects);
    QCOMPARE(linesWith(debug.lines(), QStringLiteral("Device Connect")), connects);
    // The line says where the mouse is and what to do.
    for (const QString &line : debug.lines()) {
        if (line.contains(kNoAccessTitle))
            QVERIFY2(line.contains(DeviceAccess::advice()), qPrintable(line));
    }
    for (const QList<QVariant> &b : balloons) {
        if (b.at(0).toString() == kNoAccessTitle)
            QCOMPARE(b.at(1).toString(), DeviceAccess::advice());
    }
    QCOMPARE(deviceReady(), connects > 0);
}

void NoAccessTest::deniedMouseIsLeftAlone()
{
    // Neither the listener nor its option write may start on a mouse that
    // cannot be opened: the window would wait for a mouse that never answers.
    LinkOnSimulator sim;
    sim.peer.setAccessDenied(true);
    sim.link.swichCurDevice(sim.link.currentDeviceIndex());
    sim.link.waitForPendingExchange();

    QVERIFY(!sim.link.isListening());
    QCOMPARE(sim.link.runningListeners(), 0);
    QVERIFY(!deviceReady());
    QVERIFY(sim.peer.records().isEmpty());
    QCOMPARE(sim.peer.openHandleCount(), 0);
}

QTEST_GUILESS_MAIN(NoAccessTest)
#include "tst_noaccess.moc"
