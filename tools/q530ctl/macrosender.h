#pragma once

#include <QByteArray>
#include <QString>

class myQQuickView;

// The macro editor's sending: macro `name` from its file, encoded with the
// editor's encoder and the file's loop count, to macro slot `slot`
// (0-based; the mouse's slot + 1). The 128 bytes the slot now holds, or
// nothing when the macro has no file.
QByteArray sendMacro(myQQuickView &view, int slot, const QString &name);
