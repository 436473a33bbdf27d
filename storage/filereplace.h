#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file `target` by a copy of `source` in one step: the copy is
// written beside the target and renamed over it, so a reader, a crash or a
// killed process finds the old file or the new one, never a part of either.
// The new file keeps the old one's mode. False, with the old file left as it
// was and the reason told to SaveLog, when the source cannot be read, the
// target is read-only or the copy does not reach the disk whole.
bool replaceByCopy(const QString &source, const QString &target);
// The same with `bytes` for the new content.
bool replaceWith(const QByteArray &bytes, const QString &target);
