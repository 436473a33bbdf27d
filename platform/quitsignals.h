#pragma once

#include <QString>

#include <functional>

// A request to end from outside (SIGTERM, SIGINT from the terminal) ends the
// program as its tray's Quit does, so the lock, the socket and a temporary
// data copy go away with it.
namespace QuitSignals {

// For a program with an event loop: the signal quits the application
// object's loop. Call once the application object exists.
void quitEventLoop();

// For a run without an event loop: the signal removes the paths given to
// removeOnSignal(), says so on stderr as `program` and ends the process
// with 128 + the signal.
void endRun(const char *program);
// A file or folder the run leaves behind if it ends by a signal.
void removeOnSignal(const QString &path);
// Makes `path` with `make` and, when it returns true, has it removed on a
// signal; a signal meanwhile waits, so what is made is never left behind.
bool makeAndRemoveOnSignal(const QString &path, const std::function<bool()> &make);

} // namespace QuitSignals
