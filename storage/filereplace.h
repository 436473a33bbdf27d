#pragma once

#include <QString>

// Replaces the file `target` by a copy of `source` in one step: the copy is
// written beside the target and renamed over it, so a reader, a crash or a
// killed process finds the old file or the new one, never a part of either.
// False, with the old file left as it was, when the source cannot be read or
// the copy cannot be written.
bool replaceByCopy(const QString &source, const QString &target);
