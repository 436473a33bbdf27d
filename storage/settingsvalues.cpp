#include "settingsvalues.h"

#include <cstring>
#include <limits>

QVariantList listValue(const QVariant &stored)
{
    if (!stored.isValid())
        return {};
    if (stored.typeId() == QMetaType::QString)
        return {stored};
    if (stored.typeId() == QMetaType::QStringList || stored.typeId() == QMetaType::QVariantList)
        return stored.toList();
    return {};
}

QStringList stringListValue(const QVariant &stored)
{
    QStringList out;
    for (const QVariant &v : listValue(stored))
        out.append(v.toString());
    return out;
}

QVariantList intListValue(const QVariant &stored, int maxCount)
{
    const QVariantList list = listValue(stored);
    QVariantList out;
    for (int i = 0; i < list.size() && i < maxCount; ++i)
        out.append(list.at(i).toInt());
    return out;
}

QVariantList exactIntList(const QVariant &stored, int count)
{
    QVariantList out = intListValue(stored, count);
    while (out.size() < count)
        out.append(0);
    return out;
}

int intValue(const QVariant &stored, int fallback)
{
    // Qt 6 wraps a number too large for an int around instead of refusing
    // it, so the range is checked on the wider type.
    bool ok = false;
    const qlonglong value = stored.toLongLong(&ok);
    return ok && value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max() ? int(value)
                                                                                                   : fallback;
}

uint uintValue(const QVariant &stored, uint fallback)
{
    bool ok = false;
    const qlonglong value = stored.toLongLong(&ok);
    return ok && value >= 0 && value <= qlonglong(std::numeric_limits<uint>::max()) ? uint(value) : fallback;
}

void fillBytes(const QVariantList &values, uchar *buffer, int size)
{
    std::memset(buffer, 0, size_t(size));
    for (int i = 0; i < values.size() && i < size; ++i)
        buffer[i] = uchar(values.at(i).toInt());
}

QVariantList bytesToInts(const uchar *bytes, int size)
{
    QVariantList out;
    out.reserve(size);
    for (int i = 0; i < size; ++i)
        out.append(int(bytes[i]));
    return out;
}
