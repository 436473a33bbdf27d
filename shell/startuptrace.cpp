#include "startuptrace.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

const char *traceFile()
{
    static const char *const file = [] {
        const char *name = std::getenv("Q530_STARTUP_TRACE");
        return name && *name ? name : nullptr;
    }();
    return file;
}

long long microseconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

long rssAnonKb()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "RssAnon:", 8) == 0) {
            kb = std::strtol(line + 8, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kb;
}

} // namespace

void StartupTrace::mark(const char *phase)
{
    const char *file = traceFile();
    if (Q_LIKELY(!file))
        return;
    const long long wall = microseconds(CLOCK_REALTIME);
    const long long mono = microseconds(CLOCK_MONOTONIC);
    const long long cpu = microseconds(CLOCK_THREAD_CPUTIME_ID);
    const long kb = rssAnonKb();
    if (FILE *out = std::fopen(file, "a")) {
        std::fprintf(out, "%lld %lld %ld %lld %ld %s\n", wall, mono, kb, cpu, long(syscall(SYS_gettid)), phase);
        std::fclose(out);
    }
}

void StartupTrace::markFirstFrame()
{
    if (Q_LIKELY(!traceFile()))
        return;
    mark("first frame painted");
    QTimer::singleShot(5000, [] { mark("5 s after the first frame"); });
}
