// Profile import and export for a front end that has no file dialog.

#include "myqquickview.h"

#include "storage/storageparts.h"

bool myQQuickView::importProfile(int profile, const QString &file)
{
    return m_storage->store.loadProfile(profile, file);
}

QString myQQuickView::lastImportMessage() const
{
    return m_storage->store.lastImport().message();
}

bool myQQuickView::exportProfile(int profile, const QString &file, const QStringList &macroNameList,
                                 const QStringList &gunNameList)
{
    return m_storage->store.saveProfile(profile, file, macroNameList, gunNameList);
}
