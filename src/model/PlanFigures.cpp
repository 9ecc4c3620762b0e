#include "model/PlanFigures.h"

#include "model/BitrateCalculator.h"
#include "model/DeviceTotals.h"
#include "model/RetentionProfile.h"

#include <QMap>

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int kMaxHoursPerDay = 24;
constexpr double kGBPerTB = 1000.0;

using Scene = RetentionNeed::Scene;
constexpr Scene kScenes[] = {RetentionNeed::AsPlanned, RetentionNeed::Calm, RetentionNeed::Busy};

// The calculator's fields take no more than this; a plan file may hold anything.
int hoursOrDefault(int hours, int fallback)
{
    return hours >= 0 && hours <= kMaxHoursPerDay ? hours : fallback;
}

int toInt(qint64 value)
{
    const qint64 lowest = std::numeric_limits<int>::min();
    const qint64 highest = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(lowest, value, highest));
}

double diskSizeInGB(const PlanCalculatorInputs &in)
{
    QString text = in.diskSize;
    // "12." is a decimal on its way and counts as 12.
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    const double size = (text.isEmpty() ? QStringLiteral("0") : text).toDouble();
    return in.diskInTerabytes ? size * kGBPerTB : size;
}

int retentionDays(const PlanCalculatorInputs &in)
{
    const qint64 count = in.retention.toInt();
    return toInt(in.retentionUnit == PlanCalculatorInputs::Weeks    ? count * 7
                 : in.retentionUnit == PlanCalculatorInputs::Months ? count * 30
                                                                    : count);
}

// The storage rate as planned and for calm and busy scenes, by RetentionNeed::Scene.
using Rates = std::array<double, 3>;

// The disk figures of a plan whose every group follows the plan's retention.
void diskFollowingThePlan(PlanFigures &f, const Rates &rates, double diskGB, int hoursPerDay, int retentionHours)
{
    const auto daysAt = [&](double kbps) {
        // A rate this close to 0 is what the sums leave of none.
        if ((kbps > -0.000001 && kbps < 0.000001) || hoursPerDay == 0)
            return 0.0;
        const double days = BitrateCalculator::hoursForDiskSize(kbps, diskGB) / hoursPerDay;
        return std::isfinite(days) && days > 0.0 ? days : 0.0;
    };
    const auto diskAt = [&](double kbps) {
        if (kbps > -0.000001 && kbps < 0.000001)
            return 0.0;
        const double gigabytes = BitrateCalculator::diskSizeForHours(kbps, retentionHours);
        return std::isfinite(gigabytes) && gigabytes > 0.0 ? gigabytes : 0.0;
    };
    f.days = daysAt(rates[RetentionNeed::AsPlanned]);
    f.calmDays = f.days > 0.0 ? daysAt(rates[RetentionNeed::Calm]) : 0.0;
    f.busyDays = f.days > 0.0 ? daysAt(rates[RetentionNeed::Busy]) : 0.0;
    f.diskGB = diskAt(rates[RetentionNeed::AsPlanned]);
    f.calmDiskGB = diskAt(rates[RetentionNeed::Calm]);
    f.busyDiskGB = diskAt(rates[RetentionNeed::Busy]);
}

double arrayDaysKept(double kbps, double usableTB, int hoursPerDay)
{
    if (!(kbps > 0.0) || hoursPerDay <= 0 || !(usableTB > 0.0))
        return 0.0;
    const double days = BitrateCalculator::hoursForDiskSize(kbps, usableTB * kGBPerTB) / hoursPerDay;
    return std::isfinite(days) && days > 0.0 ? days : 0.0;
}

} // namespace

PlanFigures PlanFigures::compute(const QVector<StructDeviceItem> &groups, const PlanCalculatorInputs &inputs)
{
    // Summed group by group in the list's order, as the device list sums them.
    DeviceTotals totals{QMap<long long, StructDeviceItem>()};
    for (const StructDeviceItem &group : groups)
        totals.add(group);
    PlanFigures f = compute(
        Load{totals.storageBitrate(), totals.storageBitrateLow(), totals.storageBitrateHigh(), totals.retention()},
        inputs);
    f.channels = totals.channels();
    f.bandwidthKbps = totals.bandwidthSum();
    return f;
}

