#include "keynames.h"

#include <QHash>

namespace {

struct Entry
{
    const char *name; // UTF-8
    uchar code;
};

// Spelled exactly as the pages spell them.
constexpr Entry kTable[] = {
    {"A", 0x04}, {"B", 0x05}, {"C", 0x06}, {"D", 0x07}, {"E", 0x08}, {"F", 0x09}, {"G", 0x0A},
    {"H", 0x0B}, {"I", 0x0C}, {"J", 0x0D}, {"K", 0x0E}, {"L", 0x0F}, {"M", 0x10}, {"N", 0x11},
    {"O", 0x12}, {"P", 0x13}, {"Q", 0x14}, {"R", 0x15}, {"S", 0x16}, {"T", 0x17}, {"U", 0x18},
    {"V", 0x19}, {"W", 0x1A}, {"X", 0x1B}, {"Y", 0x1C}, {"Z", 0x1D},
    {"1", 0x1E}, {"2", 0x1F}, {"3", 0x20}, {"4", 0x21}, {"5", 0x22}, {"6", 0x23}, {"7", 0x24},
    {"8", 0x25}, {"9", 0x26}, {"0", 0x27},
    {"Enter", 0x28}, {"Esc", 0x29}, {"Back", 0x2A}, {"Tab", 0x2B}, {"Space", 0x2C},
    {"- _", 0x2D}, {"= +", 0x2E}, {"[ {", 0x2F}, {"] }", 0x30}, {"\\ |", 0x31}, {"; :", 0x33},
    {"' \"", 0x34}, {"` ~", 0x35}, {", <", 0x36}, {". >", 0x37}, {"/ ?", 0x38}, {"Caps", 0x39},
    {"F1", 0x3A}, {"F2", 0x3B}, {"F3", 0x3C}, {"F4", 0x3D}, {"F5", 0x3E}, {"F6", 0x3F},
    {"F7", 0x40}, {"F8", 0x41}, {"F9", 0x42}, {"F10", 0x43}, {"F11", 0x44}, {"F12", 0x45},
    {"Prt", 0x46}, {"Scr", 0x47}, {"Pau", 0x48}, {"Ins", 0x49}, {"Hom", 0x4A}, {"PgU", 0x4B},
    {"Del", 0x4C}, {"End", 0x4D}, {"PgD", 0x4E},
    {"\u25BA", 0x4F}, {"\u25C4", 0x50}, {"\u25BC", 0x51}, {"\u25B2", 0x52},
    {"Num", 0x53}, {"KP /", 0x54}, {"KP *", 0x55}, {"KP -", 0x56}, {"KP +", 0x57},
    {"KP Enter", 0x58}, {"KP 1", 0x59}, {"KP 2", 0x5A}, {"KP 3", 0x5B}, {"KP 4", 0x5C},
    {"KP 5", 0x5D}, {"KP 6", 0x5E}, {"KP 7", 0x5F}, {"KP 8", 0x60}, {"KP 9", 0x61},
    {"KP 0", 0x62}, {"KP .", 0x63}, {"Eur 2", 0x64}, {"App", 0x65}, {"Power", 0x66},
    {"KP =", 0x67},
    {"F13", 0x68}, {"F14", 0x69}, {"F15", 0x6A}, {"F16", 0x6B}, {"F17", 0x6C}, {"F18", 0x6D},
    {"F19", 0x6E}, {"F20", 0x6F}, {"F21", 0x70}, {"F22", 0x71}, {"F23", 0x72}, {"F24", 0x73},
    {"Keypad", 0x85}, {"Int'l 1", 0x87}, {"Intl'2", 0x88}, {"Int'l 2", 0x89}, {"Int'l 4", 0x8A},
    {"Int'l 5", 0x8B}, {"Lang 1", 0x90}, {"Lang 2", 0x91},
    {"L Ctrl", 0xE0}, {"L Shift", 0xE1}, {"L Alt", 0xE2}, {"L Win", 0xE3},
    {"R Ctrl", 0xE4}, {"R Shift", 0xE5}, {"R Alt", 0xE6}, {"R Win", 0xE7},
    {"MS-L", KeyNames::kMouseLeft}, {"MS-R", KeyNames::kMouseRight}, {"MS-M", KeyNames::kMouseMiddle},
    {"MS-B4", KeyNames::kMouseBack}, {"MS-B5", KeyNames::kMouseForward},
};
static_assert(sizeof(kTable) / sizeof(kTable[0]) == KeyNames::kCount);

// The second code of the backslash key's name: listed, but never a name's code.
constexpr Entry kSharedName{"\\ |", 0x32};
constexpr uchar kSharedAfter = 0x31;

struct FunctionEntry
{
    const char *code;
    const char *english;
    const char *chinese; // UTF-8
};

// In the order the command line lists them.
constexpr FunctionEntry kFunctions[] = {
    {"0100f000", "Left Button", "左键"}, {"0100f100", "Right Button", "右键"},
    {"0100f200", "Middle Button", "中键"}, {"0100f400", "Forward", "前进"}, {"0100f300", "Back", "后退"},
    {"0f002e00", "Auto Run", "自动奔跑"}, {"0f000500", "Fire Mode", "开火模式"},
    {"0af01e02", "Double Click", "双击"},
    {"07000100", "DPI +", "DPI +"}, {"07000200", "DPI -", "DPI -"}, {"07000300", "DPI LOOP", "DPI 循环"},
    {"03008301", "Media Player", "媒体播放器"}, {"0300b500", "Next Track", "下一曲"},
    {"0300b600", "Previous Track", "上一曲"}, {"0300b700", "Stop", "停止"},
    {"0300cd00", "Play/Pause", "播放/暂停"}, {"0300e200", "Mute", "静音"},
    {"0300e900", "Volume Up", "音量加"}, {"0300ea00", "Volume Down", "音量减"},
    {"0000e011", "New", "新建"}, {"0000e01b", "Cut", "剪切"}, {"0000e006", "Copy", "复制"},
    {"0000e019", "Paste", "粘贴"}, {"0000e016", "Save", "保存"}, {"0000e013", "Print", "打印"},
    {"0000e009", "Find", "查找"}, {"0000e01c", "Redo", "重做"}, {"0000e01d", "Undo", "撤销"},
    {"0000e004", "Select All", "全选"},
    {"03009401", "My Computer", "我的电脑"}, {"03002302", "Web Home", "浏览器主页"},
    {"03002102", "Search Computer", "搜索电脑"}, {"00042c1b", "Maximize", "最大化"},
    {"00042c11", "Minimize", "最小化"}, {"0000e307", "Show Desktop", "显示桌面"}, {"0000e315", "Run", "运行"},
    {"08000101", "Gun Key Switch", "枪键切换"}, {"00000000", "Deactivated", "禁用"},
};

struct Maps
{
    QHash<QString, uchar> byName;
    QHash<uchar, QString> byCode;
    QList<KeyNames::Pair> keys;
    QList<KeyNames::Pair> mouseButtons;
    QList<KeyNames::Function> functions;
    QHash<QString, int> functionRow;
    Maps()
    {
        for (const Entry &e : kTable) {
            const QString n = QString::fromUtf8(e.name);
            byName.insert(n, e.code);
            byCode.insert(e.code, n);
            (e.code >= KeyNames::kMouseLeft ? mouseButtons : keys).append({n, e.code});
            if (e.code == kSharedAfter)
                keys.append({QString::fromUtf8(kSharedName.name), kSharedName.code});
        }
        for (const FunctionEntry &f : kFunctions) {
            functionRow.insert(QString::fromLatin1(f.code), int(functions.size()));
            functions.append({QString::fromLatin1(f.code), QString::fromUtf8(f.english), QString::fromUtf8(f.chinese)});
        }
    }
};

// Built once, on first use; read-only afterwards.
const Maps &maps()
{
    static const Maps m;
    return m;
}

} // namespace

uchar KeyNames::code(const QString &name)
{
    return maps().byName.value(name, 0);
}

QString KeyNames::name(uchar code)
{
    return maps().byCode.value(code);
}

int KeyNames::size()
{
    return int(maps().byName.size());
}

const QList<KeyNames::Pair> &KeyNames::keyPairs()
{
    return maps().keys;
}

const QList<KeyNames::Pair> &KeyNames::mouseButtonPairs()
{
    return maps().mouseButtons;
}

const QList<KeyNames::Function> &KeyNames::functions()
{
    return maps().functions;
}

QString KeyNames::functionName(const QString &code, int language)
{
    const int row = maps().functionRow.value(code.toLower(), -1);
    if (row < 0)
        return {};
    const Function &f = maps().functions.at(row);
    return language == 1 ? f.chinese : f.english;
}
