#include "profilelistmodel.h"

namespace {

// The profile's number is the entry's last character.
int numberOf(const QString &entry)
{
    if (entry.isEmpty())
        return -1;
    const QChar last = entry.back();
    return last >= u'0' && last <= u'9' ? last.unicode() - u'0' : -1;
}

} // namespace

ProfileListModel::ProfileListModel(NameRegistry &registry, QObject *parent)
    : QAbstractListModel(parent)
    , m_registry(registry)
{
}

int ProfileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ProfileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const Entry &e = m_entries.at(index.row());
    switch (role) {
    case NameRole: return e.name;
    case NumberRole: return e.number;
    default: return {};
    }
}

QHash<int, QByteArray> ProfileListModel::roleNames() const
{
    return {{NameRole, "profileName"}, {NumberRole, "profileNo"}};
}

void ProfileListModel::load()
{
    const int before = count();
    beginResetModel();
    m_entries.clear();
    QList<int> used;
    for (const QString &entry : m_registry.names(NameRegistry::Profile)) {
        if (count() >= kLimit)
            break;
        const int number = numberOf(entry);
        if (number < 0 || number >= kLimit || used.contains(number))
            continue;
        used.append(number);
        m_entries.append({entry.chopped(1), number});
    }
    endResetModel();
    if (count() != before)
        emit countChanged();
}

QStringList ProfileListModel::names() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out.append(e.name);
    return out;
}

QVariantList ProfileListModel::numbers() const
{
    QVariantList out;
    for (const Entry &e : m_entries)
        out.append(e.number);
    return out;
}

QString ProfileListModel::nameAt(int index) const
{
    return index >= 0 && index < count() ? m_entries.at(index).name : QString();
}

int ProfileListModel::numberAt(int index) const
{
    return index >= 0 && index < count() ? m_entries.at(index).number : -1;
}

int ProfileListModel::indexOfNumber(int number) const
{
    for (int i = 0; i < count(); ++i)
        if (m_entries.at(i).number == number)
            return i;
    return -1;
}

int ProfileListModel::freeNumber(int pageProfile) const
{
    for (int n = 0; n < kLimit; ++n)
        if (n != pageProfile && indexOfNumber(n) < 0)
            return n;
    return kLimit;
}

int ProfileListModel::addNew(int pageProfile)
{
    if (count() >= kLimit)
        return -1;
    const QStringList taken = names();
    QString name;
    for (int i = 0; i < kNewNames && name.isEmpty(); ++i)
        if (!taken.contains(QStringLiteral("profile_%1").arg(i)))
            name = QStringLiteral("profile_%1").arg(i);
    const int number = freeNumber(pageProfile);
    if (name.isEmpty() || number >= kLimit)
        return -1;
    append(name, number);
    return number;
}

QString ProfileListModel::copyName(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const QStringList taken = names();
    for (int i = 0; i < kNewNames; ++i) {
        const QString name = QStringLiteral("%1(%2)").arg(m_entries.at(index).name).arg(i);
        if (!taken.contains(name))
            return name;
    }
    return {};
}

bool ProfileListModel::add(const QString &name, int number)
{
    if (count() >= kLimit)
        return false;
    append(name, number);
    return true;
}

void ProfileListModel::append(const QString &name, int number)
{
    beginInsertRows({}, count(), count());
    m_entries.append({name, number});
    endInsertRows();
    emit countChanged();
    storeList();
}

bool ProfileListModel::remove(int index)
{
    if (index < 0 || index >= count())
        return false;
    beginRemoveRows({}, index, index);
    m_entries.removeAt(index);
    endRemoveRows();
    emit countChanged();
    storeList();
    return true;
}

bool ProfileListModel::rename(int index, const QString &text)
{
    if (index < 0 || index >= count())
        return false;
    const QString name = text.trimmed();
    if (name == m_entries.at(index).name)
        return true;
    if (name.isEmpty() || name.size() > kMaxNameLength || names().contains(name))
        return false;
    m_entries[index].name = name;
    emit dataChanged(this->index(index), this->index(index), {NameRole});
    storeList();
    return true;
}

void ProfileListModel::storeList()
{
    QStringList stored;
    for (const Entry &e : m_entries)
        stored.append(e.name + QString::number(e.number));
    m_registry.updataNameList(uint(NameRegistry::Profile), stored);
}
