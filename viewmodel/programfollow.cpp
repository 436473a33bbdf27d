// The programs each profile follows and the fallback profile, for the
// page's "Programs..." dialog; the shell follows what is stored here.

#include "myqquickview.h"

#include "platform/activeprogram.h"
#include "storage/datakeys.h"
#include "storage/programlist.h"
#include "storage/profileset.h"

#include <QCoreApplication>
#include <QFileInfo>

QStringList myQQuickView::programsOf(int profile)
{
    QSettings *file = m_profiles->at(profile);
    return file ? ProgramList::read(*file) : QStringList();
}

bool myQQuickView::setPrograms(int profile, QStringList names)
{
    QSettings *file = m_profiles->at(profile);
    if (!file)
        return false;
    if (ProgramList::read(*file) == ProgramList::checked(names))
        return true;
    ProgramList::write(*file, names);
    // Written at once: a file that cannot take them is told now, not at
    // some later save.
    const bool saved = m_profiles->sync(profile);
    return saved;
}

bool myQQuickView::isProgramName(QString name)
{
    return ProgramList::isValidName(name);
}

QStringList myQQuickView::programsWithWindows()
{
    // This program's own window keeps the profile it has (the user edits
    // the lists there), so listing it would do nothing: it is not offered.
    QStringList programs = ActiveProgram::withWindows();
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    programs.removeIf([&self](const QString &name) { return ProgramList::sameProgram(name, self); });
    return programs;
}

int myQQuickView::followFallback()
{
    bool ok = false;
    const int stored = m_apConfig->value(ConfigKeys::kFollowFallback).toInt(&ok);
    return ok && ProfileSet::isValidIndex(stored) ? stored : m_profiles->currentIndex();
}

void myQQuickView::setFollowFallback(int profile)
{
    if (!ProfileSet::isValidIndex(profile) || m_apConfig->value(ConfigKeys::kFollowFallback) == profile)
        return;
    m_apConfig->setValue(ConfigKeys::kFollowFallback, profile);
    m_apConfig->save();
}

bool myQQuickView::isFollowing() const
{
    return m_apConfig->value(ConfigKeys::kFollowPrograms, false).toBool();
}

void myQQuickView::setFollowing(bool on)
{
    if (on == isFollowing())
        return;
    m_apConfig->setValue(ConfigKeys::kFollowPrograms, on);
    // Turning it on makes the profile in use the one for every other program.
    if (on)
        m_apConfig->setValue(ConfigKeys::kFollowFallback, m_profiles->currentIndex());
    m_apConfig->save();
}
