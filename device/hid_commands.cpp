// The command set: each slot builds its fixed frame and runs one exchange.
// SET commands return at once; GET commands return the reply fill values when
// the exchange fails and leave their outputs alone when the transport is busy.

#include "hid_thread.h"

#include <QString>

using namespace Protocol;

// ---- settings commands: SET ----------------------------------------------------

void Hid_Thread::hid_01H_SetReportRate(uchar rate)
{
    startSet(kSetReportRate, Params{{rate}}, true);
}

void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile)
{
    startSet(kSetCurrentProfile, Params{{profile}}, false);
}

void Hid_Thread::hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    startSet(kSetOptions, Params{{byte1, byte2, byte3, byte4}}, false);
}

void Hid_Thread::hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2)
{
    startSet(kSetOptions, Params{{type, rate, option1, option2}}, true);
}

void Hid_Thread::hid_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4)
{
    startSet(kSetGunData, Params{{par0, par1, par2, par3, par4}}, true);
}

void Hid_Thread::hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty)
{
    startSet(kSetLed, Params{{effect, frequenty}}, false);
}

void Hid_Thread::hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2, uchar option3)
{
    startSet(kSetLed, Params{{type, option1, option2, option3}}, false);
}

void Hid_Thread::hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                                    uchar direction)
{
    startSet(kSetLedType, Params{{option, effect, speed, light, color, direction}}, true);
}

void Hid_Thread::hid_09H_SetKeyboardMode(uchar mode)
{
    startSet(kSetKeyboardMode, Params{{mode}}, true);
}

void Hid_Thread::hid_0BH_SetCurrentDPIStage(uchar dpiStage)
{
    startSet(kSetDpiStage, Params{{dpiStage}}, true);
}

void Hid_Thread::hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    startSet(kSetRgbEffectOrKeyMatrix, Params{{effect, option1, option2}}, true);
}

void Hid_Thread::hid_0EH_SetXYSensitive(uchar par0, uchar par1)
{
    startSet(kSetXyOrKeyOnOff, Params{{par0, par1}}, true);
}

void Hid_Thread::hid_13H_SetRecoveryData()
{
    startSet(kSetMacroOrRecovery, Params{{kRecoveryAll}}, false);
}

void Hid_Thread::hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    startSet(kSetColor, Params{{0, index, rValue, gValue, bValue}}, false);
}

// ---- settings commands: GET ----------------------------------------------------

void Hid_Thread::hid_80H_GetFWVersion(QString &version)
{
    const GetResult result = runGet({}, kGetFirmwareVersion, Reply{{kGetFirmwareVersion}});
    if (result == GetResult::Busy)
        return;
    if (result == GetResult::Failed) {
        version = QStringLiteral("unknown");
        return;
    }
    version = QString::number(reply(1), 16) + QLatin1Char('.')
        + QStringLiteral("%1").arg(reply(2), 2, 16, QLatin1Char('0')).toUpper();
}

void Hid_Thread::hid_81H_GetReportRate(uchar &rate)
{
    if (runGet({}, kGetReportRate, Reply{{kGetReportRate, rate}}) != GetResult::Busy)
        rate = reply(1);
}

void Hid_Thread::hid_82H_GetCurrentProfile(uchar &profile)
{
    if (runGet({}, kGetCurrentProfile, Reply{{kGetCurrentProfile, profile}}) != GetResult::Busy)
        profile = reply(1);
}

void Hid_Thread::hid_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    if (runGet({}, kGetOptions, Reply{{kGetOptions, byte1, byte2, byte3, byte4}}) == GetResult::Busy)
        return;
    byte1 = reply(1);
    byte2 = reply(2);
    byte3 = reply(3);
    byte4 = reply(4);
}

void Hid_Thread::hid_83H_GetFunctionOption(uchar &type, uchar &option1, uchar &option2)
{
    if (runGet({}, kGetOptions, Reply{}) == GetResult::Busy)
        return;
    type = reply(1);
    option1 = reply(3);
    option2 = reply(4);
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar &sens1, uchar &sens2, uchar &sens3, uchar &sens4)
{
    if (runGet({}, kGetButtonSensitivity, Reply{{kGetButtonSensitivity, sens1, sens2, sens3, sens4}})
        == GetResult::Busy)
        return;
    sens1 = reply(1);
    sens2 = reply(2);
    sens3 = reply(3);
    sens4 = reply(4);
}

bool Hid_Thread::hid_87H_GetLEDInstructFunction(uchar type, uchar &option1, uchar &option2, uchar &option3)
{
    if (runGet(Params{{type}}, kGetLedInstruct, Reply{}) != GetResult::Done)
        return false;
    option1 = reply(2);
    option2 = reply(3);
    option3 = reply(4);
    return true;
}

void Hid_Thread::hid_88H_GetLEDType(uchar &effect, uchar &speed, uchar &light, uchar &color, uchar &direction)
{
    if (runGet({}, kGetLedType, Reply{{kGetLedType, 0, effect, speed, light, color, direction}})
        == GetResult::Busy)
        return;
    effect = reply(2);
    speed = reply(3);
    light = reply(4);
    color = reply(5);
    direction = reply(6);
}

