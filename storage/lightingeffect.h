#pragma once

#include <QVariantList>

#include <array>

// The lighting panel: four effects, each with a five-step level. The profile
// keeps the panel's own numbers ("color_R8/ledEffect" = [effect, level,
// option2]); the mouse gets its own values for them.
namespace LightingEffect {

enum Effect { Static = 1, Breath = 2, Rgb = 3, FingerTapping = 4 };

constexpr int kEffects = 4;
constexpr int kLevels = 5;            // 0 ... 4
constexpr int kDefaultLevel = 4;
constexpr int kDefaultOption2 = 2;

struct Panel
{
    int effect = FingerTapping;                 // the chosen row, 1 ... 4
    std::array<int, kEffects> levels{};         // the level each row shows
    int option2 = kDefaultOption2;              // kept from the profile
};

// The panel as it shows a profile's "color_R8/ledEffect": an effect other
// than 1 ... 3 shows as finger tapping; the stored level (held to 0 ... 4)
// goes to the chosen row, every other row shows 4.
Panel fromStored(const QVariantList &configs);

// The mouse's value of a level: static 2, 4, 6, 10 (level 0 is off: -1),
// breath 5 - level, the others 6 ... 30 in steps of 6.
int deviceValue(int effect, int level);

struct Command
{
    uchar effect = 0;
    uchar option1 = 0;
    uchar option2 = 0;
};

// What goes to the mouse for an effect and level: all zero when the light
// is off. Levels outside 0 ... 4 are held to that range.
Command command(int effect, int level, int option2);

} // namespace LightingEffect
