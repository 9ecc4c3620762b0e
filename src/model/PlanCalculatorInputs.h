#pragma once

#include <QString>

// What the calculator column shows when a plan is opened: the inputs of the
// retention page (how long a disk keeps video), of the disk page (the disk a
// retention needs) and which page is in front. Texts are kept as typed, so a
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
    };

    // Retention page; the size may be a decimal such as "12.5".
    QString diskSize = QStringLiteral("4");
    bool diskInTerabytes = true;
    int retentionPageHoursPerDay = 24;

    // Disk page.
    QString retention = QStringLiteral("1");
    int retentionUnit = Days;
    int diskPageHoursPerDay = 24;

    int mode = BandwidthPage;

    friend bool operator==(const PlanCalculatorInputs &a, const PlanCalculatorInputs &b)
    {
        return a.diskSize == b.diskSize && a.diskInTerabytes == b.diskInTerabytes &&
               a.retentionPageHoursPerDay == b.retentionPageHoursPerDay && a.retention == b.retention &&
               a.retentionUnit == b.retentionUnit && a.diskPageHoursPerDay == b.diskPageHoursPerDay && a.mode == b.mode;
    }
    friend bool operator!=(const PlanCalculatorInputs &a, const PlanCalculatorInputs &b) { return !(a == b); }
};
