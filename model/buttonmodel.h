#pragma once

#include "buttonrules.h"
#include "keycodes.h"

#include <QAbstractListModel>
#include <QStringList>
#include <QVariantList>

#include <array>

struct StorageParts;

// What each button of the mouse does, for every front end: the current
// profile's normal layer and three gun layers (sixteen entries each), the
// button and play mode of each gun slot, and the text each button's row
// shows. Every change goes to the profile and the mouse at once.
//
// The rows are the sixteen buttons of the normal layer (the page shows the
// first eight). Gun keys keep the text they were last given (initGunKeyShow,
// controlGunShow); the other rows show their function.
class ButtonModel : public QAbstractListModel
{
    Q_OBJECT
    // Per gun slot: {gunKeyIndex: button or -1, gunKeyType: play mode 0 ... 2}.
    Q_PROPERTY(QVariantList gunKeyData READ gunKeyData NOTIFY gunKeysChanged)
    Q_PROPERTY(QVariantList gunKeyIndexes READ gunKeyIndexes NOTIFY gunKeysChanged)
    // 1 Chinese, anything else English: the function names and the gun key's text.
    Q_PROPERTY(int language READ language WRITE setLanguage NOTIFY languageChanged)
    // The panel's texts: "Macro: ", "Deactivated", "Keyboard Key-", ...
    Q_PROPERTY(QStringList keyMatrixLang READ keyMatrixLang WRITE setKeyMatrixLang NOTIFY keyMatrixLangChanged)
    Q_PROPERTY(KeyCodes *keyCodes READ keyCodes CONSTANT)
public:
    enum Role { KeyTextRole = Qt::UserRole + 1 };

    explicit ButtonModel(StorageParts &storage, QObject *parent = nullptr);
    ~ButtonModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QVariantList gunKeyData() const;
    QVariantList gunKeyIndexes() const;
    int language() const { return m_language; }
    void setLanguage(int language);
    QStringList keyMatrixLang() const { return m_lang; }
    void setKeyMatrixLang(const QStringList &texts);
    KeyCodes *keyCodes() const { return m_keyCodes; }

    ButtonRules::Entry at(int layer, int button) const { return m_layers[size_t(layer)][size_t(button)]; }
    const ButtonRules::Layer &layer(int layer) const { return m_layers[size_t(layer)]; }
    QString keyText(int button) const { return m_texts[size_t(button)]; }

    // The factory functions and no gun slot on any button, until a profile is read.
    Q_INVOKABLE void reset();
    // Every layer and gun slot from the current profile. A missing or
    // unreadable entry is the factory one (in a gun layer: the normal
    // layer's); a macro entry whose slot is out of range too. A gun slot on
    // a button that is no gun key is on none. Then the texts (gun keys with
    // `gunNames`, the presets of gun slots 0 ... 2), sendMacroRequested for
    // every macro button, and with `send` the four layers as read to the
    // profile and the mouse, which then plays the normal layer.
    Q_INVOKABLE void init(bool send, const QStringList &gunNames);

    Q_INVOKABLE QVariantList entry(int layer, int button) const;
    // The sixteen entries of a layer.
    Q_INVOKABLE QVariantList entries(int layer) const;
    // The name bound to macro slot `slot` of the current profile, "" for none.
    Q_INVOKABLE QString macroName(int slot) const;
    Q_INVOKABLE bool mayReassign(int button) const;
    Q_INVOKABLE int macroSlotFor(int button) const;

    // The button gets function `entry` (four numbers) in the normal layer; a
    // gun key that becomes something else lets its gun slots go
    // (gunSlotCleared for each). False when refused: the last left click stays.
    Q_INVOKABLE bool modifyData(int button, const QVariantList &entry);
    // The gun keys step through their slots, the texts follow, and the four
    // layers go to the profile and the mouse, which then plays the normal one.
    Q_INVOKABLE void refreashUI();
    // The gun slots on the button leave it.
    Q_INVOKABLE void cancelGunKeyFun(int button);
    // Gun slot `gun` goes on button `button` in play mode `mode` (2 when out
    // of range); a slot that was on another button leaves it. False when
    // refused (no such slot, or the last left click).
    Q_INVOKABLE bool openGunKeyProc(int button, int gun, int mode);
    Q_INVOKABLE void closeGunKeyProc(int button, int gun);
    // The buttons that played macro `name` get their factory functions, and
    // when any did, the layers are sent and the gun keys show `gunNames`.
    Q_INVOKABLE void deleteMacroProc(const QString &name, const QStringList &gunNames);

    Q_INVOKABLE void updateTexts();
    // A gun key shows the preset of the lowest gun slot on it, or "Gun Button".
    Q_INVOKABLE void initGunKeyShow(const QStringList &gunNames);
    Q_INVOKABLE void controlGunShow(int button, const QString &text);

signals:
    void gunKeysChanged();
    void languageChanged();
    void keyMatrixLangChanged();
    // A button plays the macro of `slot` (0-based): the mouse needs it there.
    void sendMacroRequested(int slot, const QString &name);
    // A gun slot left its button; its preset choice goes back to the default.
    void gunSlotCleared(int slot);

private:
    struct GunSlot
    {
        int button = -1;
        int mode = ButtonRules::kDefaultPlayMode;
    };

    void readLayer(int layer);
    void readGunKeyData();
    void storeGunKeyData();
    void setGunSlot(int gun, int button, int mode);
    void freeGunSlots(int button, bool resetPreset);
    void linkGunKeys();
    void sendGunLayers();
    void sendLayers(bool asGunLayers);
    // What a function shows: the macro's, key's or function's name.
    QString functionText(const ButtonRules::Entry &e) const;
    void setText(int button, const QString &text);
    ButtonRules::GunButtons gunButtons() const;

    StorageParts &m_storage;
    KeyCodes *m_keyCodes;
    std::array<ButtonRules::Layer, ButtonRules::kLayers> m_layers{};
    std::array<GunSlot, ButtonRules::kGunSlots> m_guns{};
    std::array<QString, ButtonRules::kEntries> m_texts{};
    int m_language = 0;
    QStringList m_lang;
};
