#pragma once

#include <memory>

class QAbstractNativeEventFilter;

// While it lives, copy-data notices sent to the program's windows go to the
// message slot of the callback registry. Systems without window messages
// have no such notices, and there it does nothing.
class NativeMessageFilter
{
public:
    NativeMessageFilter();
    ~NativeMessageFilter();
    NativeMessageFilter(const NativeMessageFilter &) = delete;
    NativeMessageFilter &operator=(const NativeMessageFilter &) = delete;

private:
    std::unique_ptr<QAbstractNativeEventFilter> m_filter;
};
