#pragma once

#include <QtGlobal>

// Whether file names here follow the Windows rules: device names such as CON,
// NUL or COM1 (with any extension) open a device instead of a file, names
// lose trailing dots and spaces, and a few more characters are refused. The
// one place where the system decides this; names are checked against these
// rules before they become paths.
namespace FileNameRules {

#ifdef Q_OS_WIN
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

} // namespace FileNameRules
