#include "languagefile.h"

#include <QSettings>

QStringList LanguageFile::readLanguageTable(const QString &path, const QString &group)
{
    // Qt 6 reads INI files as UTF-8.
    QSettings file(path, QSettings::IniFormat);
    const QString prefix = group.isEmpty() ? QString() : group + u'/';
    bool ok = false;
    const int total = qBound(0, file.value(prefix + QStringLiteral("total")).toInt(&ok), kMaxStrings);
    QStringList out;
    for (int i = 0; ok && i < total; ++i)
        out.append(file.value(prefix + QString::number(i), QString()).toString());
    return out;
}
