#include "profileset.h"

#include "filereplace.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

ProfileSet::ProfileSet(const QString &folder)
    : m_folder(folder)
{
    for (int i = 0; i < kCount; ++i)
        m_profiles.append(new QSettings(fileName(i), QSettings::IniFormat));
}

ProfileSet::~ProfileSet()
{
    qDeleteAll(m_profiles);
}

void ProfileSet::setCurrentIndex(int index)
{
    if (isValidIndex(index))
        m_current = index;
}

QSettings *ProfileSet::at(int index) const
{
    return isValidIndex(index) ? m_profiles.at(index) : nullptr;
}

void ProfileSet::sync(int index)
{
    if (isValidIndex(index))
        m_profiles.at(index)->sync();
}

QString ProfileSet::fileName(int index) const
{
    return m_folder + QStringLiteral("/p") + QString::number(index + 1) + QStringLiteral(".bin");
}

bool ProfileSet::replaceSlot(int index, const QString &sourceFile)
{
    if (!isValidIndex(index))
        return false;
    const QString target = fileName(index);
    const QString canonicalSource = QFileInfo(sourceFile).canonicalFilePath();
    const bool ontoItself = !canonicalSource.isEmpty() && canonicalSource == QFileInfo(target).canonicalFilePath();
    QSettings *old = m_profiles.takeAt(index);
    old->sync();
    delete old;
    if (!ontoItself) {
        // In one step: a crash or a kill never leaves half a profile.
        if (QFileInfo::exists(sourceFile))
            replaceByCopy(sourceFile, target);
        else
            QFile::remove(target);
    }
    // A copy keeps the source's read-only bit (factory files may have it).
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    m_profiles.insert(index, new QSettings(target, QSettings::IniFormat));
    return true;
}
