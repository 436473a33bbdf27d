#include "buttonmodel.h"

#include "keycodes.h"

#include "device/hid_thread.h"
#include "storage/panelvalues.h"
#include "storage/storageparts.h"

using namespace ButtonRules;

namespace {

const QStringList kEnglish{QStringLiteral("Macro: "), QStringLiteral("Deactivated"), QStringLiteral("Keyboard Key-"),
                           QStringLiteral("Button Assignment"), QStringLiteral("Button ")};
// A gun key without a gun slot, English and Chinese.
const QString kGunButton[] = {QStringLiteral("Gun Button"), QStringLiteral("枪键按键")};
constexpr int kNormalMatrix = 1;  // key matrix of the normal layer; gun layer n is n + 1

} // namespace

ButtonModel::ButtonModel(StorageParts &storage, QObject *parent)
    : QAbstractListModel(parent)
    , m_storage(storage)
    , m_keyCodes(new KeyCodes(this))
    , m_lang(kEnglish)
{
    reset();
}

ButtonModel::~ButtonModel() = default;

int ButtonModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kEntries;
}

QVariant ButtonModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= kEntries || role != KeyTextRole)
        return {};
    return m_texts[size_t(index.row())];
}

QHash<int, QByteArray> ButtonModel::roleNames() const
{
    return {{KeyTextRole, "keyText"}};
}

QVariantList ButtonModel::gunKeyData() const
{
    QVariantList list;
    for (const GunSlot &g : m_guns)
        list.append(QVariantMap{{QStringLiteral("gunKeyIndex"), g.button}, {QStringLiteral("gunKeyType"), g.mode}});
    return list;
}

QVariantList ButtonModel::gunKeyIndexes() const
{
    QVariantList list;
    for (const GunSlot &g : m_guns)
        list.append(g.button);
    return list;
}

void ButtonModel::setLanguage(int language)
{
    if (language == m_language)
        return;
    m_language = language;
    emit languageChanged();
}

void ButtonModel::setKeyMatrixLang(const QStringList &texts)
{
    if (texts == m_lang)
        return;
    m_lang = texts;
    emit keyMatrixLangChanged();
}

GunButtons ButtonModel::gunButtons() const
{
    return {m_guns[0].button, m_guns[1].button, m_guns[2].button};
}

void ButtonModel::reset()
{
    for (Layer &layer : m_layers)
        for (int i = 0; i < kEntries; ++i)
            layer[size_t(i)] = factory(i);
    m_guns = {};
    emit gunKeysChanged();
    updateTexts();
    initGunKeyShow({});
}

// ---- reading and sending

void ButtonModel::readLayer(int layer)
{
    for (int i = 0; i < kEntries; ++i) {
        const Entry fallback = layer == 0 ? factory(i) : at(0, i);
        const QVariantList stored = layer == 0 ? m_storage.keys.getKeydefine(i)
                                               : m_storage.keys.getGunKeydefine(layer + 1, i);
        Entry e = cleanEntry(stored, fallback);
        // A fallback that plays a macro counts down once more, as it always has.
        if (isMacro(e)) {
            const int slot = e[2] - 1;
            const int slotCount = layer == 0 ? kButtonSlots : kMacroSlots;
            if (slot < 0 || slot >= slotCount)
                e = fallback;
            else
                e[2] = uchar(slot);
        }
        m_layers[size_t(layer)][size_t(i)] = e;
    }
}

void ButtonModel::readGunKeyData()
{
    const QVariantList stored = m_storage.gunSelection.getselectGunKey();
    for (int g = 0; g < kGunSlots; ++g) {
        const std::optional<int> button = PanelValues::parseNumber(stored.value(g));
        const std::optional<int> mode = PanelValues::parseNumber(stored.value(g + kGunSlots));
        m_guns[size_t(g)].button =
            button && *button >= 0 && *button < kEntries && isGunKey(at(0, *button)) ? *button : -1;
        m_guns[size_t(g)].mode = mode && *mode >= 0 && *mode <= 2 ? *mode : kDefaultPlayMode;
    }
    emit gunKeysChanged();
}

void ButtonModel::storeGunKeyData()
{
    QVariantList list;
    for (const GunSlot &g : m_guns)
        list.append(g.button);
    for (const GunSlot &g : m_guns)
        list.append(g.mode);
    m_storage.gunSelection.setSelectGunKey(list);
}

void ButtonModel::setGunSlot(int gun, int button, int mode)
{
    m_guns[size_t(gun)] = {button, mode};
    emit gunKeysChanged();
    storeGunKeyData();
}

void ButtonModel::init(bool send, const QStringList &gunNames)
{
    for (int layer = 0; layer < kLayers; ++layer)
        readLayer(layer);
    readGunKeyData();
    updateTexts();
    initGunKeyShow(gunNames);
    for (const Entry &e : m_layers[0])
        if (isMacro(e))
            emit sendMacroRequested(e[2], macroName(e[2]));
    if (send)
        sendLayers(false);
}

// Layer by layer, then the mouse plays the normal one. Gun layers as they
// are, or following the normal layer with their gun macro on the left button.
void ButtonModel::sendLayers(bool asGunLayers)
{
    m_storage.keys.ui_12H_SetKeyMatrix(matrixBytes(m_layers[0]));
    if (asGunLayers) {
        sendGunLayers();
    } else {
        for (int layer = 1; layer < kLayers; ++layer)
            m_storage.keys.ui_12H_SetGunKeyMatrix(matrixBytes(m_layers[size_t(layer)]), kNormalMatrix + layer);
    }
    if (m_storage.link.hid)
        m_storage.link.hid->hid_02H_SetCurrentProfile(0);
}

