#pragma once

#include <QString>

// What the calculator column shows when a plan is opened: the inputs of the
// retention page (how long a disk keeps video), of the disk page (the disk a
// retention needs), of the disk array page and which page is in front. Texts are kept as typed, so a
// plan reopens exactly as it was left, half-typed input included.
struct PlanCalculatorInputs
{
    enum RetentionUnit : int {
        Days = 0,
        Weeks = 1,
        Months = 2,
    };
    enum Mode : int {
        RetentionPage = 0,
        DiskPage = 1,
        BandwidthPage = 2,
        DiskArrayPage = 3,
    };
    // RAID levels, as DiskArray::Level numbers them.
    enum ArrayLevel : int {
        NoRaid = 0,
        Raid1 = 1,
        Raid5 = 2,
        Raid6 = 3,
        Raid10 = 4,
    };

    // Retention page; the size may be a decimal such as "12.5".
    QString diskSize = QStringLiteral("4");
    bool diskInTerabytes = true;
    int retentionPageHoursPerDay = 24;

    // Disk page.
    QString retention = QStringLiteral("1");
    int retentionUnit = Days;
    int diskPageHoursPerDay = 24;

    // Disk array page; the drive size in TB may be a decimal.
    QString arrayDriveTB = QStringLiteral("8");
    QString arrayDrives = QStringLiteral("4");
    int arrayLevel = Raid5;
    QString arraySpares = QStringLiteral("0");

    int mode = BandwidthPage;

    // Whether the array inputs are the ones a new plan starts with.
    bool arrayAtDefaults() const
    {
        const PlanCalculatorInputs fresh;
        return arrayDriveTB == fresh.arrayDriveTB && arrayDrives == fresh.arrayDrives &&
               arrayLevel == fresh.arrayLevel && arraySpares == fresh.arraySpares;
    }

    friend bool operator==(const PlanCalculatorInputs &a, const PlanCalculatorInputs &b)
    {
        return a.diskSize == b.diskSize && a.diskInTerabytes == b.diskInTerabytes &&
               a.retentionPageHoursPerDay == b.retentionPageHoursPerDay && a.retention == b.retention &&
               a.retentionUnit == b.retentionUnit && a.diskPageHoursPerDay == b.diskPageHoursPerDay &&
               a.mode == b.mode && a.arrayDriveTB == b.arrayDriveTB && a.arrayDrives == b.arrayDrives &&
               a.arrayLevel == b.arrayLevel && a.arraySpares == b.arraySpares;
    }
    friend bool operator!=(const PlanCalculatorInputs &a, const PlanCalculatorInputs &b) { return !(a == b); }
};
