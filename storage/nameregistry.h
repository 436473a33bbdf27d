#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// "name.bin": the ordered name lists the pages show. Type 0 macros, 1 gun
// presets, 2 profiles (name + one-digit index), 3 gun selection. Lists of one
// element are stored with the sentinel (namelist.h). Opened for one call.
class NameRegistry
{
public:
    enum Type : uint { Macro = 0, Gun = 1, Profile = 2, SelectGun = 3 };

    explicit NameRegistry(const QString &folder = QStringLiteral("./modules/setting"));

    // The list as stored, sentinel included; [] for an unknown type.
    QVariantList getNameList(const QVariant &type) const;
    // A one-element list gets the sentinel, an empty list removes the key,
    // an unknown type stores nothing. Always true.
    QVariant updataNameList(const QVariant &type, const QStringList &nameList);

    // The list without the sentinel.
    QStringList names(Type type) const;

    QString fileName() const { return m_file; }

private:
    QString m_file;
};
