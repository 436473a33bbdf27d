#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>

struct DeviceLink;
class GunFiles;
class MacroFiles;

// Macros and gun presets on their way to the device's macro slots (numbered
// from 1), and back. Without a device link nothing is sent and reads give
// zeros.
class MacroTransfer
{
public:
    // Told when a macro is longer than its slot and is cut (after whole
    // items, keeping the end marker); the page shows its warning from here.
    using OverflowWarning = std::function<void(int slotBytes, int macroBytes)>;

    explicit MacroTransfer(const DeviceLink &link, MacroFiles &macros, GunFiles &guns);

    void setOverflowWarning(OverflowWarning warning) { m_warning = std::move(warning); }

    // The tagged-line encoder for the current device.
    QList<uchar> macroIncode(const QStringList &macros) const;

    // Encoded bytes from the page to slot `macroIndex` + 1, for indexes 0 ... 11;
    // at most 128 values. True in every case.
    QVariant sendMacroData(const QVariantList &macroData, const QVariant &macroIndex);
    QVariant sendGunData(const QVariantList &gunData, const QVariant &gunIndex);

    // Macro `name` from its file (tagged lines) to slot `macroId`, with the
    // file's repeat count: 128 bytes on a mouse (slots 1 ... 12), 192 on a
    // keyboard-type device (slots up to 255). Other slot numbers send nothing.
    void ui_13H_SetMacroKey(const QVariant &macroId, const QVariant &name);
    void ui_11H_SetMacroKey(const QVariant &macroId, const QVariant &name);
    QVariantList ui_93H_GetMacroKey(uchar macroId);
    QVariantList ui_91H_GetMacroKey(uchar macroId);

    // The three gun slots' presets (gun preset names): encoded with the gun
    // editor's form, sent back to back from slot 6, then each slot's length
    // (in 2-byte words, rounded up). Together they must stay below 896
    // bytes; otherwise nothing is sent. True when they were sent.
    QVariant sendGunPresets(const QStringList &names);

private:
    void sendToSlot(const QVariantList &bytes, const QVariant &slotIndex);

    const DeviceLink &m_link;
    MacroFiles &m_macros;
    GunFiles &m_guns;
    OverflowWarning m_warning;
};
