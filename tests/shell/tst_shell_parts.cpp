// Parts of the shell that do not depend on a mouse having been found: the
// notice rule, the title, the run-UI event, the window controller and the
// callback registry's route to the page.

#include "shelltesting.h"

#include "hooks/callbackregistry.h"
#include "shell/apptitle.h"
#include "shell/copydatanotice.h"
#include "shell/hostcallbacks.h"
#include "shell/simulationmenu.h"
#include "shell/ui_controler.h"
#include "shell/userevent.h"
#include "simulator/simulatedmouse.h"
#include "storage/profileset.h"
#include "shell/viewhost.h"
#include "viewmodel/myqquickview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace ShellTesting;

class TestShellParts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { enterDataFolder(); }

    void noticeText_data();
    void noticeText();
    void noticeBox_data();
    void noticeBox();
    void title_data();
    void title();
    void windowTakesThePageSize();
    void runUIEvent_data();
    void runUIEvent();
    void busy_data();
    void busy();
    void drag_data();
    void drag();
    void recordedInputReachesThePage();
    void simulationEntriesFollowThePlug();
    void followEntryIsStored();
    void unsavedChangeIsToldOnce();
};

void TestShellParts::noticeText_data()
{
    QTest::addColumn<quintptr>("tag");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("byteCount");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");

    const QByteArray hello("Update ready\0", 13);
    QTest::newRow("our tag, count without the terminator") << quintptr(0x250F) << hello << 12 << true << "Update ready";
    QTest::newRow("another tag") << quintptr(0x2510) << hello << 12 << false << "";
    QTest::newRow("count includes the terminator") << quintptr(0x250F) << hello << 13 << false << "";
    QTest::newRow("NUL inside the counted bytes") << quintptr(0x250F) << QByteArray("ab\0cd", 5) << 5 << false << "";
    QTest::newRow("no NUL at all: nothing past the count is read")
        << quintptr(0x250F) << QByteArray("abcdef") << 3 << true << "abc";
    QTest::newRow("UTF-8 counted in bytes") << quintptr(0x250F) << QByteArray("Gr\xc3\xbc\xc3\x9f" "e") << 7 << true
                                             << QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e");
    QTest::newRow("count in characters cuts a UTF-8 sequence")
        << quintptr(0x250F) << QByteArray("Gr\xc3\xbc\xc3\x9f" "e") << 5 << false << "";
    QTest::newRow("no data but a count") << quintptr(0x250F) << QByteArray() << 4 << false << "";
}

void TestShellParts::noticeText()
{
    QFETCH(quintptr, tag);
    QFETCH(QByteArray, bytes);
    QFETCH(int, byteCount);
    QFETCH(bool, shown);
    QFETCH(QString, text);

    // A heap copy of exactly the counted bytes lets a sanitizer catch any read past them.
    std::unique_ptr<char[]> data;
    if (!bytes.isEmpty()) {
        data.reset(new char[size_t(byteCount)]);
        memcpy(data.get(), bytes.constData(), size_t(std::min<qsizetype>(byteCount, bytes.size())));
    }
    const std::optional<QString> result = ::noticeText(CopyDataRecord{tag, quint32(byteCount), data.get()});
    QCOMPARE(result.has_value(), shown);
    if (shown)
        QCOMPARE(*result, text);
}

void TestShellParts::noticeBox_data()
{
    QTest::addColumn<quintptr>("tag");
    QTest::addColumn<bool>("withWindow");
    QTest::addColumn<bool>("shown");

    QTest::newRow("our notice, captioned with the window title") << quintptr(0x250F) << true << true;
    QTest::newRow("another tag shows nothing") << quintptr(0x1234) << true << false;
    QTest::newRow("no window shows nothing") << quintptr(0x250F) << false << false;
}

