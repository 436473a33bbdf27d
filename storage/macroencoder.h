#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The encoder of tagged macro lines: a key name followed by "    [Down]" or
// "      [Up]", or milliseconds followed by "   [Delay]" (the tag is always
// the last ten characters). Other lines, such as the repeat count that
// loadMacroIni appends, add nothing; so do unknown key names.
//
// The repeat placeholder 00 01 leads; the caller puts the real count there.
// Delays are kept in 10 ms units (device index 1, the mouse) or sent as a
// pause of 10 ms units (device index 0); other devices get no delays. Counts
// beyond two bytes are held at 0xFFFF rather than wrapped.
namespace MacroEncoder {

QByteArray encode(const QStringList &lines, uint deviceIndex);
// The same as the page receives it.
QList<uchar> macroIncode(const QStringList &lines, uint deviceIndex);

} // namespace MacroEncoder
