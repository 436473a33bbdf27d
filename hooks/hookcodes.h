#pragma once

#include <QtGlobal>

// The message and flag values the system's low-level hooks hand over. They
// are kept here so the translation can be built and tested on any system;
// the Windows hook procedures check them against the system headers.
namespace HookCodes {

constexpr quint32 kKeyDown = 0x100;    // WM_KEYDOWN
constexpr quint32 kKeyUp = 0x101;      // WM_KEYUP
constexpr quint32 kSysKeyDown = 0x104; // WM_SYSKEYDOWN: a key pressed with Alt held
constexpr quint32 kSysKeyUp = 0x105;   // WM_SYSKEYUP

constexpr quint32 kExtendedFlag = 0x01; // LLKHF_EXTENDED: the key's scan code has the E0 prefix
constexpr quint32 kAltDownFlag = 0x20;  // LLKHF_ALTDOWN

constexpr quint32 kLeftButtonDown = 0x201;     // WM_LBUTTONDOWN, first of the button messages
constexpr quint32 kLeftButtonUp = 0x202;       // WM_LBUTTONUP
constexpr quint32 kLeftButtonDblClk = 0x203;   // WM_LBUTTONDBLCLK
constexpr quint32 kRightButtonDown = 0x204;    // WM_RBUTTONDOWN
constexpr quint32 kRightButtonUp = 0x205;      // WM_RBUTTONUP
constexpr quint32 kRightButtonDblClk = 0x206;  // WM_RBUTTONDBLCLK
constexpr quint32 kMiddleButtonDown = 0x207;   // WM_MBUTTONDOWN
constexpr quint32 kMiddleButtonUp = 0x208;     // WM_MBUTTONUP, last of the reported ones
constexpr quint32 kMiddleButtonDblClk = 0x209; // WM_MBUTTONDBLCLK

// Device button codes of the key-code vocabulary.
constexpr quint8 kLeftButtonCode = 0xF0;
constexpr quint8 kRightButtonCode = 0xF1;
constexpr quint8 kMiddleButtonCode = 0xF2;

} // namespace HookCodes
