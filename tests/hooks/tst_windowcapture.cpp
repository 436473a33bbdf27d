// Capture on Linux: key and button events of the program's own window, built
// like the main window (a widget holding a focused Quick scene), reach the
// callback registry once each, with the codes the Windows hooks give for the
// same keys, and still reach the scene.

#include "capturerecorder.h"
#include "platform/hookguard.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <linux/input-event-codes.h>

#include <memory>

namespace {

// X11 and Wayland hand programs the evdev code plus 8.
constexpr quint32 native(quint32 evdevCode) { return evdevCode + 8; }

// The display server's clock: each key sent without a time of its own comes
// 20 ms after the one before.
quint64 g_serverTime = 1000;

// As the platform delivers a key: spontaneously, to the top-level window,
// which hands it on to the focused scene, stamped with the server's time.
void sendKey(QWindow *window, QEvent::Type type, quint32 nativeScanCode, Qt::KeyboardModifiers modifiers = {},
             bool autoRepeat = false, quint64 time = 0)
{
    QKeyEvent event(type, Qt::Key_A, modifiers, nativeScanCode, 0, 0, QString(), autoRepeat);
    event.setTimestamp(time ? time : (g_serverTime += 20));
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(window, &event);
}

void tapKey(QWindow *window, quint32 nativeScanCode, Qt::KeyboardModifiers modifiers = {})
{
    sendKey(window, QEvent::KeyPress, nativeScanCode, modifiers);
    sendKey(window, QEvent::KeyRelease, nativeScanCode, modifiers);
}

// Counts every delivery of a press the application makes, to any receiver.
struct DeliveryCounter : QObject
{
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress;
        return false;
    }
    int presses = 0;
};

} // namespace

class WindowCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_guard = std::make_unique<HookGuard>(); }
    void cleanup() { m_guard.reset(); }
    void keys_data();
    void keys();
    void onePhysicalEventIsReportedOnce();
    void autoRepeatIsReportedOnce_data();
    void autoRepeatIsReportedOnce();
    void keysHeldWhenFocusLeavesAreReleased();
    void buttons_data();
    void buttons();
    void installation();

private:
    QWindow *window() const { return m_top->windowHandle(); }
    int sceneCount(const char *counter) const { return m_quick->rootObject()->property(counter).toInt(); }
    QString at(int code, bool isDown, QPoint local) const
    {
        const QPoint global = window()->mapToGlobal(local);
        return buttonLine(code, isDown, global.x(), global.y());
    }

    std::unique_ptr<QWidget> m_top;
    QQuickWidget *m_quick = nullptr;
    std::unique_ptr<HookGuard> m_guard;
};

void WindowCaptureTest::initTestCase()
{
    m_top = std::make_unique<QWidget>();
    m_quick = new QQuickWidget(m_top.get());
    m_quick->setResizeMode(QQuickWidget::SizeRootObjectToView);
    m_quick->setSource(QUrl::fromLocalFile(QStringLiteral(Q530_FOCUS_QML)));
    QVERIFY(m_quick->errors().isEmpty());
    (new QVBoxLayout(m_top.get()))->addWidget(m_quick);
    m_top->setGeometry(40, 60, 300, 200); // away from the screen's corner, so global is not local
    m_top->show();
    m_top->activateWindow();
    m_quick->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_top.get()));
}

