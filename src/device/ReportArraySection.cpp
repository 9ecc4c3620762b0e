#include "device/ReportArraySection.h"

#include "device/ReportFigures.h"
#include "model/DiskArray.h"
#include "model/ExactFigures.h"

namespace {

// Drive sizes are sold to the hundredth of a TB ("1.92 TB").
constexpr int kDriveDecimals = 2;

QString orNone(const QString &text)
{
    return text.isEmpty() ? ReportFigures::none() : text;
}

} // namespace

QString ReportArraySection::drivesOfSize(const Result &result)
{
    if (result.arrayDrives <= 0 || !ReportFigures::isFigure(result.arrayDriveTB))
        return ReportFigures::none();
    return tr("%1 × %2 TB").arg(result.arrayDrives).arg(ReportFigures::trimmed(result.arrayDriveTB, kDriveDecimals));
}

QString ReportArraySection::levelWithSpares(const Result &result)
{
    const QString level = DiskArray::levelName(result.arrayLevel);
    return result.arraySpares > 0 ? tr("%1 + %n spare(s)", nullptr, result.arraySpares).arg(level) : level;
}

QString ReportArraySection::withSpread(const QString &figure, const QString &spread)
{
    if (figure.isEmpty())
        return ReportFigures::none();
    return spread.isEmpty() ? figure : figure + QLatin1Char('\n') + spread;
}

ReportTable ReportArraySection::table(const Result &result, const QString &retention)
{
    ReportTable table;
    table.title = tr("Disk Array");
    if (!result.arrayFault.isEmpty()) {
        // The planner's inputs cannot make an array: its figures would mean nothing.
        table.headers = {tr("Problem")};
        table.rows = {{result.arrayFault}};
        return table;
    }

    QString usable;
    if (ReportFigures::isFigure(result.arrayUsableTB)) {
        const QString terabytes = ReportFigures::trimmed(result.arrayUsableTB, 1);
        usable = ReportFigures::isFigure(result.arrayUsableTiB)
                     ? tr("%1 TB (%2 TiB)").arg(terabytes, ExactFigures::oneDecimal(result.arrayUsableTiB))
                     : tr("%1 TB").arg(terabytes);
    }
    const QString raw = ReportFigures::isFigure(result.arrayRawTB)
                            ? tr("%1 TB").arg(ReportFigures::trimmed(result.arrayRawTB, 1))
                            : QString();
    const QString days = withSpread(ReportFigures::days(result.arrayDays),
                                    ReportFigures::daysSpread(result.arrayBusyDays, result.arrayCalmDays));
    QString needed;
    if (result.arrayDrivesNeeded > 0) {
        needed = withSpread(ReportFigures::drives(result.arrayDrivesNeeded),
                            ReportFigures::drivesSpread(result.arrayDrivesNeededCalm, result.arrayDrivesNeededBusy));
    } else {
        needed = orNone(result.arrayNeedFault);
    }

    table.headers = {tr("Drives"),
                     tr("RAID Level"),
                     tr("Hot Spares"),
                     tr("Raw Capacity"),
                     tr("Usable Capacity"),
                     tr("Kept at %1 h/day").arg(qMax(0, result.dailyRecordHours)),
                     tr("Drives for %1").arg(retention)};
    table.rows = {{drivesOfSize(result), DiskArray::levelName(result.arrayLevel),
                   QString::number(qMax(0, result.arraySpares)), orNone(raw), orNone(usable), days, needed}};
    return table;
}

ReportFigure ReportArraySection::summary(const Result &result)
{
    const QString caption = tr("Disk array");
    if (!result.arrayFault.isEmpty())
        return {caption, tr("Cannot be built")};
    const QString drives = drivesOfSize(result);
    if (drives == ReportFigures::none())
        return {caption, drives};
    const QString array = QStringLiteral("%1 %2").arg(drives, levelWithSpares(result));
    const QString days = ReportFigures::days(result.arrayDays);
    return {caption, days.isEmpty() ? array : tr("%1, keeps %2").arg(array, days)};
}
