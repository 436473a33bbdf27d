#pragma once

#include "profileimport.h"
#include "profileset.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

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

    // Import: replaces profile `profile` by `chosenFile` and brings the
    // macros and gun presets it carries (see ProfileImport); false when
    // nothing was chosen or nothing changed. lastImport() says why, and what
    // did not fit.
    bool loadProfile(int profile, const QString &chosenFile);
    const ImportReport &lastImport() const { return m_lastImport; }
    // Export: the profile as it is now, plus the named macros and gun presets.
    // False when nothing was chosen or the target is the profile file itself.
    bool saveProfile(int profile, const QString &chosenFile, const QStringList &macroNameList,
                     const QStringList &gunNameList);

    // Profile 0 from "pD.bin", the others from "pD_standard.bin".
    void resetProfile(int profile);
    void copyProfile(int destprofile, int srcprofile);

    QString factoryFile(int profile) const;

private:

    ProfileSet &m_profiles;
    NameRegistry &m_names;
    MacroFiles &m_macros;
    GunFiles &m_guns;
    QString m_settingFolder;
    ImportReport m_lastImport;
};
