#include "macroencoder.h"

#include "devicelink.h"
#include "keynames.h"
#include "macrobytes.h"

using namespace MacroBytes;

namespace {

constexpr int kTagLength = 10;
const QString kDown = QStringLiteral("    [Down]");
const QString kUp = QStringLiteral("      [Up]");
const QString kDelay = QStringLiteral("   [Delay]");

constexpr uchar kPressDelay = 0x01;          // 10 ms after a key until a delay says otherwise
constexpr qint64 kFoldLimitMs = 1270;        // up to here a delay fits in the item before it
constexpr qint64 kShortPauseLimitMs = 5100;  // up to here a one-item pause of 20 ms units
constexpr qint64 kUnitMs = 10;
constexpr qint64 kPauseUnitMs = 20;

void appendCount(QByteArray &out, qint64 count)
{
    const int c = int(qBound<qint64>(0, count, qint64(kMaxCount)));
    out.append(char(c >> 8));
    out.append(char(c & 0xFF));
}

} // namespace

QByteArray MacroEncoder::encode(const QStringList &lines, uint deviceIndex)
{
    QByteArray out;
    out.append(char(0x00));
    out.append(char(0x01));
    bool previousMadeItem = false; // the last line appended a press or release
    for (const QString &line : lines) {
        const QString tag = line.right(kTagLength);
        const QString value = line.size() > kTagLength ? line.chopped(kTagLength) : QString();
        const bool madeItem = previousMadeItem;
        previousMadeItem = false;

        if (tag == kDown || tag == kUp) {
            const uchar code = KeyNames::code(value);
            if (code == 0)
                continue;
            out.append(char(tag == kUp ? kReleaseBit | kPressDelay : kPressDelay));
            out.append(char(code));
            previousMadeItem = true;
        } else if (tag == kDelay) {
            bool ok = false;
            const qint64 ms = value.trimmed().toLongLong(&ok);
            if (!ok || ms <= 0)
                continue;
            if (deviceIndex == DeviceLink::kKeyboardIndex) {
                out.append(char(kKeyboardPause));
                out.append(char(0x00));
                appendCount(out, ms / kUnitMs);
            } else if (deviceIndex == DeviceLink::kMouseIndex) {
                // The pause rounds up by 10 ms and never goes below 20 ms.
                const qint64 rounded = qMax<qint64>(ms, kPauseUnitMs) + kUnitMs;
                if (ms <= kFoldLimitMs && madeItem) {
                    // Only after an item of its own: never into the repeat header.
                    char &delay = out[out.size() - 2];
                    const qint64 units = (qMax<qint64>(ms, kUnitMs) + kUnitMs / 2) / kUnitMs;
                    delay = char((uchar(delay) & kReleaseBit) | uchar(units));
                } else if (ms > kFoldLimitMs && ms <= kShortPauseLimitMs) {
                    out.append(char(rounded / kPauseUnitMs));
                    out.append(char(kPause20ms));
                } else {
                    out.append(char(kPauseMarker));
                    out.append(char(kPause20ms));
                    appendCount(out, rounded / kPauseUnitMs);
                }
            }
        }
    }
    out.append(char(0x00));
    out.append(char(0x00));
    return out;
}

QList<uchar> MacroEncoder::macroIncode(const QStringList &lines, uint deviceIndex)
{
    const QByteArray bytes = encode(lines, deviceIndex);
    return QList<uchar>(bytes.cbegin(), bytes.cend());
}
