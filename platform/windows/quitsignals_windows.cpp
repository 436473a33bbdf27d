#include "platform/quitsignals.h"

// Windows sends no SIGTERM: a program is ended through its window or the
// task manager, and the single-instance lock and socket of Windows go away
// with the process.
void QuitSignals::quitEventLoop() {}
void QuitSignals::endRun(const char *) {}
void QuitSignals::removeOnSignal(const QString &) {}

bool QuitSignals::makeAndRemoveOnSignal(const QString &, const std::function<bool()> &make)
{
    return make();
}
