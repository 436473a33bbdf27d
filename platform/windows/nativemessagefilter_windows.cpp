#include "platform/nativemessagefilter.h"

#include "hooks/callbackregistry.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

namespace {

// WM_COPYDATA goes to the message slot and counts as handled (result 1),
// whatever the slot's function makes of it; every other message passes on.
class CopyDataFilter final : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->message != WM_COPYDATA || !CallbackRegistry::hasMessage())
            return false;
        if (const auto *copy = reinterpret_cast<const COPYDATASTRUCT *>(msg->lParam))
            CallbackRegistry::callMessage(CopyDataRecord{quintptr(copy->dwData), quint32(copy->cbData), copy->lpData});
        if (result)
            *result = 1;
        return true;
    }
};

} // namespace

NativeMessageFilter::NativeMessageFilter()
    : m_filter(std::make_unique<CopyDataFilter>())
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installNativeEventFilter(m_filter.get());
}

NativeMessageFilter::~NativeMessageFilter()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(m_filter.get());
}
