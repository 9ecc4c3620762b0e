#include "model/RetentionProfile.h"

#include "model/BitrateCalculator.h"
#include "model/DeviceTotals.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr RetentionNeed::Scene kScenes[] = {RetentionNeed::AsPlanned, RetentionNeed::Calm, RetentionNeed::Busy};

bool largerFirst(const RetentionProfile::Share &a, const RetentionProfile::Share &b)
{
    return a.gigabytes > b.gigabytes;
}

} // namespace

void RetentionProfile::add(const StructDeviceItem &group)
{
    ++m_groups;
    if (group.policy.own) {
        const RetentionNeed::PlanWide unused;
        for (const Scene scene : kScenes)
            m_ownGB[scene] += RetentionNeed::gigabytes(group, group.policy, unused, scene);
        m_own.append({group.strChannelName, RetentionNeed::gigabytes(group, group.policy, unused)});
        return;
    }
    const double kbps = DeviceTotals::storageRate(group);
    if (!(kbps > 0.0))
        return;
    ++m_following;
    for (const Scene scene : kScenes)
        m_followingKbps[scene] += RetentionNeed::storageKbps(group, scene);
    // Kept as a rate here; largest() turns it into a need.
    const Share share{group.strChannelName, kbps};
    const auto at = std::upper_bound(m_topFollowing.begin(), m_topFollowing.end(), share, largerFirst);
    if (at - m_topFollowing.begin() < kLargest) {
        m_topFollowing.insert(at, share);
        if (m_topFollowing.size() > kLargest)
            m_topFollowing.removeLast();
    }
}

double RetentionProfile::gigabytes(const RetentionNeed::PlanWide &plan, Scene scene) const
{
    const RetentionNeed::Tier following{RetentionNeed::Tier::Main, m_followingKbps[scene], plan.hoursPerDay, plan.days};
    return m_ownGB[scene] + RetentionNeed::gigabytes(following);
}

double RetentionProfile::followingDays(double diskGB, double hoursPerDay, Scene scene) const
{
    const double left = diskGB - m_ownGB[scene];
    const double kbps = m_followingKbps[scene];
    if (!(left > 0.0) || !(kbps > 0.0) || !(hoursPerDay > 0.0))
        return 0.0;
    const double days = BitrateCalculator::hoursForDiskSize(kbps, left) / hoursPerDay;
    return std::isfinite(days) && days > 0.0 ? days : 0.0;
}

QList<RetentionProfile::Share> RetentionProfile::largest(const RetentionNeed::PlanWide &plan, int count) const
{
    QList<Share> all = m_own;
    for (const Share &rate : m_topFollowing)
        all.append({rate.name, RetentionNeed::gigabytes(
                                   {RetentionNeed::Tier::Main, rate.gigabytes, plan.hoursPerDay, plan.days})});
    std::stable_sort(all.begin(), all.end(), largerFirst);
    all.resize(qBound(qsizetype(0), qsizetype(qMin(count, kLargest)), all.size()));
    return all;
}