void WindowCaptureTest::keys_data()
{
    QTest::addColumn<quint32>("nativeScanCode");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("usage");
    const Qt::KeyboardModifiers none, alt(Qt::AltModifier);
    QTest::newRow("A") << native(KEY_A) << none << 0x04;
    QTest::newRow("A with Alt held") << native(KEY_A) << alt << 0x04;
    QTest::newRow("keypad Enter") << native(KEY_KPENTER) << none << 0x58;
    QTest::newRow("right Shift") << native(KEY_RIGHTSHIFT) << none << 0xE5;
    QTest::newRow("Num Lock") << native(KEY_NUMLOCK) << none << 0x53;
    QTest::newRow("Pause") << native(KEY_PAUSE) << none << 0x48;
    QTest::newRow("Print Screen") << native(KEY_SYSRQ) << none << 0x46;
    QTest::newRow("Alt+Print Screen") << native(KEY_SYSRQ) << alt << 0x46;
    QTest::newRow("keypad 7") << native(KEY_KP7) << none << 0x5F;
    QTest::newRow("keypad .") << native(KEY_KPDOT) << none << 0x63;
    QTest::newRow("ISO extra key") << native(KEY_102ND) << none << 0x64;
    QTest::newRow("Home") << native(KEY_HOME) << none << 0x4A;
    QTest::newRow("Delete") << native(KEY_DELETE) << none << 0x4C;
    QTest::newRow("right Ctrl") << native(KEY_RIGHTCTRL) << none << 0xE4;
    QTest::newRow("left Windows key") << native(KEY_LEFTMETA) << none << 0xE3;
    QTest::newRow("Menu") << native(KEY_COMPOSE) << none << 0x65;
    QTest::newRow("F12") << native(KEY_F12) << none << 0x45;
    QTest::newRow("F23") << native(KEY_F23) << none << 0x72;
    QTest::newRow("right Windows key: nothing") << native(KEY_RIGHTMETA) << none << 0;
    QTest::newRow("F13: nothing") << native(KEY_F13) << none << 0;
    QTest::newRow("keypad =: nothing") << native(KEY_KPEQUAL) << none << 0;
    QTest::newRow("volume up: nothing") << native(KEY_VOLUMEUP) << none << 0;
    QTest::newRow("no native code, as offscreen gives: nothing") << 0u << none << 0;
    QTest::newRow("native code below the offset: nothing") << 3u << none << 0;
}

void WindowCaptureTest::keys()
{
    QFETCH(quint32, nativeScanCode);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, usage);
    const int presses = sceneCount("keyPresses"), releases = sceneCount("keyReleases");
    CaptureRecorder recorder;
    tapKey(window(), nativeScanCode, modifiers);
    QTRY_COMPARE(recorder.lines, tapLines(usage));
    // Capture swallows nothing, known key or not.
    QCOMPARE(sceneCount("keyPresses"), presses + 1);
    QCOMPARE(sceneCount("keyReleases"), releases + 1);
}

void WindowCaptureTest::onePhysicalEventIsReportedOnce()
{
    DeliveryCounter counter;
    qApp->installEventFilter(&counter);
    CaptureRecorder recorder;
    const QPoint p(50, 40);
    sendKey(window(), QEvent::KeyPress, native(KEY_B));
    QTest::mousePress(window(), Qt::LeftButton, {}, p);
    qApp->removeEventFilter(&counter);
    // Qt handed both presses on to several receivers, and each was reported once.
    QVERIFY2(counter.presses >= 4, qPrintable(QString::number(counter.presses)));
    QCOMPARE(recorder.lines, QStringList({keyLine(0x05, true), at(0xF0, true, p)}));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, p);
    sendKey(window(), QEvent::KeyRelease, native(KEY_B));
}

struct KeyAt
{
    bool isDown;
    quint64 time;
    bool markedRepeat = false;
};

void WindowCaptureTest::autoRepeatIsReportedOnce_data()
{
    // X11 and Wayland repeat a held key as up and down pairs, stamped alike.
    QTest::addColumn<QList<KeyAt>>("keys");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<quint32>>("times");
    QTest::newRow("pairs Qt marks as repeats")
        << QList<KeyAt>{{true, 5000}, {false, 5600, true}, {true, 5600, true}, {false, 5630, true},
                        {true, 5630, true}, {false, 6000}}
        << tapLines(0x04) << QList<quint32>{5000, 6000};
    QTest::newRow("unmarked pairs with one time")
        << QList<KeyAt>{{true, 5000}, {false, 5600}, {true, 5600}, {false, 5630}, {true, 5630}, {false, 6000}}
        << tapLines(0x04) << QList<quint32>{5000, 6000};
    QTest::newRow("an unmarked down in the next millisecond")
        << QList<KeyAt>{{true, 5000}, {false, 5600}, {true, 5601}, {false, 6000}} << tapLines(0x04)
        << QList<quint32>{5000, 6000};
    QTest::newRow("a down 2 ms after the up is a second tap")
        << QList<KeyAt>{{true, 5000}, {false, 5100}, {true, 5102}, {false, 5200}} << tapLines(0x04) + tapLines(0x04)
        << QList<quint32>{5000, 5100, 5102, 5200};
}

