#pragma once

#include <QtGlobal>

// One WM_COPYDATA-style notice from another process: a tag, a byte count and
// the bytes. The data is only valid during the call that hands it over.
struct CopyDataRecord
{
    quintptr tag = 0;
    quint32 byteCount = 0;
    const void *data = nullptr;
};

// Three process-wide slots through which the system's input hooks and the
// native message filter reach the window, and one through which the window
// reaches the installed capture. Filled at start-up, read on the GUI thread
// only. A slot without a function is skipped.
//
// Key and button events carry the time the system stamped them with, in
// milliseconds of a monotonic clock that wraps at 2^32 (as the Windows hooks
// count): only the difference between two times means anything.
namespace CallbackRegistry {

using KeyboardCallback = void (*)(int usbCode, bool isDown, quint32 time, void *context);
using MouseCallback = void (*)(int buttonCode, bool isDown, int x, int y, quint32 time, void *context);
using MessageCallback = void (*)(const CopyDataRecord &record, void *context);
using CaptureResetCallback = void (*)(void *context);

void setKeyboard(KeyboardCallback callback, void *context);
void setMouse(MouseCallback callback, void *context);
void setMessage(MessageCallback callback, void *context);
// Empties the three slots that lead to the window.
void clear();

// Filled by the capture for as long as it is installed. Dropping leaves the
// slot alone when another capture has filled it since.
void setCaptureReset(CaptureResetCallback callback, void *context);
void dropCaptureReset(void *context);

bool hasMessage();

// Each returns false when its slot is empty.
bool callKeyboard(int usbCode, bool isDown, quint32 time);
bool callMouse(int buttonCode, bool isDown, int x, int y, quint32 time);
bool callMessage(const CopyDataRecord &record);
// The capture forgets which keys it holds down.
bool resetCapture();

} // namespace CallbackRegistry
