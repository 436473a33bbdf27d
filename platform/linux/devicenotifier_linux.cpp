#include "platform/devicenotifier.h"

#include <QDebug>
#include <QSocketNotifier>

#include <libudev.h>

struct DeviceNotifier::Private
{
    udev *context = nullptr;
    udev_monitor *monitor = nullptr;
    QSocketNotifier *notifier = nullptr;

    ~Private()
    {
        delete notifier;
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }
};

DeviceNotifier::DeviceNotifier(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->context = udev_new();
    if (d->context)
        d->monitor = udev_monitor_new_from_netlink(d->context, "udev");
    if (!d->monitor
        || udev_monitor_filter_add_match_subsystem_devtype(d->monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(d->monitor) < 0) {
        qDebug("No device notices from udev");
        return;
    }

    d->notifier = new QSocketNotifier(udev_monitor_get_fd(d->monitor), QSocketNotifier::Read);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] {
        udev_device *device = udev_monitor_receive_device(d->monitor);
        if (!device)
            return;
        const QByteArray action = udev_device_get_action(device);
        udev_device_unref(device);
        // "change" comes when the rules are applied again (udevadm trigger),
        // which may just have given this user access to a mouse already there.
        if (action == "add" || action == "remove" || action == "change")
            emit deviceChanged();
    });
}

DeviceNotifier::~DeviceNotifier() = default;
