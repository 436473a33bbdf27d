#include "devicetable.h"

#include <QSettings>
#include <QStringList>

namespace {

quint16 hex16(const QSettings &table, const QString &key)
{
    bool ok = false;
    const uint value = table.value(key, 0).toString().toUInt(&ok, 16);
    return ok ? quint16(value) : 0;
}

} // namespace

QList<DeviceDescription> loadDeviceDescriptions(const QString &tablePath, const QString &apConfigPath)
{
    const QSettings table(tablePath, QSettings::IniFormat);
    const QStringList names = QSettings(apConfigPath, QSettings::IniFormat)
                                  .value(QStringLiteral("common/product_name"))
                                  .toStringList();

    QList<DeviceDescription> descriptions;
    const int total = table.value(QStringLiteral("common/total"), 0).toInt();
    for (int n = 0; n < total; ++n) {
        const QString group = QString::number(n) + QLatin1Char('/');
        DeviceDescription d;
        bool ok = false;
        const int type = table.value(group + "type", -1).toString().toInt(&ok, 16);
        d.type = ok ? type : -1;
        d.vid = hex16(table, group + "vid");
        d.pid = hex16(table, group + "pid");
        d.usagePage = hex16(table, group + "usagePage");
        d.usage = hex16(table, group + "usage");
        d.usagePage2 = hex16(table, group + "usagePage2");
        d.usage2 = hex16(table, group + "usage2");
        d.productName = n < names.size() ? names.at(n) : QString();
        d.reportLength = table.value(group + "reportLength", 0).toUInt();
        descriptions.append(d);
    }
    return descriptions;
}
