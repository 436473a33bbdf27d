#include "gundatafile.h"

#include "inifile.h"
#include "safename.h"
#include "settingsvalues.h"

#include <QFileInfo>
#include <QSettings>

namespace {

// A gun name is a key here: one with "/" would make a group (isSafeName).
const QString kGroup = QStringLiteral("gunData/");

} // namespace

GunDataFile::GunDataFile(const QString &folder)
    : m_file(folder + QStringLiteral("/gunData.bin"))
{
}

bool GunDataFile::present() const
{
    return QFileInfo(m_file).isFile();
}

void GunDataFile::saveGundata(const QVariantList &src6)
{
    if (!present() || src6.isEmpty() || !isSafeName(src6.at(0).toString()))
        return;
    DataSettings(m_file).setValue(kGroup + src6.at(0).toString(), src6.mid(1, kValues));
}

void GunDataFile::modifyGundata(const QVariant &modifyType, const QVariantList &src6)
{
    constexpr int kOldNameAt = kValues + 1;
    if (!present() || src6.isEmpty())
        return;
    switch (modifyType.toUInt()) {
    case 0:
        if (isSafeName(src6.at(0).toString()))
            DataSettings(m_file).remove(kGroup + src6.at(0).toString());
        break;
    case 1:
        if (src6.size() <= kOldNameAt || !isSafeName(src6.at(kOldNameAt).toString()))
            return;
        DataSettings(m_file).remove(kGroup + src6.at(kOldNameAt).toString());
        saveGundata(src6);
        break;
    default:
        break;
    }
}

QVariantList GunDataFile::getGunData(const QVariant &name) const
{
    if (!present())
        return {};
    return listValue(DataSettings(m_file).value(kGroup + name.toString())).mid(0, kValues);
}

QStringList GunDataFile::getGunDataKey() const
{
    if (!present())
        return {};
    DataSettings file(m_file);
    file.beginGroup(QStringLiteral("gunData"));
    return file.childKeys();
}
