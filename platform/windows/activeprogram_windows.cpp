#include "platform/activeprogram.h"

#include <windows.h>
#include <dwmapi.h>

#include <vector>

struct ActiveProgram::Private
{
    ActiveProgram *q;
    HWINEVENTHOOK hook = nullptr;
    QString front;

    // The hook's callback carries nothing of ours, so it finds the watcher
    // here: one ActiveProgram at a time (the window makes one).
    static Private *instance;

    explicit Private(ActiveProgram *owner) : q(owner) {}

    // The program of a window's process: its image's file name without
    // ".exe"; "" where the process cannot be asked (a protected one).
    static QString programOf(HWND window)
    {
        DWORD pid = 0;
        if (!window || !GetWindowThreadProcessId(window, &pid) || pid == 0)
            return {};
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
        if (!process)
            return {};
        std::vector<wchar_t> path(32768);
        DWORD length = DWORD(path.size());
        const BOOL read = QueryFullProcessImageNameW(process, 0, path.data(), &length);
        CloseHandle(process);
        if (!read || length == 0)
            return {};
        QString name = QString::fromWCharArray(path.data(), int(length));
        name = name.mid(name.lastIndexOf(QLatin1Char('\\')) + 1);
        if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
            name.chop(4);
        return checkedName(name);
    }

    static void CALLBACK onForeground(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                                      DWORD)
    {
        if (!instance || event != EVENT_SYSTEM_FOREGROUND || object != OBJID_WINDOW || child != CHILDID_SELF)
            return;
        const QString program = programOf(window);
        if (program == instance->front)
            return;
        instance->front = program;
        emit instance->q->frontChanged(program);
    }

    static BOOL CALLBACK addWindow(HWND window, LPARAM names)
    {
        // What the taskbar shows: visible, unowned top-level windows with a
        // title, less those hidden on another virtual desktop or suspended
        // (cloaked).
        if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) || GetWindowTextLengthW(window) == 0)
            return TRUE;
        DWORD cloaked = 0;
        if (SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked)) && cloaked)
            return TRUE;
        const QString name = programOf(window);
        if (!name.isEmpty())
            reinterpret_cast<QStringList *>(names)->append(name);
        return TRUE;
    }
};

ActiveProgram::Private *ActiveProgram::Private::instance = nullptr;

ActiveProgram::ActiveProgram(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>(this))
{
    Q_ASSERT(!Private::instance);
    Private::instance = d.get();
    // Out of context, the callback runs on this thread from its message
    // loop (Qt's). Our own windows coming to the front are not reported: the
    // program before them stays the one in front.
    d->hook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &Private::onForeground, 0, 0,
                              WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    // Likewise at the start, when the window in front may be our own.
    HWND window = GetForegroundWindow();
    DWORD pid = 0;
    if (window && GetWindowThreadProcessId(window, &pid) && pid != GetCurrentProcessId())
        d->front = Private::programOf(window);
}

ActiveProgram::~ActiveProgram()
{
    if (d->hook)
        UnhookWinEvent(d->hook);
    Private::instance = nullptr;
}

ActiveProgram::Kind ActiveProgram::kind() const
{
    return Kind::FrontWindow;
}

QString ActiveProgram::front() const
{
    return d->front;
}

QStringList ActiveProgram::running() const
{
    return {};
}

QStringList ActiveProgram::withWindows()
{
    QStringList names;
    EnumWindows(&Private::addWindow, reinterpret_cast<LPARAM>(&names));
    names.sort();
    names.removeDuplicates();
    return names;
}
