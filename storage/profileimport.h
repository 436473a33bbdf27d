#pragma once

#include <QString>
#include <QStringList>

class NameRegistry;
class PresetFiles;
class ProfileSet;

// What an import did: nothing, with the reason, or the profile replaced,
// with the carried presets there was no room for.
struct ImportReport
{
    bool imported = false;
    QString error;              // why nothing changed; empty once imported
    QStringList refusedMacros;  // carried, but the list was full
    QStringList refusedGuns;

    // One text for the user: the error, or what did not fit; empty when all came.
    QString message() const;
};

// Import of a ".pf" into one profile. The whole file is read and checked
// before anything is written: a file too large, unreadable, or carrying more
// presets than a list can hold changes nothing. A carried macro or gun preset
// never replaces the user's own: one whose lines equal the local preset of
// its name shares it, one that differs is stored under the first free
// "name(i)" and the imported profile is made to point to that. Then the new
// preset files, the profile and the name lists are written, in that order;
// a failed write removes the preset files it made.
class ProfileImport
{
public:
    // No sane export comes near this: 200 presets of 4096 lines each.
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
    // The lists of the macro editor and the gun dialog hold this many.
    static constexpr int kPresetLimit = 100;

    ProfileImport(ProfileSet &profiles, NameRegistry &names, PresetFiles &macros, PresetFiles &guns);

    ImportReport run(int profile, const QString &chosenFile);

private:
    ProfileSet &m_profiles;
    NameRegistry &m_names;
    PresetFiles &m_macros;
    PresetFiles &m_guns;
};
