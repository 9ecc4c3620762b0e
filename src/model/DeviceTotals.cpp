#include "model/DeviceTotals.h"

#include "model/DeviceEnums.h"
#include "model/ExactFigures.h"

#include <QCoreApplication>

#include <cmath>

namespace {

constexpr double kKilo = 1024.0;
constexpr double kMega = 1024.0 * 1024.0;
constexpr double kGigabitCap = 999.9;

bool isRecorded(int viewMode)
{
    return viewMode == Recording || viewMode == LiveViewAndRecording;
}

bool isWatchedLive(int viewMode)
{
    return viewMode == LiveView || viewMode == LiveViewAndRecording;
}

// A figure with one decimal in the reader's notation ("66,2" in Russian).
QString tenth(double value)
{
    return ExactFigures::number(value, 'f', 1);
}

// Rounds up to the next tenth in single precision, as the figures have always
// been shown; a value already on a tenth stays.
QString tenthsRoundedUp(float scaledByTen)
{
    const float tenths = std::ceil(scaledByTen) / 10.0f;
    return tenth(double(tenths));
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
    const double groupRate = item.iChannelCount * item.dBitrate;
    const double stored = storageRate(item);
    m_storageBitrate += stored;
    // Each step of complexity halves or doubles a recommendation.
    const int complexity = qBound(int(Low), item.iComplexity, int(High));
    m_storageLow += item.bRateFromTable ? stored * std::ldexp(1.0, Low - complexity) : stored;
    m_storageHigh += item.bRateFromTable ? stored * std::ldexp(1.0, High - complexity) : stored;
    if (!isWatchedLive(item.iViewMode))
        return;
    m_bandwidthSum += groupRate;
    m_channelCount += item.iChannelCount;
    if (item.strDeviceType == QLatin1String("IPC"))
        m_ipcCount += item.iChannelCount;
    else if (item.strDeviceType == QLatin1String("DVR"))
        m_dvrCount += item.iChannelCount;
}

QString DeviceTotals::bandwidthValue() const
{
    QString value;
    QString unit;
    formatBandwidth(m_bandwidthSum, value, unit);
    return value;
}

QString DeviceTotals::bandwidthUnit() const
{
    QString value;
    QString unit;
    formatBandwidth(m_bandwidthSum, value, unit);
    return unit;
}

void DeviceTotals::formatBandwidth(double kbps, QString &value, QString &unit)
{
    const double sum = std::ceil(kbps);
    if (sum > kMega) {
        const float scaled = float(sum) / 1024.0f / 1024.0f * 10.0f;
        value = sum / kKilo / kKilo > kGigabitCap ? tenth(kGigabitCap) : tenthsRoundedUp(scaled);
        //: Unit of a network bandwidth: gigabits per second (shown under the figure and after it).
        unit = QCoreApplication::translate("DeviceAddPage", "Gpbs");
    } else if (sum > kKilo) {
        const float scaled = float(sum) / 1024.0f * 10.0f;
        value = tenthsRoundedUp(scaled);
        //: Unit of a network bandwidth: megabits per second (shown under the figure and after it).
        unit = QCoreApplication::translate("DeviceAddPage", "Mpbs");
    } else {
        value = tenth(sum);
        //: Unit of a network bandwidth: kilobits per second (shown under the figure and after it).
        unit = QCoreApplication::translate("DeviceAddPage", "Kpbs");
    }
}
