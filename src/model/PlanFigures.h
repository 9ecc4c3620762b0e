#pragma once

#include "model/DiskArray.h"
#include "model/PlanCalculatorInputs.h"
#include "model/RetentionProfile.h"
#include "model/StructDeviceItem.h"

#include <QVector>

// Every figure the calculator shows for a plan, worked out from its groups and
// calculator inputs alone, without a window: what a plan kept aside (a variant
// of it) is compared by. The numbers are those the calculator's record holds,
// to the last bit; 0 where there is no figure.
struct PlanFigures
{
    // Channels watched live, and kbps stored (at the recording shares, calm
    // and busy scenes too) and sent over the network, as the device list sums them.
    qint64 channels = 0;
    double storageKbps = 0.0;
    double storageKbpsCalm = 0.0;
    double storageKbpsBusy = 0.0;
    double bandwidthKbps = 0.0;

    // The days the disk keeps at the retention page's hours; with groups of
    // their own retention, the days the groups that follow the plan keep on
    // what the others leave.
    double days = 0.0;
    double calmDays = 0.0;
    double busyDays = 0.0;
    // GB the wanted retention needs at the disk page's hours, every group's
    // own retention included.
    double diskGB = 0.0;
    double calmDiskGB = 0.0;
    double busyDiskGB = 0.0;

    // The disk array: why it cannot exist, else its capacities and the days
    // it keeps at the disk page's hours.
    DiskArray::Fault arrayFault = DiskArray::NoFault;
    double arrayRawTB = 0.0;
    double arrayUsableTB = 0.0;
    double arrayDays = 0.0;
    double arrayCalmDays = 0.0;
    double arrayBusyDays = 0.0;
    // Drives of the array's size, level and spares the wanted retention needs;
    // 0 with drivesNeededFault saying why when no such array exists. A calm or
    // busy bound past the largest array reads DiskArray::kMaxDrives + 1.
    int drivesNeeded = 0;
    int drivesNeededCalm = 0;
    int drivesNeededBusy = 0;
    DiskArray::Fault drivesNeededFault = DiskArray::NoFault;

    // The input texts count as the calculator counts them: "12." as 12, an
    // empty field as 0, a TB as 1000 GB, a week as 7 days and a month as 30;
    // hours a day out of range and an unknown RAID level take the defaults
    // a new plan starts with.
    static PlanFigures compute(const QVector<StructDeviceItem> &groups, const PlanCalculatorInputs &inputs);

    // What the device list announces of its groups, all the calculator
    // needs of them: the storage rate as planned and for calm and busy
    // scenes, and how the groups keep their video.
    struct Load
    {
        double kbps = 0.0;
        double calmKbps = 0.0;
        double busyKbps = 0.0;
        RetentionProfile retention;
    };
    // The same from the announced load; channels and bandwidth stay 0.
    static PlanFigures compute(const Load &load, const PlanCalculatorInputs &inputs);
};
