#pragma once

#include <QVariant>
#include <QVariantList>

class QObject;

// Calls a page function by name, whatever types it declares: the arguments
// are converted to them and the result comes back as a variant. A function
// that is not there, or arguments that do not convert, give an invalid
// variant, without a warning.
QVariant callPageFunction(QObject *object, const char *function, QVariantList arguments = {});
