#include "buttonpanel.h"

#include "macrosender.h"
#include "namelists.h"
#include "pagescripts.h"

#include "storage/buttonentry.h"
#include "storage/panelvalues.h"
#include "viewmodel/myqquickview.h"

namespace {

constexpr int kLastGunMacroSlot = 12;   // gun layers play from slots the buttons do not use
constexpr int kTypeGunKey = 0x08;
constexpr int kDefaultGunMode = 2;
constexpr int kClearedGunPreset = 2;    // a gun slot that leaves its button takes preset 2

QVariantList factory(int button)
{
    QVariantList e;
    for (uchar b : ButtonEntry::kFactory[size_t(button)])
        e.append(int(b));
    return e;
}

} // namespace

ButtonPanel::ButtonPanel(myQQuickView &view, PageScripts &scripts)
    : m_view(view)
    , m_scripts(scripts)
{
    m_entryCount = scripts.entryCount();
    m_gunSlots = std::min(3, scripts.gunSlots());
    for (auto &layer : m_layers)
        for (int i = 0; i < m_entryCount; ++i)
            layer.append(factory(i));
}

QVariantList ButtonPanel::entry(int layer, int button) const
{
    return m_layers[size_t(layer)].value(button);
}

QVariantList ButtonPanel::entries(int layer) const
{
    QVariantList list;
    for (const QVariantList &e : m_layers[size_t(layer)])
        list.append(QVariant(e));
    return list;
}

void ButtonPanel::setEntry(int layer, int button, const QVariantList &entry)
{
    QVariantList e;
    for (const QVariant &v : entry)
        e.append(v.toInt());
    m_layers[size_t(layer)][button] = e;
}

void ButtonPanel::read()
{
    for (int layer = 0; layer < kLayers; ++layer) {
        for (int i = 0; i < m_entryCount; ++i) {
            const QVariantList fallback = layer == 0 ? factory(i) : entry(0, i);
            const QVariantList stored = layer == 0 ? m_view.getKeydefine(i) : m_view.getGunKeydefine(layer + 1, i);
            QVariantList e = m_scripts.cleanEntry(QVariant(stored), fallback);
            if (m_scripts.isMacro(e)) {
                e[2] = e.at(2).toInt() - 1;
                const int lastSlot = layer == 0 ? m_scripts.buttonSlots() : kLastGunMacroSlot;
                if (e.at(2).toInt() < 0 || e.at(2).toInt() >= lastSlot)
                    e = fallback;
            }
            setEntry(layer, i, e);
        }
    }
    // A gun slot on a button that is no gun key is on none.
    const QVariantList stored = m_view.getselectGunKey();
    for (int g = 0; g < m_gunSlots; ++g) {
        const std::optional<int> index = PanelValues::parseNumber(stored.value(g));
        const std::optional<int> type = PanelValues::parseNumber(stored.value(g + m_gunSlots));
        m_gunIndex[size_t(g)] = index && *index >= 0 && *index < m_entryCount && m_scripts.isGunKey(entry(0, *index))
            ? *index : -1;
        m_gunType[size_t(g)] = type && *type >= 0 && *type <= 2 ? *type : kDefaultGunMode;
    }
}

bool ButtonPanel::mayReassign(int button)
{
    return button >= 0 && button < m_entryCount && m_scripts.mayReassign(entries(0), button);
}

int ButtonPanel::macroSlotFor(int button)
{
    return m_scripts.macroSlotFor(entries(0), button);
}

bool ButtonPanel::assign(int button, const QVariantList &entry)
{
    if (!modifyData(button, entry))
        return false;
    refresh();
    cancelGunKeyFun(button);
    return true;
}

QByteArray ButtonPanel::assignMacro(int button, const QString &name, int playMode)
{
    const int slot = macroSlotFor(button);
    if (slot < 0 || !mayReassign(button))
        return {};
    m_view.setMacroKey(slot, name);
    modifyData(button, {int(ButtonEntry::kTypeMacro), playMode, slot, 0});
    refresh();
    const QByteArray sent = sendMacro(m_view, slot, name);
    cancelGunKeyFun(button);
    return sent;
}

bool ButtonPanel::modifyData(int button, const QVariantList &entry)
{
    if (!mayReassign(button))
        return false;
    const QVariantList next = m_scripts.cleanEntry(QVariant(entry), {0, 0, 0, 0});
    if (m_scripts.isGunKey(this->entry(0, button)) && !m_scripts.isGunKey(next))
        freeGunSlots(button, true);
    setEntry(0, button, next);
    return true;
}

