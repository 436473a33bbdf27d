#pragma once

#include <cstdint>

// Bytes of the mouse's protocol, named once. A request is one 9-byte feature
// report: report id, command code, p1..p6, checksum. Codes 0x80 and above read.
namespace Protocol {

constexpr int kFrameSize = 9;          // report id + code + p1..p6 + checksum
constexpr int kDataBufferSize = 512;   // largest table block
constexpr int kDpiStages = 8;

// Settings commands
constexpr uint8_t kSetReportRate = 0x01;       // p1: rate code
constexpr uint8_t kSetCurrentProfile = 0x02;   // p1: profile
constexpr uint8_t kSetOptions = 0x03;          // p1..p4: type, rate, option1, option2
constexpr uint8_t kSetGunData = 0x04;          // p1..p5
constexpr uint8_t kSetLed = 0x07;              // indicator light / LED instruct
constexpr uint8_t kSetLedType = 0x08;          // option, effect, speed, light, colour, direction
constexpr uint8_t kSetKeyboardMode = 0x09;
constexpr uint8_t kSetDpiStage = 0x0B;         // p1: stage, counted from 1
constexpr uint8_t kSetRgbEffectOrKeyMatrix = 0x0D;
constexpr uint8_t kSetXyOrKeyOnOff = 0x0E;
constexpr uint8_t kSetLedStageColor = 0x10;
constexpr uint8_t kSetDpiSetOrMacro192 = 0x11;
constexpr uint8_t kSetKeyMatrixOrPicture = 0x12;
constexpr uint8_t kSetMacroOrRecovery = 0x13;
constexpr uint8_t kSetColor = 0x14;

constexpr uint8_t kGetFirmwareVersion = 0x80;
constexpr uint8_t kGetReportRate = 0x81;
constexpr uint8_t kGetCurrentProfile = 0x82;
constexpr uint8_t kGetOptions = 0x83;
constexpr uint8_t kGetButtonSensitivity = 0x84;
constexpr uint8_t kGetLedInstruct = 0x87;
constexpr uint8_t kGetLedType = 0x88;
constexpr uint8_t kGetKeyboardMode = 0x89;
constexpr uint8_t kGetDpiStage = 0x8B;
constexpr uint8_t kGetRgbEffectOrKeyMatrix = 0x8D;
constexpr uint8_t kGetKeyOnOff = 0x8E;
constexpr uint8_t kGetLedStageColor = 0x90;
constexpr uint8_t kGetDpiSetOrMacro192 = 0x91;
constexpr uint8_t kGetKeyMatrixOrPicture = 0x92;
constexpr uint8_t kGetMacro = 0x93;
constexpr uint8_t kGetColor = 0x94;

// Byte-count headers of the table commands
constexpr uint8_t kReports512At64 = 0x08;      // 512 bytes = 8 reports of 64
constexpr uint8_t kReports192At64 = 0x03;      // 192 bytes = 3 reports of 64
constexpr uint8_t kKeyOnOffBytes = 0x15;       // 21
constexpr uint8_t kDpiSetBytes = 0x08;
constexpr uint8_t kKeyMatrixBytes = 0x40;      // 64
constexpr uint8_t kMacroBytes = 0x80;          // 128
constexpr uint8_t kLedType2Bytes = 4;
constexpr uint8_t kLedStageBytes = 24;
constexpr uint8_t kRecoveryAll = 0xFF;

// Block sizes of the 64-byte-report family
constexpr int kKeyMatrix512Bytes = 512;
constexpr int kMacro192Bytes = 192;
constexpr int kPictureBytes = 512;

// Reply frame: report id, R0..R7; R7, frame byte 8, is the checksum of R0..R6.
constexpr int kReplyChecksumByte = kFrameSize - 1;

// Option byte 4: the mouse reports DPI-stage changes on its event interface.
constexpr uint8_t kOptionReportDpiStage = 0x40;

// Notification report on the event interface: 06 07 xx stage
constexpr int kNotificationSize = 4;
constexpr uint8_t kNotifyByte0 = 0x06;
constexpr uint8_t kNotifyByte1 = 0x07;

// Checksum of code + p1..p6: complement of their 8-bit sum.
constexpr uint8_t checksum(const uint8_t *codeAndParams)
{
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += codeAndParams[i];
    return uint8_t(0xFF - (sum & 0xFF));
}

} // namespace Protocol
