#include "platform/tracesample.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

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

TraceSample TraceSample::now()
{
    TraceSample sample;
    sample.wallUs = microseconds(CLOCK_REALTIME);
    sample.monotonicUs = microseconds(CLOCK_MONOTONIC);
    sample.threadCpuUs = microseconds(CLOCK_THREAD_CPUTIME_ID);
    sample.anonymousKb = rssAnonKb();
    // The kernel's id, the one /proc/<pid>/task/ names the thread by.
    sample.threadId = long(syscall(SYS_gettid));
    return sample;
}
