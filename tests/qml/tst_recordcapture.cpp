// Recording a macro the way the program does on Linux: key events arrive at
// the window that shows the page, the capture turns them into usage codes,
// the view model queues them to the page, and the macro editor records them
// into the macro file and the mouse's macro slot.

#include "pagerig.h"

#include "../device/devicefixture.h"

#include "device/devicestate.h"
#include "platform/callbackregistry.h"
#include "platform/hookguard.h"
#include "viewmodel/myqquickview.h"
#include "tests/support/datacopy.h"

#include <QDir>
#include <QDirIterator>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <linux/input-event-codes.h>

#include <memory>

namespace {

// X11 and Wayland hand programs the evdev code plus 8.
constexpr quint32 native(quint32 evdevCode) { return evdevCode + 8; }

QObject *child(QObject *root, const char *property)
{
    return root->property(property).value<QObject *>();
}

QVariant call(QObject *object, const char *function, const QVariant &a = {}, const QVariant &b = {})
{
    QVariant result;
    if (!a.isValid())
        QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result));
    else if (!b.isValid())
        QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, a));
    else
        QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, a),
                                  Q_ARG(QVariant, b));
    return result;
}

// One event of the keyboard, as the platform delivers it.
struct KeyStroke
{
    quint32 evdevCode;
    bool isDown;
    bool autoRepeat = false;
};

} // namespace

class RecordCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void keysOnTheWindowBecomeTheMacro_data();
    void keysOnTheWindowBecomeTheMacro();
    void delaysSitBetweenTheKeys();
    void recordingStopsTakingKeysAt126Bytes();

private:
    QWindow *window() const { return m_view->window()->windowHandle(); }
    QObject *root() const { return m_view->rootObject(); }
    QObject *editor() const;
    void strike(const KeyStroke &key);
    void clickWindow();
    void recordNewMacroOnButton(int button, bool recTime);
    QStringList actionLines();
    QList<int> slotBytes(int slot);

    QTemporaryDir m_folder;
    std::unique_ptr<LinkOnSimulator> m_sim;
    std::unique_ptr<myQQuickView> m_view;
    ControlRecorder m_control;
    std::unique_ptr<HookGuard> m_guard;
};

// The page makes the macro editor when it first opens; the tests make it as
// that opening would and keep it closed until they open it.
QObject *RecordCaptureTest::editor() const
{
    if (QObject *loader = root()->findChild<QObject *>(QStringLiteral("macroEditorMainLoader")))
        loader->setProperty("active", true);
    return child(root(), "macroEditorMain");
}

void RecordCaptureTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    copyFolder(QStringLiteral(Q530_DATA_DIR), m_folder.path() + QStringLiteral("/modules"));
    QDir::setCurrent(m_folder.path());
    DpiTables::reset();
    m_sim = std::make_unique<LinkOnSimulator>();
    m_view = std::make_unique<myQQuickView>(nullptr);
    m_view->setHid(&m_sim->link);
    m_view->rootContext()->setContextProperty(QStringLiteral("ui_View"), m_view.get());
    m_view->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), &m_control);
    m_view->setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));
    QVERIFY2(m_view->errors().isEmpty(), qPrintable(m_view->errors().value(0).toString()));
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));

    // As the program wires the capture: the registry's slots lead to the
    // view model's forwarders, which queue the page's root functions.
    CallbackRegistry::setKeyboard(
        [](int usbCode, bool isDown, void *view) {
            static_cast<myQQuickView *>(view)->forwardKey(uchar(isDown), uchar(usbCode));
        },
        m_view.get());
    CallbackRegistry::setMouse(
        [](int code, bool isDown, int x, int y, void *view) {
            static_cast<myQQuickView *>(view)->forwardMouse(uchar(isDown), uint(code), uint(x), uint(y));
        },
        m_view.get());
    m_guard = std::make_unique<HookGuard>();
    QVERIFY(m_guard->isInstalled());

    m_view->initUI();
    QTRY_VERIFY_WITH_TIMEOUT(root()->property("mainPageShown").toBool(), 10000);
}

void RecordCaptureTest::cleanupTestCase()
{
    m_guard.reset();
    CallbackRegistry::clear();
    m_view.reset();
    m_sim.reset();
}

void RecordCaptureTest::init()
{
    QObject *editorItem = editor();
    call(editorItem, "stopRecord");
    call(editorItem, "close");
    m_view->resetProfile(0);
    QDir macros(QStringLiteral("modules/macro"));
    for (const QString &name : macros.entryList(QDir::Files))
        macros.remove(name);
    m_view->updataNameList(0, {});
    call(editorItem, "init");
    call(child(root(), "keyMatrixMain"), "init", false);
}

