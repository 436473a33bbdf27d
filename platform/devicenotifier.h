#pragma once

#include <QObject>

#include <memory>

// Tells when a HID device has come or gone, so the window can look for the
// mouse again. Windows reports it as WM_DEVICECHANGE, Linux as hidraw events
// from udev. When the system offers no notices, the signal never comes.
class DeviceNotifier : public QObject
{
    Q_OBJECT
public:
    explicit DeviceNotifier(QObject *parent = nullptr);
    ~DeviceNotifier() override;

signals:
    void deviceChanged();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
