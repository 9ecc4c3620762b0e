#pragma once

#include <QMetaType>
#include <QString>

// Every input and result of the capacity calculations, carried from the
// calculator to the report: the figures as numbers, worked out once per
// change, and beside them the texts made from those numbers (FigureFormat),
// for whoever reads a record as it has always been written. The texts are
// whole phrases in the language and number notation of the moment, each unit
// in the plural form its number takes.
struct Result
{
    // Disk size as typed with its unit: "4 TB", "12,5 ТБ".
    QString diskSize;
    int recordHoursPerDay = 0;
    // Retention the disk gives, the figures the calculator shows with their
    // units: "88 days", "12 weeks", "2 months".
    QString savedDays;
    QString savedWeeks;
    QString savedMonths;
    // Wanted retention with its unit: "30 days", "1 week".
    QString saveTime;
    int dailyRecordHours = 0;
    // Disk the retention needs: "46 GB", "2 TB".
    QString requiredDiskSpace;
    QString channelCount;
    QString ipcCount;
    QString dvrCount;
    // Bandwidth with its unit: "24.0 Mbps".
    QString bandWidth;
    // The days the disk keeps at the hours recorded per day (weeks and months
    // follow from them), and the GB the wanted retention needs, before any
    // rounding; 0 where there is no figure. savedDays … requiredDiskSpace are
    // these numbers written out.
    double exactDays = 0.0;
    double exactDiskGB = 0.0;

    // Scene activity: the same two figures should every group whose rate came
    // from the tables turn out calm (Low) or busy (High) complexity. Calm
    // scenes keep the most days and need the least disk; 0 where there is no
    // figure.
    double calmDays = 0.0;
    double busyDays = 0.0;
    double calmDiskGB = 0.0;
    double busyDiskGB = 0.0;

    // When any group keeps its own retention: whether the disk holds every
    // group's retention, with the groups that follow the plan at the wanted
    // retention (saveTime) and recordHoursPerDay, in words; empty otherwise.
    QString retentionAnswer;
    // The groups that need the most of the disk for the retention and their
    // shares, in words; empty for fewer than two groups.
    QString largestNeeds;

    // The disk array, for the report's section on it: shown once the planner
    // has set one up or has its page in front.
    bool arrayShown = false;
    double arrayDriveTB = 0.0;
    int arrayDrives = 0;
    int arrayLevel = 0; // DiskArray::Level
    int arraySpares = 0;
    // Why the array cannot exist, translated; empty when it can.
    QString arrayFault;
    double arrayRawTB = 0.0;
    double arrayUsableTB = 0.0;
    double arrayUsableTiB = 0.0;
    // Days the array keeps at dailyRecordHours a day: at the current total,
    // for calm and for busy scenes.
    double arrayDays = 0.0;
    double arrayCalmDays = 0.0;
    double arrayBusyDays = 0.0;
    // Drives of that size, level and spares the wanted retention (saveTime)
    // needs; 0 with arrayNeedFault saying why when no such array exists.
    // With groups of their own retention, arrayAnswer says whether the array
    // holds every one. A
    // calm or busy bound past the largest array reads DiskArray::kMaxDrives + 1.
    int arrayDrivesNeeded = 0;
    int arrayDrivesNeededCalm = 0;
    int arrayDrivesNeededBusy = 0;
    QString arrayNeedFault;
    QString arrayAnswer;

    friend bool operator==(const Result &a, const Result &b)
    {
        return a.diskSize == b.diskSize && a.recordHoursPerDay == b.recordHoursPerDay && a.savedDays == b.savedDays &&
               a.savedWeeks == b.savedWeeks && a.savedMonths == b.savedMonths && a.saveTime == b.saveTime &&
               a.dailyRecordHours == b.dailyRecordHours && a.requiredDiskSpace == b.requiredDiskSpace &&
               a.channelCount == b.channelCount && a.ipcCount == b.ipcCount && a.dvrCount == b.dvrCount &&
               a.bandWidth == b.bandWidth && a.exactDays == b.exactDays && a.exactDiskGB == b.exactDiskGB &&
               a.calmDays == b.calmDays && a.busyDays == b.busyDays && a.calmDiskGB == b.calmDiskGB &&
               a.busyDiskGB == b.busyDiskGB && a.retentionAnswer == b.retentionAnswer &&
               a.largestNeeds == b.largestNeeds && a.arrayShown == b.arrayShown && a.arrayDriveTB == b.arrayDriveTB &&
               a.arrayDrives == b.arrayDrives && a.arrayLevel == b.arrayLevel && a.arraySpares == b.arraySpares &&
               a.arrayFault == b.arrayFault && a.arrayRawTB == b.arrayRawTB && a.arrayUsableTB == b.arrayUsableTB &&
               a.arrayUsableTiB == b.arrayUsableTiB && a.arrayDays == b.arrayDays &&
               a.arrayCalmDays == b.arrayCalmDays && a.arrayBusyDays == b.arrayBusyDays &&
               a.arrayDrivesNeeded == b.arrayDrivesNeeded && a.arrayDrivesNeededCalm == b.arrayDrivesNeededCalm &&
               a.arrayDrivesNeededBusy == b.arrayDrivesNeededBusy && a.arrayNeedFault == b.arrayNeedFault &&
               a.arrayAnswer == b.arrayAnswer;
    }
    friend bool operator!=(const Result &a, const Result &b) { return !(a == b); }
};

Q_DECLARE_METATYPE(Result)
