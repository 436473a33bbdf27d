#include "platform/datafolder.h"

#include "platform/dataseed.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

QString modulesOf(const QString &folder)
{
    return folder + QStringLiteral("/modules");
}

QString listed(const QStringList &files)
{
    constexpr int kShown = 3;
    QString text = files.mid(0, kShown).join(QStringLiteral(", "));
    if (files.size() > kShown)
        text += QStringLiteral(" and %1 more").arg(files.size() - kShown);
    return text;
}

// Folders below modules/ whose changes could not be saved.
QStringList unwritable(const QString &shippedModules, const QString &userModules)
{
    QStringList folders;
    for (const QString &relative : DataSeed::writtenFolders(shippedModules)) {
        const QString folder = relative.isEmpty() ? userModules : userModules + QLatin1Char('/') + relative;
        if (!DataSeed::canWriteIn(folder))
            folders.append(QDir::toNativeSeparators(folder));
    }
    return folders;
}

// Why `folder` cannot be made: the first part of its path that is in the way.
QString whyNoFolder(const QString &folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList parts;
    while (!path.isEmpty() && !QFileInfo(path).isDir()) {
        const QFileInfo part(path);
        if (part.isSymLink() && !part.exists())
            parts.prepend(QStringLiteral("%1 is a symbolic link that leads nowhere or in a loop")
                              .arg(QDir::toNativeSeparators(path)));
        else if (part.exists())
            parts.prepend(QStringLiteral("%1 is a file, not a folder").arg(QDir::toNativeSeparators(path)));
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            break;
        path = parent;
    }
    return parts.isEmpty() ? QStringLiteral("%1 cannot be written").arg(QDir::toNativeSeparators(path))
                           : parts.first();
}

// This run works on a copy: the shipped data with the user's own files over
// it, where they can be read.
void workOnSessionCopy(DataFolderChoice &choice, const QString &shippedRoot, const QString &userFolder)
{
    auto session = std::make_shared<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/q530-data-XXXXXX"));
    if (session->isValid()) {
        DataSeed::seed(modulesOf(shippedRoot), modulesOf(session->path()));
        if (!userFolder.isEmpty() && QFileInfo(modulesOf(userFolder)).isDir())
            DataSeed::takeOver(modulesOf(userFolder), modulesOf(session->path()));
        choice.workingFolder = session->path();
        choice.session = session;
        choice.problems.append(QStringLiteral("Working on a temporary copy in %1: changes are lost when the program ends")
                                   .arg(QDir::toNativeSeparators(session->path())));
    } else {
        choice.workingFolder = shippedRoot;
        choice.problems.append(QStringLiteral("Working on the shipped data in %1: changes are not kept")
                                   .arg(QDir::toNativeSeparators(shippedRoot)));
    }
    choice.userMessage = choice.problems.first()
        + QStringLiteral(".\n\nSettings, profiles and macros you change now are lost when the program ends. "
                         "Make sure the data folder belongs to you and can be written, then start the "
                         "program again.");
}

} // namespace

DataFolderChoice DataFolder::userCopy(const QStringList &shippedRoots, const QString &userFolder)
{
    DataFolderChoice choice;
    QString shipped;
    for (const QString &root : shippedRoots) {
        if (QFileInfo(modulesOf(root)).isDir()) {
            shipped = QDir(root).absolutePath();
            break;
        }
    }
    if (shipped.isEmpty()) {
        // The user's folder may hold all the program needs; without it the
        // program runs on its built-in defaults.
        QStringList looked;
        for (const QString &root : shippedRoots)
            looked.append(QDir::toNativeSeparators(modulesOf(QDir::cleanPath(root))));
        choice.problems.append(QStringLiteral("No shipped data in %1").arg(looked.join(QStringLiteral(" or "))));
        choice.userMessage = QStringLiteral("The program's own data is missing (it belongs in %1). "
                                            "Install the program again.").arg(looked.join(QStringLiteral(" or ")));
        choice.workingFolder = userFolder.isEmpty() ? QDir::currentPath() : userFolder;
        QDir().mkpath(modulesOf(choice.workingFolder));
        return choice;
    }

    const QString userModules = modulesOf(userFolder);
    if (userFolder.isEmpty()) {
        choice.problems.append(QStringLiteral("No per-user data folder (is HOME set?)"));
    } else if (!QDir().mkpath(userModules) || !QFileInfo(userModules).isDir()) {
        choice.problems.append(QStringLiteral("Data folder %1 cannot be created: %2")
                                   .arg(QDir::toNativeSeparators(userModules), whyNoFolder(userModules)));
    } else {
        const DataSeed::Report report = DataSeed::seed(modulesOf(shipped), userModules);
        if (!report.failed.isEmpty())
            choice.problems.append(QStringLiteral("Data folder %1 lacks shipped files it could not take in: %2")
                                       .arg(QDir::toNativeSeparators(userModules), listed(report.failed)));
        const QStringList locked = unwritable(modulesOf(shipped), userModules);
        if (!locked.isEmpty())
            choice.problems.append(QStringLiteral("Data folder %1 cannot be written: %2")
                                       .arg(QDir::toNativeSeparators(userModules), listed(locked)));
        if (choice.problems.isEmpty()) {
            choice.workingFolder = userFolder;
            return choice;
        }
    }
    workOnSessionCopy(choice, shipped, userFolder);
    return choice;
}

bool DataFolder::canShowBoxes()
{
    const QString platform = QGuiApplication::platformName();
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

bool DataFolder::enter(const DataFolderChoice &choice)
{
    for (const QString &problem : choice.problems)
        qWarning("%s", qPrintable(problem));
    const bool entered = QDir::setCurrent(choice.workingFolder);
    if (!entered)
        qCritical("Cannot work in the data folder %s", qPrintable(QDir::toNativeSeparators(choice.workingFolder)));
    return entered;
}
