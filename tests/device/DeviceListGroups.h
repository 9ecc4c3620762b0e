#pragma once

#include "model/StructDeviceItem.h"

#include <QString>

// A 1080P H.264 channel group as the device list suites add it.
inline StructDeviceItem group(const QString &type, int channels, double kbps, int viewMode = 3,
                              const QString &frameRate = QStringLiteral("25"), int number = 1)
{
    StructDeviceItem item;
    item.strDeviceType = type;
    item.strChannelName = QStringLiteral("Group(%1)").arg(number);
    item.strEncoding = QStringLiteral("H.264");
    item.strResolution = QStringLiteral("1080P");
    item.strFrameRate = frameRate;
    item.iChannelCount = channels;
    item.dBitrate = kbps;
    item.iChannelGroupNumber = number;
    item.iViewMode = viewMode;
    return item;
}
