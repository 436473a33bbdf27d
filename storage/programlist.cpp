#include "programlist.h"

#include "datakeys.h"
#include "platform/filenamerules.h"

#include <QSettings>

namespace ProgramList {

bool isValidName(const QString &name)
{
    if (name.isEmpty() || name.size() > kMaxNameLength)
        return false;
    if (name.front().isSpace() || name.back().isSpace())
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool sameProgram(const QString &a, const QString &b)
{
    return a.compare(b, FileNameRules::kWindows ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

bool lists(const QStringList &names, const QString &program)
{
    for (const QString &name : names) {
        if (sameProgram(name, program))
            return true;
    }
    return false;
}

QStringList checked(const QStringList &names)
{
    QStringList kept;
    for (const QString &name : names) {
        if (kept.size() == kMaxNames)
            break;
        if (isValidName(name) && !lists(kept, name))
            kept.append(name);
    }
    return kept;
}

QStringList read(const QSettings &profile)
{
    // One name reads back as a plain string, which converts to a list of one.
    return checked(profile.value(ProfileKeys::kPrograms).toStringList());
}

void write(QSettings &profile, const QStringList &names)
{
    const QStringList kept = checked(names);
    if (kept.isEmpty())
        profile.remove(ProfileKeys::kProgramsGroup);
    else
        profile.setValue(ProfileKeys::kPrograms, kept);
}

} // namespace ProgramList
