#pragma once

#include <QByteArray>

#include <functional>

class QWidget;

// A request to bring a window back, delivered later by the event loop.
// Windows carries it as WM_SYSCOMMAND/SC_RESTORE, so the system also lifts a
// minimised window, and the window must pass its native messages through
// isRestoreMessage(); elsewhere `restore` simply runs as a queued call.
namespace WindowRestore {

void post(QWidget *window, std::function<void()> restore);
bool isRestoreMessage(const QByteArray &eventType, void *message);

} // namespace WindowRestore
