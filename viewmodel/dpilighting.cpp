// DPI stages, X/Y sensitivity and lighting: stored in the current profile,
// sent to the mouse, and the DPI values shared with the listener's balloon.

#include "myqquickview.h"
#include "storage/datakeys.h"

#include "device/devicestate.h"
#include "device/hid_thread.h"
#include "device/protocol.h"
#include "storage/profileset.h"
#include "storage/settingsvalues.h"

#include <QSettings>

#include <algorithm>

namespace {

constexpr int kColourBytes = 24;
constexpr int kPackedType = 2; // eight 4-bit values, two to a byte

// The DPI value table takes as many values as the list holds (at most eight);
// the stages beyond a short list keep theirs.
void shareDpiValues(const QVariantList &values)
{
    QList<uint> table;
    for (int i = 0; i < DpiTables::kStages && i < values.size(); ++i)
        table.append(values.at(i).toUInt());
    DpiTables::setValues(table);
}

QVariantList asUInts(const QVariantList &values)
{
    QVariantList out;
    for (const QVariant &v : values)
        out.append(v.toUInt());
    return out;
}

} // namespace

void myQQuickView::ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex)
{
    profile()->setValue(ProfileKeys::kDpiValues, valueForIndex);
    shareDpiValues(valueForIndex);
    uchar codes[Protocol::kDpiStages] = {};
    fillBytes(src8, codes, Protocol::kDpiStages);
    if (m_hid)
        m_hid->hid_11H_SetDPISet(dpiStage, codes);
}

void myQQuickView::ui_11H_SetDPISelect(QVariantList valueForIndex)
{
    profile()->setValue(ProfileKeys::kDpiSwitches, valueForIndex);
}

QVariantList myQQuickView::ui_91H_GetDPISet()
{
    const QVariantList values = listValue(profile()->value(ProfileKeys::kDpiValues));
    shareDpiValues(values);
    return values;
}

QVariantList myQQuickView::ui_91H_GetDPISelect()
{
    return listValue(profile()->value(ProfileKeys::kDpiSwitches));
}

uchar myQQuickView::ui_91H_SyncDPI()
{
    const std::optional<DpiSet> set = m_hid ? m_hid->hid_91H_GetDPISet() : std::nullopt;
    return set ? set->maxStage : uchar(Protocol::kDpiStages);
}

void myQQuickView::ui_0BH_SetCurrentDPIStage(uchar dpiStage)
{
    profile()->setValue(ProfileKeys::kDpiStage, int(dpiStage));
    if (m_hid)
        m_hid->hid_0BH_SetCurrentDPIStage(dpiStage);
}

QVariant myQQuickView::ui_8BH_GetCurrentDPIStage()
{
    // Asking a mouse while the window sits in the tray would only block.
    if (m_hid && isShown())
        return int(m_hid->hid_8BH_GetCurrentDPIStage().value_or(0));
    return 0;
}

QVariant myQQuickView::getXYSensitive(QVariant index)
{
    return intValue(profile()->value(ProfileKeys::kXyGroup + u'/' + index.toString()), 4);
}

void myQQuickView::setXYSensitive(QVariant index, QVariant xyData)
{
    profile()->setValue(ProfileKeys::kXyGroup + u'/' + index.toString(), xyData);
}

void myQQuickView::ui_10H_SetLED8StageColor(uchar type, QVariantList src24)
{
    profile()->setValue(ProfileKeys::colourTable(type), src24);
    uchar buffer[kColourBytes] = {};
    fillBytes(src24, buffer, kColourBytes); // a longer list is cut at 24
    if (type == kPackedType)
        for (int k = 0; k < 4; ++k)
            buffer[k] = uchar((buffer[2 * k] & 0x0F) | (buffer[2 * k + 1] << 4));
    if (m_hid)
        m_hid->hid_10H_SetLED8StageColor(type, buffer);
}

QVariantList myQQuickView::ui_90H_GetLED8StageColor(uchar type)
{
    return asUInts(listValue(profile()->value(ProfileKeys::colourTable(type))));
}

void myQQuickView::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, QVariantList configs)
{
    profile()->setValue(ProfileKeys::kLedEffect, configs);
    if (m_hid)
        m_hid->hid_0DH_SetRGBLedEffect(effect, option1, option2);
}

QVariantList myQQuickView::ui_8DH_GetRGBLedEffect()
{
    return asUInts(listValue(profile()->value(ProfileKeys::kLedEffect)));
}

QVariant myQQuickView::getSensorType()
{
    const std::optional<FunctionOption> option = m_hid ? m_hid->hid_83H_GetFunctionOption() : std::nullopt;
    return int(option ? option->type : 0);
}

bool myQQuickView::chkIsLogoLedWork()
{
    const std::optional<LedInstruct> logo = m_hid ? m_hid->hid_87H_GetLEDInstructFunction(0) : std::nullopt;
    return logo && logo->option1 == 0;
}
