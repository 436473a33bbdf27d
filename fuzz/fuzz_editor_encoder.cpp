// The macro editor's encoder on any action lines: byte 0 picks the variant,
// bytes 1 and 2 the repeat count. Walking the output item by item must land
// exactly on its end.

#include "storage/editorencoder.h"
#include "storage/macrobytes.h"

#include <QStringList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const auto variant = (data[0] & 1) ? EditorEncoder::Variant::Gun : EditorEncoder::Variant::Macro;
    const int repeat = (data[1] << 8) | data[2];
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3)).split(u'\n');
    const QByteArray bytes = EditorEncoder::encode(lines, repeat, variant);
    if (bytes.size() < 2 || ((uchar(bytes[0]) << 8) | uchar(bytes[1])) != repeat)
        std::abort();
    if (bytes.size() == 2)
        return 0;
    int pos = 2;
    while (pos + 1 < bytes.size()) {
        const uchar b0 = uchar(bytes[pos]), b1 = uchar(bytes[pos + 1]);
        if (b0 == 0 && b1 == 0)
            break;
        const bool longItem = b1 == MacroBytes::kMouseMove || (b0 == 0 && b1 >= 1 && b1 <= 3);
        pos += longItem ? 4 : 2;
    }
    if (pos != bytes.size() - 2)
        std::abort();
    return 0;
}
