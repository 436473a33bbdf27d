#include "namelists.h"

#include "pagescripts.h"

#include "storage/namelist.h"
#include "storage/panelvalues.h"
#include "viewmodel/myqquickview.h"

#include <algorithm>

namespace {

struct Numbered
{
    QString name;
    int no;
    int order;
};

QStringList byNumber(QList<Numbered> list)
{
    std::stable_sort(list.begin(), list.end(), [](const Numbered &a, const Numbered &b) {
        return a.no != b.no ? a.no < b.no : a.order < b.order;
    });
    QStringList names;
    for (const Numbered &n : list)
        names.append(n.name);
    return names;
}

} // namespace

QStringList NameLists::macros(myQQuickView &view, PageScripts &scripts)
{
    const QStringList names = scripts.dropSentinel(view.getNameList(0));
    QList<Numbered> list;
    QStringList seen;
    for (int i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.append(name);
        list.append({name, PanelValues::parseNumber(view.loadMacroIndex(name)).value_or(i), i});
    }
    return byNumber(list);
}

QStringList NameLists::gunPresets(myQQuickView &view, PageScripts &scripts)
{
    const QStringList names = scripts.dropSentinel(view.getNameList(1));
    QList<Numbered> list;
    for (int i = 0; i < names.size(); ++i)
        list.append({names.at(i), PanelValues::parseNumber(view.loadGunIndex(names.at(i))).value_or(i), i});
    return byNumber(list);
}

QList<NameLists::Profile> NameLists::profiles(myQQuickView &view, PageScripts &scripts)
{
    QList<Profile> list;
    for (const QString &entry : scripts.dropSentinel(view.getNameList(2))) {
        if (entry.isEmpty())
            continue;
        const int number = entry.back().digitValue();
        if (number < 0 || number > 5)
            continue;
        list.append({number, entry.chopped(1)});
    }
    return list;
}

QStringList NameLists::carried(const QStringList &names)
{
    return withSentinel(names);
}
