#include "gunselection.h"
#include "datakeys.h"

#include "buttonentry.h"
#include "profileset.h"
#include "settingsvalues.h"

#include "model/buttonrules.h"

#include <QSettings>

namespace {

QString selectKey(int slot)
{
    return ProfileKeys::selectGun(slot);
}

QString buttonKey(int slot)
{
    return ProfileKeys::gunKeyButton(slot);
}

QString typeKey(int slot)
{
    return ProfileKeys::gunKeyType(slot);
}

} // namespace

GunSelection::GunSelection(ProfileSet &profiles)
    : m_profiles(profiles)
{
}

QVariantList GunSelection::getselectGun() const
{
    QVariantList out;
    for (int s = 0; s < kGunSlots; ++s)
        out.append(m_profiles.current()->value(selectKey(s), QString()));
    return out;
}

void GunSelection::setSelectGun(const QVariantList &gunData)
{
    for (int s = 0; s < kGunSlots && s < gunData.size(); ++s)
        m_profiles.current()->setValue(selectKey(s), gunData.at(s));
}

QVariantList GunSelection::getselectGunKey() const
{
    QVariantList out;
    for (int s = 0; s < kGunSlots; ++s)
        out.append(m_profiles.current()->value(buttonKey(s), QString()));
    for (int s = 0; s < kGunSlots; ++s)
        out.append(m_profiles.current()->value(typeKey(s), QString()));
    return out;
}

void GunSelection::setSelectGunKey(const QVariantList &gunData)
{
    for (int s = 0; s < kGunSlots && s < gunData.size(); ++s)
        m_profiles.current()->setValue(buttonKey(s), gunData.at(s));
    for (int s = 0; s < kGunSlots && kGunSlots + s < gunData.size(); ++s)
        m_profiles.current()->setValue(typeKey(s), gunData.at(kGunSlots + s));
}

void GunSelection::upDateDeleteGun(const QVariant &gunData)
{
    const uint deleted = gunData.toUInt();
    for (int p = 0; p < kSearchedProfiles; ++p) {
        if (p == m_profiles.currentIndex())
            continue;
        QSettings *profile = m_profiles.at(p);
        for (int s = 0; s < kGunSlots; ++s) {
            // A slot without a choice is not a choice of preset 0.
            const QVariant chosen = profile->value(selectKey(s));
            bool ok = false;
            const uint preset = chosen.toUInt(&ok);
            if (!ok || preset < deleted)
                continue;
            // The presets after the deleted one move up a place in the list:
            // a choice of one of them follows it, or it would play its neighbour.
            if (preset > deleted) {
                profile->setValue(selectKey(s), preset - 1);
                continue;
            }
            // The slot leaves its button as the page lets it go: no button,
            // the default play mode, and the gun key it sat on no longer
            // switches to its layer.
            const int button = intValue(profile->value(buttonKey(s)), kNoButton);
            profile->setValue(buttonKey(s), kNoButton);
            profile->setValue(typeKey(s), kDefaultPlayMode);
            profile->setValue(selectKey(s), kFallbackPreset);
            relinkGunKey(*profile, button);
        }
    }
}

void GunSelection::relinkGunKey(QSettings &profile, int button)
{
    if (button < 0 || button >= ButtonEntry::kMouseButtons)
        return;
    const QVariantList normal = listValue(profile.value(ProfileKeys::keyEntry(0, button)));
    if (normal.size() != ButtonEntry::kSize || !ButtonRules::isGunKey(ButtonRules::cleanEntry(normal, {})))
        return;
    ButtonRules::GunButtons guns{};
    for (int s = 0; s < kGunSlots; ++s)
        guns[size_t(s)] = intValue(profile.value(buttonKey(s)), kNoButton);
    const auto next = ButtonRules::gunChain(guns, button);
    for (int layer = 0; layer <= kGunSlots; ++layer) {
        profile.setValue(ProfileKeys::keyEntry(layer, button), ButtonRules::toList(ButtonRules::gunKey(next[size_t(layer)])));
    }
}

QStringList GunSelection::isGunUse(const QVariant &macroName) const
{
    QStringList out{QStringLiteral("Name")};
    const QString name = macroName.toString();
    for (int p = 0; p < kSearchedProfiles; ++p) {
        QSettings *profile = m_profiles.at(p);
        profile->beginGroup(ProfileKeys::kGunUseGroup);
        for (const QString &key : profile->childKeys()) {
            if (profile->value(key).toString() == name)
                out.append(key);
        }
        profile->endGroup();
    }
    return out;
}
