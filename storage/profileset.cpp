#include "profileset.h"

#include "filereplace.h"
#include "inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

ProfileSet::ProfileSet(const QString &folder)
    : m_folder(folder)
{
    for (int i = 0; i < kCount; ++i)
        m_profiles.append(new DataSettings(fileName(i)));
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

bool ProfileSet::sync(int index)
{
    return !isValidIndex(index) || m_profiles.at(index)->save();
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
    DataSettings *old = m_profiles.takeAt(index);
    old->save();
    delete old;
    bool replaced = true;
    if (!ontoItself) {
        // In one step: a crash or a kill never leaves half a profile.
        if (QFileInfo::exists(sourceFile))
            replaced = replaceByCopy(sourceFile, target);
        else
            replaced = QFile::remove(target) || !QFileInfo::exists(target);
    }
    m_profiles.insert(index, new DataSettings(target));
    return replaced;
}
