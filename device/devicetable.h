#pragma once

#include <QList>
#include <QString>

// One group of the device table: which USB HID device the program drives and
// how its two vendor interfaces are told apart.
struct DeviceDescription
{
    int type = -1;              // 0 keyboard-class (64-byte reports), 1 mouse
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;      // command interface
    quint16 usage = 0;
    quint16 usagePage2 = 0;     // event interface
    quint16 usage2 = 0;
    QString productName;
    uint reportLength = 0;      // data report payload, without the report id
};

// Reads the table (":/DevInfo.ini" in the program). Product names come from the
// list "common/product_name" of the application configuration; a description
// beyond that list gets an empty name.
QList<DeviceDescription> loadDeviceDescriptions(
    const QString &tablePath = QStringLiteral(":/DevInfo.ini"),
    const QString &apConfigPath = QStringLiteral("./modules/setting/apConfig.bin"));
