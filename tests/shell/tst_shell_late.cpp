// Started without the mouse, plugged in later, then opened: the page must
// start then, as it would have at start-up, and work. The real page is
// loaded; the device-ready flag is process-wide, so this story has its own
// program.

#include "shelltesting.h"

#include "device/devicestate.h"
#include "shell/startup.h"
#include "shell/ui_controler.h"
#include "simulator/simulatedmouse.h"

#include <QQuickWidget>
#include <QSignalSpy>

using namespace ShellTesting;

class TestShellLate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void windowOpenedAfterLatePlugStartsItsPage_data();
    void windowOpenedAfterLatePlugStartsItsPage();

private:
    SimulatedMouse m_mouse;
    std::unique_ptr<Widget> m_window;
};

void TestShellLate::initTestCase()
{
    enterDataFolder();
    m_mouse.unplug();
    m_window = std::make_unique<Widget>(&m_mouse);
    QVERIFY(m_window->host()->errors().isEmpty());
    connect(&m_mouse, &SimulatedMouse::plugged, m_window.get(), &Widget::onDeviceChange);

    runFirstDeviceCheck(*m_window);
    QVERIFY(!deviceReady());
    QVERIFY(!m_window->isVisible());
}

void TestShellLate::cleanupTestCase()
{
    m_window.reset();
}

void TestShellLate::windowOpenedAfterLatePlugStartsItsPage_data()
{
    QTest::addColumn<bool>("fromSecondStart");
    QTest::addColumn<int>("rateValue");
    QTest::addColumn<QPointF>("where"); // in the rate picture, as fractions
    QTest::newRow("tray double-click") << false << 4 << QPointF(0.25, 0.75);
    QTest::newRow("second start, after closing") << true << 2 << QPointF(0.75, 0.75);
}

void TestShellLate::windowOpenedAfterLatePlugStartsItsPage()
{
    QFETCH(bool, fromSecondStart);
    QFETCH(int, rateValue);
    QFETCH(QPointF, where);

    if (!deviceReady()) {
        QSignalSpy balloons(m_window.get(), &Widget::balloonShown);
        m_mouse.replug();
        QTRY_COMPARE_WITH_TIMEOUT(balloons.count(), 1, 5000);
        QVERIFY(deviceReady());
    } else {
        m_window->controler()->onClose();
        QVERIFY(!m_window->isVisible());
    }

    QSignalSpy started(m_window.get(), &Widget::uiStarted);
    if (fromSecondStart)
        m_window->receiveMessage(QString());
    else
        m_window->trayIconActivated(QSystemTrayIcon::DoubleClick);
    QTRY_VERIFY(m_window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    QQuickItem *root = m_window->host()->rootObject();
    QTRY_VERIFY_WITH_TIMEOUT(root->property("mainPageShown").toBool(), 5000);
    // The page starts once per run, whichever way the window opens.
    if (!fromSecondStart)
        QTRY_COMPARE(started.count(), 1);
    QTest::qWait(100);
    QCOMPARE(started.count(), fromSecondStart ? 0 : 1);

    // A change on a panel reaches the mouse.
    auto *picture = root->findChild<QQuickItem *>(QStringLiteral("reportPicture"));
    QVERIFY(picture);
    const QPointF point = picture->mapToScene(
        QPointF(picture->width() * where.x(), picture->height() * where.y()));
    m_window->hid().waitForPendingExchange();
    QTest::mouseClick(m_window->host(), Qt::LeftButton, {}, point.toPoint());
    QTRY_COMPARE_WITH_TIMEOUT(int(m_mouse.state().reportRate), rateValue, 5000);
}

QTEST_MAIN(TestShellLate)
#include "tst_shell_late.moc"
