#include "dpistages.h"

#include "panelvalues.h"

#include <algorithm>

namespace {

// Stage 1 red, 2 blue, 3 green, 4 yellow, 5 cyan, 6 magenta.
constexpr std::array<DpiStages::Rgb, DpiStages::kShown> kStartColours{{
    {0xff, 0x00, 0x00}, {0x00, 0x00, 0xff}, {0x00, 0xff, 0x00},
    {0xff, 0xff, 0x00}, {0x00, 0xff, 0xff}, {0xff, 0x00, 0xff},
}};

constexpr int kColourValues = 3 * DpiStages::kShown;

} // namespace

uchar DpiStages::code(int value)
{
    const int c = value <= kLowRangeTop ? value / kStep - 1 : (value / (2 * kStep)) | kHighRange;
    return uchar(c & 0xFF);
}

int DpiStages::valueOfCode(uchar code)
{
    if (code & kStageOff)
        return 0;
    if (code & kHighRange)
        return (code & 0x3F) * 2 * kStep;
    return (code + 1) * kStep;
}

DpiStages::Panel DpiStages::fromStored(const QVariantList &values, const QVariantList &switches,
                                       const QVariantList &colourTable)
{
    Panel panel;
    panel.values.fill(kDefaultValue);
    panel.on.fill(true);
    panel.colours = kStartColours;
    for (int i = 0; i < kShown && i < values.size(); ++i) {
        if (const std::optional<int> v = PanelValues::parseNumber(values.at(i)))
            panel.values[size_t(i)] = std::clamp(*v, kMinValue, kMaxValue);
    }
    // Only a switch that reads as 0 is off; anything unreadable is on.
    for (int i = 0; i < kShown && i < switches.size(); ++i) {
        const std::optional<int> flag = PanelValues::parseNumber(switches.at(i));
        panel.on[size_t(i)] = !flag || *flag != 0;
    }
    // Every stage off is no set the panel makes: it reads as the start's.
    if (std::none_of(panel.on.begin(), panel.on.end(), [](bool on) { return on; }))
        panel.on.fill(true);
    // A table too short for six stages is not taken at all.
    if (colourTable.size() >= kColourValues) {
        for (int i = 0; i < kShown; ++i)
            for (int c = 0; c < 3; ++c)
                panel.colours[size_t(i)][size_t(c)] = uchar(colourTable.at(3 * i + c).toUInt() & 0xFF);
    }
    return panel;
}

QVariantList DpiStages::codes(const Panel &panel)
{
    QVariantList out;
    for (int i = 0; i < kDeviceStages; ++i)
        out.append(int(i < kShown && panel.on[size_t(i)] ? code(panel.values[size_t(i)]) : kStageOff));
    return out;
}

QVariantList DpiStages::valueTable(const Panel &panel)
{
    QVariantList out;
    for (int v : panel.values)
        out.append(v);
    while (out.size() < kDeviceStages)
        out.append(kFixedValue);
    return out;
}

QVariantList DpiStages::selectFlags(const Panel &panel)
{
    QVariantList out;
    for (bool on : panel.on)
        out.append(on ? 1 : 0);
    while (out.size() < kDeviceStages)
        out.append(0);
    return out;
}

QVariantList DpiStages::colourBytes(const Panel &panel)
{
    QVariantList out;
    for (const Rgb &rgb : panel.colours)
        for (uchar c : rgb)
            out.append(int(c));
    while (out.size() < 3 * kDeviceStages)
        out.append(0);
    return out;
}
