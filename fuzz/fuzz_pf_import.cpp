// An imported ".pf" is someone else's file: import it into profile 1 of a
// scratch program folder and re-create the macros and gun presets it
// carries. Nothing may be written outside the macro and gun folders.

#include "storage/devicelink.h"
#include "storage/gunfiles.h"
#include "storage/macrofiles.h"
#include "storage/nameregistry.h"
#include "storage/profileset.h"
#include "storage/profilestore.h"
#include "storage/safename.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// Absolute folders: libFuzzer reads its corpus relative to the current directory.
QTemporaryDir *programFolder()
{
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir;
        QDir(d->path()).mkpath(QStringLiteral("modules/setting"));
        return d;
    }();
    return dir;
}

void clearFolder(const QString &path)
{
    QDir folder(path);
    folder.removeRecursively();
    QDir().mkpath(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QDir root(programFolder()->path());
    clearFolder(root.filePath(QStringLiteral("modules/macro")));
    clearFolder(root.filePath(QStringLiteral("modules/gun")));
    QFile::remove(root.filePath(QStringLiteral("modules/setting/name.bin")));

    const QString pf = root.filePath(QStringLiteral("import.pf"));
    {
        QFile file(pf);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QString setting = root.filePath(QStringLiteral("modules/setting"));
    DeviceLink link;
    ProfileSet profiles(setting);
    NameRegistry names(setting);
    MacroFiles macros(link, root.filePath(QStringLiteral("modules/macro")));
    GunFiles guns(link, root.filePath(QStringLiteral("modules/gun")));
    ProfileStore store(profiles, names, macros, guns, setting);
    store.loadProfile(1, pf);

    // Every name that made it into a registry is a plain file in its folder
    // ("a..b" is one), and none is the gun data file.
    for (const QString &name : names.names(NameRegistry::Macro) + names.names(NameRegistry::Gun)) {
        if (name.contains(u'/') || name.contains(u'\\') || !isSafeName(name))
            std::abort();
    }
    for (const QString &name : names.names(NameRegistry::Gun)) {
        if (name.compare(QStringLiteral("gunData"), Qt::CaseInsensitive) == 0)
            std::abort();
    }
    if (QDir(root.filePath(QStringLiteral("modules"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() != 3)
        std::abort(); // something was created beside setting/, macro/ and gun/
    return 0;
}
