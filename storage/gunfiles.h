#pragma once

#include "presetfiles.h"

// The gun preset folder under the names the gun dialog calls: macro files
// with their lines in group [gun]. "gunData.bin" beside them is the gun data
// file, so no preset may be called "gunData".
class GunFiles : public PresetFiles
{
public:
    explicit GunFiles(const DeviceLink &link, const QString &folder = QStringLiteral("./modules/gun"))
        : PresetFiles(folder, QStringLiteral("gun"), link, {QStringLiteral("gunData")})
    {
    }

    QVariant createGunIni(const QVariant &name, const QVariant &gunIndex)
    {
        return create(name.toString(), gunIndex.toUInt());
    }
    QVariant saveGunIni(const QVariant &name, const QStringList &macros, const QVariantList &,
                        const QVariant &repeat)
    {
        return save(name.toString(), macros, repeat);
    }
    QStringList loadGunIni(const QVariant &name) const { return load(name.toString()); }
    QVariant loadGunType(const QVariant &name) const { return type(name.toString()); }
    QVariant loadGunIndex(const QVariant &name) const { return index(name.toString()); }
    void setGunIndex(const QVariant &name, const QVariant &gunIndex) { setIndex(name.toString(), gunIndex); }
    QVariant modifyGunName(const QVariant &oldName, const QVariant &newName)
    {
        return rename(oldName.toString(), newName.toString());
    }
    QVariant deleteGunIni(const QVariant &name) { return remove(name.toString()); }
};
