#include "buttonpanel.h"

#include "macrosender.h"
#include "namelists.h"

#include "model/buttonmodel.h"
#include "viewmodel/myqquickview.h"

namespace {
constexpr int kClearedGunPreset = 2;    // a gun slot that leaves its button takes preset 2
}

ButtonPanel::ButtonPanel(myQQuickView &view)
    : m_view(view)
    , m_model(*view.buttons())
{
    m_cleared = QObject::connect(&m_model, &ButtonModel::gunSlotCleared, [this](int gun) { gunSlotCleared(gun); });
}

ButtonPanel::~ButtonPanel()
{
    QObject::disconnect(m_cleared);
}

// The gun dialog's lists, in one place.
QStringList ButtonPanel::gunPresetNames()
{
    const QStringList presets = NameLists::gunPresets(m_view);
    const QList<int> chosen = NameLists::gunSlotPresets(m_view);
    QStringList names;
    for (int g = 0; g < ButtonRules::kGunSlots; ++g)
        names.append(presets.value(chosen.value(g, -1)));
    return names;
}

// The gun dialog's choice for the slot goes back to preset 2.
void ButtonPanel::gunSlotCleared(int gun)
{
    QVariantList chosen;
    const QList<int> presets = NameLists::gunSlotPresets(m_view);
    for (int g = 0; g < ButtonRules::kGunSlots; ++g)
        chosen.append(g == gun ? kClearedGunPreset : presets.value(g));
    m_view.setSelectGun(chosen);
}

void ButtonPanel::read()
{
    m_model.init(false, gunPresetNames());
}

bool ButtonPanel::mayReassign(int button) const
{
    return m_model.mayReassign(button);
}

int ButtonPanel::macroSlotFor(int button) const
{
    return m_model.macroSlotFor(button);
}

int ButtonPanel::macroSlot(int button) const
{
    const ButtonRules::Entry e = m_model.at(0, button);
    return ButtonRules::isMacro(e) ? e[2] : -1;
}

bool ButtonPanel::assign(int button, const ButtonRules::Entry &entry)
{
    if (!m_model.modifyData(button, ButtonRules::toList(entry)))
        return false;
    m_model.refreashUI();
    m_model.cancelGunKeyFun(button);
    return true;
}

QByteArray ButtonPanel::assignMacro(int button, const QString &name, int playMode)
{
    const int slot = macroSlotFor(button);
    if (slot < 0 || !mayReassign(button))
        return {};
    m_view.setMacroKey(slot, name);
    m_model.modifyData(button, {int(ButtonEntry::kTypeMacro), playMode, slot, 0});
    m_model.refreashUI();
    const QByteArray sent = sendMacro(m_view, slot, name);
    m_model.cancelGunKeyFun(button);
    return sent;
}

QList<QPair<int, QByteArray>> ButtonPanel::sendAsRead()
{
    QList<QPair<int, QByteArray>> sent;
    const QMetaObject::Connection macros = QObject::connect(
        &m_model, &ButtonModel::sendMacroRequested, [this, &sent](int slot, const QString &name) {
            const QByteArray bytes = sendMacro(m_view, slot, name);
            if (!bytes.isEmpty())
                sent.append({slot, bytes});
        });
    m_model.init(true, gunPresetNames());
    QObject::disconnect(macros);
    return sent;
}

QString ButtonPanel::functionText(int button) const
{
    return m_model.keyText(button);
}

QString ButtonPanel::macroName(int slot) const
{
    return m_model.macroName(slot);
}

QVariantList ButtonPanel::normalLayerBytes() const
{
    return ButtonRules::matrixBytes(m_model.layer(0));
}
