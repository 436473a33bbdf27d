#include "hostcallbacks.h"

#include "copydatanotice.h"
#include "hooks/callbackregistry.h"
#include "viewmodel/myqquickview.h"
#include "widget.h"

namespace {

void onKey(int usbCode, bool isDown, quint32 time, void *context)
{
    if (auto *window = static_cast<Widget *>(context))
        window->view()->forwardKey(uchar(isDown), uchar(usbCode), time);
}

void onMouseButton(int buttonCode, bool isDown, int x, int y, quint32 time, void *context)
{
    if (auto *window = static_cast<Widget *>(context))
        window->view()->forwardMouse(uchar(isDown), uint(buttonCode), uint(x), uint(y), time);
}

void onNotice(const CopyDataRecord &record, void *context)
{
    showCopyDataNotice(record, static_cast<QWidget *>(static_cast<Widget *>(context)));
}

} // namespace

HostCallbacks::HostCallbacks(Widget *window)
{
    CallbackRegistry::setKeyboard(onKey, window);
    CallbackRegistry::setMouse(onMouseButton, window);
    CallbackRegistry::setMessage(onNotice, window);
}

HostCallbacks::~HostCallbacks()
{
    CallbackRegistry::clear();
}
