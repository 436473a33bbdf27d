#pragma once

#include <QString>
#include <QStringList>

// Process-wide facts shared between the GUI thread and the device listener.

// Set once a mouse has been connected; nothing clears it during a run.
bool deviceReady();
void setDeviceReady(bool ready);

// The eight DPI values and balloon texts of the DPI stages, entry i for stage
// i + 1. Written on the GUI thread, read by the listener on a pool thread.
namespace DpiTables {

constexpr int kStages = 8;

uint value(int index);                 // 0 outside 0..7
void setValues(const QList<uint> &values); // at most eight; the rest keep theirs
QString text(int index);               // empty outside 0..7
void setTexts(const QStringList &texts);
void reset();                          // zero values, "DPI Switch to" texts

// "<text> <value>" for a stage counted from 1; empty when out of range.
QString balloonText(int stage);

} // namespace DpiTables
