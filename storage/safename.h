#pragma once

#include "platform/filenamerules.h"

#include <QString>

// A macro or gun name becomes part of a file path, and names arrive from the
// pages and from other people's ".pf" files. A name is accepted only when it
// names a plain file inside its folder: not empty, not only dots, no "/",
// "\\" or ":", no control characters. With the Windows rules also none of
// <>"|?*, no trailing dot or space, and no device name (CON, PRN, AUX, NUL,
// COM0 ... COM9, LPT0 ... LPT9, CONIN$, CONOUT$, with or without an extension,
// in any case). "a..b" is a plain name.
bool isSafeName(const QString &name, bool windowsRules = FileNameRules::kWindows);

// The device-name part of the Windows rules alone.
bool isWindowsDeviceName(const QString &name);
