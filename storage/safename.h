#pragma once

#include <QString>

// A macro or gun name becomes part of a file path, and names arrive from the
// pages and from other people's ".pf" files. A name is accepted only when it
// cannot leave its folder: not empty, no "/", "\\" or ":", no "..", no
// control characters.
bool isSafeName(const QString &name);
