#include "nameregistry.h"
#include "datakeys.h"

#include "inifile.h"
#include "namelist.h"
#include "settingsvalues.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

QString keyOf(uint type)
{
    switch (type) {
    case NameRegistry::Macro: return RegistryKeys::kMacros;
    case NameRegistry::Gun: return RegistryKeys::kGuns;
    case NameRegistry::Profile: return RegistryKeys::kProfiles;
    case NameRegistry::SelectGun: return RegistryKeys::kSelectGun;
    default: return {};
    }
}

} // namespace

NameRegistry::NameRegistry(const QString &folder)
    : m_file(folder + QStringLiteral("/name.bin"))
{
}

QVariantList NameRegistry::getNameList(const QVariant &type) const
{
    const QString key = keyOf(type.toUInt());
    if (key.isEmpty())
        return {};
    QVariantList out;
    for (const QString &name : stringListValue(DataSettings(m_file).value(key)))
        out.append(name);
    return out;
}

QVariant NameRegistry::updataNameList(const QVariant &type, const QStringList &nameList)
{
    const QString key = keyOf(type.toUInt());
    if (key.isEmpty())
        return true;
    QDir().mkpath(QFileInfo(m_file).path());
    DataSettings file(m_file);
    if (nameList.isEmpty())
        file.remove(key);
    else
        file.setValue(key, withSentinel(nameList));
    return true;
}

QStringList NameRegistry::names(Type type) const
{
    QStringList out;
    for (const QVariant &v : getNameList(uint(type)))
        out.append(v.toString());
    return withoutSentinel(out);
}
