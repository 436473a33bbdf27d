// The command set: each command builds its fixed frame and runs one exchange;
// a GET picks its values out of the reply bytes R0..R7.

#include "hid_thread.h"

#include <QString>

using namespace Protocol;

// ---- settings commands: SET ----------------------------------------------------

SetResult Hid_Thread::hid_01H_SetReportRate(uchar rate)
{
    return startSet(kSetReportRate, Params{{rate}}, true);
}

SetResult Hid_Thread::hid_02H_SetCurrentProfile(uchar profile)
{
    return startSet(kSetCurrentProfile, Params{{profile}}, false);
}

SetResult Hid_Thread::hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    return startSet(kSetOptions, Params{{byte1, byte2, byte3, byte4}}, false);
}

SetResult Hid_Thread::hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2)
{
    return startSet(kSetOptions, Params{{type, rate, option1, option2}}, true);
}

SetResult Hid_Thread::hid_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4)
{
    return startSet(kSetGunData, Params{{par0, par1, par2, par3, par4}}, true);
}

SetResult Hid_Thread::hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty)
{
    return startSet(kSetLed, Params{{effect, frequenty}}, false);
}

SetResult Hid_Thread::hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2, uchar option3)
{
    return startSet(kSetLed, Params{{type, option1, option2, option3}}, false);
}

SetResult Hid_Thread::hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                                         uchar direction)
{
    return startSet(kSetLedType, Params{{option, effect, speed, light, color, direction}}, true);
}

SetResult Hid_Thread::hid_09H_SetKeyboardMode(uchar mode)
{
    return startSet(kSetKeyboardMode, Params{{mode}}, true);
}

SetResult Hid_Thread::hid_0BH_SetCurrentDPIStage(uchar dpiStage)
{
    return startSet(kSetDpiStage, Params{{dpiStage}}, true);
}

SetResult Hid_Thread::hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    return startSet(kSetRgbEffectOrKeyMatrix, Params{{effect, option1, option2}}, true);
}

SetResult Hid_Thread::hid_0EH_SetXYSensitive(uchar par0, uchar par1)
{
    return startSet(kSetXyOrKeyOnOff, Params{{par0, par1}}, true);
}

SetResult Hid_Thread::hid_13H_SetRecoveryData()
{
    return startSet(kSetMacroOrRecovery, Params{{kRecoveryAll}}, false);
}

SetResult Hid_Thread::hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    return startSet(kSetColor, Params{{0, index, rValue, gValue, bValue}}, false);
}

// ---- settings commands: GET ----------------------------------------------------

std::optional<QString> Hid_Thread::hid_80H_GetFWVersion()
{
    const std::optional<Answer> a = runGet(kGetFirmwareVersion, {});
    if (!a)
        return std::nullopt;
    return QString::number(a->reply[1], 16) + QLatin1Char('.')
        + QStringLiteral("%1").arg(a->reply[2], 2, 16, QLatin1Char('0')).toUpper();
}

std::optional<uchar> Hid_Thread::hid_81H_GetReportRate()
{
    const std::optional<Answer> a = runGet(kGetReportRate, {});
    return a ? std::optional<uchar>(a->reply[1]) : std::nullopt;
}

std::optional<uchar> Hid_Thread::hid_82H_GetCurrentProfile()
{
    const std::optional<Answer> a = runGet(kGetCurrentProfile, {});
    return a ? std::optional<uchar>(a->reply[1]) : std::nullopt;
}

std::optional<KeyboardOptions> Hid_Thread::hid_83H_GetKeyboardoption()
{
    const std::optional<Answer> a = runGet(kGetOptions, {});
    return a ? std::optional<KeyboardOptions>({a->reply[1], a->reply[2], a->reply[3], a->reply[4]}) : std::nullopt;
}

std::optional<FunctionOption> Hid_Thread::hid_83H_GetFunctionOption()
{
    const std::optional<Answer> a = runGet(kGetOptions, {});
    return a ? std::optional<FunctionOption>({a->reply[1], a->reply[3], a->reply[4]}) : std::nullopt;
}

std::optional<ButtonSensitivity> Hid_Thread::hid_84H_GetButtonSensitivity()
{
    const std::optional<Answer> a = runGet(kGetButtonSensitivity, {});
    return a ? std::optional<ButtonSensitivity>({a->reply[1], a->reply[2], a->reply[3], a->reply[4]}) : std::nullopt;
}

std::optional<LedInstruct> Hid_Thread::hid_87H_GetLEDInstructFunction(uchar type)
{
    const std::optional<Answer> a = runGet(kGetLedInstruct, Params{{type}});
    return a ? std::optional<LedInstruct>({a->reply[2], a->reply[3], a->reply[4]}) : std::nullopt;
}

std::optional<LedType> Hid_Thread::hid_88H_GetLEDType()
{
    const std::optional<Answer> a = runGet(kGetLedType, {});
    return a ? std::optional<LedType>({a->reply[2], a->reply[3], a->reply[4], a->reply[5], a->reply[6]}) : std::nullopt;
}

