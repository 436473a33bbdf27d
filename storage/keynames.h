#pragma once

#include <QString>
#include <QtGlobal>

// The names under which the pages show keys and mouse buttons, and their codes:
// USB HID keyboard usages, and 0xF0 ... 0xF4 for the mouse buttons. The same
// spelling is stored in macro files, so a name is never corrected here
// ("Intl'2" and "Int'l 2" are two keys). 0x32 has no name.
namespace KeyNames {

constexpr int kCount = 132;

constexpr uchar kMouseLeft = 0xF0;
constexpr uchar kMouseRight = 0xF1;
constexpr uchar kMouseMiddle = 0xF2;
constexpr uchar kMouseBack = 0xF3;    // "MS-B4"
constexpr uchar kMouseForward = 0xF4; // "MS-B5"

// 0 for a name that is not in the table.
uchar code(const QString &name);
// "" for a code that has no name.
QString name(uchar code);
int size();

} // namespace KeyNames
