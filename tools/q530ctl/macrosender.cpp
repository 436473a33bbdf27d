#include "macrosender.h"

#include "storage/settingsvalues.h"
#include "viewmodel/myqquickview.h"

namespace {
constexpr int kSlotBytes = 128;
}

QByteArray sendMacro(myQQuickView &view, int slot, const QString &name)
{
    if (name.isEmpty() || slot < 0)
        return {};
    // The stored lines end with the repeat count; the file's settings hold
    // the loop count the editor shows, and a negative one plays once.
    QStringList lines = view.loadMacroIni(name);
    if (lines.isEmpty())
        return {};
    lines.removeLast();
    const QVariantList config = view.loadMacroIniConfig(name);
    int loops = config.size() == 2 ? config.at(1).toInt() : 1;
    if (loops < 0)
        loops = 1;
    const QVariantList bytes = view.encodeMacroActions(lines, loops, false);
    view.sendMacroData(bytes, slot);
    uchar slotBytes[kSlotBytes];
    fillBytes(bytes, slotBytes, kSlotBytes);
    return QByteArray(reinterpret_cast<const char *>(slotBytes), kSlotBytes);
}
