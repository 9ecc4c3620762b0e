#include "model/RetentionNeed.h"

#include "model/DeviceEnums.h"
#include "model/DeviceTotals.h"

#include <algorithm>
#include <cmath>

namespace {

// The group at another rate per channel and recording share, so that the
// storage rate follows the device list's own rule for recorded groups.
double recordedKbps(const StructDeviceItem &group, double channelKbps, int share)
{
    StructDeviceItem tier = group;
    tier.dBitrate = channelKbps;
    tier.iRecordingShare = share;
    return DeviceTotals::storageRate(tier);
}

// What a scene makes of a rate the tables recommended at `complexity`: each
// step halves or doubles it, as the device list's ranges count it.
double sceneFactor(RetentionNeed::Scene scene, int complexity)
{
    const int from = qBound(int(Low), complexity, int(High));
    if (scene == RetentionNeed::Calm)
        return std::ldexp(1.0, Low - from);
    if (scene == RetentionNeed::Busy)
        return std::ldexp(1.0, High - from);
    return 1.0;
}

double mainChannelKbps(const StructDeviceItem &group, RetentionNeed::Scene scene)
{
    return group.bRateFromTable ? group.dBitrate * sceneFactor(scene, group.iComplexity) : group.dBitrate;
}

double subChannelKbps(const StructDeviceItem &group, RetentionNeed::Scene scene)
{
    const RetentionPolicy &policy = group.policy;
    return policy.subStreamRateTyped ? policy.subStreamKbps
                                     : policy.subStreamKbps * sceneFactor(scene, group.iComplexity);
}

} // namespace

QList<RetentionNeed::Tier> RetentionNeed::tiers(const StructDeviceItem &group, const RetentionPolicy &policy,
                                                const PlanWide &plan, Scene scene)
{
    const bool own = policy.own;
    const double audio = own ? policy.audioKbps() : 0.0;
    const double hours = own ? policy.averageHoursPerDay() : plan.hoursPerDay;
    const int days = own ? policy.retentionDays() : plan.days;
    StructDeviceItem sized = group;
    sized.policy = policy;
    const double video = mainChannelKbps(sized, scene);
    QList<Tier> out;
    const double mainKbps = recordedKbps(group, video + audio, group.iRecordingShare);
    if (!(mainKbps > 0.0))
        return out;
    out.append({Tier::Main, mainKbps, hours, days});
    if (!own)
        return out;
    if (policy.eventDays > 0 && group.iRecordingShare >= StructDeviceItem::kContinuousShare)
        out.append({Tier::Events, recordedKbps(group, video + audio, policy.eventShare), hours, policy.eventDays});
    if (policy.subStreamDays > 0)
        out.append({Tier::SubStream, recordedKbps(group, subChannelKbps(sized, scene) + audio, group.iRecordingShare),
                    hours, days + policy.subStreamDays});
    return out;
}

double RetentionNeed::storageKbps(const StructDeviceItem &group, Scene scene)
{
    const RetentionPolicy &policy = group.policy;
    const double audio = policy.own ? policy.audioKbps() : 0.0;
    double channel = mainChannelKbps(group, scene) + audio;
    if (policy.own && policy.subStreamDays > 0)
        channel += subChannelKbps(group, scene) + audio;
    return recordedKbps(group, channel, group.iRecordingShare);
}

double RetentionNeed::networkKbps(const StructDeviceItem &group)
{
    const RetentionPolicy &policy = group.policy;
    const double audio = policy.own ? policy.audioKbps() : 0.0;
    double channel = group.dBitrate + audio;
    if (policy.own && policy.subStreamDays > 0)
        channel += policy.subStreamKbps + audio;
    return group.iChannelCount * channel;
}

double RetentionNeed::gigabytes(const Tier &tier)
{
    // The calculator's diskSizeForHours, in the same order of operations, for
    // hours that need not be whole.
    const double hours = tier.hoursPerDay * tier.days;
    return hours * (tier.kbps * 3600) * 1.0030090270812437 / 8000000 * 1.024;
}

double RetentionNeed::gigabytes(const StructDeviceItem &group, const RetentionPolicy &policy, const PlanWide &plan,
                                Scene scene)
{
    double sum = 0.0;
    for (const Tier &tier : tiers(group, policy, plan, scene))
        sum += gigabytes(tier);
    return sum;
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
