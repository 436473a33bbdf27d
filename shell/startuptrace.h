#pragma once

// Start-up phases for bench/startup.sh: with Q530_STARTUP_TRACE=<file> set,
// each mark appends "<realtime us> <monotonic us> <RssAnon kB> <CPU us of
// the marking thread> <its thread id> <phase>" to that file (Windows has no
// RssAnon and writes -1). Unset, a mark is one test of a cached flag.
namespace StartupTrace {

void mark(const char *phase);
// The first frame is painted; marks it, and 5 s later the memory the bench
// reads then.
void markFirstFrame();

} // namespace StartupTrace
