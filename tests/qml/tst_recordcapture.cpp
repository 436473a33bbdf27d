// Recording a macro the way the program does on Linux: key events arrive at
// the window that shows the page, the capture turns them into usage codes,
// the view model queues them to the page, and the macro editor records them
// into the macro file and the mouse's macro slot. The keys are sent to the
// window here; tst_recordxserver has them come from an X server.

#include "recordingrig.h"

#include "viewmodel/myqquickview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <linux/input-event-codes.h>

namespace {

// X11 and Wayland hand programs the evdev code plus 8.
constexpr quint32 native(quint32 evdevCode) { return evdevCode + 8; }

// One event of the keyboard, as the platform delivers it, at `time` in the
// display server's milliseconds (0: 20 ms after the one before).
struct KeyStroke
{
    quint32 evdevCode;
    bool isDown;
    bool autoRepeat = false;
    quint32 time = 0;
};

} // namespace

class RecordCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_rig.start(); }
    void init() { m_rig.reset(); }
    void keysOnTheWindowBecomeTheMacro_data();
    void keysOnTheWindowBecomeTheMacro();
    void delaysAreTheTimesBetweenTheKeys_data();
    void delaysAreTheTimesBetweenTheKeys();
    void recordingEndsOnWholePresses();
    void aKeyUpLostBeforeTheRecordingHidesNoPress();

private:
    QObject *editor() const { return m_rig.editor(); }
    void strike(const KeyStroke &key);
    void clickWindow();

    RecordingRig m_rig;
    quint32 m_serverTime = 1000;
};

void RecordCaptureTest::strike(const KeyStroke &key)
{
    QKeyEvent event(key.isDown ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier,
                    native(key.evdevCode), 0, 0, QString(), key.autoRepeat);
    m_serverTime = key.time ? key.time : m_serverTime + 20;
    event.setTimestamp(m_serverTime);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(m_rig.window(), &event);
}

// A left click on the page background.
void RecordCaptureTest::clickWindow()
{
    QWindow *window = m_rig.window();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const QPointF at(500, 630);
        QMouseEvent event(type, at, window->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(window, &event);
    }
}

void RecordCaptureTest::keysOnTheWindowBecomeTheMacro_data()
{
    QTest::addColumn<QList<KeyStroke>>("keys");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("bytes");

    QTest::newRow("a key") << QList<KeyStroke>{{KEY_A, true}, {KEY_A, false}}
                           << QStringList{"1,A", "2,A"} << QList<int>{0, 1, 0x01, 0x04, 0x81, 0x04, 0, 0};
    QTest::newRow("a held key once, however long it repeats")
        << QList<KeyStroke>{{KEY_W, true}, {KEY_W, false, true}, {KEY_W, true, true}, {KEY_W, true, true}, {KEY_W, false}}
        << QStringList{"1,W", "2,W"} << QList<int>{0, 1, 0x01, 0x1a, 0x81, 0x1a, 0, 0};
    QTest::newRow("Shift+1 and keypad Enter")
        << QList<KeyStroke>{{KEY_LEFTSHIFT, true}, {KEY_1, true}, {KEY_1, false}, {KEY_LEFTSHIFT, false},
                            {KEY_KPENTER, true}, {KEY_KPENTER, false}}
        << QStringList{"1,L Shift", "1,1", "2,1", "2,L Shift", "1,KP Enter", "2,KP Enter"}
        << QList<int>{0, 1, 0x01, 0xe1, 0x01, 0x1e, 0x81, 0x1e, 0x81, 0xe1, 0x01, 0x58, 0x81, 0x58, 0, 0};
    QTest::newRow("keys the tables do not know are left out")
        << QList<KeyStroke>{{KEY_RIGHTMETA, true}, {KEY_RIGHTMETA, false}, {KEY_F12, true}, {KEY_F12, false}}
        << QStringList{"1,F12", "2,F12"} << QList<int>{0, 1, 0x01, 0x45, 0x81, 0x45, 0, 0};
}

