#include "platform/nativemessagefilter.h"

#include <QAbstractNativeEventFilter>

// No window messages here: the notice handler stays registered, fed by nothing.
NativeMessageFilter::NativeMessageFilter() = default;
NativeMessageFilter::~NativeMessageFilter() = default;
