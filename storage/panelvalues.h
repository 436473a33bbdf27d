#pragma once

#include <QVariant>

#include <optional>

// What the performance panels make of a stored value, and what they send.
// The pages read numbers the way JavaScript's parseInt does, so a damaged
// value gives the same result in every front end.
namespace PanelValues {

// parseInt(text) with no radix: leading blanks and a sign, "0x" for
// hexadecimal, then as many digits as there are; nothing when no digit
// comes first. Values beyond an int are held at its limits.
std::optional<int> parseNumber(const QVariant &stored);

// X/Y sensitivity: ten slider steps 0 ... 9 (shown 1 ... 10), 4 when the
// profile has none; the mouse gets (step + 1) * 20.
constexpr int kXySteps = 10;
constexpr int kDefaultXyStep = 4;
int xyStep(const QVariant &stored);
constexpr int xyDeviceValue(int step) { return (step + 1) * 20; }

// Polling rate as the interval code 1, 2, 4 or 8 (1000, 500, 250, 125 Hz).
// A missing or bad code is 1; a code above 8 is 8.
int reportRate(const QVariant &stored);
// The code of a rate in Hz; 0 when the panel does not offer it.
int reportRateCode(int hertz);
// The rate in Hz of a code (1000 / code); 0 for 0.
int reportRateHertz(int code);

// The pointer-speed and double-click dials: 0 ... 10, 5 when missing.
int dialValue(const QVariant &stored);

// Wheel lines: 1 ... 100, or 1000 for one screen per notch; 1 when missing.
constexpr int kOneScreen = 1000;
int scrollLines(const QVariant &stored);

} // namespace PanelValues
