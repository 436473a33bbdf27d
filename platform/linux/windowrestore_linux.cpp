#include "platform/windowrestore.h"

#include <QMetaObject>
#include <QWidget>

namespace WindowRestore {

void post(QWidget *window, std::function<void()> restore)
{
    QMetaObject::invokeMethod(window, std::move(restore), Qt::QueuedConnection);
}

bool isRestoreMessage(const QByteArray &, void *)
{
    return false;
}

} // namespace WindowRestore
