#include "readback.h"

#include "device/hid_thread.h"
#include "device/protocol.h"
#include "storage/panelvalues.h"

namespace {

const QString kNoAnswer = QStringLiteral("the mouse did not answer");

} // namespace

QString Readback::reportRate(Hid_Thread &hid, int code)
{
    hid.waitForPendingExchange();
    const std::optional<uchar> rate = hid.hid_81H_GetReportRate();
    if (!rate)
        return kNoAnswer;
    if (*rate != code)
        return QStringLiteral("the mouse kept its polling rate (%1 Hz)").arg(PanelValues::reportRateHertz(*rate));
    return {};
}

QString Readback::dpiCodes(Hid_Thread &hid, const QVariantList &codes)
{
    hid.waitForPendingExchange();
    const std::optional<DpiSet> set = hid.hid_91H_GetDPISet();
    if (!set)
        return kNoAnswer;
    for (int i = 0; i < Protocol::kDpiStages; ++i)
        if (set->codes[size_t(i)] != uchar(codes.value(i).toInt()))
            return QStringLiteral("the mouse did not take the DPI stages");
    return {};
}

QString Readback::dpiStage(Hid_Thread &hid, int stage)
{
    hid.waitForPendingExchange();
    const std::optional<uchar> active = hid.hid_8BH_GetCurrentDPIStage();
    if (!active)
        return kNoAnswer;
    if (*active != stage)
        return QStringLiteral("the mouse stayed on DPI stage %1").arg(*active);
    return {};
}

QString Readback::lighting(Hid_Thread &hid, const LightingEffect::Command &command)
{
    hid.waitForPendingExchange();
    const std::optional<RgbEffect> effect = hid.hid_8DH_GetRGBLedEffect();
    if (!effect)
        return kNoAnswer;
    if (effect->effect != command.effect || effect->option1 != command.option1 || effect->option2 != command.option2)
        return QStringLiteral("the mouse did not take the lighting");
    return {};
}

QString Readback::keyMatrix(Hid_Thread &hid, const QByteArray &bytes)
{
    hid.waitForPendingExchange();
    const std::optional<QByteArray> matrix = hid.hid_92H_GetKeyMatrix();
    if (!matrix)
        return kNoAnswer;
    if (*matrix != bytes.left(Protocol::kKeyMatrixBytes))
        return QStringLiteral("the mouse did not take the button functions");
    return {};
}

QString Readback::macroSlot(Hid_Thread &hid, int deviceSlot, const QByteArray &bytes)
{
    hid.waitForPendingExchange();
    const std::optional<QByteArray> slot = hid.hid_93H_GetMacroKey(uchar(deviceSlot));
    if (!slot)
        return kNoAnswer;
    if (*slot != bytes.left(Protocol::kMacroBytes))
        return QStringLiteral("the mouse did not take the macro in slot %1").arg(deviceSlot);
    return {};
}

QString Readback::answers(Hid_Thread &hid)
{
    hid.waitForPendingExchange();
    return hid.hid_80H_GetFWVersion() ? QString() : kNoAnswer;
}
