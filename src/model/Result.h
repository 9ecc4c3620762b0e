#pragma once

#include <QMetaType>
#include <QString>

// Every input and result of the capacity calculations, as ready-formatted
// texts, carried from the calculator to the report.
struct Result
{
    // Disk size as typed, followed directly by "TB" or "GB".
    QString diskSize;
    int recordHoursPerDay = 0;
    // Retention the disk gives: number, blank, unit.
    QString savedDays;
    QString savedWeeks;
    QString savedMonths;
    // Wanted retention: number followed directly by its unit.
    QString saveTime;
    int dailyRecordHours = 0;
    // Disk the retention needs: number, then " GB" or " TB".
    QString requiredDiskSpace;
    QString channelCount;
    QString ipcCount;
    QString dvrCount;
    // Bandwidth value followed directly by its unit word.
    QString bandWidth;
    // The days the disk keeps at the hours recorded per day, and the GB the
    // wanted retention needs, before any rounding; 0 where there is no figure.
    double exactDays = 0.0;
    double exactDiskGB = 0.0;

    friend bool operator==(const Result &a, const Result &b)
    {
        return a.diskSize == b.diskSize && a.recordHoursPerDay == b.recordHoursPerDay && a.savedDays == b.savedDays &&
               a.savedWeeks == b.savedWeeks && a.savedMonths == b.savedMonths && a.saveTime == b.saveTime &&
               a.dailyRecordHours == b.dailyRecordHours && a.requiredDiskSpace == b.requiredDiskSpace &&
               a.channelCount == b.channelCount && a.ipcCount == b.ipcCount && a.dvrCount == b.dvrCount &&
               a.bandWidth == b.bandWidth && a.exactDays == b.exactDays && a.exactDiskGB == b.exactDiskGB;
    }
    friend bool operator!=(const Result &a, const Result &b) { return !(a == b); }
};

Q_DECLARE_METATYPE(Result)