void TestShellParts::noticeBox()
{
    QFETCH(quintptr, tag);
    QFETCH(bool, withWindow);
    QFETCH(bool, shown);

    SimulatedMouse mouse;
    Widget window(&mouse);
    HostCallbacks callbacks(&window);
    if (!withWindow)
        CallbackRegistry::setMessage(showCopyDataNotice, nullptr);

    // The box is modal: note what it says and close it from the event loop.
    QStringList seen;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen << box->windowTitle() << box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(10);

    const QByteArray text("Firmware found");
    QVERIFY(CallbackRegistry::callMessage(CopyDataRecord{tag, quint32(text.size()), text.constData()}));
    if (shown)
        QCOMPARE(seen, QStringList({window.windowTitle(), QString::fromLatin1(text)}));
    else
        QVERIFY(seen.isEmpty());
}

void TestShellParts::title_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("title");

    const QByteArray names("name=\xe9\xbc\xa0\xe6\xa0\x87\nname0=Mouse\n");
    QTest::newRow("English uses name0") << "[common]\nlanguage=English\n" + names << "Mouse";
    QTest::newRow("ChineseSimplified uses name") << "[common]\nlanguage=ChineseSimplified\n" + names
                                                 << QString::fromUtf8("\xe9\xbc\xa0\xe6\xa0\x87");
    QTest::newRow("no language uses name0") << "[common]\n" + names << "Mouse";
    QTest::newRow("missing file gives an empty title") << QByteArray() << "";
}

void TestShellParts::title()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, title);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("apConfig.bin"));
    if (!config.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(config);
    }
    QCOMPARE(applicationTitle(path), title);
}

void TestShellParts::windowTakesThePageSize()
{
    SimulatedMouse mouse;
    Widget window(&mouse);
    QCOMPARE(window.host()->status(), QQuickWidget::Ready);
    QCOMPARE(window.size(), QSize(1000, 640));
    QCOMPARE(window.windowTitle(), QStringLiteral("STELLARC VEYRA MOUSE Q530"));
}

void TestShellParts::runUIEvent_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("run-UI event runs the page") << 1000 << 2177 << QStringList{"run"};
    QTest::newRow("another code is ignored") << 1000 << 2178 << QStringList{};
    QTest::newRow("a plain event of the same type is ignored") << 1000 << -1 << QStringList{};
}

void TestShellParts::runUIEvent()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(QStringList, calls);

    SimulatedMouse mouse;
    Widget window(&mouse);
    installRecorder(window);
    if (code < 0)
        QCoreApplication::postEvent(&window, new QEvent(QEvent::Type(type)));
    else
        QCoreApplication::postEvent(&window, new UserEvent(code));
    QCoreApplication::sendPostedEvents(&window);
    QCoreApplication::sendPostedEvents(); // the queued page call
    QCOMPARE(ShellTesting::calls(window), calls);
}

void TestShellParts::busy_data()
{
    QTest::addColumn<int>("busyTime");
    QTest::addColumn<QString>("call");

    QTest::newRow("setBusy() unlocks at once") << -1 << "setProtectUI 0";
    QTest::newRow("setBusy(1500) locks for 1500 ms") << 1500 << "setProtectUI 1500";
}

void TestShellParts::busy()
{
    QFETCH(int, busyTime);
    QFETCH(QString, call);

    SimulatedMouse mouse;
    Widget window(&mouse);
    installRecorder(window);
    // As QML calls it, through the meta-object; the page sees it before
    // anything else runs.
    if (busyTime < 0)
        QVERIFY(QMetaObject::invokeMethod(window.controler(), "setBusy"));
    else
        QVERIFY(QMetaObject::invokeMethod(window.controler(), "setBusy", Q_ARG(int, busyTime)));
    QCOMPARE(ShellTesting::calls(window), QStringList{call});
}

void TestShellParts::drag_data()
{
    QTest::addColumn<QPoint>("delta");

    QTest::newRow("right and down") << QPoint(35, 12);
    QTest::newRow("left and up") << QPoint(-20, -7);
    QTest::newRow("only across") << QPoint(9, 0);
}