void ButtonPanel::refresh()
{
    linkGunKeys();
    m_view.ui_12H_SetKeyMatrix(normalLayerBytes());
    sendGunLayers();
    m_view.ui_02H_SetKeyMatrixNo(0);
}

void ButtonPanel::sendAsRead()
{
    m_view.ui_12H_SetKeyMatrix(normalLayerBytes());
    for (int layer = 1; layer < kLayers; ++layer)
        m_view.ui_12H_SetGunKeyMatrix(m_scripts.matrixBytes(entries(layer)), layer + 1);
    m_view.ui_02H_SetKeyMatrixNo(0);
}

QVariantList ButtonPanel::normalLayerBytes()
{
    return m_scripts.matrixBytes(entries(0));
}

void ButtonPanel::cancelGunKeyFun(int button)
{
    freeGunSlots(button, false);
    storeGunKeyData();
}

void ButtonPanel::freeGunSlots(int button, bool resetPreset)
{
    for (int g = 0; g < m_gunSlots; ++g) {
        if (m_gunIndex[size_t(g)] != button)
            continue;
        setGunKeyData(g, -1, kDefaultGunMode);
        if (resetPreset)
            gunSlotCleared(g);
    }
}

void ButtonPanel::setGunKeyData(int gun, int button, int type)
{
    m_gunIndex[size_t(gun)] = button;
    m_gunType[size_t(gun)] = type;
    storeGunKeyData();
}

void ButtonPanel::storeGunKeyData()
{
    QVariantList list;
    for (int g = 0; g < m_gunSlots; ++g)
        list.append(m_gunIndex[size_t(g)]);
    for (int g = 0; g < m_gunSlots; ++g)
        list.append(m_gunType[size_t(g)]);
    m_view.setSelectGunKey(list);
}

void ButtonPanel::linkGunKeys()
{
    QVariantList indexes;
    for (int g = 0; g < m_gunSlots; ++g)
        indexes.append(m_gunIndex[size_t(g)]);
    for (int k = 0; k < m_entryCount; ++k) {
        if (!m_scripts.isGunKey(entry(0, k)))
            continue;
        const QVariantList next = m_scripts.gunChain(indexes, k);
        for (int layer = 0; layer < kLayers; ++layer)
            setEntry(layer, k, {kTypeGunKey, 0, 0x01, next.value(layer).toInt()});
    }
}

// The gun layers follow the normal one, except on the gun keys; their left
// button plays the gun slot's macro.
void ButtonPanel::sendGunLayers()
{
    for (int layer = 1; layer < kLayers; ++layer) {
        for (int i = 0; i < m_entryCount; ++i) {
            const QVariantList e = entry(0, i);
            if (!m_scripts.isGunKey(e))
                setEntry(layer, i, e);
        }
        const QVariantList bytes = m_scripts.gunLayerBytes(entries(layer), layer, m_gunType[size_t(layer - 1)]);
        m_view.ui_12H_SetGunKeyMatrix(bytes, layer + 1);
    }
}

// The gun dialog's choice for the slot goes back to preset 2.
void ButtonPanel::gunSlotCleared(int gun)
{
    QVariantList chosen;
    const QList<int> presets = NameLists::gunSlotPresets(m_view, m_scripts);
    for (int g = 0; g < m_gunSlots; ++g)
        chosen.append(g == gun ? kClearedGunPreset : presets.value(g));
    m_view.setSelectGun(chosen);
}

QString ButtonPanel::gunPresetName(int gun)
{
    return NameLists::gunPresets(m_view, m_scripts).value(NameLists::gunSlotPresets(m_view, m_scripts).value(gun, -1));
}

QString ButtonPanel::macroName(int slot) const
{
    const QVariant name = m_view.getMacroKey(slot);
    return name.metaType() == QMetaType::fromType<QString>() ? name.toString() : QString();
}

QString ButtonPanel::functionText(int button)
{
    const QVariantList e = entry(0, button);
    if (m_scripts.isGunKey(e)) {
        QString text = QStringLiteral("Gun Button");
        for (int s = m_gunSlots - 1; s >= 0; --s)
            if (m_gunIndex[size_t(s)] == button)
                text = gunPresetName(s);
        return text;
    }
    if (m_scripts.isMacro(e))
        return QStringLiteral("Macro: ") + macroName(e.at(2).toInt());
    if (m_scripts.isZero(e))
        return QStringLiteral("Deactivated");
    if (m_scripts.isSingleKey(e))
        return QStringLiteral("Keyboard Key-") + m_scripts.keyName(e.at(2).toInt());
    return m_scripts.functionName(m_scripts.codeText(e));
}