// Every button but the gun keys does the same in all layers.
void ButtonModel::sendGunLayers()
{
    for (int layer = 1; layer < kLayers; ++layer) {
        Layer &entries = m_layers[size_t(layer)];
        for (int i = 0; i < kEntries; ++i)
            if (!isGunKey(at(0, i)))
                entries[size_t(i)] = at(0, i);
        m_storage.keys.ui_12H_SetGunKeyMatrix(gunLayerBytes(entries, layer, m_guns[size_t(layer - 1)].mode),
                                              kNormalMatrix + layer);
    }
}

void ButtonModel::linkGunKeys()
{
    const GunButtons guns = gunButtons();
    for (int k = 0; k < kEntries; ++k) {
        if (!isGunKey(at(0, k)))
            continue;
        const std::array<int, kLayers> next = gunChain(guns, k);
        for (int layer = 0; layer < kLayers; ++layer)
            m_layers[size_t(layer)][size_t(k)] = gunKey(next[size_t(layer)]);
    }
}

void ButtonModel::refreashUI()
{
    updateTexts();
    linkGunKeys();
    sendLayers(true);
}

// ---- texts

QString ButtonModel::macroName(int slot) const
{
    const QVariant name = m_storage.bindings.getMacroKey(slot);
    return name.metaType() == QMetaType::fromType<QString>() ? name.toString() : QString();
}

QString ButtonModel::functionText(const Entry &e) const
{
    if (isMacro(e))
        return m_lang.value(0) + macroName(e[2]);
    if (isZero(e))
        return m_lang.value(1);
    if (isSingleKey(e))
        return m_lang.value(2) + m_keyCodes->keyName(e[2]);
    return m_keyCodes->functionName(codeText(e), m_language);
}

void ButtonModel::setText(int button, const QString &text)
{
    if (m_texts[size_t(button)] == text)
        return;
    m_texts[size_t(button)] = text;
    const QModelIndex row = index(button);
    emit dataChanged(row, row, {KeyTextRole});
}

void ButtonModel::updateTexts()
{
    for (int i = 0; i < kEntries; ++i)
        if (!isGunKey(at(0, i)))
            setText(i, functionText(at(0, i)));
}

void ButtonModel::controlGunShow(int button, const QString &text)
{
    if (button >= 0 && button < kEntries)
        setText(button, text);
}

void ButtonModel::initGunKeyShow(const QStringList &gunNames)
{
    for (int k = 0; k < kEntries; ++k) {
        if (!isGunKey(at(0, k)))
            continue;
        QString text = kGunButton[m_language == 1 ? 1 : 0];
        for (int s = kGunSlots - 1; s >= 0; --s)
            if (m_guns[size_t(s)].button == k)
                text = gunNames.value(s);
        setText(k, text);
    }
}

// ---- changes

QVariantList ButtonModel::entry(int layer, int button) const
{
    if (layer < 0 || layer >= kLayers || button < 0 || button >= kEntries)
        return {};
    return toList(at(layer, button));
}

QVariantList ButtonModel::entries(int layer) const
{
    QVariantList list;
    for (int i = 0; i < kEntries; ++i)
        list.append(QVariant(entry(layer, i)));
    return list;
}

bool ButtonModel::mayReassign(int button) const
{
    return ButtonRules::mayReassign(m_layers[0], button);
}

int ButtonModel::macroSlotFor(int button) const
{
    return ButtonRules::macroSlotFor(m_layers[0], button);
}

bool ButtonModel::modifyData(int button, const QVariantList &entry)
{
    if (!mayReassign(button))
        return false;
    const Entry next = cleanEntry(entry, Entry{});
    if (isGunKey(at(0, button)) && !isGunKey(next))
        freeGunSlots(button, true);
    m_layers[0][size_t(button)] = next;
    return true;
}

// Only this button's slots: a gun on another button keeps working there.
void ButtonModel::freeGunSlots(int button, bool resetPreset)
{
    for (int g = 0; g < kGunSlots; ++g) {
        if (m_guns[size_t(g)].button != button)
            continue;
        setGunSlot(g, -1, kDefaultPlayMode);
        if (resetPreset)
            emit gunSlotCleared(g);
    }
}

void ButtonModel::cancelGunKeyFun(int button)
{
    freeGunSlots(button, false);
    storeGunKeyData();
}

bool ButtonModel::openGunKeyProc(int button, int gun, int mode)
{
    if (gun < 0 || gun >= kGunSlots || !mayReassign(button))
        return false;
    for (Layer &layer : m_layers)
        layer[size_t(button)] = gunKey(0);
    setGunSlot(gun, button, mode >= 0 && mode <= 2 ? mode : kDefaultPlayMode);
    linkGunKeys();
    return true;
}

void ButtonModel::closeGunKeyProc(int button, int gun)
{
    if (gun < 0 || gun >= kGunSlots || m_guns[size_t(gun)].button != button)
        return;
    setGunSlot(gun, -1, kDefaultPlayMode);
    linkGunKeys();
}

void ButtonModel::deleteMacroProc(const QString &name, const QStringList &gunNames)
{
    bool changed = false;
    for (int i = 0; i < kEntries; ++i) {
        const Entry e = at(0, i);
        if (!isMacro(e) || macroName(e[2]) != name)
            continue;
        const Entry f = factory(i);
        for (int layer = 0; layer < kLayers; ++layer)
            if (layer == 0 || isGunKey(f))
                m_layers[size_t(layer)][size_t(i)] = f;
        changed = true;
    }
    if (changed) {
        refreashUI();
        initGunKeyShow(gunNames);
    }
}
