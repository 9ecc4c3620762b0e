#pragma once

#include <QMetaType>
#include <QString>

// One selectable device type.
struct StructDeviceType
{
    // DeviceType.
    int iDeviceType = 0;
    QString strDeviceTypeName;

    friend bool operator==(const StructDeviceType &a, const StructDeviceType &b)
    {
        return a.iDeviceType == b.iDeviceType && a.strDeviceTypeName == b.strDeviceTypeName;
    }
    friend bool operator!=(const StructDeviceType &a, const StructDeviceType &b) { return !(a == b); }
};

Q_DECLARE_METATYPE(StructDeviceType)
