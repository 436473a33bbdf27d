#include "safename.h"

#include <QStringList>

namespace {

bool onlyDots(const QString &name)
{
    for (const QChar c : name) {
        if (c != u'.')
            return false;
    }
    return true;
}

} // namespace

bool isWindowsDeviceName(const QString &name)
{
    // Windows looks at the part before the first dot, without trailing spaces:
    // "nul.txt" and "NUL .x" are the device too.
    QString base = name.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    base = base.toUpper();
    static const QStringList kPlain{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                    QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (kPlain.contains(base))
        return true;
    if (base.size() != 4 || !(base.startsWith(QStringLiteral("COM")) || base.startsWith(QStringLiteral("LPT"))))
        return false;
    const QChar digit = base.at(3);
    // Superscript one, two and three count as digits there.
    return (digit >= u'0' && digit <= u'9') || digit == QChar(0x00B9) || digit == QChar(0x00B2)
        || digit == QChar(0x00B3);
}

bool isSafeName(const QString &name, bool windowsRules)
{
    if (name.isEmpty() || onlyDots(name))
        return false;
    for (const QChar c : name) {
        // ":" names a drive or a stream on Windows.
        if (c == u'/' || c == u'\\' || c == u':' || c.category() == QChar::Other_Control)
            return false;
        if (windowsRules && QStringView(u"<>\"|?*").contains(c))
            return false;
    }
    if (!windowsRules)
        return true;
    return !name.endsWith(u'.') && !name.endsWith(u' ') && !isWindowsDeviceName(name);
}
