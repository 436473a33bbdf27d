#include "platform/datafolder.h"

#include <QDir>
#include <QStandardPaths>

#ifndef Q530_SHIPPED_FROM_BIN
#define Q530_SHIPPED_FROM_BIN "../share/q530"
#endif

DataFolderChoice DataFolder::choose(const QString &programFolder)
{
    // A build folder keeps the shipped data beside the program; an
    // installation keeps it read-only below the prefix's share folder.
    const QStringList shipped{programFolder,
                              QDir::cleanPath(programFolder + QStringLiteral("/" Q530_SHIPPED_FROM_BIN))};
    return userCopy(shipped, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
