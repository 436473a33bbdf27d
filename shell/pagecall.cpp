#include "pagecall.h"

#include <QMetaMethod>
#include <QObject>

QVariant callPageFunction(QObject *object, const char *function, QVariantList arguments)
{
    constexpr int kMaxArguments = 3;
    if (!object || arguments.size() > kMaxArguments)
        return {};
    const QMetaObject *meta = object->metaObject();
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != function || method.parameterCount() != arguments.size())
            continue;
        QGenericArgument passed[kMaxArguments];
        for (int p = 0; p < arguments.size(); ++p) {
            const QMetaType type = method.parameterMetaType(p);
            if (type == QMetaType::fromType<QVariant>()) {
                passed[p] = QGenericArgument("QVariant", &arguments[p]);
                continue;
            }
            if (!arguments[p].convert(type))
                return {};
            passed[p] = QGenericArgument(type.name(), arguments[p].constData());
        }
        const QMetaType returns = method.returnMetaType();
        if (returns == QMetaType::fromType<void>()) {
            method.invoke(object, passed[0], passed[1], passed[2]);
            return {};
        }
        QVariant result(returns);
        const bool called = returns == QMetaType::fromType<QVariant>()
            ? method.invoke(object, QGenericReturnArgument("QVariant", &result), passed[0], passed[1], passed[2])
            : method.invoke(object, QGenericReturnArgument(returns.name(), result.data()), passed[0], passed[1],
                            passed[2]);
        return called ? result : QVariant();
    }
    return {};
}
