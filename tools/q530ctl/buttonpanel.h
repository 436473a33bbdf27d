#pragma once

#include "model/buttonrules.h"

#include <QByteArray>
#include <QList>
#include <QMetaObject>
#include <QPair>
#include <QString>
#include <QVariantList>

class ButtonModel;
class myQQuickView;

// The button assignment panel for the command line: the view model's button
// model driven the way the window's page drives it, with the gun dialog's
// part (the preset names, a cleared slot's preset) and the macros sent to
// their slots as the macro editor sends them.
class ButtonPanel
{
public:
    static constexpr int kShownButtons = 8;

    explicit ButtonPanel(myQQuickView &view);
    ~ButtonPanel();
    ButtonPanel(const ButtonPanel &) = delete;
    ButtonPanel &operator=(const ButtonPanel &) = delete;

    // Every layer and gun slot from the current profile, nothing sent.
    void read();

    bool mayReassign(int button) const;
    int macroSlotFor(int button) const;
    // The 0-based macro slot the button plays, -1 when it plays none.
    int macroSlot(int button) const;

    // The page's assignment of a coded function: change, store and send the
    // layers, free the gun slots that were on the button. False when refused.
    bool assign(int button, const ButtonRules::Entry &entry);
    // The page's assignment of a macro: `name` is bound to the button's slot
    // (macroSlotFor), the button plays it in `playMode`, the layers are
    // stored and sent and the macro goes to the slot. The bytes the slot got;
    // nothing sent when refused (see mayReassign and macroSlotFor).
    QByteArray assignMacro(int button, const QString &name, int playMode);

    // The profile as read to the mouse: first the macros its buttons play,
    // then the four layers, then the mouse plays the normal layer. The
    // 0-based slots sent, with the 128 bytes each got.
    QList<QPair<int, QByteArray>> sendAsRead();

    // What the panel shows for a button.
    QString functionText(int button) const;
    // The name of the macro bound to a slot of the current profile, "" for none.
    QString macroName(int slot) const;
    // The normal layer's 64 bytes as the profile stores them.
    QVariantList normalLayerBytes() const;

private:
    QStringList gunPresetNames();
    void gunSlotCleared(int gun);

    myQQuickView &m_view;
    ButtonModel &m_model;
    QMetaObject::Connection m_cleared;
};
