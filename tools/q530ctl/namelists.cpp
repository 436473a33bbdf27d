#include "namelists.h"

#include "model/presetlistmodel.h"
#include "model/profilelistmodel.h"
#include "storage/namelist.h"
#include "viewmodel/myqquickview.h"

QStringList NameLists::macros(myQQuickView &view)
{
    view.macroList()->read();
    return view.macroList()->names();
}

QStringList NameLists::gunPresets(myQQuickView &view)
{
    view.gunList()->read();
    return view.gunList()->names();
}

QList<int> NameLists::gunSlotPresets(myQQuickView &view)
{
    view.gunList()->read();
    QList<int> chosen;
    for (const QVariant &index : view.gunList()->gunSlotPresets(view.getselectGun()))
        chosen.append(index.toInt());
    return chosen;
}

QList<NameLists::Profile> NameLists::profiles(myQQuickView &view)
{
    ProfileListModel &list = *view.profileList();
    list.load();
    QList<Profile> out;
    for (int i = 0; i < list.count(); ++i)
        out.append({list.numberAt(i), list.nameAt(i)});
    return out;
}

QStringList NameLists::carried(const QStringList &names)
{
    return withSentinel(names);
}
