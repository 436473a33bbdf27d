#pragma once

#include "storage/profileset.h"
#include "storage/storageparts.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

// A temporary program folder that is the current directory while it lives
// (every path of the program is "./modules/..."), optionally with the data
// that ships beside the program.
class ProgramFolder
{
public:
    enum Data { Empty, Shipped };
    explicit ProgramFolder(Data data = Shipped);
    ~ProgramFolder();

    QString path(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Storage wired as the view model wires it, owning its profiles.
struct OwnedProfiles
{
    ProfileSet profiles;
};

struct Storage : OwnedProfiles, StorageParts
{
    explicit Storage(Hid_Thread *hid = nullptr);
};

QByteArray fileBytes(const QString &path);
// One value of an INI file, read by a fresh settings object.
QVariant iniValue(const QString &path, const QString &key);
QVariantList ints(std::initializer_list<int> values);
