#include "model/RetentionNeed.h"

#include "model/DeviceTotals.h"

#include <algorithm>
#include <cmath>

namespace {

// The group at another rate per channel and recording share, so that the
// storage rate follows the device list's own rule for recorded groups.
double storageKbps(const StructDeviceItem &group, double channelKbps, int share)
{
    StructDeviceItem tier = group;
    tier.dBitrate = channelKbps;
    tier.iRecordingShare = share;
    return DeviceTotals::storageRate(tier);
}

} // namespace

QList<RetentionNeed::Tier> RetentionNeed::tiers(const StructDeviceItem &group, const RetentionPolicy &policy,
                                                const PlanWide &plan)
{
    const bool own = policy.own;
    const double audio = own ? policy.audioKbps() : 0.0;
    const double hours = own ? policy.averageHoursPerDay() : plan.hoursPerDay;
    const int days = own ? policy.retentionDays() : plan.days;
    QList<Tier> out;
    const double mainKbps = storageKbps(group, group.dBitrate + audio, group.iRecordingShare);
    if (!(mainKbps > 0.0))
        return out;
    out.append({Tier::Main, mainKbps, hours, days});
    if (!own)
        return out;
    if (policy.eventDays > 0 && group.iRecordingShare >= StructDeviceItem::kContinuousShare)
        out.append(
            {Tier::Events, storageKbps(group, group.dBitrate + audio, policy.eventShare), hours, policy.eventDays});
    if (policy.subStreamDays > 0)
        out.append({Tier::SubStream, storageKbps(group, policy.subStreamKbps + audio, group.iRecordingShare), hours,
                    days + policy.subStreamDays});
    return out;
}

double RetentionNeed::gigabytes(const Tier &tier)
{
    // The calculator's diskSizeForHours, in the same order of operations, for
    // hours that need not be whole.
    const double hours = tier.hoursPerDay * tier.days;
    return hours * (tier.kbps * 3600) * 1.0030090270812437 / 8000000 * 1.024;
}

double RetentionNeed::gigabytes(const StructDeviceItem &group, const RetentionPolicy &policy, const PlanWide &plan)
{
    double sum = 0.0;
    for (const Tier &tier : tiers(group, policy, plan))
        sum += gigabytes(tier);
    return sum;
}

double RetentionNeed::gigabytes(const QVector<StructDeviceItem> &groups, const PlanWide &plan)
{
    double sum = 0.0;
    for (const StructDeviceItem &group : groups)
        sum += gigabytes(group, group.policy, plan);
    return sum;
}

QList<std::pair<int, double>> RetentionNeed::largest(const QVector<StructDeviceItem> &groups, const PlanWide &plan,
                                                     int count)
{
    QList<std::pair<int, double>> needs;
    needs.reserve(groups.size());
    for (qsizetype i = 0; i < groups.size(); ++i)
        needs.append({int(i), gigabytes(groups.at(i), groups.at(i).policy, plan)});
    // Equal needs keep the list's order.
    std::stable_sort(needs.begin(), needs.end(), [](const std::pair<int, double> &a, const std::pair<int, double> &b) {
        return a.second > b.second;
    });
    needs.resize(qBound(qsizetype(0), qsizetype(count), needs.size()));
    return needs;
}

bool RetentionNeed::anyOwn(const QVector<StructDeviceItem> &groups)
{
    return std::any_of(groups.cbegin(), groups.cend(), [](const StructDeviceItem &group) { return group.policy.own; });
}

RetentionNeed::DiskAnswer RetentionNeed::answer(double diskGB, double needGB)
{
    DiskAnswer out;
    if (!(needGB > 0.0) || !std::isfinite(diskGB) || !std::isfinite(needGB))
        return out;
    out.holds = diskGB >= needGB;
    out.spare = diskGB / needGB - 1.0;
    out.shortGB = out.holds ? 0.0 : needGB - diskGB;
    // Every tier's days scale the need alike.
    out.scale = diskGB / needGB;
    return out;
}
