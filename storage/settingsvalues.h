#pragma once

#include <QStringList>
#include <QVariant>
#include <QVariantList>

// Reading values that another program, a crash or a person may have damaged:
// lists are cut to their length, bad numbers fall back to a default.

// A stored list as a list. The INI format hands a one-element list back as a
// plain string; that string is the one element (not its characters).
QVariantList listValue(const QVariant &stored);
QStringList stringListValue(const QVariant &stored);

// At most `maxCount` elements of a stored list, each as an int (0 when it is
// not a number).
QVariantList intListValue(const QVariant &stored, int maxCount);

// The same, cut or padded with zeros to exactly `count` elements.
QVariantList exactIntList(const QVariant &stored, int count);

// The stored number, or `fallback` when it is none or does not fit the type.
int intValue(const QVariant &stored, int fallback);
uint uintValue(const QVariant &stored, uint fallback);

// A zeroed buffer of `size` bytes taking the first values (as ints, cut to a
// byte); values beyond `size` are ignored.
void fillBytes(const QVariantList &values, uchar *buffer, int size);
QVariantList bytesToInts(const uchar *bytes, int size);
