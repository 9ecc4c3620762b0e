#pragma once

#include "device/ReportDocument.h"
#include "device/ReportTable.h"
#include "model/Result.h"

#include <QCoreApplication>
#include <QString>

// The report's "Disk Array" section and its line in the title block, from the
// figures the calculator's disk-array page left in the result: the drives,
// level and spares, the raw and usable capacity, the days the array keeps
// and the drives the wanted retention needs, each with what scene activity
// makes of it. An array that cannot exist gets its reason instead of figures.
class ReportArraySection
{
    // The report's texts are translated with the device list's.
    Q_DECLARE_TR_FUNCTIONS(DeviceAddPage)

public:
    // Whether the report has the section at all.
    static bool shown(const Result &result) { return result.arrayShown; }

    // The section's title, caption row and one row of figures. The retention
    // text is the wanted retention as the other sections print it ("30 days").
    static ReportTable table(const Result &result, const QString &retention);

    // "6 × 8 TB RAID 6 + 1 spare, keeps 31 days" for the title block.
    static ReportFigure summary(const Result &result);

private:
    // "6 × 8 TB"; none() when either figure is missing.
    static QString drivesOfSize(const Result &result);
    // "RAID 6", "RAID 6 + 1 spare(s)".
    static QString levelWithSpares(const Result &result);
    // The figure over what scene activity makes of it.
    static QString withSpread(const QString &figure, const QString &spread);
};
