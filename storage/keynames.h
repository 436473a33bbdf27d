#pragma once

#include <QList>
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

struct Pair
{
    QString name;
    uchar code;
};
// The keys as the key dialogs list them, in table order: 0x32 follows 0x31
// under the same name (which stands for 0x31). No mouse buttons.
const QList<Pair> &keyPairs();
const QList<Pair> &mouseButtonPairs();

// The button functions that have a name, by their eight hex digits.
struct Function
{
    QString code;    // lower case, "0100f000"
    QString english;
    QString chinese;
};
const QList<Function> &functions();
// The name of a function code in English (language 0) or Chinese (1); the
// code's case does not matter; "" for a code without a name.
QString functionName(const QString &code, int language);

} // namespace KeyNames
