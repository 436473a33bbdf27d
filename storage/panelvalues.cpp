#include "panelvalues.h"

#include <QString>

#include <algorithm>
#include <limits>

namespace {

constexpr int kDefaultDial = 5;
constexpr int kMaxDial = 10;
constexpr int kMaxLines = 100;
constexpr int kSlowestRate = 8;

int digitValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'z')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'Z')
        return c.unicode() - u'A' + 10;
    return 99;
}

} // namespace

std::optional<int> PanelValues::parseNumber(const QVariant &stored)
{
    const QString text = stored.toString();
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        negative = text.at(i++) == u'-';
    int radix = 10;
    if (i + 1 < text.size() && text.at(i) == u'0' && (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
        radix = 16;
        i += 2;
    }
    long long value = 0;
    bool any = false;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text.at(i));
        if (d >= radix)
            break;
        any = true;
        value = std::min<long long>(value * radix + d, std::numeric_limits<int>::max() + 1LL);
    }
    if (!any)
        return std::nullopt;
    if (negative)
        value = -value;
    return int(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int PanelValues::xyStep(const QVariant &stored)
{
    const std::optional<int> step = parseNumber(stored);
    return step ? std::clamp(*step, 0, kXySteps - 1) : kDefaultXyStep;
}

int PanelValues::reportRate(const QVariant &stored)
{
    const std::optional<int> code = parseNumber(stored);
    return !code || *code < 1 ? 1 : std::min(kSlowestRate, *code);
}

int PanelValues::reportRateCode(int hertz)
{
    switch (hertz) {
    case 1000: return 1;
    case 500: return 2;
    case 250: return 4;
    case 125: return 8;
    default: return 0;
    }
}

int PanelValues::reportRateHertz(int code)
{
    return code > 0 ? 1000 / code : 0;
}

int PanelValues::dialValue(const QVariant &stored)
{
    const std::optional<int> value = parseNumber(stored);
    return value ? std::clamp(*value, 0, kMaxDial) : kDefaultDial;
}

int PanelValues::scrollLines(const QVariant &stored)
{
    const std::optional<int> lines = parseNumber(stored);
    if (lines && *lines == kOneScreen)
        return kOneScreen;
    return lines ? std::clamp(*lines, 1, kMaxLines) : 1;
}
