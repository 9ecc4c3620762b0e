#include "model/DeviceTotals.h"

#include "model/DeviceEnums.h"
#include "model/FigureFormat.h"

#include <cmath>

namespace {

bool isRecorded(int viewMode)
{
    return viewMode == Recording || viewMode == LiveViewAndRecording;
}

bool isWatchedLive(int viewMode)
{
    return viewMode == LiveView || viewMode == LiveViewAndRecording;
}

} // namespace

DeviceTotals::DeviceTotals(const QMap<long long, StructDeviceItem> &items)
{
    for (const StructDeviceItem &item : items)
        add(item);
}

double DeviceTotals::storageRate(const StructDeviceItem &item)
{
    if (!isRecorded(item.iViewMode))
        return 0.0;
    return item.iChannelCount * item.dBitrate *
           (qBound(0, item.iRecordingShare, StructDeviceItem::kContinuousShare) /
            double(StructDeviceItem::kContinuousShare));
}

void DeviceTotals::add(const StructDeviceItem &item)
{
    m_retention.add(item);
    if (item.policy.own) {
        // Sub-stream and audio ride along; the rule for calm and busy scenes is
        // the retention's, which leaves typed rates and audio as they are.
        m_storageBitrate += RetentionNeed::storageKbps(item);
        m_storageLow += RetentionNeed::storageKbps(item, RetentionNeed::Calm);
        m_storageHigh += RetentionNeed::storageKbps(item, RetentionNeed::Busy);
    } else {
        const double stored = storageRate(item);
        m_storageBitrate += stored;
        // Each step of complexity halves or doubles a recommendation.
        const int complexity = qBound(int(Low), item.iComplexity, int(High));
        m_storageLow += item.bRateFromTable ? stored * std::ldexp(1.0, Low - complexity) : stored;
        m_storageHigh += item.bRateFromTable ? stored * std::ldexp(1.0, High - complexity) : stored;
    }
    if (!isWatchedLive(item.iViewMode))
        return;
    m_bandwidthSum += item.policy.own ? RetentionNeed::networkKbps(item) : item.iChannelCount * item.dBitrate;
    m_channelCount += item.iChannelCount;
    if (item.strDeviceType == QLatin1String("IPC"))
        m_ipcCount += item.iChannelCount;
    else if (item.strDeviceType == QLatin1String("DVR"))
        m_dvrCount += item.iChannelCount;
}

QString DeviceTotals::bandwidthValue() const
{
    return FigureFormat::bitrate(m_bandwidthSum).value;
}

QString DeviceTotals::bandwidthUnit() const
{
    return FigureFormat::bitrate(m_bandwidthSum).unit;
}
