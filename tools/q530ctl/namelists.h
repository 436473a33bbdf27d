#pragma once

#include <QStringList>

class PageScripts;
class myQQuickView;

// The name lists as the dialogs show them.
namespace NameLists {

// Macros as the macro editor lists them: the registry without the sentinel,
// empty and repeated names left out, sorted by their stored number, ties in
// registry order.
QStringList macros(myQQuickView &view, PageScripts &scripts);
// Gun presets as the gun dialog lists them, the same way.
QStringList gunPresets(myQQuickView &view, PageScripts &scripts);

// The gun dialog's choice of preset for each of the three gun slots: the
// stored list index, or the slot's own index (at most the last preset)
// when the stored one names none.
QList<int> gunSlotPresets(myQQuickView &view, PageScripts &scripts);

struct Profile
{
    int number = 0;   // 0 ... 5, the last character of the stored entry
    QString name;
};
// The profile list of the profile dialog.
QList<Profile> profiles(myQQuickView &view, PageScripts &scripts);

// A name list as an exported profile carries it: one name gets the sentinel.
QStringList carried(const QStringList &names);

} // namespace NameLists
