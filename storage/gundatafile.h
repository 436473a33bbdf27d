#pragma once

#include <QStringList>
#include <QVariant>
#include <QVariantList>

// "gunData.bin": five values per gun name in group [gunData]. The program
// never creates this file; without it every operation does nothing.
class GunDataFile
{
public:
    static constexpr int kValues = 5;

    explicit GunDataFile(const QString &folder = QStringLiteral("./modules/gun"));

    // "gunData/<src6[0]>" = src6[1 ... 5]
    void saveGundata(const QVariantList &src6);
    // 0: removes src6[0]; 1: removes src6[6], then stores src6[0] as saveGundata.
    void modifyGundata(const QVariant &modifyType, const QVariantList &src6);
    QVariantList getGunData(const QVariant &name) const;
    QStringList getGunDataKey() const;

private:
    bool present() const;
    QString m_file;
};
