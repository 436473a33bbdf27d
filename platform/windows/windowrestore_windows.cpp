#include "platform/windowrestore.h"

#include <QWidget>

#include <windows.h>

namespace WindowRestore {

// The window's nativeEvent sees the message come back; default processing
// then lifts a minimised window as well.
void post(QWidget *window, std::function<void()>)
{
    PostMessageW(reinterpret_cast<HWND>(window->winId()), WM_SYSCOMMAND, SC_RESTORE, 0);
}

bool isRestoreMessage(const QByteArray &eventType, void *message)
{
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    // The low four bits of wParam are the system's own.
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == SC_RESTORE;
}

} // namespace WindowRestore
