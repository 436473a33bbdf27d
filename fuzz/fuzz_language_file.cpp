// A language file as anyone may have edited it: read a table of a group, of
// another group and of the top level. No table is longer than the limit.

#include "storage/languagefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lang_025044.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    for (const char *group : {"main", "other", ""}) {
        if (LanguageFile::readLanguageTable(path, QString::fromLatin1(group)).size() > LanguageFile::kMaxStrings)
            std::abort();
    }
    return 0;
}
