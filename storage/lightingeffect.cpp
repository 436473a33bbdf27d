#include "lightingeffect.h"

#include "panelvalues.h"

#include <algorithm>

namespace {

constexpr int kOff = -1;
constexpr std::array<int, LightingEffect::kLevels> kStaticValues{{kOff, 2, 4, 6, 10}};
constexpr int kBreathSlowest = 5;
constexpr int kCycleStep = 6;

} // namespace

LightingEffect::Panel LightingEffect::fromStored(const QVariantList &configs)
{
    Panel panel;
    panel.levels.fill(kDefaultLevel);
    const std::optional<int> effect = configs.isEmpty() ? std::optional<int>(0) : PanelValues::parseNumber(configs.at(0));
    panel.effect = effect && *effect >= Static && *effect <= Rgb ? *effect : FingerTapping;
    const std::optional<int> level = configs.size() > 1 ? PanelValues::parseNumber(configs.at(1))
                                                        : std::optional<int>(kDefaultLevel);
    if (level)
        panel.levels[size_t(panel.effect - 1)] = std::clamp(*level, 0, kLevels - 1);
    const std::optional<int> option2 = configs.size() > 2 ? PanelValues::parseNumber(configs.at(2))
                                                          : std::optional<int>(kDefaultOption2);
    panel.option2 = option2 ? *option2 : kDefaultOption2;
    return panel;
}

int LightingEffect::deviceValue(int effect, int level)
{
    level = std::clamp(level, 0, kLevels - 1);
    if (effect == Static)
        return kStaticValues[size_t(level)];
    if (effect == Breath)
        return kBreathSlowest - level;
    return kCycleStep * (level + 1);
}

LightingEffect::Command LightingEffect::command(int effect, int level, int option2)
{
    const int value = deviceValue(effect, level);
    if (value < 0)
        return {};
    return {uchar(effect), uchar(value), uchar(option2)};
}
