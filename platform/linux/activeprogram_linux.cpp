#include "platform/activeprogram.h"

#include <QSocketNotifier>
#include <QTimer>

#include <xcb/xcb.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;
using PropertyReply = Reply<xcb_get_property_reply_t>;

// How much of a property is read at most: a string of 4 KiB, a list of 4096
// windows. Anything longer is no name or list a window manager would set.
constexpr uint32_t StringLongs = 1024;
constexpr uint32_t MaxWindows = 4096;

struct Atoms
{
    xcb_atom_t activeWindow = XCB_ATOM_NONE;
    xcb_atom_t clientList = XCB_ATOM_NONE;
    xcb_atom_t wmPid = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
};

Atoms internAtoms(xcb_connection_t *connection)
{
    const char *const names[] = {"_NET_ACTIVE_WINDOW", "_NET_CLIENT_LIST", "_NET_WM_PID", "UTF8_STRING"};
    xcb_intern_atom_cookie_t cookies[4];
    for (int i = 0; i < 4; ++i)
        cookies[i] = xcb_intern_atom(connection, 0, uint16_t(strlen(names[i])), names[i]);
    xcb_atom_t atoms[4];
    for (int i = 0; i < 4; ++i) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return {atoms[0], atoms[1], atoms[2], atoms[3]};
}

xcb_window_t rootOf(xcb_connection_t *connection, int screen)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; it.rem > 0; --screen, xcb_screen_next(&it)) {
        if (screen == 0)
            return it.data->root;
    }
    return XCB_WINDOW_NONE;
}

xcb_get_property_cookie_t askProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                                      uint32_t longs)
{
    return xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, longs);
}

// The reply, or null where the window is gone. Its type may be any, NONE
// where the property is not set.
PropertyReply takeProperty(xcb_connection_t *connection, xcb_get_property_cookie_t cookie)
{
    xcb_generic_error_t *error = nullptr;
    PropertyReply reply(xcb_get_property_reply(connection, cookie, &error));
    std::free(error);
    return reply;
}

// Whether a reply holds a value of this type and format, whole as the
// server says it is.
bool holds(const PropertyReply &reply, xcb_atom_t type, uint8_t format)
{
    return reply && reply->type == type && reply->format == format && reply->value_len > 0
        && xcb_get_property_value_length(reply.get()) == int(reply->value_len * (format / 8));
}

