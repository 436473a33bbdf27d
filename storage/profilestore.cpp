#include "profilestore.h"
#include "datakeys.h"

#include "buttonentry.h"
#include "filereplace.h"
#include "gunfiles.h"
#include "inifile.h"
#include "macrofiles.h"
#include "namelist.h"
#include "nameregistry.h"
#include "profileset.h"
#include "savelog.h"
#include "settingsvalues.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace {

enum Page : uchar { kButtonPage = 0, kLightingPage = 2, kPerformancePage = 3 };

// Defaults of the performance page when "pD.bin" lacks a value.
constexpr int kDefaultReportRate = 2;
constexpr int kDefaultCursorSpeed = 5;
constexpr int kDefaultScrollLines = 2;
constexpr int kDefaultDoubleClick = 5;
constexpr int kDefaultDpiStage = 2;


bool holdsNumber(const QVariantList &values)
{
    for (const QVariant &v : values) {
        bool ok = false;
        v.toInt(&ok);
        if (ok)
            return true;
    }
    return false;
}

} // namespace

ProfileStore::ProfileStore(ProfileSet &profiles, NameRegistry &names, MacroFiles &macros, GunFiles &guns,
                           const QString &settingFolder)
    : m_profiles(profiles)
    , m_names(names)
    , m_macros(macros)
    , m_guns(guns)
    , m_settingFolder(settingFolder)
{
}

QString ProfileStore::factoryFile(int profile) const
{
    return m_settingFolder + (profile == 0 ? QStringLiteral("/pD.bin") : QStringLiteral("/pD_standard.bin"));
}

QVariantList ProfileStore::loadDefaultProfile(uchar uiPageId) const
{
    const DataSettings factory(factoryFile(0));
    auto ints = [&factory](const QString &key, int maxCount) {
        return intListValue(factory.value(key), maxCount);
    };
    auto number = [&factory](const QString &key, int fallback) { return intValue(factory.value(key), fallback); };

    QVariantList out;
    switch (uiPageId) {
    case kButtonPage:
        for (int b = 0; b < ButtonEntry::kMouseButtons; ++b) {
            // Every button counts four values, so the page finds button b at
            // 4b: a missing or unreadable entry is that button's factory
            // function and keeps its place.
            const QVariantList stored = listValue(factory.value(ProfileKeys::keyEntry(0, b)));
            if (holdsNumber(stored)) {
                out += exactIntList(stored, ButtonEntry::kSize);
            } else {
                for (const uchar byte : ButtonEntry::kFactory[size_t(b)])
                    out << int(byte);
            }
        }
        break;
    case kLightingPage:
        out += ints(ProfileKeys::colourTable(0), kColourBytes);
        out += ints(ProfileKeys::kLedEffect, kLedEffectValues);
        break;
    case kPerformancePage:
        out << number(ProfileKeys::kReportRate, kDefaultReportRate)
            << number(ProfileKeys::kCursorSpeed, kDefaultCursorSpeed)
            << number(ProfileKeys::kScrollLines, kDefaultScrollLines)
            << number(ProfileKeys::kDoubleClickSpeed, kDefaultDoubleClick);
        out += ints(ProfileKeys::kDpiValues, kDpiStages);
        out << number(ProfileKeys::kDpiStage, kDefaultDpiStage);
        out += ints(ProfileKeys::colourTable(1), kColourBytes);
        out += ints(ProfileKeys::colourTable(2), kColourBytes);
        break;
    default:
        break;
    }
    return out;
}

bool ProfileStore::loadProfile(int profile, const QString &chosenFile)
{
    m_lastImport = ProfileImport(m_profiles, m_names, m_macros, m_guns).run(profile, chosenFile);
    return m_lastImport.imported;
}

bool ProfileStore::saveProfile(int profile, const QString &chosenFile, const QStringList &macroNameList,
                               const QStringList &gunNameList)
{
    if (chosenFile.isEmpty() || !ProfileSet::isValidIndex(profile))
        return false;
    const QString source = m_profiles.fileName(profile);
    const QString canonicalTarget = QFileInfo(chosenFile).canonicalFilePath();
    if (!canonicalTarget.isEmpty() && canonicalTarget == QFileInfo(source).canonicalFilePath())
        return false;
    // The file is copied from disk: pending writes go there first. The
    // export is put together aside and then replaces the chosen file in one
    // step, so no half export is ever left there.
    if (!m_profiles.sync(profile))
        return false;
    const QTemporaryDir aside;
    const QString staged = aside.filePath(QStringLiteral("export.pf"));
    if (!aside.isValid() || !QFile::copy(source, staged)) {
        SaveLog::instance().failed(chosenFile, QStringLiteral("no room to put the export together"));
        return false;
    }
    QFile::setPermissions(staged, QFile::permissions(staged) | QFileDevice::WriteOwner);
    {
        DataSettings exported(staged);
        exported.remove(ProfileKeys::kCarriedGroup); // what an earlier import carried
        exported.setValue(ProfileKeys::carriedNames(ProfileKeys::kMacroKind), macroNameList);
        exported.setValue(ProfileKeys::carriedNames(ProfileKeys::kGunKind), gunNameList);
        for (int i = 0; i < macroNameList.size(); ++i)
            exported.setValue(ProfileKeys::carriedLines(ProfileKeys::kMacroKind, i),
                              m_macros.load(macroNameList.at(i)));
        for (int i = 0; i < gunNameList.size(); ++i)
            exported.setValue(ProfileKeys::carriedLines(ProfileKeys::kGunKind, i),
                              m_guns.load(gunNameList.at(i)));
        if (!exported.save())
            return false;
    }
    return replaceByCopy(staged, chosenFile);
}

void ProfileStore::resetProfile(int profile)
{
    m_profiles.replaceSlot(profile, factoryFile(profile));
}

void ProfileStore::copyProfile(int destprofile, int srcprofile)
{
    if (!ProfileSet::isValidIndex(srcprofile))
        return;
    // The file is copied from disk: pending writes go there first.
    m_profiles.sync(srcprofile);
    m_profiles.replaceSlot(destprofile, m_profiles.fileName(srcprofile));
}
