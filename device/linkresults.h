#pragma once

#include "protocol.h"

#include <QFuture>
#include <QtGlobal>

#include <array>

// What the device link's commands hand back. A GET gives one of the values
// below inside a std::optional: empty when the mouse did not answer, so a
// failed read never looks like a read of zeros.

// What became of one SET command. A command dropped on a busy transport is
// known to have failed at once; any other is known when its exchange ends.
class SetResult
{
public:
    // A command that was never sent.
    SetResult() = default;

    // True when the mouse took the request frame and every data report.
    // Waits for the exchange (at most its settle pauses and data phase).
    // Never call it for a SET issued from an event handled inside another
    // command's wait for the transport: that SET goes only after the wait.
    bool taken() const
    {
        QFuture<bool> exchange = m_exchange;
        exchange.waitForFinished();
        return exchange.resultCount() > 0 && exchange.result();
    }

    // Whether taken() would answer without waiting.
    bool isKnown() const { return m_exchange.isFinished(); }

private:
    friend class Hid_Thread;
    explicit SetResult(QFuture<bool> exchange) : m_exchange(std::move(exchange)) {}

    QFuture<bool> m_exchange; // a default future is finished, without result
};

// 83H as the keyboard options: R1..R4.
struct KeyboardOptions
{
    uchar byte1 = 0, byte2 = 0, byte3 = 0, byte4 = 0;
};

// 83H as the sensor options: R1, R3, R4 (R2, the report rate, is skipped).
struct FunctionOption
{
    uchar type = 0, option1 = 0, option2 = 0;
};

// 84H: R1..R4.
struct ButtonSensitivity
{
    uchar sens1 = 0, sens2 = 0, sens3 = 0, sens4 = 0;
};

// 87H: R2..R4.
struct LedInstruct
{
    uchar option1 = 0, option2 = 0, option3 = 0;
};

// 88H: R2..R6 (R1, the option byte, is skipped).
struct LedType
{
    uchar effect = 0, speed = 0, light = 0, color = 0, direction = 0;
};

// 8DH: R1..R3.
struct RgbEffect
{
    uchar effect = 0, option1 = 0, option2 = 0;
};

// 94H: R3..R5.
struct Colour
{
    uchar red = 0, green = 0, blue = 0;
};

// 91H on the mouse: the highest stage (R1) and the eight stage codes.
struct DpiSet
{
    uchar maxStage = 0;
    std::array<uchar, Protocol::kDpiStages> codes{};
};
