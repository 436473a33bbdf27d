#include "editorencoder.h"

#include "keynames.h"
#include "macrobytes.h"

#include <optional>

using namespace MacroBytes;

namespace {

// Pause units by the size of the pause, in 2 ms steps.
constexpr qint64 kLongPauseFrom = 127;
constexpr qint64 k20msBelow = 100000;
constexpr qint64 k50msBelow = 300000;
constexpr qint64 kStepsPer20ms = 10;
constexpr qint64 kStepsPer50ms = 25;
constexpr qint64 kStepsPer100ms = 50;
// No sum of delays grows past this (far beyond the largest pause).
constexpr qint64 kMaxSumMs = qint64(kMaxCount) * 100 * 4;

struct Item
{
    QByteArray bytes;     // byte 0 is completed when the next action comes
    bool release = false;
};

struct Line
{
    int type;
    QString text;
};

std::optional<Line> parse(const QString &line)
{
    const int comma = line.indexOf(u',');
    if (comma < 0)
        return std::nullopt;
    bool ok = false;
    const int type = line.left(comma).trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return Line{type, line.mid(comma + 1)};
}

char offset(const QString &text)
{
    return char(qBound(-128, text.trimmed().toInt(), 127));
}

void appendCount(QByteArray &out, qint64 count)
{
    const int c = int(qMin<qint64>(count, kMaxCount));
    out.append(char(c >> 8));
    out.append(char(c & 0xFF));
}

void appendPause(QByteArray &out, qint64 steps)
{
    out.append(char(kPauseMarker));
    if (steps < k20msBelow) {
        out.append(char(kPause20ms));
        appendCount(out, steps / kStepsPer20ms);
    } else if (steps < k50msBelow) {
        out.append(char(kPause50ms));
        appendCount(out, steps / kStepsPer50ms);
    } else {
        out.append(char(kPause100ms));
        appendCount(out, steps / kStepsPer100ms);
    }
}

} // namespace

QByteArray EditorEncoder::encode(const QStringList &actions, int repeat, Variant variant)
{
    const uchar fallbackDelay = variant == Variant::Gun ? kGunDefaultDelay : kMacroDefaultDelay;
    const int r = qBound(0, repeat, kMaxCount);
    QByteArray out;
    out.append(char(r >> 8));
    out.append(char(r & 0xFF));

    std::optional<Item> pending; // the last action, waiting for its delay byte
    qint64 sumMs = 0;
    auto complete = [&](bool more) {
        const qint64 steps = (sumMs + 1) / 2;
        const uchar release = pending->release ? kReleaseBit : 0;
        const bool pause = more && steps >= kLongPauseFrom;
        const uchar delay = pause ? 0 : (steps == 0 || !more ? fallbackDelay : uchar(steps));
        pending->bytes[0] = char(release | delay);
        out.append(pending->bytes);
        if (pause)
            appendPause(out, steps);
        sumMs = 0;
    };

    for (int i = 0; i < actions.size(); ++i) {
        const std::optional<Line> line = parse(actions.at(i));
        if (!line)
            continue;
        if (line->type == Delay) {
            const qint64 ms = line->text.trimmed().toLongLong();
            if (pending && ms > 0)
                sumMs = qMin(sumMs + ms, kMaxSumMs);
            continue;
        }
        Item item;
        if (line->type >= KeyDown && line->type <= ButtonUp) {
            const uchar code = KeyNames::code(line->text);
            if (code == 0)
                continue;
            item.bytes = QByteArray(2, '\0');
            item.bytes[1] = char(code);
            item.release = line->type == KeyUp || line->type == ButtonUp;
        } else if (line->type == CursorMove && variant == Variant::Gun) {
            const bool hasY = i + 1 < actions.size();
            const std::optional<Line> yLine = hasY ? parse(actions.at(i + 1)) : std::nullopt;
            if (hasY)
                ++i; // the next line is the y half of the pair
            item.bytes = QByteArray(4, '\0');
            item.bytes[1] = char(kMouseMove);
            item.bytes[2] = offset(line->text);
            item.bytes[3] = yLine ? offset(yLine->text) : char(0);
        } else {
            continue;
        }
        if (pending)
            complete(true);
        pending = item;
    }
    if (!pending)
        return out;
    complete(false);
    out.append(char(0x00));
    out.append(char(0x00));
    return out;
}

QVariantList EditorEncoder::encodeMacroActions(const QStringList &actions, const QVariant &repeat,
                                               const QVariant &gunVariant)
{
    bool ok = false;
    const qint64 r = repeat.toLongLong(&ok);
    const QByteArray bytes = encode(actions, ok ? int(qBound<qint64>(0, r, qint64(kMaxCount))) : 1,
                                    gunVariant.toBool() ? Variant::Gun : Variant::Macro);
    QVariantList out;
    for (const char b : bytes)
        out.append(int(uchar(b)));
    return out;
}
