#pragma once

#include "storage/lightingeffect.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>

class Hid_Thread;

// Whether the mouse took what was sent: each check waits for the last
// command, reads the value back and compares. Empty when it holds what was
// sent; otherwise one line saying what went wrong.
namespace Readback {

QString reportRate(Hid_Thread &hid, int code);
QString dpiCodes(Hid_Thread &hid, const QVariantList &codes);
QString dpiStage(Hid_Thread &hid, int stage);
QString lighting(Hid_Thread &hid, const LightingEffect::Command &command);
// Key matrix 1, the buttons' own (the only one the mouse reads back).
QString keyMatrix(Hid_Thread &hid, const QByteArray &bytes);
QString macroSlot(Hid_Thread &hid, int deviceSlot, const QByteArray &bytes);
// For settings the mouse cannot read back: that it still answers.
QString answers(Hid_Thread &hid);

} // namespace Readback
