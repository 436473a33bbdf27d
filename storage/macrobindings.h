#pragma once

#include <QStringList>
#include <QVariant>

class MacroFiles;
class ProfileSet;

// Where macros are used: the macro slot bindings ("macro/<slot>" = name) and
// the macro buttons ([9, play type, slot + 1, 0]) of the profiles.
class MacroBindings
{
public:
    // Profiles the pages show, and the subset whose buttons are renumbered.
    static constexpr int kSearchedProfiles = 6;
    static constexpr int kRenumberedProfiles = 5;
    static constexpr int kRenumberedButtons = 7;

    explicit MacroBindings(ProfileSet &profiles, MacroFiles &macros);

    // Current profile; an index outside the slots 0 ... 11 stores nothing.
    void setMacroKey(int index, const QVariant &macroName);
    QVariant getMacroKey(int index) const;

    // "Name", then each slot of profiles 0 ... 5 bound to `macroName`.
    QStringList isMacroUse(const QVariant &macroName) const;

    // Renames the macro's file, then its bindings in profiles 0 ... 5. Nothing
    // changes (false) when there is no such macro, or the new name is unsafe
    // or already has a file.
    QVariant modifyMacroName(const QVariant &oldname, const QVariant &newname);

    // Macro `macroIndex` (1-based slot) was deleted: in profiles 0 ... 4 but
    // the current one (the page updates it), buttons 0 ... 6 that play it get
    // their fallback function and those playing later slots move down one.
    // Slot numbers outside 1 ... 12 change nothing (also for the type change).
    void changeMacroFileIndex(const QVariant &macroIndex);
    // Its play type changed: the same buttons get p1 = 2 for type 1, else 0.
    void changeMacroFileType(const QVariant &macroIndex, const QVariant &macroType);

private:
    ProfileSet &m_profiles;
    MacroFiles &m_macros;
};
