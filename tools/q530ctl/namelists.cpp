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

namespace {

// An editor's list: the registry without the sentinel, empty and repeated
// names left out, by stored number, ties in registry order.
template <typename StoredIndex>
QStringList editorList(const QStringList &names, StoredIndex storedIndex)
{
    QList<Numbered> list;
    QStringList seen;
    for (int i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.append(name);
        list.append({name, PanelValues::parseNumber(storedIndex(name)).value_or(i), i});
    }
    return byNumber(list);
}

constexpr int kGunSlots = 3;

} // namespace

QStringList NameLists::macros(myQQuickView &view, PageScripts &scripts)
{
    return editorList(scripts.dropSentinel(view.getNameList(0)),
                      [&view](const QString &name) { return view.loadMacroIndex(name); });
}

QStringList NameLists::gunPresets(myQQuickView &view, PageScripts &scripts)
{
    return editorList(scripts.dropSentinel(view.getNameList(1)),
                      [&view](const QString &name) { return view.loadGunIndex(name); });
}

QList<int> NameLists::gunSlotPresets(myQQuickView &view, PageScripts &scripts)
{
    const int count = int(gunPresets(view, scripts).size());
    const QVariantList stored = view.getselectGun();
    QList<int> chosen;
    for (int g = 0; g < kGunSlots; ++g) {
        const QString text = stored.value(g).toString();
        bool digits = !text.isEmpty();
        for (QChar c : text)
            digits = digits && c >= u'0' && c <= u'9';
        const int index = digits && text.size() < 10 ? text.toInt() : -1;
        chosen.append(index >= 0 && index < count ? index : std::min(g, count - 1));
    }
    return chosen;
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
