#pragma once

#include <QByteArray>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

// Xvfb on the first free display, for as long as the object lives, started
// with these arguments beside its own. display() is empty where it could not
// be started (not installed, or it did not come up within 20 s).
class XServer
{
public:
    explicit XServer(std::vector<const char *> arguments = {})
    {
        // Made before the fork: the child only calls what is safe there.
        arguments.insert(arguments.begin(), {"Xvfb", "-displayfd", "3", "-nolisten", "tcp"});
        arguments.push_back(nullptr);
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            // The server writes its display number to descriptor 3 once it
            // takes connections.
            dup2(fds[1], 3);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, 1);
            dup2(quiet, 2);
            execvp("Xvfb", const_cast<char *const *>(arguments.data()));
            _exit(127);
        }
        close(fds[1]);
        QByteArray number;
        pollfd ready{fds[0], POLLIN, 0};
        char c = 0;
        while (m_pid > 0 && poll(&ready, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number.append(c);
        close(fds[0]);
        if (c == '\n' && !number.isEmpty())
            m_display = ':' + number;
        else
            stop();
    }
    ~XServer() { stop(); }
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    QByteArray display() const { return m_display; }

    // Ends the server now; its clients see their connections close.
    void stop()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    QByteArray m_display;
};
