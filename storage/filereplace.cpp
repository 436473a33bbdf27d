#include "filereplace.h"

#include "savelog.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool replaceByCopy(const QString &source, const QString &target)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly)) {
        SaveLog::instance().failed(target, QStringLiteral("%1 cannot be read: %2").arg(source, from.errorString()));
        return false;
    }
    const QByteArray bytes = from.readAll();
    if (from.error() != QFileDevice::NoError) {
        SaveLog::instance().failed(target, QStringLiteral("%1 cannot be read: %2").arg(source, from.errorString()));
        return false;
    }
    return replaceWith(bytes, target);
}

bool replaceWith(const QByteArray &bytes, const QString &target)
{
    // A file whose owner took the right to write away is refused, never
    // replaced behind the owner's back (root could).
    const QFileInfo old(target);
    if (old.exists() && !(old.permissions() & QFileDevice::WriteOwner)) {
        SaveLog::instance().failed(target, QStringLiteral("the file is read-only"));
        return false;
    }
    // QSaveFile writes a temporary file in the target's folder, with the old
    // file's mode, and renames it over the target on commit; it never writes
    // the target in place. Its commit does not look at a failed flush of its
    // buffer (a full disk), so the flush is checked here first.
    QSaveFile to(target);
    if (!to.open(QIODevice::WriteOnly) || to.write(bytes) != bytes.size() || !to.flush()) {
        SaveLog::instance().failed(target, to.errorString());
        to.cancelWriting();
        return false;
    }
    if (!to.commit()) {
        SaveLog::instance().failed(target, to.errorString());
        return false;
    }
    SaveLog::instance().saved(target);
    return true;
}
