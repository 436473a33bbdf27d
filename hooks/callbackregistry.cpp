#include "callbackregistry.h"

namespace {

template<typename Callback>
struct Slot
{
    Callback function = nullptr;
    void *context = nullptr;
};

Slot<CallbackRegistry::KeyboardCallback> g_keyboard;
Slot<CallbackRegistry::MouseCallback> g_mouse;
Slot<CallbackRegistry::MessageCallback> g_message;
Slot<CallbackRegistry::CaptureResetCallback> g_captureReset;

} // namespace

namespace CallbackRegistry {

void setKeyboard(KeyboardCallback callback, void *context) { g_keyboard = {callback, context}; }
void setMouse(MouseCallback callback, void *context) { g_mouse = {callback, context}; }
void setMessage(MessageCallback callback, void *context) { g_message = {callback, context}; }

void clear()
{
    g_keyboard = {};
    g_mouse = {};
    g_message = {};
}

void setCaptureReset(CaptureResetCallback callback, void *context) { g_captureReset = {callback, context}; }

void dropCaptureReset(void *context)
{
    if (g_captureReset.context == context)
        g_captureReset = {};
}

bool hasMessage() { return g_message.function != nullptr; }

bool callKeyboard(int usbCode, bool isDown, quint32 time)
{
    if (!g_keyboard.function)
        return false;
    g_keyboard.function(usbCode, isDown, time, g_keyboard.context);
    return true;
}

bool callMouse(int buttonCode, bool isDown, int x, int y, quint32 time)
{
    if (!g_mouse.function)
        return false;
    g_mouse.function(buttonCode, isDown, x, y, time, g_mouse.context);
    return true;
}

bool callMessage(const CopyDataRecord &record)
{
    if (!g_message.function)
        return false;
    g_message.function(record, g_message.context);
    return true;
}

bool resetCapture()
{
    if (!g_captureReset.function)
        return false;
    g_captureReset.function(g_captureReset.context);
    return true;
}

} // namespace CallbackRegistry
