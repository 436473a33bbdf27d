// Profiles that follow the program in use, on a real X server: two programs
// with a window each, the test in the window manager's place setting the
// root's _NET_ACTIVE_WINDOW, and the whole program (window, page, simulated
// mouse) following it. After each change: the page's profile, the files and
// what the mouse was sent. Without Xvfb it skips.

#include "shelltesting.h"

#include "device/devicestate.h"
#include "shell/pagecall.h"
#include "shell/startup.h"
#include "simulator/simulatedmouse.h"
#include "storage/inifile.h"
#include "tests/support/xserver.h"

#include <QApplication>
#include <QSignalSpy>

#include <xcb/xcb.h>

#include <vector>

using namespace ShellTesting;

// A check in a helper ends the test function too.
#define EXPECT_PROFILE(n) \
    do { \
        expectProfile(n); \
        if (QTest::currentTestFailed()) \
            return; \
    } while (false)

namespace {

// Profile 2 ("Game") has DPI stages of its own, so its arrival can be seen
// in the mouse.
const QVariantList kGameDpi{600, 1200, 2000, 3000, 4000, 7000, 250, 250};

// What a window manager does for the test: says which window is in front.
class WindowManager
{
public:
    explicit WindowManager(const QByteArray &display)
        : m_c(xcb_connect(display.constData(), nullptr))
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    }
    ~WindowManager() { xcb_disconnect(m_c); }
    bool isUp() const { return !xcb_connection_has_error(m_c); }

    xcb_atom_t atom(const char *name)
    {
        auto *reply = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return a;
    }

    // A window of the test's own, with its class and, when given, a process.
    xcb_window_t makeWindow(const QByteArray &instance, uint32_t pid = 0)
    {
        const xcb_window_t w = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, w, m_root, 0, 0, 50, 50, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        const QByteArray wmClass = instance + '\0' + instance + '\0';
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                            uint32_t(wmClass.size()), wmClass.constData());
        if (pid)
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
        xcb_flush(m_c);
        return w;
    }

    void setFront(xcb_window_t window)
    {
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_root, atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 32, 1,
                            &window);
        xcb_flush(m_c);
    }

private:
    xcb_connection_t *m_c;
    xcb_window_t m_root = 0;
};

QVariant stored(const QString &file, const QString &key)
{
    return QSettings(file, IniFile::format()).value(key);
}

} // namespace

class TestShellFollow : public QObject
{
    Q_OBJECT
public:
    TestShellFollow(QByteArray display, xcb_window_t gimp, xcb_window_t game)
        : m_display(std::move(display))
        , m_gimp(gimp)
        , m_game(game)
    {
    }

private slots:
    void initTestCase();
    void cleanupTestCase();

    void followsTheWindowInFront();
    void waitsForTheDialogToClose();

private:
    int pageProfile() const { return m_dashboard->property("profileNo").toInt(); }
    QString lastBalloon() const { return m_balloons->isEmpty() ? QString() : m_balloons->last().at(1).toString(); }
    // The program in front, followed by the page: its profile, the
    // configuration on disk and the mouse.
    void expectProfile(int profile);
    int framesSent() const { return int(m_mouse.recorded(SimulatedMouse::Record::FeatureSent).size()); }

    QByteArray m_display;
    std::unique_ptr<WindowManager> m_wm;
    SimulatedMouse m_mouse;
    std::unique_ptr<Widget> m_window;
    QObject *m_dashboard = nullptr;
    std::unique_ptr<QSignalSpy> m_balloons;
    xcb_window_t m_gimp = 0;
    xcb_window_t m_game = 0;
};

void TestShellFollow::initTestCase()
{
    if (m_display.isEmpty())
        QSKIP("Xvfb could not be started");
    m_wm = std::make_unique<WindowManager>(m_display);
    QVERIFY(m_wm->isUp());

    enterDataFolder();
    {
        QSettings names("modules/setting/name.bin", IniFile::format());
        names.setValue("profile/profileName", QStringList{"PUBG0", "Standard1", "Game2"});
        QSettings standard("modules/setting/p2.bin", IniFile::format());
        standard.setValue("programs/names", QStringList{"gimp"});
        QSettings game("modules/setting/p3.bin", IniFile::format());
        game.setValue("programs/names", QStringList{"mygame", "steam_app_578080"});
        game.setValue("sensor/dpi_R8", kGameDpi);
        QSettings config("modules/setting/apConfig.bin", IniFile::format());
        config.setValue("R8/profileNo", 0);
        config.setValue("follow/enabled", true);
        config.setValue("follow/fallback", 0);
    }
    QVERIFY(m_gimp && m_game);

    m_window = std::make_unique<Widget>(&m_mouse);
    m_balloons = std::make_unique<QSignalSpy>(m_window.get(), &Widget::balloonShown);
    runFirstDeviceCheck(*m_window);
    QVERIFY(deviceReady());
    QObject *root = m_window->host()->rootObject();
    QVERIFY(root);
    QTRY_VERIFY_WITH_TIMEOUT(root->property("mainPageShown").toBool(), 20000);
    m_dashboard = qvariant_cast<QObject *>(root->property("dashboard"));
    QVERIFY(m_dashboard);
    QCOMPARE(pageProfile(), 0);
}

