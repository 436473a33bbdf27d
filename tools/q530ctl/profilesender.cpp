#include "profilesender.h"

#include "buttonpanel.h"
#include "namelists.h"

#include "storage/dpistages.h"
#include "storage/keyassignment.h"
#include "storage/panelvalues.h"
#include "viewmodel/myqquickview.h"

ProfileSender::Sent ProfileSender::send(myQQuickView &view, Occasion occasion)
{
    Sent sent;

    // Buttons: first the macros they play, then the four layers as stored.
    ButtonPanel buttons(view);
    for (const auto &[slot, bytes] : buttons.sendAsRead())
        sent.macroSlots.append({slot + 1, bytes});
    sent.keyMatrix = KeyAssignment::deviceMatrix(buttons.normalLayerBytes());

    view.ui_0EH_SetXYSensitive(PanelValues::xyDeviceValue(PanelValues::xyStep(view.getXYSensitive(0))),
                               PanelValues::xyDeviceValue(PanelValues::xyStep(view.getXYSensitive(1))));

    const DpiStages::Panel dpi = DpiStages::fromStored(view.ui_91H_GetDPISet(), view.ui_91H_GetDPISelect(),
                                                       view.ui_90H_GetLED8StageColor(1));
    view.ui_11H_SetDPISelect(DpiStages::selectFlags(dpi));
    sent.dpiCodes = DpiStages::codes(dpi);
    view.ui_11H_SetDPISet(DpiStages::kShown, sent.dpiCodes, DpiStages::valueTable(dpi));
    view.ui_10H_SetLED8StageColor(1, DpiStages::colourBytes(dpi));

    const LightingEffect::Panel light = LightingEffect::fromStored(view.ui_8DH_GetRGBLedEffect());
    const int level = light.levels[size_t(light.effect - 1)];
    sent.lighting = LightingEffect::command(light.effect, level, light.option2);
    view.ui_0DH_SetRGBLedEffect(sent.lighting.effect, sent.lighting.option1, sent.lighting.option2,
                                {light.effect, level, light.option2});

    sent.reportRate = PanelValues::reportRate(view.ui_81H_GetReportRate());
    view.ui_01H_SetReportRate(uchar(sent.reportRate));

    view.setCursorSpeed(uint(PanelValues::dialValue(view.getCursorSpeed())));
    view.setDoubleClickSpeed(uint(PanelValues::dialValue(view.getDoubleClickSpeed())));
    view.setVerticalScrollLines(uint(PanelValues::scrollLines(view.getVerticalScrollLines())));

    // The gun dialog: the slots' choices (kept again, except after a reset)
    // and their presets, from the macro slots the gun layers play.
    const QStringList presets = NameLists::gunPresets(view);
    QVariantList chosen;
    QStringList names;
    for (int index : NameLists::gunSlotPresets(view)) {
        chosen.append(index);
        names.append(presets.value(index));
    }
    if (occasion != Occasion::Reset)
        view.setSelectGun(chosen);
    sent.gunPresets = view.sendGunPresets(names).toBool();
    if (occasion == Occasion::Switch)
        view.ui_02H_SetKeyMatrixNo(0);
    return sent;
}
