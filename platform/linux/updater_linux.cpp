#include "platform/updater.h"

#include <QCoreApplication>

QString Updater::programPath()
{
    // The working folder is the user's data folder, not the program's: the
    // updater is looked for beside the program itself.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/update/update");
}
