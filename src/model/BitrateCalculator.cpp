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
