#pragma once

#include <QByteArray>
#include <QMap>

#include <array>
#include <cstdint>

// Everything the simulated mouse remembers, as plain values. A fresh state is
// the mouse as it leaves the factory.
struct MouseState
{
    uint8_t reportRate = 1;                       // rate code
    uint8_t profile = 0;                          // selected key matrix / profile slot
    std::array<uint8_t, 4> options{{0x01, 0x01, 0x05, 0x00}}; // type, rate, option1, option2
    std::array<uint16_t, 3> gunLengths{};         // per gun slot, in 2-byte items
    std::array<uint8_t, 4> ledCommand{};          // last 07H parameters
    QMap<uint8_t, std::array<uint8_t, 3>> ledInstruct; // per LED type
    std::array<uint8_t, 6> ledType{{0, 1, 2, 3, 0, 0}}; // option, effect, speed, light, colour, direction
    uint8_t keyboardMode = 0;
    std::array<uint8_t, 4> buttonSensitivity{{5, 5, 5, 5}};
    uint8_t dpiStage = 2;                         // active stage, counted from 1
    uint8_t dpiStageCount = 6;
    // 400, 800, 1600, 3200, 6400, 12000 would not fit; codes as the mouse keeps them:
    // v <= 5000: v/100 - 1; above: v/200 | 0x40; 0x80 marks a stage that is off.
    std::array<uint8_t, 8> dpiCodes{{3, 7, 15, 31, 0x59, 0x68, 0x80, 0x80}};
    std::array<uint8_t, 3> rgbEffect{{1, 2, 3}};  // effect, option1, option2
    std::array<uint8_t, 2> xySensitivity{{10, 10}};
    QMap<uint8_t, std::array<uint8_t, 3>> colors; // index -> r, g, b
    QMap<uint8_t, QByteArray> ledStageColors;     // LED type -> 4 or 24 bytes
    std::array<QByteArray, 4> keyMatrices;        // index 1..4, 64 bytes each
    QMap<uint8_t, QByteArray> macroSlots;         // slot -> 128 bytes
    uint8_t firmwareMajor = 0x01;
    uint8_t firmwareMinor = 0x0A;
    int recoveries = 0;

    // Tables of the 64-byte-report family, kept when that family is simulated.
    QByteArray keyMatrix512;
    QByteArray keyOnOff21;
    QMap<uint8_t, QByteArray> macros192;
    QMap<uint8_t, QByteArray> userPictures;       // index -> 512 bytes

    MouseState();

    // DPI value of a stage code (0 for a stage that is off).
    static uint dpiOfCode(uint8_t code);
    // The next stage that is switched on after `stage`, wrapping at the count.
    uint8_t nextDpiStage() const;
};
