#include "model/DiskArray.h"

#include <cmath>

namespace {

constexpr double kBytesPerTB = 1e12;
constexpr double kBytesPerTiB = 1099511627776.0; // 2^40
constexpr double kGBPerTB = 1000.0;

} // namespace

DiskArray::DiskArray(double driveTB, int drives, int level, int spares)
    : m_driveTB(driveTB), m_drives(drives), m_level(level), m_spares(spares)
{}

int DiskArray::minimumActiveDrives(int level)
{
    switch (level) {
    case Raid1:
        return 2;
    case Raid5:
        return 3;
    case Raid6:
    case Raid10:
        return 4;
    default:
        return 1;
    }
}

int DiskArray::dataDrives(int level, int activeDrives)
{
    switch (level) {
    case Raid1:
        // Every drive holds the same data.
        return 1;
    case Raid5:
        return activeDrives - 1;
    case Raid6:
        return activeDrives - 2;
    case Raid10:
        return activeDrives / 2;
    default:
        return activeDrives;
    }
}

DiskArray::Fault DiskArray::check() const
{
    // Written so that NaN fails too.
    if (!(m_driveTB >= kMinDriveTB && m_driveTB <= kMaxDriveTB))
        return DriveSizeOutOfRange;
    if (m_drives < 1 || m_drives > kMaxDrives)
        return DriveCountOutOfRange;
    if (m_spares < 0 || m_spares >= m_drives)
        return SparesOutOfRange;
    if (m_level < NoRaid || m_level > Raid10)
        return TooFewDrives;
    if (activeDrives() < minimumActiveDrives(m_level))
        return TooFewDrives;
    if (m_level == Raid10 && activeDrives() % 2 != 0)
        return OddDriveCount;
    return NoFault;
}

QString DiskArray::faultText(Fault fault, int level)
{
    switch (fault) {
    case DriveSizeOutOfRange:
        //: Why the array cannot be built: %1 and %2 are the least and greatest drive sizes in terabytes.
        return tr("A drive holds from %1 to %2 TB.").arg(kMinDriveTB).arg(kMaxDriveTB);
    case DriveCountOutOfRange:
        return tr("An array has from 1 to %1 drives.").arg(kMaxDrives);
    case SparesOutOfRange:
        return tr("The spares must leave drives for the data.");
    case TooFewDrives:
        //: Why the array cannot be built: the level needs %n drives that are not hot spares.
        return tr("This RAID level needs at least %n drive(s) besides the spares.", nullptr,
                  minimumActiveDrives(level));
    case OddDriveCount:
        return tr("RAID 10 needs an even number of drives besides the spares.");
    case Raid1TooSmall:
        return tr("RAID 1 holds one drive's capacity: choose larger drives or another level.");
    case TooManyDrivesNeeded:
        //: Why no drive count is given for the wanted retention: it would take more drives than an array
        //: holds (%n, 512).
        return tr("More than %n drive(s) would be needed.", nullptr, kMaxDrives);
    case NoFault:
        break;
    }
    return QString();
}

QString DiskArray::levelName(int level)
{
    switch (level) {
    case Raid1:
        //: Name of a RAID level; translate only if the language writes it otherwise.
        return tr("RAID 1");
    case Raid5:
        //: Name of a RAID level; translate only if the language writes it otherwise.
        return tr("RAID 5");
    case Raid6:
        //: Name of a RAID level; translate only if the language writes it otherwise.
        return tr("RAID 6");
    case Raid10:
        //: Name of a RAID level; translate only if the language writes it otherwise.
        return tr("RAID 10");
    default:
        //: The drives used one by one, without RAID (a choice in the list of levels).
        return tr("No RAID");
    }
}

double DiskArray::rawTB() const
{
    return check() == NoFault ? m_drives * m_driveTB : 0.0;
}

double DiskArray::usableTB() const
{
    return check() == NoFault ? dataDrives(m_level, activeDrives()) * m_driveTB : 0.0;
}

double DiskArray::toTiB(double terabytes)
{
    return terabytes * kBytesPerTB / kBytesPerTiB;
}

int DiskArray::drivesNeeded(double gigabytes, double driveTB, int level, int spares, Fault &fault)
{
    fault = NoFault;
    if (!(driveTB >= kMinDriveTB && driveTB <= kMaxDriveTB)) {
        fault = DriveSizeOutOfRange;
        return 0;
    }
    if (spares < 0 || spares >= kMaxDrives) {
        fault = SparesOutOfRange;
        return 0;
    }
    // Nothing to hold still takes the smallest array of the level.
    const double need = std::isfinite(gigabytes) && gigabytes > 0 ? gigabytes : 0.0;
    const double driveGB = driveTB * kGBPerTB;
    const double wanted = std::ceil(need / driveGB);
    if (wanted > kMaxDrives) {
        fault = TooManyDrivesNeeded;
        return 0;
    }
    const int dataCount = qMax(1, int(wanted));
    int active = 0;
    switch (level) {
    case Raid1:
        if (dataCount > 1) {
            fault = Raid1TooSmall;
            return 0;
        }
        active = 2;
        break;
    case Raid5:
        active = dataCount + 1;
        break;
    case Raid6:
        active = dataCount + 2;
        break;
    case Raid10:
        active = dataCount * 2;
        break;
    default:
        active = dataCount;
        break;
    }
    active = qMax(active, minimumActiveDrives(level));
    const int total = active + spares;
    if (total > kMaxDrives) {
        fault = TooManyDrivesNeeded;
        return 0;
    }
    return total;
}