void Hid_Thread::hid_89H_GetKeyboardMode(uchar &mode)
{
    if (runGet({}, kGetKeyboardMode, Reply{{kGetKeyboardMode, mode}}) != GetResult::Busy)
        mode = reply(1);
}

void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar &dpiStage)
{
    if (runGet({}, kGetDpiStage, Reply{}) != GetResult::Busy)
        dpiStage = reply(1);
}

void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2)
{
    if (runGet({}, kGetRgbEffectOrKeyMatrix, Reply{}) == GetResult::Busy)
        return;
    effect = reply(1);
    option1 = reply(2);
    option2 = reply(3);
}

void Hid_Thread::hid_94H_GetColor(uchar index, uchar &rValue, uchar &gValue, uchar &bValue)
{
    if (runGet(Params{{0, index}}, kGetColor, Reply{{kGetColor, 0, index, rValue, gValue, bValue}})
        == GetResult::Busy)
        return;
    rValue = reply(3);
    gValue = reply(4);
    bValue = reply(5);
}

// ---- table commands: 64-byte-report family -----------------------------------------

void Hid_Thread::hid_0DH_SetKeyMatrix(uchar *src512)
{
    startSet(kSetRgbEffectOrKeyMatrix, Params{{0, 0, kReports512At64}}, true, src512, 512);
}

void Hid_Thread::hid_0EH_SetKeyOnOff(uchar *src21)
{
    startSet(kSetXyOrKeyOnOff, Params{{0, 0, kKeyOnOffBytes}}, true, src21, 21);
}

void Hid_Thread::hid_11H_SetMacroKey(uchar macroId, uchar *src192)
{
    startSet(kSetDpiSetOrMacro192, Params{{0, macroId, kReports192At64}}, true, src192, 192);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar option, uchar *src512)
{
    startSet(kSetKeyMatrixOrPicture, Params{{0, index, kReports512At64, option}}, true, src512, 512);
}

void Hid_Thread::hid_8DH_GetKeyMatrix(uchar *src512)
{
    runGet({}, kGetRgbEffectOrKeyMatrix, Reply{{kGetRgbEffectOrKeyMatrix, 0, 0, kReports512At64}}, src512, 512);
}

void Hid_Thread::hid_8EH_GetKeyOnOff(uchar *src21)
{
    runGet({}, kGetKeyOnOff, Reply{{kGetKeyOnOff, 0, 0, kKeyOnOffBytes}}, src21, 21);
}

void Hid_Thread::hid_91H_GetMacroKey(uchar macroId, uchar *src192)
{
    runGet(Params{{0, macroId}}, kGetDpiSetOrMacro192,
           Reply{{kGetDpiSetOrMacro192, 0, macroId, kReports192At64}}, src192, 192);
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar *src512)
{
    runGet(Params{{0, index}}, kGetKeyMatrixOrPicture,
           Reply{{kGetKeyMatrixOrPicture, 0, index, kReports512At64}}, src512, 512);
}

// ---- table commands: mouse family -----------------------------------------------

void Hid_Thread::hid_10H_SetLED8StageColor(uchar type, uchar *src24)
{
    const uchar n = type == 2 ? kLedType2Bytes : kLedStageBytes;
    startSet(kSetLedStageColor, Params{{type, n}}, true, src24, n);
}

void Hid_Thread::hid_11H_SetDPISet(uchar dpiStage, uchar *src8)
{
    startSet(kSetDpiSetOrMacro192, Params{{dpiStage, kDpiSetBytes}}, true, src8, 8);
}

void Hid_Thread::hid_12H_SetKeyMatrix(uchar *src64, uchar indexAddOne)
{
    startSet(kSetKeyMatrixOrPicture, Params{{indexAddOne, kKeyMatrixBytes, 0x08}}, true, src64, 64);
}

void Hid_Thread::hid_13H_SetMacroKey(uchar macroId, uchar *src128)
{
    startSet(kSetMacroOrRecovery, Params{{macroId, kMacroBytes}}, true, src128, 128);
}

void Hid_Thread::hid_90H_GetLED8StageColor(uchar type, uchar *src24)
{
    runGet(Params{{type}}, kGetLedStageColor, Reply{}, src24, type == 2 ? kLedType2Bytes : kLedStageBytes);
}

bool Hid_Thread::hid_91H_GetDPISet(uchar &dpiMAXStage, uchar *src8)
{
    // Only a complete read is handed back: work on a copy.
    uchar block[8];
    std::copy(src8, src8 + 8, block);
    if (runGet({}, kGetDpiSetOrMacro192, Reply{}, block, 8) != GetResult::Done)
        return false;
    dpiMAXStage = reply(1);
    std::copy(block, block + 8, src8);
    return true;
}

void Hid_Thread::hid_92H_GetKeyMatrix(uchar *src64)
{
    runGet(Params{{0x01}}, kGetKeyMatrixOrPicture, Reply{{kGetKeyMatrixOrPicture}}, src64, 64);
}

void Hid_Thread::hid_93H_GetMacroKey(uchar macroId, uchar *src128)
{
    runGet(Params{{macroId}}, kGetMacro, Reply{}, src128, 128);
}
