// Start-up with the mouse plugged in, its notices while connected, the window
// controls, and finally its removal. The device-ready flag is process-wide,
// so this story has its own program and its functions run in order.

#include "shelltesting.h"

#include "device/devicestate.h"
#include "shell/startup.h"
#include "shell/ui_controler.h"
#include "simulator/simulatedmouse.h"

#include <QSignalSpy>

using namespace ShellTesting;

class TestShellMouse : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void startsWithTheWindowShown();
    void dpiButtonOnTheMouseShowsItsStage();
    void dpiNotification_data();
    void dpiNotification();
    void noticesAreLeftToTheListener();
    void closeHidesAndSecondStartRestores_data();
    void closeHidesAndSecondStartRestores();
    void removal();

private:
    QString lastBalloon() const;

    SimulatedMouse m_mouse;
    std::unique_ptr<Widget> m_window;
    std::unique_ptr<QSignalSpy> m_balloons;
};

void TestShellMouse::initTestCase()
{
    enterDataFolder();
    m_window = std::make_unique<Widget>(&m_mouse);
    installRecorder(*m_window);
    m_balloons = std::make_unique<QSignalSpy>(m_window.get(), &Widget::balloonShown);
}

void TestShellMouse::cleanupTestCase()
{
    m_balloons.reset();
    m_window.reset();
}

QString TestShellMouse::lastBalloon() const
{
    return m_balloons->isEmpty() ? QString() : m_balloons->last().at(1).toString();
}

void TestShellMouse::startsWithTheWindowShown()
{
    runFirstDeviceCheck(*m_window);

    QVERIFY(deviceReady());
    QVERIFY(m_window->hid().isListening());
    QVERIFY(m_window->isVisible());
    QCOMPARE(log().count(QStringLiteral("Device Connect")), 1);
    QCOMPARE(m_balloons->count(), 1);
    QCOMPARE(m_balloons->at(0), QVariantList({"Info", "Detect Mouse"}));
    // "initUI" is queued at once, "run" from the posted run-UI event after it.
    QTRY_COMPARE(calls(*m_window), QStringList({"initUI", "run"}));
}

void TestShellMouse::dpiButtonOnTheMouseShowsItsStage()
{
    // The connection asked the mouse itself to report its button: nothing
    // is injected here, the simulated mouse decides by its option byte.
    DpiTables::reset();
    DpiTables::setValues({400, 800, 1600, 3200, 6400, 12000, 16000, 26000});
    m_balloons->clear();
    // The connection's option write runs on the pool: it may still be on
    // its way when the window is up.
    QTRY_VERIFY(m_mouse.state().options[3] & 0x40);
    m_mouse.pressDpiButton();
    const int stage = m_mouse.state().dpiStage;
    QTRY_COMPARE(lastBalloon(), QStringLiteral("DPI Switch to %1").arg(DpiTables::value(stage - 1)));
    QCOMPARE(m_balloons->count(), 1);
}

void TestShellMouse::dpiNotification_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<QString>("balloon");

    QTest::newRow("stage 2 shows the second entries") << QByteArray::fromHex("06070002") << "DPI Switch to 800";
    QTest::newRow("stage 8 uses the last entries") << QByteArray::fromHex("06070008") << "DPI Switch to 26000";
    QTest::newRow("stage 9 is ignored") << QByteArray::fromHex("06070009") << "";
    QTest::newRow("stage 0 is ignored") << QByteArray::fromHex("06070000") << "";
    QTest::newRow("short report is ignored") << QByteArray::fromHex("060702") << "";
    QTest::newRow("other report is ignored") << QByteArray::fromHex("06080002") << "";
}

void TestShellMouse::dpiNotification()
{
    QFETCH(QByteArray, report);
    QFETCH(QString, balloon);

    DpiTables::reset();
    DpiTables::setValues({400, 800, 1600, 3200, 6400, 12000, 16000, 26000});
    m_balloons->clear();

    m_mouse.sendEventReport(report);
    if (!balloon.isEmpty()) {
        QTRY_COMPARE(lastBalloon(), balloon);
        QCOMPARE(m_balloons->count(), 1);
        QCOMPARE(m_balloons->last().at(0).toString(), QStringLiteral("Info"));
        return;
    }
    // The listener reads at least twice a second; then a good report shows
    // it is still there and that nothing came before it.
    QTest::qWait(700);
    m_mouse.sendEventReport(QByteArray::fromHex("06070001"));
    QTRY_COMPARE(m_balloons->count(), 1);
    QCOMPARE(lastBalloon(), QStringLiteral("DPI Switch to 400"));
}

void TestShellMouse::noticesAreLeftToTheListener()
{
    m_window->onDeviceChange();
    QVERIFY(!m_window->devicePollPending());
}

void TestShellMouse::closeHidesAndSecondStartRestores_data()
{
    QTest::addColumn<bool>("minimise");
    QTest::newRow("closed to the tray") << false;
    QTest::newRow("minimised") << true;
}

void TestShellMouse::closeHidesAndSecondStartRestores()
{
    QFETCH(bool, minimise);

    if (minimise) {
        m_window->controler()->onMinimize();
        QVERIFY(m_window->isMinimized());
    } else {
        m_window->controler()->onClose();
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_window->trayIcon()->isVisible());
    }
    m_window->receiveMessage(QString());
    QCoreApplication::sendPostedEvents();
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
}

void TestShellMouse::removal()
{
    clearLog();
    m_mouse.unplug();
    QTRY_VERIFY_WITH_TIMEOUT(log().contains(QStringLiteral("Device removed")), 2000);
    QTRY_VERIFY(!m_window->hid().isListening());

    // A command after removal fails without a word and never reaches a device.
    m_mouse.clearRecords();
    clearLog();
    m_window->hid().hid_01H_SetReportRate(1);
    m_window->hid().waitForPendingExchange();
    QVERIFY(m_mouse.records().isEmpty());
    QVERIFY(log().isEmpty());

    // Now device changes are the window's to handle again.
    m_window->onDeviceChange();
    QVERIFY(m_window->devicePollPending());
}

QTEST_MAIN(TestShellMouse)
#include "tst_shell_mouse.moc"
