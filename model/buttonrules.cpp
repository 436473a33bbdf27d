#include "buttonrules.h"

#include "storage/panelvalues.h"

namespace ButtonRules {

namespace {
constexpr uchar kLeftClick = 0xF0;
}

Entry factory(int button)
{
    return ButtonEntry::kFactory[size_t(button)];
}

std::optional<Entry> parseCode(const QString &text)
{
    if (text.size() != 2 * ButtonEntry::kSize)
        return std::nullopt;
    Entry e{};
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i).toLatin1();
        const int digit = c >= '0' && c <= '9' ? c - '0'
            : c >= 'a' && c <= 'f'             ? c - 'a' + 10
            : c >= 'A' && c <= 'F'             ? c - 'A' + 10
                                               : -1;
        if (digit < 0 || text.at(i).unicode() > 0x7F)
            return std::nullopt;
        e[size_t(i / 2)] = uchar(e[size_t(i / 2)] * 16 + digit);
    }
    return e;
}

QString codeText(const Entry &e)
{
    QString s;
    for (uchar b : e)
        s += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    return s;
}

Entry cleanEntry(const QVariantList &values, const Entry &fallback)
{
    if (values.isEmpty())
        return fallback;
    Entry e{};
    for (int i = 0; i < ButtonEntry::kSize && i < values.size(); ++i)
        e[size_t(i)] = uchar(PanelValues::parseNumber(values.at(i)).value_or(0) & 0xFF);
    return e;
}

QVariantList toList(const Entry &e)
{
    return {int(e[0]), int(e[1]), int(e[2]), int(e[3])};
}

bool isLeftClick(const Entry &e) { return e[0] == ButtonEntry::kTypeMouseButton && e[2] == kLeftClick; }
bool isGunKey(const Entry &e) { return e[0] == ButtonEntry::kTypeGunKey && e[2] == ButtonEntry::kGunKeySwitch; }
bool isMacro(const Entry &e) { return e[0] == ButtonEntry::kTypeMacro; }
bool isZero(const Entry &e) { return e == Entry{}; }
bool isSingleKey(const Entry &e) { return e[0] == ButtonEntry::kTypeKeyboard && e[1] == 0 && e[2] != 0 && e[3] == 0; }

Entry gunKey(int nextLayer)
{
    return {ButtonEntry::kTypeGunKey, 0, ButtonEntry::kGunKeySwitch, uchar(nextLayer)};
}

bool mayReassign(const Layer &normal, int index)
{
    if (index < 0 || index >= kEntries)
        return false;
    int leftClicks = 0;
    for (const Entry &e : normal)
        leftClicks += isLeftClick(e) ? 1 : 0;
    return !isLeftClick(normal[size_t(index)]) || leftClicks >= 2;
}

int macroSlotFor(const Layer &normal, int index)
{
    if (index < 0 || index >= kEntries)
        return -1;
    const Entry &own = normal[size_t(index)];
    if (isMacro(own) && own[2] < kButtonSlots)
        return own[2];
    std::array<bool, kButtonSlots> used{};
    for (int i = 0; i < kEntries; ++i)
        if (i != index && isMacro(normal[size_t(i)]) && normal[size_t(i)][2] < kButtonSlots)
            used[normal[size_t(i)][2]] = true;
    for (int s = 0; s < kButtonSlots; ++s)
        if (!used[size_t(s)])
            return s;
    return -1;
}

std::array<int, kLayers> gunChain(const GunButtons &guns, int k)
{
    std::array<int, kLayers> next{};
    int previous = 0; // the layer that switches to the next slot found on k
    for (int g = 0; g < kGunSlots; ++g) {
        if (guns[size_t(g)] != k)
            continue;
        next[size_t(previous)] = g + 1;
        previous = g + 1;
    }
    return next;
}

QVariantList matrixBytes(const Layer &layer)
{
    QVariantList bytes;
    for (const Entry &e : layer)
        bytes << int(e[0]) << int(e[1]) << (isMacro(e) ? e[2] + 1 : int(e[2])) << int(e[3]);
    return bytes;
}

QVariantList gunLayerBytes(const Layer &layer, int n, int playMode)
{
    QVariantList bytes = matrixBytes(layer);
    bytes[0] = int(ButtonEntry::kTypeMacro);
    bytes[1] = playMode;
    bytes[2] = kFirstGunMacro - 1 + n;
    bytes[3] = 0;
    return bytes;
}

} // namespace ButtonRules
