#pragma once

#include "model/RetentionPolicy.h"
#include "model/StructDeviceItem.h"

#include <QList>
#include <QVector>

// What a group puts on disk when it keeps its video as its policy says: the
// sum over its tiers of storage rate × recording hours × days, with the
// overhead of the calculator's capacity formulas. A group without a policy
// of its own keeps the plan's retention and hours; a group watched live only
// records nothing.
class RetentionNeed
{
public:
    // What every group without a policy of its own keeps.
    struct PlanWide
    {
        int days = 1;
        double hoursPerDay = 24.0;
    };

    // The rates as planned, or should every scene turn out calm or busy:
    // rates recommended by the tables halve or double per step of
    // complexity, typed rates and audio stay.
    enum Scene { AsPlanned = 0, Calm = 1, Busy = 2 };

    // One kind of recording and how long it is kept: kbps over all the
    // group's channels at the share of the time they record.
    struct Tier
    {
        enum Kind { Main, Events, SubStream };
        Kind kind = Main;
        double kbps = 0.0;
        double hoursPerDay = 0.0;
        int days = 0;
    };

    // The main stream for the retention; a continuous group's motion events
    // for the days after it; the sub-stream, recorded beside the main stream
    // from the start, for the retention and the days after it. Audio rides in
    // each stream.
    static QList<Tier> tiers(const StructDeviceItem &group, const RetentionPolicy &policy, const PlanWide &plan,
                             Scene scene = AsPlanned);
    static double gigabytes(const Tier &tier);
    static double gigabytes(const StructDeviceItem &group, const RetentionPolicy &policy, const PlanWide &plan,
                            Scene scene = AsPlanned);
    // kbps a group with its own policy records and sends while it records:
    // its main stream and sub-stream, each with its audio. Storage counts
    // the recording share, the network the whole time.
    static double storageKbps(const StructDeviceItem &group, Scene scene = AsPlanned);
    static double networkKbps(const StructDeviceItem &group);

    // Whether any group keeps its own policy; with none, the calculator's
    // figures are the plan-wide ones as they have always been.
    static bool anyOwn(const QVector<StructDeviceItem> &groups);

    // Whether a disk holds a need, and by how much: the share to spare (0.23
    // for 23 %, negative when short), what it falls short by, and the scale
    // every retention could take and still fit. Nothing needed has no
    // answer: every field stays as it starts.
    struct DiskAnswer
    {
        bool holds = false;
        double spare = 0.0;
        double shortGB = 0.0;
        double scale = 0.0;
    };
    static DiskAnswer answer(double diskGB, double needGB);
};