void TestShellParts::drag()
{
    QFETCH(QPoint, delta);

    SimulatedMouse mouse;
    Widget window(&mouse);
    window.move(200, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    window.controler()->onXChanged(delta.x());
    QCOMPARE(window.pos(), start + QPoint(delta.x(), 0));
    window.controler()->onYChanged(delta.y());
    QCOMPARE(window.pos(), start + delta);
}

void TestShellParts::recordedInputReachesThePage()
{
    SimulatedMouse mouse;
    Widget window(&mouse);
    installRecorder(window);
    {
        HostCallbacks callbacks(&window);
        // The times wrap at 2^32 ms and reach the page whole.
        QVERIFY(CallbackRegistry::callKeyboard(0x04, true, 4294967290u));
        QVERIFY(CallbackRegistry::callMouse(0xF1, false, 640, 400, 20));
    }
    // Once the window is gone from the registry, nothing reaches it.
    QVERIFY(!CallbackRegistry::callKeyboard(0x05, true, 30));

    QVERIFY(ShellTesting::calls(window).isEmpty()); // queued, not direct
    QTRY_COMPARE(ShellTesting::calls(window),
                 QStringList({"detectKeyboard 1 4 at 4294967290", "detectMouse 0 241 640 400 at 20"}));
}

void TestShellParts::simulationEntriesFollowThePlug()
{
    SimulatedMouse mouse;
    Widget window(&mouse);
    QMenu *menu = window.trayIcon()->contextMenu();
    addSimulationEntries(menu, window.quitAction(), &mouse);

    auto entries = [menu] {
        QStringList shown;
        for (QAction *action : menu->actions())
            shown << (action->isSeparator() ? "-" : action->text() + (action->isEnabled() ? "" : " (off)"));
        return shown;
    };
    const QString follow = QStringLiteral("Follow the program in use");
    QCOMPARE(entries(), QStringList({follow, "-", "Press DPI button", "Unplug mouse", "Plug in mouse (off)", "-",
                                     "Quit (&Q)"}));
    menu->actions().at(3)->trigger();
    QVERIFY(!mouse.isPlugged());
    QCOMPARE(entries(), QStringList({follow, "-", "Press DPI button (off)", "Unplug mouse (off)", "Plug in mouse", "-",
                                     "Quit (&Q)"}));
}

// The tray's switch is the configuration's: turned on, the profile in use
// becomes the one for every other program, and the next start finds it on.
void TestShellParts::followEntryIsStored()
{
    SimulatedMouse mouse;
    {
        Widget window(&mouse);
        QAction *follow = window.trayIcon()->contextMenu()->actions().at(0);
        QVERIFY(follow->isCheckable() && !follow->isChecked());
        window.view()->ui_02H_SetCurrentProfile(3);
        follow->trigger();
        QVERIFY(window.view()->isFollowing());
        QCOMPARE(window.view()->followFallback(), 3);
        window.view()->ui_02H_SetCurrentProfile(0);
    }
    Widget again(&mouse);
    QAction *follow = again.trayIcon()->contextMenu()->actions().at(0);
    QVERIFY(follow->isChecked());
    QCOMPARE(again.view()->followFallback(), 3);
    follow->trigger();
    QVERIFY(!again.view()->isFollowing());
}

void TestShellParts::unsavedChangeIsToldOnce()
{
    // A click on a panel stores its value; the settings save it once the
    // event loop runs. The file's owner took the right to write it away.
    const QString file = QStringLiteral("modules/setting/p1.bin");
    const QFileDevice::Permissions mode = QFile::permissions(file);
    QFile before(file);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    SimulatedMouse mouse;
    Widget window(&mouse);
    QSignalSpy told(&window, &Widget::balloonShown);
    for (int rate : {4, 2}) {
        window.view()->profiles().at(0)->setValue(QStringLiteral("sensor/reportRate_R8"), rate);
        QTest::qWait(50);
    }
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.at(0).at(0).toString(), QStringLiteral("Not saved"));
    QVERIFY2(told.at(0).at(1).toString().contains(QStringLiteral("p1.bin (the file is read-only)")),
             qPrintable(told.at(0).at(1).toString()));
    QFile after(file);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bytes);
    QVERIFY(QFile::setPermissions(file, mode));
}

QTEST_MAIN(TestShellParts)
#include "tst_shell_parts.moc"
