// The program in front as an X server tells it. The test starts an Xvfb of
// its own and plays the window manager there: it makes the windows, sets what
// a window manager and its clients set, and moves _NET_ACTIVE_WINDOW on the
// root. Without Xvfb it skips.

#include "platform/activeprogram.h"
#include "tests/support/xserver.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

namespace {

// The test's own connection, as the window manager and as its clients. Every
// change waits until the server has made it, so the watcher's connection
// cannot overtake it.
struct Desk
{
    explicit Desk(const QByteArray &display) : x(xcb_connect(display.constData(), nullptr)) {}
    ~Desk() { xcb_disconnect(x); }
    Q_DISABLE_COPY(Desk)

    xcb_atom_t atom(const char *name)
    {
        auto *reply = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }
    void sync() { std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr)); }
    void set(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, uint8_t format, const void *data, int count)
    {
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, window, property, type, format, uint32_t(count), data);
        sync();
    }
    // A window with this WM_CLASS and _NET_WM_PID, each left out when empty
    // or negative.
    xcb_window_t window(const QByteArray &wmClass = {}, qint64 pid = -1)
    {
        const xcb_window_t id = xcb_generate_id(x);
        xcb_create_window(x, XCB_COPY_FROM_PARENT, id, root, 0, 0, 10, 10, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        const uint32_t number = uint32_t(pid);
        if (pid >= 0)
            set(id, wmPid, XCB_ATOM_CARDINAL, 32, &number, 1);
        if (!wmClass.isEmpty())
            set(id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, wmClass.constData(), int(wmClass.size()));
        return id;
    }
    void activate(xcb_window_t window, xcb_atom_t type = XCB_ATOM_WINDOW)
    {
        set(root, activeWindow, type, 32, &window, 1);
    }
    void list(const QList<xcb_window_t> &windows)
    {
        set(root, clientList, XCB_ATOM_WINDOW, 32, windows.constData(), int(windows.size()));
    }
    void unset(xcb_atom_t property) { xcb_delete_property(x, root, property), sync(); }

    xcb_connection_t *const x;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t activeWindow = atom("_NET_ACTIVE_WINDOW"), clientList = atom("_NET_CLIENT_LIST"),
                     wmPid = atom("_NET_WM_PID");
};

const QByteArray helperClass = QByteArrayLiteral("helper\0Helper\0");

// The name frontChanged gives after change, "(no change)" if none comes.
QString nextFront(ActiveProgram &program, const std::function<void()> &change)
{
    QSignalSpy spy(&program, &ActiveProgram::frontChanged);
    change();
    return spy.wait(5000) ? spy.last().first().toString() : QStringLiteral("(no change)");
}

} // namespace

class ActiveProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
        m_server = std::make_unique<XServer>();
        if (m_server->display().isEmpty())
            QSKIP("Xvfb is not installed or did not start");
        m_desk = std::make_unique<Desk>(m_server->display());
        m_base = m_desk->window(QByteArrayLiteral("base\0"));
        // Wine's loader as Linux sees it: its executable's name, and a
        // process name cut to 15 bytes.
        QVERIFY((m_wine = startCopyOfSleep(QStringLiteral("wine64-preloader"))));
    }
    void init() { qputenv("DISPLAY", m_server->display()); }
    void cleanupTestCase()
    {
        if (m_wine)
            m_wine->kill(), m_wine->waitForFinished();
    }

    void windowNames_data()
    {
        QTest::addColumn<qint64>("pid"); // -1: none, -2: the Wine loader's
        QTest::addColumn<QByteArray>("machine"); // "@": this one
        QTest::addColumn<QByteArray>("wmClass");
        QTest::addColumn<QString>("name");

        const qint64 self = getpid(), none = -1, wine = -2;
        const QString selfName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        const QByteArray any;
        QTest::newRow("pid of this machine") << self << QByteArray("@") << helperClass << selfName;
        QTest::newRow("pid of another machine") << self << QByteArray("elsewhere.example") << helperClass << "helper";
        QTest::newRow("pid 0") << qint64(0) << any << helperClass << "helper";
        QTest::newRow("class") << none << any << helperClass << "helper";
        QTest::newRow("255 characters") << none << any << QByteArray(255, 'g') + '\0' << QString(255, 'g');
        QTest::newRow("256 characters") << none << any << QByteArray(256, 'g') + '\0' << QString();
        QTest::newRow("control character") << none << any << QByteArrayLiteral("hel\tper\0") << QString();
        QTest::newRow("proton game") << wine << any << QByteArrayLiteral("steam_app_570\0") << "steam_app_570";
        QTest::newRow("wine program") << wine << any << QByteArrayLiteral("game.exe\0Game.exe\0") << "game";
        QTest::newRow("wine without class") << wine << any << QByteArray() << "wine64-preloade";
    }
    void windowNames()
    {
        QFETCH(qint64, pid);
        QFETCH(QByteArray, machine);
        QFETCH(QByteArray, wmClass);
        QFETCH(QString, name);
        const xcb_window_t window = m_desk->window(wmClass, pid == -2 ? m_wine->processId() : pid);
        if (machine == "@")
            machine = QSysInfo::machineHostName().toLocal8Bit();
        if (!machine.isEmpty())
            m_desk->set(window, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, 8, machine.constData(), machine.size());

        ActiveProgram program;
        toBase(program);
        QCOMPARE(nextFront(program, [&] { m_desk->activate(window); }), name);
    }

    void followsTheFront()
    {
        const xcb_window_t own = m_desk->window({}, getpid());
        const xcb_window_t helper = m_desk->window(helperClass);
        const xcb_window_t otherHelper = m_desk->window(helperClass);
        m_desk->activate(own);

        ActiveProgram program;
        QCOMPARE(program.kind(), ActiveProgram::Kind::FrontWindow);
        QCOMPARE(program.front(), m_self);
        QSignalSpy spy(&program, &ActiveProgram::frontChanged);
        m_desk->activate(helper);
        QVERIFY(spy.wait(5000));
        // Another window of the same program is no change. The pause lets the
        // watcher read it on its own rather than together with the next.
        m_desk->activate(otherHelper);
        QTest::qWait(100);
        m_desk->activate(own);
        QTRY_COMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).first().toString(), QStringLiteral("helper"));
        QCOMPARE(spy.at(1).first().toString(), m_self);
    }

    void noFront()
    {
        const xcb_window_t window = m_desk->window(helperClass);
        const std::function<void()> changes[] = {
            [&] { m_desk->activate(window, XCB_ATOM_CARDINAL); },
            [&] { xcb_destroy_window(m_desk->x, window), m_desk->activate(window); },
            [&] { m_desk->activate(XCB_WINDOW_NONE); },
            [&] { m_desk->unset(m_desk->activeWindow); },
        };
        ActiveProgram program;
        for (const auto &change : changes) {
            toBase(program);
            QCOMPARE(nextFront(program, change), QString());
        }
    }

    void withWindows()
    {
        const xcb_window_t helper = m_desk->window(helperClass);
        const xcb_window_t gone = m_desk->window(QByteArrayLiteral("gone\0"));
        xcb_destroy_window(m_desk->x, gone);
        m_desk->list({helper, m_desk->window({}, getpid()), gone, m_desk->window(helperClass)});
        QCOMPARE(ActiveProgram::withWindows(), QStringList({QStringLiteral("helper"), m_self}));

        // Without the window manager's list: the windows on screen with a WM_CLASS.
        m_desk->unset(m_desk->clientList);
        m_desk->window(QByteArrayLiteral("hidden\0"));
        xcb_map_window(m_desk->x, helper);
        xcb_map_window(m_desk->x, m_desk->window({}, m_wine->processId()));
        m_desk->sync();
        QCOMPARE(ActiveProgram::withWindows(), QStringList(QStringLiteral("helper")));
    }

    void kind_data()
    {
        QTest::addColumn<QByteArray>("setting"); // beside DISPLAY on the test's server
        QTest::addColumn<bool>("front");
        QTest::newRow("x11") << QByteArray("XDG_SESSION_TYPE=x11") << true;
        QTest::newRow("wayland display") << QByteArray("WAYLAND_DISPLAY=wayland-0") << false;
        QTest::newRow("wayland session") << QByteArray("XDG_SESSION_TYPE=wayland") << false;
        QTest::newRow("no display") << QByteArray("DISPLAY=") << false;
        QTest::newRow("no server") << QByteArray("DISPLAY=unix:4711") << false;
    }
    void kind()
    {
        QFETCH(QByteArray, setting);
        QFETCH(bool, front);
        m_desk->list({m_base});
        m_desk->activate(m_base);
        const QByteArray name = setting.left(setting.indexOf('='));
        qputenv(name, setting.mid(name.size() + 1));

        ActiveProgram program;
        QCOMPARE(program.kind(), front ? ActiveProgram::Kind::FrontWindow : ActiveProgram::Kind::RunningPrograms);
        QCOMPARE(program.front(), front ? QStringLiteral("base") : QString());
        QCOMPARE(program.running().contains(m_self), !front);
        // The server's windows are there, but a Wayland client is not shown them.
        QCOMPARE(ActiveProgram::withWindows().isEmpty(), !front);
        qunsetenv(name);
    }

    void runningPrograms()
    {
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        ActiveProgram program;
        qunsetenv("WAYLAND_DISPLAY");
        QSignalSpy spy(&program, &ActiveProgram::runningChanged);
        QProcess *napper = startCopyOfSleep(QStringLiteral("napper"));
        QVERIFY(napper);
        QTRY_VERIFY_WITH_TIMEOUT(program.running().contains(QStringLiteral("napper")), 6000);
        const QStringList running = program.running();
        QCOMPARE(spy.last().first().toStringList(), running);
        QVERIFY(std::is_sorted(running.begin(), running.end()));
        QVERIFY(std::adjacent_find(running.begin(), running.end()) == running.end());
        // Wine's loader stands for no program; its process name does. Run as
        // root, every kernel thread is this user's too; none is a program.
        QVERIFY(running.contains(QStringLiteral("wine64-preloade")));
        QVERIFY(!running.contains(QStringLiteral("wine64-preloader")));
        QVERIFY(!running.contains(QStringLiteral("kthreadd")));

        napper->kill();
        QVERIFY(napper->waitForFinished());
        QTRY_VERIFY_WITH_TIMEOUT(!program.running().contains(QStringLiteral("napper")), 6000);
    }

    void serverGone()
    {
        XServer server;
        qputenv("DISPLAY", server.display());
        ActiveProgram program;
        Desk desk(server.display());
        const xcb_window_t window = desk.window(QByteArrayLiteral("lonely\0"));
        QCOMPARE(nextFront(program, [&] { desk.activate(window); }), QStringLiteral("lonely"));
        QCOMPARE(nextFront(program, [&] { server.stop(); }), QString());
        // A notifier left on a closed connection would wake the loop without end.
        const QList<QSocketNotifier *> notifiers = program.findChildren<QSocketNotifier *>();
        QVERIFY(!notifiers.isEmpty());
        for (const QSocketNotifier *notifier : notifiers)
            QVERIFY(!notifier->isEnabled());
    }

private:
    // The watcher back on the window "base", so that any other comes as a change.
    void toBase(ActiveProgram &program)
    {
        m_desk->activate(m_base);
        QTRY_COMPARE(program.front(), QStringLiteral("base"));
    }
    QProcess *startCopyOfSleep(const QString &name)
    {
        const QString copy = m_bin.filePath(name);
        if (!QFile::copy(QStandardPaths::findExecutable(QStringLiteral("sleep")), copy))
            return nullptr;
        auto *process = new QProcess(this);
        process->start(copy, {QStringLiteral("30")});
        return process->waitForStarted() ? process : nullptr;
    }

    std::unique_ptr<XServer> m_server;
    std::unique_ptr<Desk> m_desk;
    QTemporaryDir m_bin;
    QProcess *m_wine = nullptr;
    xcb_window_t m_base = XCB_WINDOW_NONE;
    const QString m_self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
};

QTEST_GUILESS_MAIN(ActiveProgramTest)
#include "tst_activeprogram.moc"
