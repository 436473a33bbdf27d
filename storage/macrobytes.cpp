#include "macrobytes.h"

namespace {

int itemLength(uchar byte0, uchar byte1)
{
    using namespace MacroBytes;
    if (byte1 == kMouseMove)
        return 4;
    if (byte0 == kPauseMarker && byte1 >= kPause20ms && byte1 <= kPause100ms)
        return 4;
    if (byte0 == kKeyboardPause && byte1 == 0x00)
        return 4;
    return 2;
}

} // namespace

QByteArray MacroBytes::cutToSlot(const QByteArray &macro, int slotBytes)
{
    if (macro.size() <= slotBytes)
        return macro;
    int keep = qMin(int(macro.size()), kHeaderBytes);
    for (int pos = kHeaderBytes; pos + 1 < macro.size();) {
        const uchar b0 = uchar(macro.at(pos));
        const uchar b1 = uchar(macro.at(pos + 1));
        if (b0 == 0 && b1 == 0)
            break;
        const int end = pos + itemLength(b0, b1);
        if (end + kEndBytes > slotBytes || end > macro.size())
            break;
        pos = keep = end;
    }
    return macro.left(keep) + QByteArray(kEndBytes, '\0');
}
