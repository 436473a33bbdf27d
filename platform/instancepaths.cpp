#include "instancepaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

QString InstancePaths::instanceFolder(QString *problem)
{
    QString why;
    // The user's own runtime folder; a shared one such as /tmp would let
    // another user plant the lock or the socket and keep the program out.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !isPrivateFolder(folder, nullptr)) {
        folder = QDir::homePath() + QStringLiteral("/.cache/q530-instance");
        QDir().mkpath(folder);
        // Made by this user in the user's own home, it may be made private;
        // a symbolic link or someone else's folder is refused below.
#ifdef Q_OS_UNIX
        const QFileInfo made(folder);
        if (made.isDir() && !made.isSymLink() && made.ownerId() == uint(::getuid()))
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
#endif
        if (!isPrivateFolder(folder, &why))
            why = QStringLiteral("%1 %2").arg(QDir::toNativeSeparators(folder), why);
    }
    if (problem)
        *problem = why;
    return folder;
}

bool InstancePaths::isPrivateFolder(const QString &folder, QString *why)
{
    QString reason;
#ifdef Q_OS_UNIX
    struct stat info = {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        reason = QStringLiteral("cannot be made");
    else if (S_ISLNK(info.st_mode))
        reason = QStringLiteral("is a symbolic link");
    else if (!S_ISDIR(info.st_mode))
        reason = QStringLiteral("is not a folder");
    else if (info.st_uid != ::getuid())
        reason = QStringLiteral("belongs to another user");
    else if ((info.st_mode & 0777) != 0700)
        reason = QStringLiteral("may be used by other users (its mode is not 0700)");
#else
    // The user's profile folders are the user's own on Windows.
    if (!QFileInfo(folder).isDir())
        reason = QStringLiteral("cannot be made");
#endif
    if (why)
        *why = reason;
    return reason.isEmpty();
}

QString InstancePaths::serverName()
{
    // Tests set the key so they never meet a copy that a person is running.
    QString key = qEnvironmentVariable("Q530_INSTANCE_KEY");
    if (key.isEmpty()) {
        // The home folder stands for the user on every system.
        key = QString::fromLatin1(
            QCryptographicHash::hash(QDir::homePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    }
    // A full path: the socket is made in the instance folder, not in /tmp.
    return QDir(instanceFolder()).filePath(QStringLiteral("q530-") + key);
}

QString InstancePaths::lockFilePath()
{
    const QString name = QFileInfo(serverName()).fileName() + QStringLiteral(".lock");
    const QString folder = qEnvironmentVariable("Q530_INSTANCE_LOCK_DIR");
    return folder.isEmpty() ? serverName() + QStringLiteral(".lock") : QDir(folder).filePath(name);
}
