#pragma once

#include "device/ReportTable.h"
#include "model/StructDeviceItem.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>

// The report's "Retention policies" section: one row for each group keeping
// its own retention, with its retention, schedule, tiers, audio and the disk
// it needs, in ascending id order. The groups that follow the plan are not
// listed; a note says what they keep.
class ReportPolicySection
{
    // The report's texts are translated with the device list's.
    Q_DECLARE_TR_FUNCTIONS(DeviceAddPage)

public:
    // Whether the report has the section at all: only when a group keeps its own retention.
    static bool shown(const QMap<long long, StructDeviceItem> &devices);

    // The plan's retention is the wanted retention as the other sections
    // print it ("30 days").
    static ReportTable table(const QMap<long long, StructDeviceItem> &devices, const QString &planRetention);
};
