#include "macrotransfer.h"

#include "devicelink.h"
#include "editorencoder.h"
#include "gunfiles.h"
#include "macrobytes.h"
#include "macroencoder.h"
#include "macrofiles.h"
#include "settingsvalues.h"

#include "device/hid_thread.h"

#include <cstring>

using namespace MacroBytes;

namespace {

constexpr int kGunSlots = 3;

// A zeroed slot buffer holding the first bytes of `macro`.
template <int N>
void fillSlot(uchar (&slot)[N], const QByteArray &macro)
{
    std::memset(slot, 0, N);
    std::memcpy(slot, macro.constData(), size_t(qMin(int(macro.size()), N)));
}

} // namespace

MacroTransfer::MacroTransfer(const DeviceLink &link, MacroFiles &macros, GunFiles &guns)
    : m_link(link)
    , m_macros(macros)
    , m_guns(guns)
{
}

QList<uchar> MacroTransfer::macroIncode(const QStringList &macros) const
{
    return MacroEncoder::macroIncode(macros, m_link.deviceIndex());
}

void MacroTransfer::sendToSlot(const QVariantList &bytes, const QVariant &slotIndex)
{
    // Checked before any narrowing: index 256 must not reach slot 1.
    const uint index = slotIndex.toUInt();
    if (index >= uint(kMouseSlots) || !m_link.hid)
        return;
    uchar slot[kMouseSlotBytes];
    fillBytes(bytes, slot, kMouseSlotBytes);
    m_link.hid->hid_13H_SetMacroKey(uchar(index + 1), slot);
}

QVariant MacroTransfer::sendMacroData(const QVariantList &macroData, const QVariant &macroIndex)
{
    sendToSlot(macroData, macroIndex);
    return true;
}

QVariant MacroTransfer::sendGunData(const QVariantList &gunData, const QVariant &gunIndex)
{
    sendToSlot(gunData, gunIndex);
    return true;
}

void MacroTransfer::ui_13H_SetMacroKey(const QVariant &macroId, const QVariant &name)
{
    const int slotNumber = macroId.toInt();
    if (slotNumber < 1 || slotNumber > kMouseSlots)
        return; // a number cut to a byte would overwrite another slot
    QByteArray macro = MacroEncoder::encode(m_macros.loadMacroIni(name), m_link.deviceIndex());
    if (macro.size() > kMouseSlotBytes) {
        if (m_warning)
            m_warning(kMouseSlotBytes, int(macro.size()));
        macro = cutToSlot(macro, kMouseSlotBytes);
    }
    const int repeat = m_macros.repeatCount(name.toString());
    macro[0] = char(repeat >> 8);
    macro[1] = char(repeat & 0xFF);
    uchar slot[kMouseSlotBytes];
    fillSlot(slot, macro);
    if (m_link.hid)
        m_link.hid->hid_13H_SetMacroKey(uchar(slotNumber), slot);
}

void MacroTransfer::ui_11H_SetMacroKey(const QVariant &macroId, const QVariant &name)
{
    const int slotNumber = macroId.toInt();
    if (slotNumber < 0 || slotNumber > 0xFF)
        return;
    QByteArray macro = MacroEncoder::encode(m_macros.loadMacroIni(name), m_link.deviceIndex());
    if (macro.size() > kKeyboardSlotBytes) {
        if (m_warning)
            m_warning(kKeyboardSlotBytes, int(macro.size()));
        macro = cutToSlot(macro, kKeyboardSlotBytes);
    }
    uchar slot[kKeyboardSlotBytes];
    fillSlot(slot, macro);
    if (m_link.hid)
        m_link.hid->hid_11H_SetMacroKey(uchar(slotNumber), slot);
}

QVariantList MacroTransfer::ui_93H_GetMacroKey(uchar macroId)
{
    return DeviceLink::tableValues(m_link.hid ? m_link.hid->hid_93H_GetMacroKey(macroId) : std::nullopt,
                                   kMouseSlotBytes);
}

QVariantList MacroTransfer::ui_91H_GetMacroKey(uchar macroId)
{
    return DeviceLink::tableValues(m_link.hid ? m_link.hid->hid_91H_GetMacroKey(macroId) : std::nullopt,
                                   kKeyboardSlotBytes);
}

QVariant MacroTransfer::sendGunPresets(const QStringList &names)
{
    QByteArray all;
    int lengths[kGunSlots] = {};
    for (int s = 0; s < kGunSlots && s < names.size(); ++s) {
        const QString &name = names.at(s);
        const QByteArray preset = EditorEncoder::encode(m_guns.lines(name), m_guns.repeatCount(name),
                                                        EditorEncoder::Variant::Gun);
        lengths[s] = int(preset.size());
        all += preset;
    }
    // New lengths over the old bytes would have the mouse play past its
    // presets: what does not fit sends neither, and the mouse keeps the
    // three it plays.
    if (all.size() >= kGunDataLimit)
        return false;
    for (int k = 0; k * kMouseSlotBytes < all.size(); ++k) {
        const QByteArray piece = all.mid(k * kMouseSlotBytes, kMouseSlotBytes);
        QVariantList values;
        for (const char b : piece)
            values.append(int(uchar(b)));
        sendGunData(values, kGunFirstSlotIndex + k);
    }
    if (m_link.hid) {
        for (int s = 0; s < kGunSlots; ++s) {
            const int words = (lengths[s] + 1) / 2;
            m_link.hid->hid_04H_SetGunData(uchar(words & 0xFF), uchar(words >> 8), 0, 0, uchar(s));
        }
    }
    return true;
}
