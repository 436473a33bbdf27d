#include "platform/updater.h"

QString Updater::programPath()
{
    return QStringLiteral("./update/update.exe");
}
