// Start-up without a mouse, then the mouse plugged in while the program sits
// in the tray. The device-ready flag is process-wide, so this story has its
// own program and its functions run in order.

#include "shelltesting.h"

#include "device/devicestate.h"
#include "shell/startup.h"
#include "simulator/simulatedmouse.h"

#include <QSignalSpy>

using namespace ShellTesting;

class TestShellNoMouse : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void startsInTheTray();
    void restoreBeforeAnyMouseIsIgnored_data();
    void restoreBeforeAnyMouseIsIgnored();
    void burstOfNoticesGivesOneCheck();
    void onlyDoubleClickRestores_data();
    void onlyDoubleClickRestores();

private:
    SimulatedMouse m_mouse;
    std::unique_ptr<Widget> m_window;
    std::unique_ptr<QSignalSpy> m_balloons;
};

void TestShellNoMouse::initTestCase()
{
    enterDataFolder();
    m_mouse.unplug();
    m_window = std::make_unique<Widget>(&m_mouse);
    installRecorder(*m_window);
    connect(&m_mouse, &SimulatedMouse::plugged, m_window.get(), &Widget::onDeviceChange);
    m_balloons = std::make_unique<QSignalSpy>(m_window.get(), &Widget::balloonShown);
}

void TestShellNoMouse::cleanupTestCase()
{
    m_balloons.reset();
    m_window.reset();
}

void TestShellNoMouse::startsInTheTray()
{
    runFirstDeviceCheck(*m_window);
    QCoreApplication::processEvents();

    QVERIFY(!m_window->isVisible());
    QVERIFY(!deviceReady());
    QVERIFY(!m_window->hid().isListening());
    QCOMPARE(m_balloons->count(), 0);
    QVERIFY(calls(*m_window).isEmpty()); // no "initUI" until the window opens
    QVERIFY(m_window->trayIcon()->isVisible());
}

void TestShellNoMouse::restoreBeforeAnyMouseIsIgnored_data()
{
    QTest::addColumn<bool>("fromSecondStart");
    QTest::newRow("tray double-click") << false;
    QTest::newRow("second start") << true;
}

void TestShellNoMouse::restoreBeforeAnyMouseIsIgnored()
{
    QFETCH(bool, fromSecondStart);
    if (fromSecondStart)
        m_window->receiveMessage(QString());
    else
        m_window->trayIconActivated(QSystemTrayIcon::DoubleClick);
    QCoreApplication::sendPostedEvents(); // a restore would be a queued call
    QVERIFY(!m_window->isVisible());
}

void TestShellNoMouse::burstOfNoticesGivesOneCheck()
{
    // Plugging in gives a notice; a few more follow, as systems send them.
    m_mouse.replug();
    for (int i = 0; i < 4; ++i) {
        QTest::qWait(100);
        m_window->onDeviceChange();
    }
    QVERIFY(m_window->devicePollPending());
    QCOMPARE(m_balloons->count(), 0); // nothing until the poll timer runs out

    QTRY_COMPARE_WITH_TIMEOUT(m_balloons->count(), 1, 5000);
    QCOMPARE(m_balloons->at(0), QVariantList({"Info", "Detect Mouse"}));
    // Any second check would have come by now.
    QTest::qWait(2500);
    QCOMPARE(m_balloons->count(), 1);
    QCOMPARE(log().count(QStringLiteral("Device Connect")), 1);
    QVERIFY(deviceReady());
    QVERIFY(m_window->hid().isListening());
    // Found from the tray: the window waits for the user.
    QVERIFY(!m_window->isVisible());
}

void TestShellNoMouse::onlyDoubleClickRestores_data()
{
    QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
    QTest::addColumn<bool>("restored");

    QTest::newRow("single click") << QSystemTrayIcon::Trigger << false;
    QTest::newRow("context click") << QSystemTrayIcon::Context << false;
    QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << false;
    QTest::newRow("double click") << QSystemTrayIcon::DoubleClick << true;
}

void TestShellNoMouse::onlyDoubleClickRestores()
{
    QFETCH(QSystemTrayIcon::ActivationReason, reason);
    QFETCH(bool, restored);

    m_window->trayIconActivated(reason);
    QVERIFY(!m_window->isVisible()); // the restore is queued, never direct
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_window->isVisible(), restored);
}

QTEST_MAIN(TestShellNoMouse)
#include "tst_shell_nomouse.moc"
