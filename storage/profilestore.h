#pragma once

#include "profileset.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <bitset>

class GunFiles;
class MacroFiles;
class NameRegistry;
class PresetFiles;

// Operations on whole profiles: factory values, reset, copy, and the ".pf"
// exchange format (a profile file plus a [profile] group that carries the
// macros and gun presets it uses). File dialogs belong to the page: import
// and export take the file the user chose.
class ProfileStore
{
public:
    // Values taken from one stored list, at most.
    static constexpr int kDpiStages = 8;
    static constexpr int kColourBytes = 24;
    static constexpr int kLedEffectValues = 3;

    explicit ProfileStore(ProfileSet &profiles, NameRegistry &names, MacroFiles &macros, GunFiles &guns,
                 const QString &settingFolder = QStringLiteral("./modules/setting"));

    // Factory values of one page from "pD.bin": 0 buttons (4 values per
    // stored button), 2 lighting, 3 performance; [] for other pages.
    QVariantList loadDefaultProfile(uchar uiPageId) const;

    // Import: replaces profile `profile` by `chosenFile`; false when nothing
    // was chosen or the file cannot be read (the profile stays as it was).
    bool loadProfile(int profile, const QString &chosenFile);
    // Re-creates the macros / gun presets that the last import into
    // `profile` carried and adds their names to the registry, once: the page
    // calls these after every import attempt, and a cancelled one must not
    // write the carried lines over what the user has edited since. Unsafe
    // names are skipped. Always true.
    bool loadProfileMacroData(int profile);
    bool loadProfileGunData(int profile);
    // Export: the profile as it is now, plus the named macros and gun presets.
    // False when nothing was chosen or the target is the profile file itself.
    bool saveProfile(int profile, const QString &chosenFile, const QStringList &macroNameList,
                     const QStringList &gunNameList);

    // Profile 0 from "pD.bin", the others from "pD_standard.bin".
    void resetProfile(int profile);
    void copyProfile(int destprofile, int srcprofile);

    QString factoryFile(int profile) const;

private:
    void loadCarried(int profile, PresetFiles &files, uint registryType, const QString &kind);
    void forgetImport(int profile);

    ProfileSet &m_profiles;
    NameRegistry &m_names;
    MacroFiles &m_macros;
    GunFiles &m_guns;
    QString m_settingFolder;
    // Profiles imported whose carried macros / gun presets are not re-created yet.
    std::bitset<ProfileSet::kCount> m_macrosPending;
    std::bitset<ProfileSet::kCount> m_gunsPending;
};
