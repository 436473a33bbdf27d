#pragma once

#include "hidbackend.h"

// The real transport: hidapi (hidraw backend on Linux). Never initialised or
// shut down explicitly; hidapi does that on first use.
class HidapiBackend final : public HidBackend
{
public:
    HidInterfaceInfo *enumerate(uint16_t vendorId, uint16_t productId) override;
    void freeEnumeration(HidInterfaceInfo *list) override;
    HidHandle *openPath(const char *path) override;
    int setNonblocking(HidHandle *handle, int nonblock) override;
    void close(HidHandle *handle) override;
    int sendFeatureReport(HidHandle *handle, const unsigned char *data, size_t length) override;
    int getFeatureReport(HidHandle *handle, unsigned char *data, size_t length) override;
    int write(HidHandle *handle, const unsigned char *data, size_t length) override;
    int read(HidHandle *handle, unsigned char *data, size_t length) override;
    int readTimeout(HidHandle *handle, unsigned char *data, size_t length, int milliseconds) override;
    bool isAccessDenied(const char *path) override;
};
