#include "devicelink.h"

#include "device/hid_thread.h"

uint DeviceLink::deviceIndex() const
{
    return hid ? hid->currentDeviceIndex() : kMouseIndex;
}
