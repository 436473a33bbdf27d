#pragma once

#include <QtGlobal>

#include <array>

// A button's function: four bytes [type, p1, p2, p3], stored in a profile as
// a list of four ints under "keydefine_R8/<button>".
namespace ButtonEntry {

using Bytes = std::array<uchar, 4>;

constexpr int kSize = 4;
constexpr int kMouseButtons = 16;                       // one key matrix
constexpr int kMatrixBytes = kMouseButtons * kSize;     // 64
constexpr int kKeyboardKeys = 126;                      // keyboard-type device
constexpr int kKeyboardTableBytes = 512;

constexpr uchar kTypeKeyboard = 0x00;
constexpr uchar kTypeMouseButton = 0x01;
constexpr uchar kTypeDpi = 0x07;
constexpr uchar kTypeGunKey = 0x08;           // [8, 0, kGunKeySwitch, key matrix to switch to (0 normal)]
constexpr uchar kGunKeySwitch = 0x01;
constexpr uchar kTypeMacro = 0x09;            // [9, play type, 1-based macro slot, 0]
constexpr uchar kTypeNamedKey = 0x0F;         // a key shown under a function name; sent as 0x00

constexpr uchar kPlayOnce = 0;
constexpr uchar kPlayWhileHeld = 2;

// What a macro button falls back to when its macro is deleted (buttons 0 ... 6).
constexpr std::array<Bytes, 7> kMacroFallback{{
    {kTypeMouseButton, 0, 0xF0, 0}, // left
    {kTypeMouseButton, 0, 0xF1, 0}, // right
    {kTypeMouseButton, 0, 0xF2, 0}, // middle
    {kTypeMouseButton, 0, 0xF4, 0}, // forward
    {kTypeMouseButton, 0, 0xF3, 0}, // back
    {kTypeDpi, 0, 1, 0},            // DPI +
    {kTypeDpi, 0, 2, 0},            // DPI -
}};

// The mouse's buttons as they leave the factory (the shipped profiles hold these).
constexpr std::array<Bytes, kMouseButtons> kFactory{{
    {0x01, 0, 0xF0, 0}, {0x01, 0, 0xF1, 0}, {0x01, 0, 0xF2, 0}, {0x0F, 0, 0x2E, 0},
    {0x0F, 0, 0x05, 0}, {0x08, 0, 0x01, 0x01}, {0x07, 0, 0x03, 0}, {0, 0, 0, 0},
    {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0},
    {0, 0, 0, 0}, {0, 0, 0, 0}, {0x04, 0, 0x01, 0}, {0x04, 0, 0x02, 0},
}};

} // namespace ButtonEntry