void TestShellFollow::cleanupTestCase()
{
    m_balloons.reset();
    m_window.reset();
    m_wm.reset();
}

void TestShellFollow::expectProfile(int profile)
{
    QTRY_COMPARE_WITH_TIMEOUT(pageProfile(), profile, 5000);
    // Switched as the profile dialog switches: the mouse is sent the
    // profile's values and the choice is stored for the next start.
    QTRY_VERIFY(m_window->view()->isEnabled());
    m_window->hid().waitForPendingExchange();
    QTRY_COMPARE(stored("modules/setting/apConfig.bin", "R8/profileNo").toInt(), profile);
}

void TestShellFollow::followsTheWindowInFront()
{
    m_wm->setFront(m_gimp);
    EXPECT_PROFILE(1);
    QCOMPARE(lastBalloon(), QStringLiteral("Profile Standard for gimp"));

    const auto standardDpi = m_mouse.state().dpiCodes;

    m_wm->setFront(m_game);
    EXPECT_PROFILE(2);
    QCOMPARE(lastBalloon(), QStringLiteral("Profile Game for mygame"));
    const auto gameDpi = m_mouse.state().dpiCodes;
    QVERIFY(gameDpi != standardDpi);

    // The program's own window (the user edits its profiles there) keeps
    // the profile; so does a front that names no window. Nothing is sent.
    const int balloons = int(m_balloons->count());
    m_mouse.clearRecords();
    m_wm->setFront(m_wm->makeWindow("q530", uint32_t(QCoreApplication::applicationPid())));
    QTest::qWait(1500);
    m_wm->setFront(XCB_WINDOW_NONE);
    QTest::qWait(1500);
    QCOMPARE(pageProfile(), 2);
    QCOMPARE(m_balloons->count(), balloons);
    QCOMPARE(framesSent(), 0);

    // A program no profile lists, known only by its class, gets the fallback.
    m_wm->setFront(m_wm->makeWindow("xterm"));
    EXPECT_PROFILE(0);
    QCOMPARE(lastBalloon(), QStringLiteral("Profile PUBG for xterm"));
    QVERIFY(framesSent() > 0);
    QVERIFY(m_mouse.state().dpiCodes != gameDpi);
}

// With the profile dialog open the page is not switched under the user; it
// follows once the dialog is closed, as the user closes it.
void TestShellFollow::waitsForTheDialogToClose()
{
    QQuickItem *button = m_window->host()->rootObject()->findChild<QQuickItem *>("profileBtn");
    QVERIFY(button);
    const QPoint centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint();
    QTest::mouseClick(m_window->host()->quickWindow(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY(m_dashboard->property("holdsFollowing").toBool());

    m_mouse.clearRecords();
    m_wm->setFront(m_gimp);
    QTest::qWait(1500);
    QCOMPARE(pageProfile(), 0);
    QCOMPARE(framesSent(), 0);

    QTest::mouseClick(m_window->host()->quickWindow(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY(!m_dashboard->property("holdsFollowing").toBool());
    EXPECT_PROFILE(1);
}

namespace {

// A copy of the window program under `name`, so its executable is `name`,
// on the server; it lives until `keep` is closed. Its window, 0 if none.
struct Started
{
    int input;
    pid_t pid;
};

xcb_window_t startProgram(const QTemporaryDir &folder, const char *name, std::vector<Started> &keep)
{
    const QByteArray copy = QFile::encodeName(folder.filePath(QString::fromLatin1(name)));
    if (!QFile::copy(QStringLiteral(Q530_FOLLOW_WINDOW), QString::fromLocal8Bit(copy)))
        return 0;
    // Close-on-exec, so the second program does not hold the first one's
    // input open: it would never see its input end.
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)
        return 0;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        execl(copy.constData(), name, name, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    keep.push_back({in[1], pid});
    QByteArray line;
    char c = 0;
    pollfd ready{out[0], POLLIN, 0};
    while (poll(&ready, 1, 5000) > 0 && read(out[0], &c, 1) == 1 && c != '\n')
        line.append(c);
    close(out[0]);
    return line.toUInt();
}

} // namespace

int main(int argc, char **argv)
{
    // The server and the two programs are started before any thread of the
    // program's: a fork after them is what a sanitizer of threads does not take.
    XServer server;
    QTemporaryDir programs;
    std::vector<Started> keep;
    xcb_window_t gimp = 0, game = 0;
    if (!server.display().isEmpty()) {
        // The page still draws offscreen; only the watcher looks at the server.
        qputenv("DISPLAY", server.display());
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
        gimp = startProgram(programs, "gimp", keep);
        game = startProgram(programs, "mygame", keep);
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        TestShellFollow test(server.display(), gimp, game);
        result = QTest::qExec(&test, argc, argv);
    }
    for (const Started &program : keep) {
        close(program.input); // a program ends when its input closes
        kill(program.pid, SIGTERM); // and surely when told to
        waitpid(program.pid, nullptr, 0);
    }
    return result;
}
#include "tst_shell_follow.moc"
