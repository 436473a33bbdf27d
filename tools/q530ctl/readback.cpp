#include "readback.h"

#include "device/hid_thread.h"
#include "storage/panelvalues.h"

namespace {

constexpr int kDpiStages = 8;
constexpr int kMatrixBytes = 64;
constexpr int kSlotBytes = 128;

const QString kNoAnswer = QStringLiteral("the mouse did not answer");

} // namespace

QString Readback::reportRate(Hid_Thread &hid, int code)
{
    hid.waitForPendingExchange();
    uchar rate = 0;
    hid.hid_81H_GetReportRate(rate);
    if (!hid.lastGetSucceeded())
        return kNoAnswer;
    if (rate != code)
        return QStringLiteral("the mouse kept its polling rate (%1 Hz)").arg(PanelValues::reportRateHertz(rate));
    return {};
}

QString Readback::dpiCodes(Hid_Thread &hid, const QVariantList &codes)
{
    hid.waitForPendingExchange();
    uchar stages = 0;
    uchar read[kDpiStages] = {};
    if (!hid.hid_91H_GetDPISet(stages, read))
        return kNoAnswer;
    for (int i = 0; i < kDpiStages; ++i)
        if (read[i] != uchar(codes.value(i).toInt()))
            return QStringLiteral("the mouse did not take the DPI stages");
    return {};
}

QString Readback::dpiStage(Hid_Thread &hid, int stage)
{
    hid.waitForPendingExchange();
    uchar active = 0;
    hid.hid_8BH_GetCurrentDPIStage(active);
    if (!hid.lastGetSucceeded())
        return kNoAnswer;
    if (active != stage)
        return QStringLiteral("the mouse stayed on DPI stage %1").arg(active);
    return {};
}

QString Readback::lighting(Hid_Thread &hid, const LightingEffect::Command &command)
{
    hid.waitForPendingExchange();
    uchar effect = 0, option1 = 0, option2 = 0;
    hid.hid_8DH_GetRGBLedEffect(effect, option1, option2);
    if (!hid.lastGetSucceeded())
        return kNoAnswer;
    if (effect != command.effect || option1 != command.option1 || option2 != command.option2)
        return QStringLiteral("the mouse did not take the lighting");
    return {};
}

QString Readback::keyMatrix(Hid_Thread &hid, const QByteArray &bytes)
{
    hid.waitForPendingExchange();
    uchar read[kMatrixBytes] = {};
    hid.hid_92H_GetKeyMatrix(read);
    if (!hid.lastGetSucceeded())
        return kNoAnswer;
    if (QByteArray(reinterpret_cast<const char *>(read), kMatrixBytes) != bytes.left(kMatrixBytes))
        return QStringLiteral("the mouse did not take the button functions");
    return {};
}

QString Readback::macroSlot(Hid_Thread &hid, int deviceSlot, const QByteArray &bytes)
{
    hid.waitForPendingExchange();
    uchar read[kSlotBytes] = {};
    hid.hid_93H_GetMacroKey(uchar(deviceSlot), read);
    if (!hid.lastGetSucceeded())
        return kNoAnswer;
    if (QByteArray(reinterpret_cast<const char *>(read), kSlotBytes) != bytes.left(kSlotBytes))
        return QStringLiteral("the mouse did not take the macro in slot %1").arg(deviceSlot);
    return {};
}

QString Readback::answers(Hid_Thread &hid)
{
    hid.waitForPendingExchange();
    QString version;
    hid.hid_80H_GetFWVersion(version);
    return hid.lastGetSucceeded() ? QString() : kNoAnswer;
}
