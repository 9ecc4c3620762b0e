#pragma once

#include <QCoreApplication>
#include <QString>

// A disk array for the recorder: drives of one size, a RAID level and hot
// spares. Sizes are in decimal TB (1 TB = 1000 GB, as the capacity formulas
// count), the unit drive makers print on the box; an operating system reports
// the same bytes in TiB.
class DiskArray
{
    Q_DECLARE_TR_FUNCTIONS(DiskArray)

public:
    enum Level { NoRaid = 0, Raid1, Raid5, Raid6, Raid10 };
    enum Fault {
        NoFault,
        DriveSizeOutOfRange,
        DriveCountOutOfRange,
        SparesOutOfRange,
        TooFewDrives,
        OddDriveCount,
        Raid1TooSmall,
        // Only from drivesNeeded: the inputs are fine, the need is larger than
        // the largest array.
        TooManyDrivesNeeded,
    };

    // What the planner may enter.
    static constexpr double kMinDriveTB = 0.1;
    static constexpr double kMaxDriveTB = 100.0;
    static constexpr int kMaxDrives = 512;

    DiskArray() = default;
    DiskArray(double driveTB, int drives, int level, int spares);

    double driveTB() const { return m_driveTB; }
    int drives() const { return m_drives; }
    int level() const { return m_level; }
    int spares() const { return m_spares; }

    // Why the combination cannot exist; NoFault when it can.
    Fault check() const;
    // The reason in words, translated; empty for NoFault.
    static QString faultText(Fault fault, int level = NoRaid);

    // Every drive, spares included.
    double rawTB() const;
    // What the array holds for video; 0 for a combination that cannot exist.
    double usableTB() const;
    static double toTiB(double terabytes);

    // The drives of that size, level and spares an array needs to hold
    // `gigabytes`; 0 with `fault` set when no such array exists (RAID 1 holds
    // one drive, so a drive smaller than the need fails) or the count would
    // pass kMaxDrives (TooManyDrivesNeeded).
    static int drivesNeeded(double gigabytes, double driveTB, int level, int spares, Fault &fault);

    // "No RAID", "RAID 1", … for the level, translated.
    static QString levelName(int level);

    // The fewest active drives a level takes.
    static int minimumActiveDrives(int level);

private:
    int activeDrives() const { return m_drives - m_spares; }
    // Drives' worth of capacity the level leaves for data.
    static int dataDrives(int level, int activeDrives);

    double m_driveTB = 8.0;
    int m_drives = 4;
    int m_level = Raid5;
    int m_spares = 0;
};