// Button 5 plays the macro from slot 0, so the mouse gets it in slot 1. A
// click on the window while recording is no part of the macro.
void RecordCaptureTest::keysOnTheWindowBecomeTheMacro()
{
    QFETCH(QList<KeyStroke>, keys);
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, bytes);
    m_rig.recordNewMacroOnButton(4, false);
    for (const KeyStroke &key : keys) {
        strike(key);
        clickWindow();
    }
    // The page hears of the keys through queued calls.
    QTRY_COMPARE(editor()->property("actions").toList().size(), lines.size());
    callQml(editor(), "stopRecord");

    QCOMPARE(m_rig.actionLines(), lines);
    QCOMPARE(m_rig.view().loadMacroIni(QStringLiteral("Macro_0")).last(), QStringLiteral("1"));
    QList<int> slot = bytes;
    while (slot.size() < 128)
        slot.append(0);
    QCOMPARE(m_rig.slotBytes(1), slot);
    QCOMPARE(m_rig.view().getKeydefine(4), (QVariantList{9, 0, 1, 0}));
}

void RecordCaptureTest::delaysAreTheTimesBetweenTheKeys_data()
{
    QTest::addColumn<QList<quint32>>("times");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("to the nearest 10 ms, none under 5 ms")
        << QList<quint32>{1000, 2004, 2509, 2513} << QStringList{"1,A", "0,1000", "2,A", "0,510", "1,B", "2,B"};
    QTest::newRow("across the clock's wrap at 2^32 ms")
        << QList<quint32>{4294967000u, 300, 800, 830} << QStringList{"1,A", "0,600", "2,A", "0,500", "1,B", "0,30", "2,B"};
}

// With "Rec Time" on, what lies between two keys is the time between their
// events, however fast the page got to them.
void RecordCaptureTest::delaysAreTheTimesBetweenTheKeys()
{
    QFETCH(QList<quint32>, times);
    QFETCH(QStringList, lines);
    m_rig.recordNewMacroOnButton(4, true);
    const quint32 codes[] = {KEY_A, KEY_A, KEY_B, KEY_B};
    for (int i = 0; i < 4; ++i)
        strike({codes[i], i % 2 == 0, false, times.at(i)});
    QTRY_COMPARE(editor()->property("actions").toList().size(), lines.size());
    callQml(editor(), "stopRecord");
    QCOMPARE(m_rig.actionLines(), lines);
}

// Four bytes of count and end, two per key event: of 126 bytes, a press is
// taken only while the releases of every key held fit after it, and the
// release of a held key is still taken once nothing else is.
void RecordCaptureTest::recordingEndsOnWholePresses()
{
    m_rig.recordNewMacroOnButton(4, false);
    strike({KEY_LEFTSHIFT, true});
    for (int i = 0; i < 35; ++i) {
        strike({KEY_A, true});
        strike({KEY_A, false});
    }
    strike({KEY_LEFTSHIFT, false});
    QTRY_VERIFY(editor()->property("recordFull").toBool());
    QTRY_COMPARE(editor()->property("actions").toList().size(), 60);
    callQml(editor(), "stopRecord");

    QStringList lines{"1,L Shift"};
    for (int i = 0; i < 29; ++i)
        lines << "1,A" << "2,A";
    lines << "2,L Shift";
    QCOMPARE(m_rig.actionLines(), lines);
    const QList<int> slot = m_rig.slotBytes(1);
    QCOMPARE(slot.mid(116, 10), (QList<int>{0x01, 0x04, 0x81, 0x04, 0x81, 0xe1, 0, 0, 0, 0}));
}

// The key-up went to another desktop: the capture still takes A as held
// when the recording starts, and must not hide the press to come.
void RecordCaptureTest::aKeyUpLostBeforeTheRecordingHidesNoPress()
{
    strike({KEY_A, true});
    m_rig.recordNewMacroOnButton(4, false);
    strike({KEY_A, true});
    strike({KEY_A, false});
    QTRY_COMPARE(editor()->property("actions").toList().size(), 2);
    callQml(editor(), "stopRecord");
    QCOMPARE(m_rig.actionLines(), (QStringList{"1,A", "2,A"}));
}

QTEST_MAIN(RecordCaptureTest)
#include "tst_recordcapture.moc"
