#pragma once

#include <QByteArray>
#include <QVariantList>
#include <QtGlobal>

#include <optional>

class Hid_Thread;

// The device link as storage sees it. The window hands the link over after
// the view model exists, so the pointer starts null; until then nothing is
// sent and the device is taken to be the mouse (the link's start value).
struct DeviceLink
{
    static constexpr uint kKeyboardIndex = 0;
    static constexpr uint kMouseIndex = 1;

    Hid_Thread *hid = nullptr;

    uint deviceIndex() const;

    // A table read from the device as the pages take it: `size` numbers, all
    // zero when the device handed nothing over.
    static QVariantList tableValues(const std::optional<QByteArray> &table, int size);
};
