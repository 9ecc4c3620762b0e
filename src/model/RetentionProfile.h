#pragma once

#include "model/RetentionNeed.h"
#include "model/StructDeviceItem.h"

#include <QList>
#include <QString>

#include <array>

// What the calculator needs to know of a plan's retention, gathered group by
// group as the device list changes: the storage rate of the groups that
// follow the plan's retention and hours (their need waits for the
// calculator's inputs), and the need of every group that keeps its own
// policy, which no input changes. Each for the rates as planned and for calm
// and busy scenes.
class RetentionProfile
{
public:
    using Scene = RetentionNeed::Scene;

    // Counts one more group in.
    void add(const StructDeviceItem &group);

    bool anyOwn() const { return !m_own.isEmpty(); }
    // Every group counted in, recorded or not.
    int groups() const { return m_groups; }
    // Whether any recorded group follows the plan.
    bool anyFollowing() const { return m_following > 0; }

    // kbps of the recorded groups that follow the plan.
    double followingKbps(Scene scene) const { return m_followingKbps[scene]; }
    // GB the groups with their own policy need.
    double ownGigabytes(Scene scene) const { return m_ownGB[scene]; }
    // GB every group needs when those that follow the plan keep `plan`.
    double gigabytes(const RetentionNeed::PlanWide &plan, Scene scene) const;
    // The days the groups that follow the plan keep, recording that many
    // hours a day, on what the groups with their own policy leave of a disk;
    // 0 when nothing is left or none follows the plan.
    double followingDays(double diskGB, double hoursPerDay, Scene scene) const;

    // Whether a disk holds every group's retention as planned, the groups
    // that follow the plan keeping `plan`.
    RetentionNeed::DiskAnswer answer(double diskGB, const RetentionNeed::PlanWide &plan) const
    {
        return RetentionNeed::answer(diskGB, gigabytes(plan, RetentionNeed::AsPlanned));
    }

    // A group and what it needs, as planned.
    struct Share
    {
        QString name;
        double gigabytes = 0.0;
    };
    // The groups that need the most, largest first, at most `count` and at
    // most kLargest; on equal needs a group with its own policy comes first.
    QList<Share> largest(const RetentionNeed::PlanWide &plan, int count = kLargest) const;
    static constexpr int kLargest = 3;

private:
    std::array<double, 3> m_followingKbps{};
    std::array<double, 3> m_ownGB{};
    int m_following = 0;
    int m_groups = 0;
    // Every group with its own policy, and the largest that follow the plan
    // by their rate (at one retention, rate orders need), largest first.
    QList<Share> m_own;
    QList<Share> m_topFollowing;
};
