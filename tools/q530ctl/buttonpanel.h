#pragma once

#include <QString>
#include <QVariantList>

#include <array>

class PageScripts;
class myQQuickView;

// The button assignment panel without its picture: the current profile's
// four key matrices (the normal layer and three gun layers, sixteen entries
// each) and the button each gun slot sits on. It reads, changes, stores and
// sends them the way the panel does, with the panel's own rules from the
// pages' helpers. A macro entry holds its 0-based slot here; the profile and
// the mouse get the slot + 1.
class ButtonPanel
{
public:
    static constexpr int kLayers = 4;
    static constexpr int kShownButtons = 8;

    ButtonPanel(myQQuickView &view, PageScripts &scripts);

    // The panel's init: every layer and gun slot from the current profile.
    void read();

    QVariantList entry(int layer, int button) const;
    QVariantList entries(int layer) const;
    int gunKeyIndex(int gun) const { return m_gunIndex[size_t(gun)]; }

    // Whether the button may get another function (the last left click
    // stays), and the macro slot a macro for it would take (-1 none free).
    bool mayReassign(int button);
    int macroSlotFor(int button);

    // The page's assignment of a coded function: change, store and send the
    // layers, free the gun slots that were on the button. False when refused.
    bool assign(int button, const QVariantList &entry);

    // The page's assignment of a macro: `name` is bound to the button's slot
    // (macroSlotFor), the button plays it in `playMode`, the layers are
    // stored and sent and the macro goes to the slot. The bytes the slot got;
    // nothing sent when refused (see mayReassign and macroSlotFor).
    QByteArray assignMacro(int button, const QString &name, int playMode);

    // The layers as read go to the profile and the mouse (the panel's
    // init with sending), then the mouse plays the normal layer.
    void sendAsRead();

    // What the panel shows for a button.
    QString functionText(int button);
    // The name of the macro bound to a slot of the current profile, "" for none.
    QString macroName(int slot) const;

    // The normal layer's 64 bytes as the profile stores them.
    QVariantList normalLayerBytes();

private:
    bool modifyData(int button, const QVariantList &entry);
    void refresh();
    void cancelGunKeyFun(int button);
    void setEntry(int layer, int button, const QVariantList &entry);
    void freeGunSlots(int button, bool resetPreset);
    void setGunKeyData(int gun, int button, int type);
    void storeGunKeyData();
    void linkGunKeys();
    void sendGunLayers();
    void gunSlotCleared(int gun);
    QString gunPresetName(int gun);

    myQQuickView &m_view;
    PageScripts &m_scripts;
    int m_entryCount = 16;
    int m_gunSlots = 3;
    std::array<QList<QVariantList>, kLayers> m_layers;
    std::array<int, 3> m_gunIndex{{-1, -1, -1}};
    std::array<int, 3> m_gunType{{2, 2, 2}};
};
