#pragma once

#include "model/RetentionProfile.h"
#include "model/StructDeviceItem.h"

#include <QMap>
#include <QString>

// The figures the device list announces after every change: the storage
// bitrate of the recording groups, the channel counts of the live-view groups
// and their network bandwidth as a value text with its unit word.
class DeviceTotals
{
public:
    explicit DeviceTotals(const QMap<long long, StructDeviceItem> &items);

    // Counts one more group in. Adding the groups one by one in the map's
    // order gives exactly the sums of the constructor.
    void add(const StructDeviceItem &item);

    // kbps over the groups recorded to disk (view modes 2 and 3), each at its
    // recording share, not rounded; a group with its own policy counts its
    // sub-stream and audio too.
    double storageBitrate() const { return m_storageBitrate; }
    // The same if every group's scene turned out calm (Low complexity) or busy
    // (High); groups whose rate was typed keep it.
    double storageBitrateLow() const { return m_storageLow; }
    double storageBitrateHigh() const { return m_storageHigh; }
    // kbps over the groups watched live (view modes 1 and 3).
    double bandwidthSum() const { return m_bandwidthSum; }

    // The retention the groups keep, for the calculator.
    const RetentionProfile &retention() const { return m_retention; }

    // Channels of the live-view groups.
    qint64 channels() const { return m_channelCount; }
    // The same in decimal, in total and by type.
    QString channelCount() const { return QString::number(m_channelCount); }
    QString ipcCount() const { return QString::number(m_ipcCount); }
    QString dvrCount() const { return QString::number(m_dvrCount); }

    // Formatted when asked (FigureFormat::bitrate), so the unit word is in the
    // language of the moment.
    QString bandwidthValue() const;
    QString bandwidthUnit() const;

    // What one group puts on disk, in kbps: count × bitrate at its recording
    // share; 0 for a group watched live only.
    static double storageRate(const StructDeviceItem &item);

private:
    double m_storageBitrate = 0.0;
    double m_storageLow = 0.0;
    double m_storageHigh = 0.0;
    double m_bandwidthSum = 0.0;
    // Wide enough that no number of groups overflows the sums.
    qint64 m_channelCount = 0;
    qint64 m_ipcCount = 0;
    qint64 m_dvrCount = 0;
    RetentionProfile m_retention;
};