QByteArray bytesOf(const PropertyReply &reply)
{
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

std::vector<xcb_window_t> windowsOf(const PropertyReply &reply)
{
    if (!holds(reply, XCB_ATOM_WINDOW, 32))
        return {};
    const auto *values = static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
    return std::vector<xcb_window_t>(values, values + reply->value_len);
}

// The files of one /proc/PID, read through one handle on its folder, so a
// PID that ends and is given to another process between two reads cannot
// mix the two: the handle stays with the first.
class ProcessFolder
{
public:
    ProcessFolder(int parent, const char *name)
        : m_fd(openat(parent, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~ProcessFolder()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    ProcessFolder(const ProcessFolder &) = delete;
    ProcessFolder &operator=(const ProcessFolder &) = delete;

    bool isOpen() const { return m_fd >= 0; }

    bool ownedBy(uid_t user) const
    {
        struct stat info;
        return fstat(m_fd, &info) == 0 && info.st_uid == user;
    }

    // The executable's file name; "" where it cannot be read (another
    // user's process, a kernel thread, a process that has ended).
    QString exe() const
    {
        char path[PATH_MAX];
        const ssize_t length = readlinkat(m_fd, "exe", path, sizeof path);
        if (length <= 0 || size_t(length) >= sizeof path)
            return {};
        QByteArray target(path, int(length));
        // An executable replaced while it runs (an update) is still the same
        // program.
        static const QByteArray deleted = " (deleted)";
        if (target.endsWith(deleted))
            target.chop(deleted.size());
        return QString::fromLocal8Bit(target.mid(target.lastIndexOf('/') + 1));
    }

    // The name the process goes by, at most 15 bytes.
    QString comm() const
    {
        const QByteArray text = readFile("comm", 64);
        return QString::fromLocal8Bit(text.endsWith('\n') ? text.chopped(1) : text);
    }

    bool hasCommandLine() const { return !readFile("cmdline", 1).isEmpty(); }

private:
    QByteArray readFile(const char *name, int most) const
    {
        const int fd = openat(m_fd, name, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return {};
        QByteArray text(most, Qt::Uninitialized);
        const ssize_t length = read(fd, text.data(), size_t(most));
        close(fd);
        return length > 0 ? text.left(int(length)) : QByteArray();
    }

    int m_fd;
};

bool isWineLoader(const QString &exe)
{
    return exe == QLatin1String("wine") || exe == QLatin1String("wine64") || exe == QLatin1String("wine-preloader")
        || exe == QLatin1String("wine64-preloader");
}

// Wine names a program after its Windows executable, "game.exe"; without the
// ".exe" it matches what the Windows side reports for the same game.
QString withoutExe(const QString &name)
{
    return name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? name.chopped(4) : name;
}

QByteArray hostName()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return QByteArray(name);
}

bool sessionIsWayland()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

// What is asked about a window to name its program, sent together so the
// answers come back in one wait.
struct WindowQuestions
{
    xcb_get_property_cookie_t pid, machine, wmClass;
};

} // namespace

struct ActiveProgram::Private
{
    ActiveProgram *q;
    Kind kind = Kind::RunningPrograms;

    xcb_connection_t *connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    Atoms atoms;
    QByteArray host;
    QSocketNotifier *notifier = nullptr;
    QString front;

    QTimer *poll = nullptr;
    QStringList running;

    explicit Private(ActiveProgram *owner) : q(owner) {}
    ~Private()
    {
        delete notifier;
        if (connection)
            xcb_disconnect(connection);
    }

    // The program a process runs, exe its executable's file name;
    // wineName, when not empty, is what names a program that Wine runs.
    static QString programOf(const ProcessFolder &process, const QString &exe, const QString &wineName)
    {
        if (exe.isEmpty())
            return checkedName(process.comm());
        // Wine's loader runs every Windows program; its file says nothing
        // about which.
        if (isWineLoader(exe))
            return checkedName(!wineName.isEmpty() ? wineName : withoutExe(process.comm()));
        return checkedName(exe);
    }

    static WindowQuestions ask(xcb_connection_t *connection, const Atoms &atoms, xcb_window_t window)
    {
        return {askProperty(connection, window, atoms.wmPid, 1),
                askProperty(connection, window, XCB_ATOM_WM_CLIENT_MACHINE, StringLongs),
                askProperty(connection, window, XCB_ATOM_WM_CLASS, StringLongs)};
    }

    // The program of a window: from its process where the window says which
    // one on this machine, else from the instance name of its WM_CLASS.
    static QString programOf(xcb_connection_t *connection, const Atoms &atoms, const QByteArray &host,
                             const WindowQuestions &questions)
    {
        // Every answer is taken, so none is left queued on the connection.
        const PropertyReply pid = takeProperty(connection, questions.pid);
        const PropertyReply machine = takeProperty(connection, questions.machine);
        const PropertyReply wmClass = takeProperty(connection, questions.wmClass);

        QString instance;
        if (holds(wmClass, XCB_ATOM_STRING, 8)) {
            const QByteArray value = bytesOf(wmClass);
            const int end = value.indexOf('\0');
            // A cut-off value without its end is a cut-off name.
            if (end >= 0 || wmClass->bytes_after == 0)
                instance = QString::fromLatin1(end >= 0 ? value.left(end) : value);
        }

        // A window of a program on another machine, shown here over the
        // network, carries a PID of that machine; a window that names no
        // machine is taken for one of this machine.
        bool local = machine && machine->type == XCB_ATOM_NONE;
        if ((holds(machine, XCB_ATOM_STRING, 8) || holds(machine, atoms.utf8String, 8)) && machine->bytes_after == 0) {
            QByteArray name = bytesOf(machine);
            if (name.endsWith('\0'))
                name.chop(1);
            local = !host.isEmpty() && name.compare(host, Qt::CaseInsensitive) == 0;
        }
        if (local && holds(pid, XCB_ATOM_CARDINAL, 32) && pid->value_len == 1 && pid->bytes_after == 0) {
            const uint32_t number = *static_cast<const uint32_t *>(xcb_get_property_value(pid.get()));
            if (number > 0 && number <= uint32_t(INT_MAX)) {
                const ProcessFolder process(AT_FDCWD, QByteArray("/proc/" + QByteArray::number(number)).constData());
                if (process.isOpen()) {
                    // What names a program under Wine is the window's
                    // instance name (steam_app_NNN for a Proton game).
                    const QString name = programOf(process, process.exe(), withoutExe(instance));
                    if (!name.isEmpty())
                        return name;
                }
            }
        }
        return checkedName(instance);
    }

    bool watchFrontWindow()
    {
        if (sessionIsWayland() || qEnvironmentVariableIsEmpty("DISPLAY"))
            return false;
        int screen = 0;
        connection = xcb_connect(nullptr, &screen);
        if (xcb_connection_has_error(connection))
            return false;
        root = rootOf(connection, screen);
        if (root == XCB_WINDOW_NONE)
            return false;
        atoms = internAtoms(connection);
        host = hostName();

        // The window manager sets _NET_ACTIVE_WINDOW on the root whenever
        // another window comes to the front; its change wakes the loop, so
        // nothing runs while the front stays.
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        notifier = new QSocketNotifier(xcb_get_file_descriptor(connection), QSocketNotifier::Read, q);
        QObject::connect(notifier, &QSocketNotifier::activated, q, [this] { onReadable(); });
        front = readFront();
        takeEvents(xcb_poll_for_queued_event);
        return true;
    }

    QString readFront() const
    {
        const PropertyReply active = takeProperty(connection, askProperty(connection, root, atoms.activeWindow, 1));
        const std::vector<xcb_window_t> windows = windowsOf(active);
        if (windows.empty() || windows.front() == XCB_WINDOW_NONE)
            return {};
        return programOf(connection, atoms, host, ask(connection, atoms, windows.front()));
    }

    // Handles the events waiting; reading the front again may queue more
    // without waking the notifier, so they are taken until none is left.
    void takeEvents(xcb_generic_event_t *(*next)(xcb_connection_t *))
    {
        for (;;) {
            bool changed = false;
            while (xcb_generic_event_t *event = next(connection)) {
                if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                    const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
                    changed = changed || (notify->window == root && notify->atom == atoms.activeWindow);
                }
                std::free(event);
            }
            if (!changed || xcb_connection_has_error(connection))
                return;
            setFront(readFront());
            next = xcb_poll_for_queued_event;
        }
    }

    void onReadable()
    {
        takeEvents(xcb_poll_for_event);
        if (xcb_connection_has_error(connection)) {
            // The server is gone (or closed this connection): its socket
            // would wake the loop without end.
            notifier->setEnabled(false);
            setFront(QString());
        }
    }

    void setFront(const QString &program)
    {
        if (program == front)
            return;
        front = program;
        emit q->frontChanged(front);
    }

    static QStringList readRunning()
    {
        QStringList names;
        DIR *proc = opendir("/proc");
        if (!proc)
            return names;
        const uid_t user = getuid();
        while (const dirent *entry = readdir(proc)) {
            const char *c = entry->d_name;
            while (*c >= '0' && *c <= '9')
                ++c;
            if (c == entry->d_name || *c != '\0')
                continue;
            const ProcessFolder process(dirfd(proc), entry->d_name);
            if (!process.isOpen() || !process.ownedBy(user))
                continue;
            const QString exe = process.exe();
            // A kernel thread has neither.
            if (exe.isEmpty() && !process.hasCommandLine())
                continue;
            const QString name = programOf(process, exe, QString());
            if (!name.isEmpty())
                names.append(name);
        }
        closedir(proc);
        names.sort();
        names.removeDuplicates();
        return names;
    }

    void watchRunning()
    {
        // No notice tells when a process starts or ends (short of being its
        // parent or a privileged listener), so /proc is read every 2 s: soon
        // enough for a game that takes longer than that to start.
        running = readRunning();
        poll = new QTimer(q);
        poll->setInterval(2000);
        QObject::connect(poll, &QTimer::timeout, q, [this] {
            QStringList now = readRunning();
            if (now == running)
                return;
            running = std::move(now);
            emit q->runningChanged(running);
        });
        poll->start();
    }
};

ActiveProgram::ActiveProgram(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>(this))
{
    if (d->watchFrontWindow()) {
        d->kind = Kind::FrontWindow;
        return;
    }
    if (d->connection) {
        xcb_disconnect(d->connection);
        d->connection = nullptr;
    }
    d->watchRunning();
}

ActiveProgram::~ActiveProgram() = default;

ActiveProgram::Kind ActiveProgram::kind() const
{
    return d->kind;
}

QString ActiveProgram::front() const
{
    return d->front;
}

QStringList ActiveProgram::running() const
{
    return d->running;
}

QStringList ActiveProgram::withWindows()
{
    if (sessionIsWayland() || qEnvironmentVariableIsEmpty("DISPLAY"))
        return {};
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    const xcb_window_t root =
        xcb_connection_has_error(connection) ? xcb_window_t(XCB_WINDOW_NONE) : rootOf(connection, screen);
    if (root == XCB_WINDOW_NONE) {
        xcb_disconnect(connection);
        return {};
    }
    const Atoms atoms = internAtoms(connection);
    const QByteArray host = hostName();

    std::vector<xcb_window_t> windows =
        windowsOf(takeProperty(connection, askProperty(connection, root, atoms.clientList, MaxWindows)));
    if (windows.empty()) {
        // Without a window manager that lists its windows, the top-level
        // windows on screen that name a program are taken instead.
        Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
        if (tree) {
            const xcb_window_t *children = xcb_query_tree_children(tree.get());
            const int count = std::min(xcb_query_tree_children_length(tree.get()), int(MaxWindows));
            std::vector<xcb_get_window_attributes_cookie_t> attributes;
            std::vector<xcb_get_property_cookie_t> classes;
            for (int i = 0; i < count; ++i) {
                attributes.push_back(xcb_get_window_attributes(connection, children[i]));
                classes.push_back(askProperty(connection, children[i], XCB_ATOM_WM_CLASS, StringLongs));
            }
            for (int i = 0; i < count; ++i) {
                Reply<xcb_get_window_attributes_reply_t> state(
                    xcb_get_window_attributes_reply(connection, attributes[size_t(i)], nullptr));
                const PropertyReply wmClass = takeProperty(connection, classes[size_t(i)]);
                if (state && state->map_state == XCB_MAP_STATE_VIEWABLE && holds(wmClass, XCB_ATOM_STRING, 8))
                    windows.push_back(children[i]);
            }
        }
    }

    std::vector<WindowQuestions> questions;
    questions.reserve(windows.size());
    for (const xcb_window_t window : windows)
        questions.push_back(Private::ask(connection, atoms, window));
    QStringList names;
    for (const WindowQuestions &question : questions) {
        const QString name = Private::programOf(connection, atoms, host, question);
        if (!name.isEmpty())
            names.append(name);
    }
    xcb_disconnect(connection);
    names.sort();
    names.removeDuplicates();
    return names;
}
