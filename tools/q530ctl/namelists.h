#pragma once

#include <QList>
#include <QStringList>

class myQQuickView;

// The name lists as the dialogs show them, read afresh from the data folder
// through the view model's list models; reading them changes no file.
namespace NameLists {

QStringList macros(myQQuickView &view);
QStringList gunPresets(myQQuickView &view);
// The gun dialog's preset (list index) for each of the three gun slots.
QList<int> gunSlotPresets(myQQuickView &view);

struct Profile
{
    int number = 0;   // 0 ... 5
    QString name;
};
QList<Profile> profiles(myQQuickView &view);

// A name list as an exported profile carries it: one name gets the sentinel.
QStringList carried(const QStringList &names);

} // namespace NameLists