PlanFigures PlanFigures::compute(const Load &load, const PlanCalculatorInputs &inputs)
{
    const PlanCalculatorInputs defaults;
    const RetentionProfile &retention = load.retention;
    const bool own = retention.anyOwn();

    PlanFigures f;
    f.storageKbps = load.kbps;
    f.storageKbpsCalm = load.calmKbps;
    f.storageKbpsBusy = load.busyKbps;
    const Rates rates{f.storageKbps, f.storageKbpsCalm, f.storageKbpsBusy};

    const double diskGB = diskSizeInGB(inputs);
    const int hoursPerDay = hoursOrDefault(inputs.retentionPageHoursPerDay, defaults.retentionPageHoursPerDay);
    const int dailyHours = hoursOrDefault(inputs.diskPageHoursPerDay, defaults.diskPageHoursPerDay);
    const int days = retentionDays(inputs);
    const int retentionHours = toInt(qint64(days) * dailyHours);
    const RetentionNeed::PlanWide plan{days, double(dailyHours)};

    if (own) {
        // The groups that follow the plan keep what the others leave of the disk.
        double *kept[] = {&f.days, &f.calmDays, &f.busyDays};
        double *needed[] = {&f.diskGB, &f.calmDiskGB, &f.busyDiskGB};
        for (const Scene scene : kScenes) {
            *kept[scene] = (scene == RetentionNeed::AsPlanned || f.days > 0.0)
                               ? retention.followingDays(diskGB, hoursPerDay, scene)
                               : 0.0;
            *needed[scene] = retention.gigabytes(plan, scene);
        }
    } else {
        diskFollowingThePlan(f, rates, diskGB, hoursPerDay, retentionHours);
    }

    // The array's texts count as the array page counts them: "8." as 8, an empty field as 0.
    const double driveTB = inputs.arrayDriveTB.toDouble();
    const int level = inputs.arrayLevel >= DiskArray::NoRaid && inputs.arrayLevel <= DiskArray::Raid10
                          ? inputs.arrayLevel
                          : defaults.arrayLevel;
    const int spares = inputs.arraySpares.toInt();
    const DiskArray array(driveTB, inputs.arrayDrives.toInt(), level, spares);
    f.arrayFault = array.check();
    if (f.arrayFault == DiskArray::NoFault) {
        f.arrayRawTB = array.rawTB();
        f.arrayUsableTB = array.usableTB();
        double *kept[] = {&f.arrayDays, &f.arrayCalmDays, &f.arrayBusyDays};
        for (const Scene scene : kScenes)
            *kept[scene] = own ? retention.followingDays(f.arrayUsableTB * kGBPerTB, dailyHours, scene)
                               : arrayDaysKept(rates[scene], f.arrayUsableTB, dailyHours);
    }

    // A drive size out of range has no answer; nothing recorded needs no drive.
    if (f.storageKbps > 0.0 && (own || retentionHours > 0)) {
        int *counts[] = {&f.drivesNeeded, &f.drivesNeededCalm, &f.drivesNeededBusy};
        for (const Scene scene : kScenes) {
            DiskArray::Fault fault = DiskArray::NoFault;
            const double gigabytes = own ? retention.gigabytes(plan, scene)
                                         : BitrateCalculator::diskSizeForHours(rates[scene], retentionHours);
            int count = DiskArray::drivesNeeded(gigabytes, driveTB, level, spares, fault);
            if (scene == RetentionNeed::AsPlanned)
                f.drivesNeededFault = fault;
            else if (fault == DiskArray::TooManyDrivesNeeded)
                // A bound of the range past the largest array reads "more than" that.
                count = DiskArray::kMaxDrives + 1;
            *counts[scene] = count;
        }
    }
    return f;
}
