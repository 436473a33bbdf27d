// The tagged-line encoder on any text: the first byte picks the device, the
// rest is split into lines. The output keeps its frame, and the cut to a
// slot always ends on the end marker inside the slot.

#include "storage/macrobytes.h"
#include "storage/macroencoder.h"

#include <QStringList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint device = data[0] % 3;
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)).split(u'\n');
    const QByteArray bytes = MacroEncoder::encode(lines, device);
    if (bytes.size() < 4 || bytes.at(0) != 0 || bytes.at(1) != 1 || !bytes.endsWith(QByteArray(2, '\0')))
        std::abort();
    for (const int slot : {MacroBytes::kMouseSlotBytes, MacroBytes::kKeyboardSlotBytes}) {
        const QByteArray cut = MacroBytes::cutToSlot(bytes, slot);
        if (cut.size() > slot || !cut.endsWith(QByteArray(2, '\0')))
            std::abort();
    }
    return 0;
}
