#include "devicelink.h"

#include "device/hid_thread.h"

uint DeviceLink::deviceIndex() const
{
    return hid ? hid->currentDeviceIndex() : kMouseIndex;
}

QVariantList DeviceLink::tableValues(const std::optional<QByteArray> &table, int size)
{
    QVariantList out;
    out.reserve(size);
    for (int i = 0; i < size; ++i)
        out.append(table && i < table->size() ? int(uchar(table->at(i))) : 0);
    return out;
}
