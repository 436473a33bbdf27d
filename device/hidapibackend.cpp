#include "hidapibackend.h"

#include "platform/deviceaccess.h"

#include <hidapi.h>

namespace {

struct HidapiHandle final : HidHandle
{
    explicit HidapiHandle(hid_device *d) : device(d) {}
    hid_device *device;
};

hid_device *deviceOf(HidHandle *handle)
{
    auto *h = static_cast<HidapiHandle *>(handle);
    return h ? h->device : nullptr;
}

} // namespace

HidInterfaceInfo *HidapiBackend::enumerate(uint16_t vendorId, uint16_t productId)
{
    hid_device_info *found = hid_enumerate(vendorId, productId);
    HidInterfaceInfo *head = nullptr;
    HidInterfaceInfo **tail = &head;
    for (hid_device_info *it = found; it; it = it->next) {
        auto *info = new HidInterfaceInfo;
        info->path = QByteArray(it->path ? it->path : "");
        info->vendorId = it->vendor_id;
        info->productId = it->product_id;
        info->usagePage = it->usage_page;
        info->usage = it->usage;
        info->interfaceNumber = it->interface_number;
        *tail = info;
        tail = &info->next;
    }
    hid_free_enumeration(found);
    return head;
}

void HidapiBackend::freeEnumeration(HidInterfaceInfo *list)
{
    while (list) {
        HidInterfaceInfo *next = list->next;
        delete list;
        list = next;
    }
}

HidHandle *HidapiBackend::openPath(const char *path)
{
    hid_device *device = hid_open_path(path);
    return device ? new HidapiHandle(device) : nullptr;
}

int HidapiBackend::setNonblocking(HidHandle *handle, int nonblock)
{
    return handle ? hid_set_nonblocking(deviceOf(handle), nonblock) : -1;
}

void HidapiBackend::close(HidHandle *handle)
{
    if (!handle)
        return;
    hid_close(deviceOf(handle));
    delete handle;
}

int HidapiBackend::sendFeatureReport(HidHandle *handle, const unsigned char *data, size_t length)
{
    return handle ? hid_send_feature_report(deviceOf(handle), data, length) : -1;
}

int HidapiBackend::getFeatureReport(HidHandle *handle, unsigned char *data, size_t length)
{
    return handle ? hid_get_feature_report(deviceOf(handle), data, length) : -1;
}

int HidapiBackend::write(HidHandle *handle, const unsigned char *data, size_t length)
{
    return handle ? hid_write(deviceOf(handle), data, length) : -1;
}

int HidapiBackend::read(HidHandle *handle, unsigned char *data, size_t length)
{
    return handle ? hid_read(deviceOf(handle), data, length) : -1;
}

int HidapiBackend::readTimeout(HidHandle *handle, unsigned char *data, size_t length, int milliseconds)
{
    return handle ? hid_read_timeout(deviceOf(handle), data, length, milliseconds) : -1;
}

bool HidapiBackend::isAccessDenied(const char *path)
{
    return path && DeviceAccess::isDenied(QByteArray(path));
}
