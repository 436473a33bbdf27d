#pragma once

#include <QStringList>
#include <QVariant>
#include <QVariantList>

class ProfileSet;
class QSettings;

// The gun presets a profile uses: "selectGun/<slot>" (preset list index),
// "selectGunKey/<slot>" (trigger button, -1 none) and "selectGunKey/type<slot>"
// for the three gun slots, and the slot bindings of group [gun].
class GunSelection
{
public:
    static constexpr int kGunSlots = 3;
    static constexpr int kSearchedProfiles = 6;
    // What a slot falls back to when its preset is deleted.
    static constexpr int kFallbackPreset = 2;
    static constexpr int kNoButton = -1;
    static constexpr int kDefaultPlayMode = 2;

    explicit GunSelection(ProfileSet &profiles);

    // Current profile; each value "" when absent.
    QVariantList getselectGun() const;
    void setSelectGun(const QVariantList &gunData);
    QVariantList getselectGunKey() const;
    void setSelectGunKey(const QVariantList &gunData);

    // Preset `gunData` was deleted: in profiles 0 ... 5 but the current one,
    // the slots that chose it lose their button and take preset 2, and the
    // gun key they sat on switches only to the slots still on it.
    void upDateDeleteGun(const QVariant &gunData);

    // "Name", then each slot of group [gun] in profiles 0 ... 5 bound to the name.
    QStringList isGunUse(const QVariant &macroName) const;

private:
    // Rewrites the entries of gun key `button` in all four layers from the
    // profile's slot buttons; nothing when the button holds no gun key.
    static void relinkGunKey(QSettings &profile, int button);

    ProfileSet &m_profiles;
};
