#include "startuptrace.h"

#include "platform/tracesample.h"

#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

const char *traceFile()
{
    static const char *const file = [] {
        const char *name = std::getenv("Q530_STARTUP_TRACE");
        return name && *name ? name : nullptr;
    }();
    return file;
}

} // namespace

void StartupTrace::mark(const char *phase)
{
    const char *file = traceFile();
    if (Q_LIKELY(!file))
        return;
    const TraceSample now = TraceSample::now();
    if (FILE *out = std::fopen(file, "a")) {
        std::fprintf(out, "%lld %lld %ld %lld %ld %s\n", now.wallUs, now.monotonicUs, now.anonymousKb, now.threadCpuUs,
                     now.threadId, phase);
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
