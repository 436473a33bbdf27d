// The rules by which the panels turn what they show into what the mouse
// gets, offered to the pages so that they and the command line use one copy.

#include "myqquickview.h"

#include "storage/dpistages.h"
#include "storage/lightingeffect.h"
#include "storage/panelvalues.h"

QVariantList myQQuickView::dpiCodes(QVariantList values, QVariantList switches)
{
    DpiStages::Panel panel;
    for (int i = 0; i < DpiStages::kShown; ++i) {
        panel.values[size_t(i)] = i < values.size() ? values.at(i).toInt() : DpiStages::kDefaultValue;
        panel.on[size_t(i)] = i < switches.size() && switches.at(i).toBool();
    }
    return DpiStages::codes(panel);
}

QVariantList myQQuickView::ledEffectCommand(QVariant effect, QVariant level, QVariant option2)
{
    const LightingEffect::Command c = LightingEffect::command(effect.toInt(), level.toInt(), option2.toInt());
    return {int(c.effect), int(c.option1), int(c.option2)};
}

QVariant myQQuickView::xySensitivityValue(QVariant step)
{
    return PanelValues::xyDeviceValue(step.toInt());
}
