#include "macrobindings.h"
#include "datakeys.h"

#include "buttonentry.h"
#include "macrobytes.h"
#include "macrofiles.h"
#include "profileset.h"
#include "settingsvalues.h"

#include "model/buttonrules.h"

#include <QSettings>

#include <functional>

namespace {

const QString &kMacroGroup = ProfileKeys::kMacroGroup;

QString buttonKey(int button)
{
    return ProfileKeys::keyEntry(0, button);
}

bool isSlotNumber(uint slot)
{
    return slot >= 1 && slot <= uint(MacroBytes::kMouseSlots);
}

// Calls `change` on every macro button of the renumbered profiles and writes
// the result back. Entries that are not four values long are left alone.
void forEachMacroButton(ProfileSet &profiles, const std::function<void(int button, QVariantList &entry)> &change)
{
    for (int p = 0; p < MacroBindings::kRenumberedProfiles; ++p) {
        if (p == profiles.currentIndex())
            continue;
        QSettings *profile = profiles.at(p);
        for (int b = 0; b < MacroBindings::kRenumberedButtons; ++b) {
            const QVariantList stored = listValue(profile->value(buttonKey(b)));
            if (stored.size() != ButtonEntry::kSize || stored.at(0).toInt() != ButtonEntry::kTypeMacro)
                continue;
            QVariantList entry = intListValue(stored, ButtonEntry::kSize);
            change(b, entry);
            profile->setValue(buttonKey(b), entry);
        }
    }
}

} // namespace

MacroBindings::MacroBindings(ProfileSet &profiles, MacroFiles &macros)
    : m_profiles(profiles)
    , m_macros(macros)
{
}

void MacroBindings::setMacroKey(int index, const QVariant &macroName)
{
    if (index < 0 || index >= MacroBytes::kMouseSlots)
        return;
    m_profiles.current()->setValue(kMacroGroup + u'/' + QString::number(index), macroName);
}

QVariant MacroBindings::getMacroKey(int index) const
{
    return m_profiles.current()->value(kMacroGroup + u'/' + QString::number(index), 0);
}

QStringList MacroBindings::isMacroUse(const QVariant &macroName) const
{
    QStringList out{QStringLiteral("Name")};
    const QString name = macroName.toString();
    for (int p = 0; p < kSearchedProfiles; ++p) {
        QSettings *profile = m_profiles.at(p);
        profile->beginGroup(kMacroGroup);
        for (const QString &key : profile->childKeys()) {
            if (profile->value(key).toString() == name)
                out.append(key);
        }
        profile->endGroup();
    }
    return out;
}

QVariant MacroBindings::modifyMacroName(const QVariant &oldname, const QVariant &newname)
{
    const QString from = oldname.toString();
    const QString to = newname.toString();
    if (!m_macros.rename(from, to))
        return false;
    for (int p = 0; p < kSearchedProfiles; ++p) {
        QSettings *profile = m_profiles.at(p);
        profile->beginGroup(kMacroGroup);
        for (const QString &key : profile->childKeys()) {
            if (profile->value(key).toString() == from)
                profile->setValue(key, to);
        }
        profile->endGroup();
    }
    return true;
}

void MacroBindings::changeMacroFileIndex(const QVariant &macroIndex)
{
    // Slot numbers count from 1: a "slot 0" would move every macro button down.
    const uint deleted = macroIndex.toUInt();
    if (!isSlotNumber(deleted))
        return;
    forEachMacroButton(m_profiles, [deleted](int button, QVariantList &entry) {
        const uint slot = entry.at(2).toUInt();
        if (slot == deleted)
            entry = ButtonRules::toList(ButtonEntry::kMacroFallback[size_t(button)]);
        else if (slot > deleted)
            entry[2] = int(slot - 1);
    });
}

void MacroBindings::changeMacroFileType(const QVariant &macroIndex, const QVariant &macroType)
{
    const uint slot = macroIndex.toUInt();
    if (!isSlotNumber(slot))
        return;
    const int play = macroType.toUInt() == 1 ? ButtonEntry::kPlayWhileHeld : ButtonEntry::kPlayOnce;
    forEachMacroButton(m_profiles, [slot, play](int, QVariantList &entry) {
        if (entry.at(2).toUInt() == slot)
            entry[1] = play;
    });
}
