#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// The ten HID operations the device link uses, with hidapi's contracts.
// Two implementations exist: hidapi itself and the simulated mouse. The
// device link never knows which one it talks to.

// Opaque handle of one opened interface; each backend derives its own.
struct HidHandle
{
    virtual ~HidHandle() = default;
};

// One interface of one device, as an enumeration lists it.
struct HidInterfaceInfo
{
    QByteArray path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int interfaceNumber = -1;
    HidInterfaceInfo *next = nullptr;
};

class HidBackend
{
public:
    virtual ~HidBackend() = default;

    // Linked list of the interfaces of vid:pid (0 matches any), or null.
    // The caller hands the list back to freeEnumeration().
    virtual HidInterfaceInfo *enumerate(uint16_t vendorId, uint16_t productId) = 0;
    virtual void freeEnumeration(HidInterfaceInfo *list) = 0;

    // Null when the path cannot be opened (absent device, no permission).
    virtual HidHandle *openPath(const char *path) = 0;
    // Whether `path` names an interface that is there but that this user may
    // not open: a failed open the person can do something about, unlike an
    // absent device. Asks without opening anything.
    virtual bool isAccessDenied(const char *path) { (void)path; return false; }
    // 0 on success, -1 on error. New handles block.
    virtual int setNonblocking(HidHandle *handle, int nonblock) = 0;
    // Releases the handle; null is ignored.
    virtual void close(HidHandle *handle) = 0;

    // data[0] is the report id. Return the bytes moved, or -1 on error.
    virtual int sendFeatureReport(HidHandle *handle, const unsigned char *data, size_t length) = 0;
    virtual int getFeatureReport(HidHandle *handle, unsigned char *data, size_t length) = 0;
    virtual int write(HidHandle *handle, const unsigned char *data, size_t length) = 0;

    // One input report without its report id: bytes read, 0 when none arrived
    // in time (non-blocking or time-out), -1 on error. read() blocks until a
    // report arrives; readTimeout() waits at most `milliseconds` (-1: forever).
    virtual int read(HidHandle *handle, unsigned char *data, size_t length) = 0;
    virtual int readTimeout(HidHandle *handle, unsigned char *data, size_t length, int milliseconds) = 0;
};
