#include "presetlistmodel.h"

#include "storage/gunselection.h"
#include "storage/namelist.h"
#include "storage/panelvalues.h"
#include "storage/presetfiles.h"
#include "storage/safename.h"

#include <algorithm>

namespace {

// What the Windows rules forbid, refused on every system so that a name
// travels in an exported profile.
const QString kForbidden = QStringLiteral("/\\:*?\"<>|");

QString firstFreeName(const QString &prefix, const QStringList &taken, int limit)
{
    for (int i = 0; i < limit; ++i)
        if (!taken.contains(prefix + QString::number(i)))
            return prefix + QString::number(i);
    return {};
}

bool isDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

PresetListModel::PresetListModel(NameRegistry &registry, NameRegistry::Type type, PresetFiles &files,
                                 Renamer rename, QObject *parent)
    : QAbstractListModel(parent)
    , m_registry(registry)
    , m_type(type)
    , m_files(files)
    , m_rename(std::move(rename))
    , m_prefix(type == NameRegistry::Gun ? QStringLiteral("Gun_") : QStringLiteral("Macro_"))
    , m_kept(type == NameRegistry::Gun ? kFactoryGunPresets : 0)
{
}

int PresetListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PresetListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const Entry &e = m_entries.at(index.row());
    switch (role) {
    case NameRole: return e.name;
    case NumberRole: return e.number;
    case TypeRole: return e.type;
    default: return {};
    }
}

QHash<int, QByteArray> PresetListModel::roleNames() const
{
    return {{NameRole, "macroName"}, {NumberRole, "no"}, {TypeRole, "macroType"}};
}

bool PresetListModel::isUsableName(const QString &name)
{
    return name.size() <= kMaxNameLength && isSafeName(name) && name != kNameListSentinel
           && std::none_of(name.cbegin(), name.cend(), [](QChar c) { return kForbidden.contains(c); });
}

void PresetListModel::load()
{
    fill(true);
}

void PresetListModel::read()
{
    fill(false);
}

void PresetListModel::fill(bool renumber)
{
    struct Read
    {
        Entry entry;
        int order;
    };
    QList<Read> list;
    QStringList seen;
    const QStringList stored = m_registry.names(m_type);
    for (int i = 0; i < stored.size(); ++i) {
        const QString &name = stored.at(i);
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.append(name);
        const int number = PanelValues::parseNumber(m_files.index(name)).value_or(i);
        const int type = PanelValues::parseNumber(m_files.type(name)).value_or(0);
        list.append({{name, number, type}, i});
    }
    std::stable_sort(list.begin(), list.end(), [](const Read &a, const Read &b) {
        return a.entry.number < b.entry.number;
    });
    const bool shared = std::adjacent_find(list.cbegin(), list.cend(), [](const Read &a, const Read &b) {
                            return a.entry.number == b.entry.number;
                        }) != list.cend();
    if (shared) {
        std::sort(list.begin(), list.end(), [](const Read &a, const Read &b) { return a.order < b.order; });
        for (int i = 0; i < list.size(); ++i) {
            Entry &e = list[i].entry;
            if (renumber && e.number != i)
                m_files.setIndex(e.name, i);
            e.number = i;
        }
    }
    const int before = count();
    beginResetModel();
    m_entries.clear();
    for (const Read &r : list)
        m_entries.append(r.entry);
    endResetModel();
    if (count() != before)
        emit countChanged();
}

QStringList PresetListModel::names() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out.append(e.name);
    return out;
}

QString PresetListModel::nameAt(int index) const
{
    return index >= 0 && index < count() ? m_entries.at(index).name : QString();
}

int PresetListModel::indexOf(const QString &name) const
{
    return int(names().indexOf(name));
}

QStringList PresetListModel::carriedNames() const
{
    return withSentinel(names());
}

bool PresetListModel::canDelete(int index) const
{
    return index >= m_kept && index < count();
}

int PresetListModel::create()
{
    if (count() >= kLimit)
        return -1;
    const QString name = firstFreeName(m_prefix, names(), kLimit);
    if (name.isEmpty())
        return -1;
    const int index = count();
    beginInsertRows({}, index, index);
    m_entries.append({name, index, 0});
    endInsertRows();
    emit countChanged();
    m_files.create(name, uint(index));
    storeNames();
    return index;
}

bool PresetListModel::rename(int index, const QString &newName)
{
    if (index < 0 || index >= count())
        return false;
    const QString name = newName.trimmed();
    if (name == m_entries.at(index).name)
        return true;
    if (!isUsableName(name) || names().contains(name) || !m_rename(m_entries.at(index).name, name))
        return false;
    m_entries[index].name = name;
    emit dataChanged(this->index(index), this->index(index), {NameRole});
    storeNames();
    return true;
}

bool PresetListModel::remove(int index)
{
    if (!canDelete(index))
        return false;
    m_files.remove(m_entries.at(index).name);
    beginRemoveRows({}, index, index);
    m_entries.removeAt(index);
    endRemoveRows();
    emit countChanged();
    for (int i = index; i < count(); ++i)
        setNumber(i, i);
    storeNames();
    return true;
}

void PresetListModel::setNumber(int index, int number)
{
    m_entries[index].number = number;
    m_files.setIndex(m_entries.at(index).name, number);
    emit dataChanged(this->index(index), this->index(index), {NumberRole});
}

void PresetListModel::storeNames()
{
    m_registry.updataNameList(uint(m_type), names());
}

QVariantList PresetListModel::gunSlotPresets(const QVariantList &stored) const
{
    QVariantList chosen;
    for (int g = 0; g < kGunSlots; ++g) {
        const QString text = stored.value(g).toString();
        bool ok = false;
        const qlonglong index = isDigits(text) ? text.toLongLong(&ok) : -1;
        chosen.append(ok && index < count() ? int(index) : std::min(g, count() - 1));
    }
    return chosen;
}

QVariantList PresetListModel::gunSlotsAfterRemoval(const QVariantList &chosen, int removed) const
{
    QVariantList out;
    for (const QVariant &slot : chosen) {
        const int index = slot.toInt();
        out.append(index == removed ? GunSelection::kFallbackPreset : index > removed ? index - 1 : index);
    }
    return out;
}