// The ups that stay are reported with their own time, however long they
// waited for a down.
void WindowCaptureTest::autoRepeatIsReportedOnce()
{
    QFETCH(QList<KeyAt>, keys);
    QFETCH(QStringList, lines);
    QFETCH(QList<quint32>, times);
    CaptureRecorder recorder;
    for (const KeyAt &key : keys)
        sendKey(window(), key.isDown ? QEvent::KeyPress : QEvent::KeyRelease, native(KEY_A), {}, key.markedRepeat,
                key.time);
    QTRY_COMPARE(recorder.lines, lines);
    QCOMPARE(recorder.times, times);
}

void WindowCaptureTest::keysHeldWhenFocusLeavesAreReleased()
{
    CaptureRecorder recorder;
    sendKey(window(), QEvent::KeyPress, native(KEY_LEFTALT));
    tapKey(window(), native(KEY_LEFTSHIFT));
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(qApp, &inactive);
    // The Alt release went to another program; back here, Alt is pressed anew.
    QApplicationStateChangeEvent active(Qt::ApplicationActive);
    QCoreApplication::sendEvent(qApp, &active);
    tapKey(window(), native(KEY_LEFTALT));
    QTRY_COMPARE(recorder.lines,
                 QStringList{keyLine(0xE2, true)} + tapLines(0xE1) + QStringList{keyLine(0xE2, false)} + tapLines(0xE2));
}

void WindowCaptureTest::buttons_data()
{
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("code");
    QTest::newRow("left") << Qt::LeftButton << false << 0xF0;
    QTest::newRow("right") << Qt::RightButton << false << 0xF1;
    QTest::newRow("middle") << Qt::MiddleButton << false << 0xF2;
    QTest::newRow("left double click: down, up, down, up") << Qt::LeftButton << true << 0xF0;
    QTest::newRow("middle double click") << Qt::MiddleButton << true << 0xF2;
    QTest::newRow("back: nothing") << Qt::BackButton << false << 0;
    QTest::newRow("forward: nothing") << Qt::ForwardButton << false << 0;
}

void WindowCaptureTest::buttons()
{
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(bool, doubleClick);
    QFETCH(int, code);
    const int presses = sceneCount("buttonPresses");
    const QPoint p(120, 70);
    CaptureRecorder recorder;
    if (doubleClick)
        QTest::mouseDClick(window(), mouseButton, {}, p);
    else
        QTest::mouseClick(window(), mouseButton, {}, p);
    QStringList expected = code ? QStringList{at(code, true, p), at(code, false, p)} : QStringList{};
    QCOMPARE(recorder.lines, doubleClick ? expected + expected : expected);
    QCOMPARE(sceneCount("buttonPresses"), presses + (doubleClick ? 2 : 1));
}

void WindowCaptureTest::installation()
{
    CaptureRecorder recorder;
    QVERIFY(m_guard->isInstalled());
    m_guard->remove();
    QVERIFY(!m_guard->isInstalled());
    tapKey(window(), native(KEY_A));
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(recorder.lines, QStringList{});

    // Installing twice leaves one capture, not two.
    QVERIFY(m_guard->install());
    QVERIFY(m_guard->install());
    QVERIFY(m_guard->isInstalled());
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(recorder.lines.size(), 2);

    m_guard.reset();
    tapKey(window(), native(KEY_A));
    QCOMPARE(recorder.lines.size(), 2);
}

QTEST_MAIN(WindowCaptureTest)
#include "tst_windowcapture.moc"
