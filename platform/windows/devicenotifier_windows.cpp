#include "platform/devicenotifier.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

namespace {

// WM_DEVICECHANGE reaches every top-level window of the program; a burst of
// repeats is harmless because the window only restarts its poll timer.
class DeviceChangeFilter final : public QAbstractNativeEventFilter
{
public:
    explicit DeviceChangeFilter(DeviceNotifier *notifier) : m_notifier(notifier) {}

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType == "windows_generic_MSG" && static_cast<const MSG *>(message)->message == WM_DEVICECHANGE)
            emit m_notifier->deviceChanged();
        return false; // default processing goes on
    }

private:
    DeviceNotifier *m_notifier;
};

} // namespace

struct DeviceNotifier::Private
{
    std::unique_ptr<DeviceChangeFilter> filter;
};

DeviceNotifier::DeviceNotifier(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->filter = std::make_unique<DeviceChangeFilter>(this);
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installNativeEventFilter(d->filter.get());
}

DeviceNotifier::~DeviceNotifier()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(d->filter.get());
}
