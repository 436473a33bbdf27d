#pragma once

#include <QString>

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

} // namespace QuitSignals
