// The simple device wrappers: QML values become bytes, the profile keeps its
// copy first, the device link runs the command, outputs come back as QML values.

#include "myqquickview.h"
#include "storage/datakeys.h"

#include "device/hid_thread.h"
#include "storage/profileset.h"
#include "storage/settingsvalues.h"

#include <QSettings>

namespace {

QVariant byteValue(uchar b) { return QVariant(int(b)); }
uchar lowByte(const QVariant &v) { return uchar(v.toUInt() & 0xFF); }

} // namespace

QSettings *myQQuickView::profile() const
{
    return m_profiles->current();
}

bool myQQuickView::mouseIsCurrent() const
{
    return m_hid && m_hid->currentDeviceIndex() == 1;
}

void myQQuickView::ui_01H_SetReportRate(uchar rate)
{
    if (mouseIsCurrent())
        profile()->setValue(ProfileKeys::kReportRate, int(rate));
    if (m_hid)
        m_hid->hid_01H_SetReportRate(rate);
}

void myQQuickView::ui_02H_SetKeyMatrixNo(uchar keyMatrixNo)
{
    if (m_hid)
        m_hid->hid_02H_SetCurrentProfile(keyMatrixNo);
}

void myQQuickView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (m_hid)
        m_hid->hid_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

void myQQuickView::ui_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4)
{
    if (m_hid)
        m_hid->hid_04H_SetGunData(par0, par1, par2, par3, par4);
}

void myQQuickView::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty)
{
    if (m_hid)
        m_hid->hid_07H_SetControlIndicatorLight(effect, frequenty);
}

void myQQuickView::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                                     uchar direction)
{
    profile()->setValue(ProfileKeys::kLedType,
                        QVariantList{int(effect), int(speed), int(light), int(color), int(direction)});
    if (m_hid)
        m_hid->hid_08H_SetLEDType(option, effect, speed, light, color, direction);
}

void myQQuickView::ui_09H_SetKeyboardMode(uchar mode)
{
    if (m_hid)
        m_hid->hid_09H_SetKeyboardMode(mode);
}

void myQQuickView::ui_0EH_SetXYSensitive(QVariant par0, QVariant par1)
{
    if (m_hid)
        m_hid->hid_0EH_SetXYSensitive(lowByte(par0), lowByte(par1));
}

void myQQuickView::ui_13H_SetRecoveryData()
{
    if (m_hid)
        m_hid->hid_13H_SetRecoveryData();
}

void myQQuickView::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    profile()->setValue(ProfileKeys::ledColour(index),
                        QVariantList{int(rValue), int(gValue), int(bValue)});
    if (m_hid)
        m_hid->hid_14H_SetColor(index, rValue, gValue, bValue);
}

QString myQQuickView::ui_80H_GetFWVersion()
{
    if (!m_hid)
        return {};
    return m_hid->hid_80H_GetFWVersion().value_or(QStringLiteral("unknown"));
}

QVariant myQQuickView::ui_81H_GetReportRate()
{
    if (mouseIsCurrent())
        return byteValue(uchar(uintValue(profile()->value(ProfileKeys::kReportRate), 0) & 0xFF));
    if (m_hid && m_hid->currentDeviceIndex() == 0)
        return byteValue(m_hid->hid_81H_GetReportRate().value_or(0));
    return byteValue(0);
}

QVariant myQQuickView::ui_82H_GetCurrentProfile()
{
    return byteValue(m_hid ? m_hid->hid_82H_GetCurrentProfile().value_or(0) : 0);
}

QVariantList myQQuickView::ui_83H_GetKeyboardoption()
{
    const KeyboardOptions o = m_hid ? m_hid->hid_83H_GetKeyboardoption().value_or(KeyboardOptions{}) : KeyboardOptions{};
    return {int(o.byte1), int(o.byte2), int(o.byte3), int(o.byte4)};
}

QVariantList myQQuickView::ui_84H_GetButtonSensitivity()
{
    const ButtonSensitivity s =
        m_hid ? m_hid->hid_84H_GetButtonSensitivity().value_or(ButtonSensitivity{}) : ButtonSensitivity{};
    return {int(s.sens1), int(s.sens2), int(s.sens3), int(s.sens4)};
}

QVariantList myQQuickView::ui_88H_GetLEDType()
{
    return listValue(profile()->value(ProfileKeys::kLedType));
}

QVariant myQQuickView::ui_89H_GetKeyboardMode()
{
    return byteValue(m_hid ? m_hid->hid_89H_GetKeyboardMode().value_or(0) : 0);
}

QVariantList myQQuickView::ui_94H_GetColor(uchar index)
{
    return listValue(profile()->value(ProfileKeys::ledColour(index)));
}
