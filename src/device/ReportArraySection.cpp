#include "device/ReportArraySection.h"

#include "model/DiskArray.h"
#include "model/FigureFormat.h"

namespace {

// Drive sizes are sold to the hundredth of a TB ("1.92 TB").
constexpr int kDriveDecimals = 2;

QString orNone(const QString &text)
{
    return text.isEmpty() ? FigureFormat::none() : text;
}

} // namespace

QString ReportArraySection::drivesOfSize(const Result &result)
{
    if (result.arrayDrives <= 0 || !FigureFormat::isFigure(result.arrayDriveTB))
        return FigureFormat::none();
    //: The drives of a disk array in the report: %1 drives of %2 terabytes each ("6 × 8 TB").
    return tr("%1 × %2 TB").arg(result.arrayDrives).arg(FigureFormat::trimmed(result.arrayDriveTB, kDriveDecimals));
}

QString ReportArraySection::levelWithSpares(const Result &result)
{
    const QString level = DiskArray::levelName(result.arrayLevel);
    //: A disk array's RAID level (%1, "RAID 6") and its %n hot-spare drives, in the report.
    return result.arraySpares > 0 ? tr("%1 + %n spare(s)", nullptr, result.arraySpares).arg(level) : level;
}

QString ReportArraySection::withSpread(const QString &figure, const QString &spread)
{
    if (figure.isEmpty())
        return FigureFormat::none();
    return spread.isEmpty() ? figure : figure + QLatin1Char('\n') + spread;
}

ReportTable ReportArraySection::table(const Result &result, const QString &retention)
{
    ReportTable table;
    //: Title of the report's section on the disk array.
    table.title = tr("Disk Array");
    if (!result.arrayFault.isEmpty()) {
        // The planner's inputs cannot make an array: its figures would mean nothing.
        //: Column caption over the reason a disk array cannot be built.
        table.headers = {tr("Problem")};
        table.rows = {{result.arrayFault}};
        return table;
    }

    QString usable;
    if (FigureFormat::isFigure(result.arrayUsableTB)) {
        const QString terabytes = FigureFormat::trimmed(result.arrayUsableTB, 1);
        //: A disk array's usable capacity: %1 in terabytes (1000 GB), %2 the same in tebibytes (1024⁴ bytes).
        const QString both = tr("%1 TB (%2 TiB)");
        //: A disk array's capacity in terabytes (1000 GB).
        const QString only = tr("%1 TB");
        usable = FigureFormat::isFigure(result.arrayUsableTiB)
                     ? both.arg(terabytes, FigureFormat::oneDecimal(result.arrayUsableTiB))
                     : only.arg(terabytes);
    }
    //: A disk array's capacity in terabytes (1000 GB).
    const QString raw = FigureFormat::isFigure(result.arrayRawTB)
                            ? tr("%1 TB").arg(FigureFormat::trimmed(result.arrayRawTB, 1))
                            : QString();
    const QString days = withSpread(FigureFormat::days(result.arrayDays),
                                    FigureFormat::retentionRange(result.arrayBusyDays, result.arrayCalmDays));
    QString needed;
    if (result.arrayDrivesNeeded > 0) {
        needed = withSpread(FigureFormat::drives(result.arrayDrivesNeeded),
                            FigureFormat::driveCountRange(result.arrayDrivesNeededCalm, result.arrayDrivesNeededBusy));
    } else {
        needed = orNone(result.arrayNeedFault);
    }

    //: Column caption in the report's disk-array section: the drives and their size (a noun).
    const QString drives = tr("Drives");
    //: Column caption in the report's disk-array section: the number of hot-spare drives.
    const QString spares = tr("Hot Spares");
    //: Column caption in the report's disk-array section: the days the array keeps video when %1 hours are
    //: recorded a day.
    const QString kept = tr("Kept at %1 h/day").arg(qMax(0, result.dailyRecordHours));
    //: Column caption in the report's disk-array section: the drives the wanted retention needs; %1 is that
    //: retention ("30 days", "1 week").
    const QString needs = tr("Drives for %1").arg(retention);
    table.headers = {drives, tr("RAID Level"), spares, tr("Raw Capacity"), tr("Usable Capacity"), kept, needs};
    table.rows = {{drivesOfSize(result), DiskArray::levelName(result.arrayLevel),
                   QString::number(qMax(0, result.arraySpares)), orNone(raw), orNone(usable), days, needed}};
    // Whether the array holds every group's own retention, when any has one.
    table.note = result.arrayAnswer;
    return table;
}

ReportFigure ReportArraySection::summary(const Result &result)
{
    //: Caption of the disk array's line in the report's title block.
    const QString caption = tr("Disk array");
    if (!result.arrayFault.isEmpty()) {
        //: The disk array's line in the report's title block when the planner's drives cannot make the array.
        return {caption, tr("Cannot be built")};
    }
    const QString drives = drivesOfSize(result);
    if (drives == FigureFormat::none())
        return {caption, drives};
    //: A disk array in the report's title block: %1 its drives ("6 × 8 TB"), %2 its RAID level with any spares
    //: ("RAID 6 + 1 spare").
    const QString array = tr("%1 %2", "disk array").arg(drives, levelWithSpares(result));
    const QString days = FigureFormat::days(result.arrayDays);
    //: A disk array in the report's title block: %1 the array, %2 the days it keeps video ("31.4 days").
    return {caption, days.isEmpty() ? array : tr("%1, keeps %2").arg(array, days)};
}
