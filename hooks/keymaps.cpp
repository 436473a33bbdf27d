#include "keymaps.h"

#include <array>

namespace {

struct ScanRow
{
    quint8 scanCode;
    bool extended;
    quint8 virtualKey;
};

// Set-1 scan codes of a US keyboard as the keyboard hook reports them. The
// keypad digits give the number keys (as with Num Lock on); their extended
// twins are the navigation block. Right Shift arrives flagged as extended.
constexpr ScanRow kScanRows[] = {
    {0x01, false, 0x1B}, // Esc
    {0x02, false, '1'}, {0x03, false, '2'}, {0x04, false, '3'}, {0x05, false, '4'},
    {0x06, false, '5'}, {0x07, false, '6'}, {0x08, false, '7'}, {0x09, false, '8'},
    {0x0A, false, '9'}, {0x0B, false, '0'},
    {0x0C, false, 0xBD}, // - _
    {0x0D, false, 0xBB}, // = +
    {0x0E, false, 0x08}, // Backspace
    {0x0F, false, 0x09}, // Tab
    {0x10, false, 'Q'}, {0x11, false, 'W'}, {0x12, false, 'E'}, {0x13, false, 'R'},
    {0x14, false, 'T'}, {0x15, false, 'Y'}, {0x16, false, 'U'}, {0x17, false, 'I'},
    {0x18, false, 'O'}, {0x19, false, 'P'},
    {0x1A, false, 0xDB}, // [ {
    {0x1B, false, 0xDD}, // ] }
    {0x1C, false, 0x0D}, // Enter
    {0x1C, true, 0x0E},  // keypad Enter: a code of its own, which Windows leaves unassigned
    {0x1D, false, 0xA2}, // left Ctrl
    {0x1D, true, 0xA3},  // right Ctrl
    {0x1E, false, 'A'}, {0x1F, false, 'S'}, {0x20, false, 'D'}, {0x21, false, 'F'},
    {0x22, false, 'G'}, {0x23, false, 'H'}, {0x24, false, 'J'}, {0x25, false, 'K'},
    {0x26, false, 'L'},
    {0x27, false, 0xBA}, // ; :
    {0x28, false, 0xDE}, // ' "
    {0x29, false, 0xC0}, // ` ~
    {0x2A, false, 0xA0}, // left Shift
    {0x2B, false, 0xDC}, // backslash
    {0x2C, false, 'Z'}, {0x2D, false, 'X'}, {0x2E, false, 'C'}, {0x2F, false, 'V'},
    {0x30, false, 'B'}, {0x31, false, 'N'}, {0x32, false, 'M'},
    {0x33, false, 0xBC}, // , <
    {0x34, false, 0xBE}, // . >
    {0x35, false, 0xBF}, // / ?
    {0x35, true, 0x6F},  // keypad /
    {0x36, true, 0xA1},  // right Shift
    {0x37, false, 0x6A}, // keypad *
    {0x37, true, 0x2C},  // Print Screen
    {0x38, false, 0xA4}, // left Alt
    {0x38, true, 0xA5},  // right Alt
    {0x39, false, 0x20}, // Space
    {0x3A, false, 0x14}, // Caps Lock
    {0x3B, false, 0x70}, {0x3C, false, 0x71}, {0x3D, false, 0x72}, {0x3E, false, 0x73}, // F1-F4
    {0x3F, false, 0x74}, {0x40, false, 0x75}, {0x41, false, 0x76}, {0x42, false, 0x77}, // F5-F8
    {0x43, false, 0x78}, {0x44, false, 0x79},                                           // F9, F10
    {0x45, false, 0x13}, // Pause
    {0x45, true, 0x90},  // Num Lock
    {0x46, false, 0x91}, // Scroll Lock
    {0x47, false, 0x67}, // keypad 7
    {0x47, true, 0x24},  // Home
    {0x48, false, 0x68}, // keypad 8
    {0x48, true, 0x26},  // Up
    {0x49, false, 0x69}, // keypad 9
    {0x49, true, 0x21},  // Page Up
    {0x4A, false, 0x6D}, // keypad -
    {0x4B, false, 0x64}, // keypad 4
    {0x4B, true, 0x25},  // Left
    {0x4C, false, 0x65}, // keypad 5
    {0x4D, false, 0x66}, // keypad 6
    {0x4D, true, 0x27},  // Right
    {0x4E, false, 0x6B}, // keypad +
    {0x4F, false, 0x61}, // keypad 1
    {0x4F, true, 0x23},  // End
    {0x50, false, 0x62}, // keypad 2
    {0x50, true, 0x28},  // Down
    {0x51, false, 0x63}, // keypad 3
    {0x51, true, 0x22},  // Page Down
    {0x52, false, 0x60}, // keypad 0
    {0x52, true, 0x2D},  // Insert
    {0x53, false, 0x6E}, // keypad .
    {0x53, true, 0x2E},  // Delete
    {0x56, false, 0xE2}, // the extra key beside left Shift on ISO keyboards
    {0x57, false, 0x7A}, // F11
    {0x58, false, 0x7B}, // F12
    {0x5B, true, 0x5B},  // left Windows key
    {0x5D, true, 0x5D},  // Menu
    {0x6E, false, 0x86}, // F23
};

struct UsageRow
{
    quint8 virtualKey;
    quint8 usage;
};

// Virtual-key codes that are not runs of letters, digits or function keys.
constexpr UsageRow kUsageRows[] = {
    {0x08, 0x2A}, {0x09, 0x2B}, {0x0D, 0x28}, {0x0E, 0x58}, {0x13, 0x48}, {0x14, 0x39},
    {0x1B, 0x29}, {0x20, 0x2C}, {0x21, 0x4B}, {0x22, 0x4E}, {0x23, 0x4D}, {0x24, 0x4A},
    {0x25, 0x50}, {0x26, 0x52}, {0x27, 0x4F}, {0x28, 0x51}, {0x2C, 0x46}, {0x2D, 0x49},
    {0x2E, 0x4C}, {0x5B, 0xE3}, {0x5C, 0xE7}, {0x5D, 0x65},
    {0x60, 0x62}, {0x61, 0x59}, {0x62, 0x5A}, {0x63, 0x5B}, {0x64, 0x5C}, {0x65, 0x5D},
    {0x66, 0x5E}, {0x67, 0x5F}, {0x68, 0x60}, {0x69, 0x61}, // keypad digits
    {0x6A, 0x55}, {0x6B, 0x57}, {0x6D, 0x56}, {0x6E, 0x63}, {0x6F, 0x54},
    {0x90, 0x53}, {0x91, 0x47},
    {0xA0, 0xE1}, {0xA1, 0xE5}, {0xA2, 0xE0}, {0xA3, 0xE4}, {0xA4, 0xE2}, {0xA5, 0xE6},
    {0xBA, 0x33}, {0xBB, 0x2E}, {0xBC, 0x36}, {0xBD, 0x2D}, {0xBE, 0x37}, {0xBF, 0x38},
    {0xC0, 0x35}, {0xC1, 0x87}, {0xC2, 0x85}, {0xDB, 0x2F}, {0xDC, 0x31}, {0xDD, 0x30},
    {0xDE, 0x34}, {0xE2, 0x64}, {0xEB, 0x8B}, {0xFF, 0x66},
};

// Indexed by scan code * 2 + extended flag.
using ScanCodeMap = std::array<quint8, 512>;
using UsageMap = std::array<quint8, 256>;

const ScanCodeMap &scanCodeMap()
{
    static const ScanCodeMap map = [] {
        ScanCodeMap m{};
        for (const ScanRow &row : kScanRows)
            m[row.scanCode * 2 + (row.extended ? 1 : 0)] = row.virtualKey;
        return m;
    }();
    return map;
}

const UsageMap &usageMap()
{
    static const UsageMap map = [] {
        UsageMap m{};
        for (int i = 0; i < 26; ++i) // A-Z
            m['A' + i] = quint8(0x04 + i);
        for (int i = 0; i < 9; ++i) // 1-9; 0 comes after 9 among the usages
            m['1' + i] = quint8(0x1E + i);
        m['0'] = 0x27;
        for (int i = 0; i < 12; ++i) // F1-F12
            m[0x70 + i] = quint8(0x3A + i);
        for (int i = 0; i < 12; ++i) // F13-F24
            m[0x7C + i] = quint8(0x68 + i);
        for (const UsageRow &row : kUsageRows)
            m[row.virtualKey] = row.usage;
        return m;
    }();
    return map;
}

} // namespace

namespace KeyMaps {

void build()
{
    scanCodeMap();
    usageMap();
}

quint8 virtualKey(quint16 key)
{
    const quint32 scanCode = key >> 8;
    const quint32 flags = key & 0xFF;
    if (flags > 1)
        return 0;
    return scanCodeMap()[scanCode * 2 + flags];
}

quint8 usage(quint8 virtualKey)
{
    return usageMap()[virtualKey];
}

} // namespace KeyMaps