void RecordCaptureTest::strike(const KeyStroke &key)
{
    QKeyEvent event(key.isDown ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier,
                    native(key.evdevCode), 0, 0, QString(), key.autoRepeat);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(window(), &event);
}

// A left click on the page background.
void RecordCaptureTest::clickWindow()
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const QPointF at(500, 630);
        QMouseEvent event(type, at, window()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(window(), &event);
    }
}

// A new macro, "Macro_0", played by `button`, open in the editor and recording.
void RecordCaptureTest::recordNewMacroOnButton(int button, bool recTime)
{
    QObject *editorItem = editor();
    call(editorItem, "newMacro");
    QCOMPARE(call(editorItem, "currentName").toString(), QStringLiteral("Macro_0"));
    call(root(), "openKeyMenu", button);
    call(root(), "assignMacro", QStringLiteral("Macro_0"), 0);
    call(root(), "closeKeyMenu");
    call(root(), "openDialog", QVariant::fromValue(editorItem));
    editorItem->setProperty("recTime", recTime);
    call(editorItem, "startRecord");
    QVERIFY(editorItem->property("isInputting").toBool());
}

QStringList RecordCaptureTest::actionLines()
{
    QStringList lines = m_view->loadMacroIni(QStringLiteral("Macro_0"));
    if (!lines.isEmpty())
        lines.removeLast(); // the loop count
    return lines;
}

QList<int> RecordCaptureTest::slotBytes(int slot)
{
    m_sim->link.waitForPendingExchange();
    const QByteArray bytes = m_sim->peer.state().macroSlots.value(uint8_t(slot));
    QList<int> list;
    for (char b : bytes)
        list.append(uchar(b));
    return list;
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
    recordNewMacroOnButton(4, false);
    for (const KeyStroke &key : keys) {
        strike(key);
        clickWindow();
    }
    // The page hears of the keys through queued calls.
    QTRY_COMPARE(editor()->property("actions").toList().size(), lines.size());
    call(editor(), "stopRecord");

    QCOMPARE(actionLines(), lines);
    QCOMPARE(m_view->loadMacroIni(QStringLiteral("Macro_0")).last(), QStringLiteral("1"));
    QList<int> slot = bytes;
    while (slot.size() < 128)
        slot.append(0);
    QCOMPARE(slotBytes(1), slot);
    QCOMPARE(m_view->getKeydefine(4), (QVariantList{9, 0, 1, 0}));
}

// With "Rec Time" on, what lies between two keys is one delay in 10 ms
// steps, or nothing when no tick passed; how long it is depends on the clock.
void RecordCaptureTest::delaysSitBetweenTheKeys()
{
    recordNewMacroOnButton(4, true);
    const QList<KeyStroke> keys{{KEY_A, true}, {KEY_A, false}, {KEY_B, true}, {KEY_B, false}};
    for (const KeyStroke &key : keys) {
        strike(key);
        QTest::qWait(30);
    }
    call(editor(), "stopRecord");

    QStringList keyLines;
    for (const QString &line : actionLines()) {
        if (line.startsWith(QLatin1String("0,"))) {
            QVERIFY2(!keyLines.isEmpty() && !keyLines.last().startsWith(QLatin1String("0,")), qPrintable(line));
            const int ms = line.mid(2).toInt();
            QVERIFY2(ms > 0 && ms % 10 == 0, qPrintable(line));
        }
        keyLines.append(line);
    }
    keyLines.erase(std::remove_if(keyLines.begin(), keyLines.end(),
                                  [](const QString &l) { return l.startsWith(QLatin1String("0,")); }),
                   keyLines.end());
    QCOMPARE(keyLines, (QStringList{"1,A", "2,A", "1,B", "2,B"}));
    QVERIFY(!actionLines().last().startsWith(QLatin1String("0,")));
}

// Two bytes of count, two of end and two per key event: 61 events fill the
// 126 bytes, later ones are not taken.
void RecordCaptureTest::recordingStopsTakingKeysAt126Bytes()
{
    recordNewMacroOnButton(4, false);
    for (int i = 0; i < 35; ++i) {
        strike({KEY_A, true});
        strike({KEY_A, false});
    }
    QTRY_VERIFY(editor()->property("recordFull").toBool());
    call(editor(), "stopRecord");

    const QStringList lines = actionLines();
    QCOMPARE(lines.size(), 61);
    QCOMPARE(lines.last(), QStringLiteral("1,A"));
    const QList<int> slot = slotBytes(1);
    QCOMPARE(slot.mid(120, 8), (QList<int>{0x81, 0x04, 0x01, 0x04, 0, 0, 0, 0}));
}

QTEST_MAIN(RecordCaptureTest)
#include "tst_recordcapture.moc"
