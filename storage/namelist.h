#pragma once

#include <QStringList>

// A one-element list does not survive the INI format as a list, so name
// lists of one element are stored with this second element, and readers drop
// it again.
inline const QString kNameListSentinel = QStringLiteral("loaderzentak");

inline QStringList withSentinel(QStringList names)
{
    if (names.size() == 1)
        names.append(kNameListSentinel);
    return names;
}

inline QStringList withoutSentinel(QStringList names)
{
    if (names.size() == 2 && names.at(1) == kNameListSentinel)
        names.removeLast();
    return names;
}
