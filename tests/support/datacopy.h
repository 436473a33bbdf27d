#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

// A writable copy of the shipped data (or any folder), so that tests and
// benchmarks never change the files of the built program. Files already in
// `to` are replaced. False when any file could not be copied.
inline bool copyFolder(const QString &from, const QString &to)
{
    bool copied = true;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        copied = QFile::copy(source, target) && copied;
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
    return copied;
}
