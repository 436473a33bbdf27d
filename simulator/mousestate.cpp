#include "mousestate.h"

namespace {

QByteArray defaultKeyMatrix()
{
    // Factory button entries [type, p1, p2, p3] of buttons 0..15: left, right,
    // middle, two keys, gun switch, DPI loop, seven unassigned, two wheel tilts.
    static const uint8_t entries[16][4] = {
        {0x01, 0, 0xF0, 0}, {0x01, 0, 0xF1, 0}, {0x01, 0, 0xF2, 0}, {0x00, 0, 0x2E, 0},
        {0x00, 0, 0x05, 0}, {0x08, 0, 0x01, 0x01}, {0x07, 0, 0x03, 0}, {0, 0, 0, 0},
        {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0},
        {0, 0, 0, 0}, {0, 0, 0, 0}, {0x04, 0, 0x01, 0}, {0x04, 0, 0x02, 0},
    };
    QByteArray block(64, 0);
    for (int b = 0; b < 16; ++b)
        for (int i = 0; i < 4; ++i)
            block[b * 4 + i] = char(entries[b][i]);
    return block;
}

} // namespace

MouseState::MouseState()
{
    for (QByteArray &m : keyMatrices)
        m = defaultKeyMatrix();
}

uint MouseState::dpiOfCode(uint8_t code)
{
    if (code & 0x80)
        return 0;
    if (code & 0x40)
        return uint(code & 0x3F) * 200;
    return (uint(code) + 1) * 100;
}

uint8_t MouseState::nextDpiStage() const
{
    const int count = dpiStageCount >= 1 && dpiStageCount <= 8 ? dpiStageCount : 8;
    int stage = dpiStage >= 1 && dpiStage <= count ? dpiStage : 1;
    for (int step = 0; step < count; ++step) {
        stage = stage % count + 1;
        if (!(dpiCodes[size_t(stage - 1)] & 0x80))
            return uint8_t(stage);
    }
    return dpiStage;
}
