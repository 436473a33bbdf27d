#include "safename.h"

bool isSafeName(const QString &name)
{
    if (name.isEmpty() || name.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : name) {
        // ":" names a drive or a stream on Windows.
        if (c == u'/' || c == u'\\' || c == u':' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}