std::optional<uchar> Hid_Thread::hid_89H_GetKeyboardMode()
{
    const std::optional<Answer> a = runGet(kGetKeyboardMode, {});
    return a ? std::optional<uchar>(a->reply[1]) : std::nullopt;
}

std::optional<uchar> Hid_Thread::hid_8BH_GetCurrentDPIStage()
{
    const std::optional<Answer> a = runGet(kGetDpiStage, {});
    return a ? std::optional<uchar>(a->reply[1]) : std::nullopt;
}

std::optional<RgbEffect> Hid_Thread::hid_8DH_GetRGBLedEffect()
{
    const std::optional<Answer> a = runGet(kGetRgbEffectOrKeyMatrix, {});
    return a ? std::optional<RgbEffect>({a->reply[1], a->reply[2], a->reply[3]}) : std::nullopt;
}

std::optional<Colour> Hid_Thread::hid_94H_GetColor(uchar index)
{
    const std::optional<Answer> a = runGet(kGetColor, Params{{0, index}});
    return a ? std::optional<Colour>({a->reply[3], a->reply[4], a->reply[5]}) : std::nullopt;
}

// ---- table commands: 64-byte-report family -----------------------------------------

SetResult Hid_Thread::hid_0DH_SetKeyMatrix(const uchar *src512)
{
    return startSet(kSetRgbEffectOrKeyMatrix, Params{{0, 0, kReports512At64}}, true, src512, kKeyMatrix512Bytes);
}

SetResult Hid_Thread::hid_0EH_SetKeyOnOff(const uchar *src21)
{
    return startSet(kSetXyOrKeyOnOff, Params{{0, 0, kKeyOnOffBytes}}, true, src21, kKeyOnOffBytes);
}

SetResult Hid_Thread::hid_11H_SetMacroKey(uchar macroId, const uchar *src192)
{
    return startSet(kSetDpiSetOrMacro192, Params{{0, macroId, kReports192At64}}, true, src192, kMacro192Bytes);
}

SetResult Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar option, const uchar *src512)
{
    return startSet(kSetKeyMatrixOrPicture, Params{{0, index, kReports512At64, option}}, true, src512, kPictureBytes);
}

std::optional<QByteArray> Hid_Thread::hid_8DH_GetKeyMatrix()
{
    return getBlock(kGetRgbEffectOrKeyMatrix, {}, kKeyMatrix512Bytes);
}

std::optional<QByteArray> Hid_Thread::hid_8EH_GetKeyOnOff()
{
    return getBlock(kGetKeyOnOff, {}, kKeyOnOffBytes);
}

std::optional<QByteArray> Hid_Thread::hid_91H_GetMacroKey(uchar macroId)
{
    return getBlock(kGetDpiSetOrMacro192, Params{{0, macroId}}, kMacro192Bytes);
}

std::optional<QByteArray> Hid_Thread::hid_92H_GetUserPicture(uchar index)
{
    return getBlock(kGetKeyMatrixOrPicture, Params{{0, index}}, kPictureBytes);
}

// ---- table commands: mouse family -----------------------------------------------

SetResult Hid_Thread::hid_10H_SetLED8StageColor(uchar type, const uchar *src24)
{
    const uchar n = type == 2 ? kLedType2Bytes : kLedStageBytes;
    return startSet(kSetLedStageColor, Params{{type, n}}, true, src24, n);
}

SetResult Hid_Thread::hid_11H_SetDPISet(uchar dpiStage, const uchar *src8)
{
    return startSet(kSetDpiSetOrMacro192, Params{{dpiStage, kDpiSetBytes}}, true, src8, kDpiSetBytes);
}

SetResult Hid_Thread::hid_12H_SetKeyMatrix(const uchar *src64, uchar indexAddOne)
{
    return startSet(kSetKeyMatrixOrPicture, Params{{indexAddOne, kKeyMatrixBytes, 0x08}}, true, src64,
                    kKeyMatrixBytes);
}

SetResult Hid_Thread::hid_13H_SetMacroKey(uchar macroId, const uchar *src128)
{
    return startSet(kSetMacroOrRecovery, Params{{macroId, kMacroBytes}}, true, src128, kMacroBytes);
}

std::optional<QByteArray> Hid_Thread::hid_90H_GetLED8StageColor(uchar type)
{
    const int n = type == 2 ? kLedType2Bytes : kLedStageBytes;
    return getBlock(kGetLedStageColor, Params{{type}}, n);
}

std::optional<DpiSet> Hid_Thread::hid_91H_GetDPISet()
{
    const std::optional<Answer> a = runGet(kGetDpiSetOrMacro192, {}, kDpiSetBytes);
    if (!a)
        return std::nullopt;
    DpiSet set;
    set.maxStage = a->reply[1];
    std::copy(a->block.cbegin(), a->block.cend(), set.codes.begin());
    return set;
}

std::optional<QByteArray> Hid_Thread::hid_92H_GetKeyMatrix()
{
    return getBlock(kGetKeyMatrixOrPicture, Params{{0x01}}, kKeyMatrixBytes);
}

std::optional<QByteArray> Hid_Thread::hid_93H_GetMacroKey(uchar macroId)
{
    return getBlock(kGetMacro, Params{{macroId}}, kMacroBytes);
}
