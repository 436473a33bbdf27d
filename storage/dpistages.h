#pragma once

#include <QVariantList>

#include <array>

// The DPI panel: six stages, each a value of 200 ... 8000 in steps of 100,
// switched on or off, with a colour. The mouse keeps eight stages; the last
// two are always off and stored as 250.
namespace DpiStages {

constexpr int kShown = 6;
constexpr int kDeviceStages = 8;
constexpr int kMinValue = 200;
constexpr int kMaxValue = 8000;
constexpr int kStep = 100;
constexpr int kDefaultValue = 6000;
constexpr int kFixedValue = 250;     // the two stages the panel does not show
constexpr int kLowRangeTop = 5000;   // codes count 100s up to here, 200s above
constexpr uchar kHighRange = 0x40;
constexpr uchar kStageOff = 0x80;

using Rgb = std::array<uchar, 3>;

struct Panel
{
    std::array<int, kShown> values{};
    std::array<bool, kShown> on{};
    std::array<Rgb, kShown> colours{};
};

// A value the panel's sliders can show.
constexpr bool isPanelValue(int value)
{
    return value >= kMinValue && value <= kMaxValue && value % kStep == 0;
}

// The mouse's code of a stage value: value / 100 - 1 up to 5000, else
// value / 200 with bit 0x40.
uchar code(int value);
// The value a code stands for; 0 for a stage that is off.
int valueOfCode(uchar code);

// The panel as it shows a profile: "sensor/dpi_R8", "sensor/dpi_Select" and
// the colour table of type 1, each as the profile holds it. Values are held
// to 200 ... 8000; what is missing or unreadable keeps the panel's start
// value (6000, on, its six colours).
Panel fromStored(const QVariantList &values, const QVariantList &switches, const QVariantList &colourTable);

// What the panel sends and stores:
QVariantList codes(const Panel &panel);        // eight codes, 0x80 for a stage that is off
QVariantList valueTable(const Panel &panel);   // eight values, the two fixed ones last
QVariantList selectFlags(const Panel &panel);  // eight switches as 1 / 0
QVariantList colourBytes(const Panel &panel);  // 24 bytes, the two unused stages zero

} // namespace DpiStages
