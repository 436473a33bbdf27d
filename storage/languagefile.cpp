#include "languagefile.h"

#include "inifile.h"
#include "settingsvalues.h"

#include <QSettings>

QStringList LanguageFile::readLanguageTable(const QString &path, const QString &group)
{
    // Qt 6 reads INI files as UTF-8.
    DataSettings file(path);
    const QString prefix = group.isEmpty() ? QString() : group + u'/';
    const int total = qBound(0, intValue(file.value(prefix + QStringLiteral("total")), 0), kMaxStrings);
    QStringList out;
    for (int i = 0; i < total; ++i) {
        // A text with a comma that is not quoted reads as a list of its parts.
        const QVariant text = file.value(prefix + QString::number(i), QString());
        out.append(text.typeId() == QMetaType::QStringList ? text.toStringList().join(QStringLiteral(", "))
                                                           : text.toString());
    }
    return out;
}
