#include "model/BitrateCalculator.h"

#include "model/BitrateConfigData.h"
#include "model/DeviceEnums.h"

BitrateCalculator::BitrateCalculator() : m_frameStandard(PAL)
{
    {
        BitrateConfigData conversion;
        conversion.convertCsvToXml(conversionSourcePath(), DVR);
    }
    m_encoding = QStringLiteral("H.264");
    m_table = std::make_unique<BitrateTable>();
}

BitrateCalculator::~BitrateCalculator() = default;

QString BitrateCalculator::conversionSourcePath()
{
    return QStringLiteral("C:/DVRBitrateConfig.csv");
}

// Both formulas put the file-system overhead (1 / 0.997) and the binary
// gigabyte (1.024) on top of the decimal gigabytes recorded per hour. The
// order of operations is part of the published figures: keep it.
double BitrateCalculator::hoursForDiskSize(double totalKbps, double diskGB)
{
    const double gbPerHour = totalKbps * 3600 / 8000000 * 1.0030090270812437 * 1.024;
    return diskGB / gbPerHour;
}

double BitrateCalculator::diskSizeForHours(double totalKbps, int hours)
{
    return static_cast<double>(hours) * (totalKbps * 3600) * 1.0030090270812437 / 8000000 * 1.024;
}
