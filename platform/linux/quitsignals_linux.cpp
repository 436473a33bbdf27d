#include "platform/quitsignals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSocketNotifier>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};
QMutex g_mutex;
QStringList g_paths;

// Only what is safe in a signal handler: the signal's number into the pipe.
void onSignal(int signal)
{
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &number, 1);
}

bool installHandlers()
{
    if (g_pipe[0] >= 0)
        return true;
    if (::pipe2(g_pipe, O_CLOEXEC) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    return true;
}

} // namespace

void QuitSignals::quitEventLoop()
{
    if (!installHandlers())
        return;
    auto *notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, QCoreApplication::instance(), [] {
        unsigned char number = 0;
        if (::read(g_pipe[0], &number, 1) == 1)
            qInfo("Ending on signal %d", int(number));
        QCoreApplication::quit();
    });
}

void QuitSignals::endRun(const char *program)
{
    if (!installHandlers())
        return;
    // The run may be waiting for the mouse; a thread of its own takes the
    // signal, tidies up and ends the process.
    std::thread([program] {
        unsigned char number = 0;
        while (::read(g_pipe[0], &number, 1) != 1) {
        }
        {
            const QMutexLocker lock(&g_mutex);
            for (const QString &path : std::as_const(g_paths)) {
                if (QFileInfo(path).isDir())
                    QDir(path).removeRecursively();
                else
                    QFile::remove(path);
            }
        }
        std::fprintf(stderr, "%s: ended by signal %d\n", program, int(number));
        ::_exit(128 + number);
    }).detach();
}

void QuitSignals::removeOnSignal(const QString &path)
{
    const QMutexLocker lock(&g_mutex);
    g_paths.append(path);
}

bool QuitSignals::makeAndRemoveOnSignal(const QString &path, const std::function<bool()> &make)
{
    const QMutexLocker lock(&g_mutex);
    if (!make())
        return false;
    g_paths.append(path);
    return true;
}
