#pragma once

// Start-up phases for bench/startup.sh: with Q530_STARTUP_TRACE=<file> set,
// each mark appends "<realtime us> <monotonic us> <RssAnon kB> <phase>" to
// that file. Unset, a mark is one test of a cached flag.
class QQuickWindow;

namespace StartupTrace {

void mark(const char *phase);
// Marks the first frame the window renders, and 5 s after it the memory the
// bench reads then.
void markFirstFrame(QQuickWindow *window);

} // namespace StartupTrace
