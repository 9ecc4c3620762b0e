#include "model/DeviceInfoManager.h"

#include "model/BitrateConfigData.h"
#include "model/BitrateTable.h"
#include "model/DeviceEnums.h"
#include "model/LanaguageManager.h"

DeviceInfoManager::DeviceInfoManager(QObject *parent) : QObject(parent)
{
    m_config = std::make_unique<BitrateConfigData>();
    m_table = std::make_unique<BitrateTable>();
    // The groups carry the type as shown, and the list tells cameras from
    // recorders by these two exact names.
    //: Device type: a network camera. Keep it exactly as it is: the program tells the types apart by name.
    m_deviceTypes << tr("IPC");
    //: Device type: a recorder. Keep it exactly as it is: the program tells the types apart by name.
    m_deviceTypes << tr("DVR");
    loadResolutions(nullptr);
    reloadScences();
}

DeviceInfoManager::~DeviceInfoManager() = default;

void DeviceInfoManager::loadResolutions(const QString *encoding)
{
    QStringList camera;
    QStringList recorder;
    if (encoding) {
        m_table->getResolutions(camera, IPC, *encoding);
        m_table->getResolutions(recorder, DVR, *encoding);
    } else {
        m_table->getResolutions(camera, IPC);
        m_table->getResolutions(recorder, DVR);
    }
    m_resolutionsByType = {camera, recorder};
}

QStringList DeviceInfoManager::getDeviceTypes() const
{
    return m_deviceTypes;
}

QStringList DeviceInfoManager::getResolutions(int deviceType) const
{
    if (deviceType < IPC || deviceType > m_resolutionsByType.size())
        return QStringList();
    return m_resolutionsByType.at(deviceType - 1);
}

QStringList DeviceInfoManager::getResolutionsByEncode(int deviceType, const QString &encoding)
{
    loadResolutions(&encoding);
    return getResolutions(deviceType);
}

QVector<QString> DeviceInfoManager::getScenceNames() const
{
    return m_scenceNames;
}

QString DeviceInfoManager::getScenceName(int index) const
{
    return m_scenceNames.value(index);
}

ScenceInfo DeviceInfoManager::getScenceInfo(const QString &name) const
{
    return m_scenceInfos.value(name);
}

QString DeviceInfoManager::getScencePicture(const QString &scene, const QString &encoding,
                                            const QString &resolution) const
{
    return m_config->getScencePicture(scene, encoding, resolution);
}

int DeviceInfoManager::getScenceBitrate(const QString &scene, const QString &encoding, const QString &resolution) const
{
    return m_config->getScenceBitrate(scene, encoding, resolution);
}

void DeviceInfoManager::reloadScences()
{
    QStringList names;
    m_config->getScenceInfos(names, m_scenceInfos);
    m_scenceNames = names;
}

QStringList DeviceInfoManager::offeredEncodings() const
{
    QStringList encodings;
    m_config->getEncodeTypes(encodings);
    encodings.sort(Qt::CaseSensitive);
    // Each language knows the smart codec under one name only.
    if (apt::LanaguageManager::instance()->language() == 0)
        encodings.removeAll(QStringLiteral("Smart H.264"));
    else
        encodings.removeAll(QStringLiteral("H.264+"));
    return encodings;
}

void DeviceInfoManager::getFrameRates(QStringList &out, int ntsc) const
{
    m_config->getFrameRates(out, ntsc);
}

void DeviceInfoManager::setFrameStandard(int standard)
{
    m_table->setFrameStandard(standard);
}

int DeviceInfoManager::allocChannelGroupNumber()
{
    // The smallest number not in use: a handed-back one first, else a new one.
    if (!m_freedGroupNumbers.empty()) {
        const int number = *m_freedGroupNumbers.begin();
        m_freedGroupNumbers.erase(m_freedGroupNumbers.begin());
        return number;
    }
    const int number = m_nextGroupNumber++;
    skipUsedGroupNumbers();
    return number;
}

void DeviceInfoManager::releaseChannelGroupNumber(int number)
{
    if (number == 0) {
        m_freedGroupNumbers.clear();
        m_usedGroupNumbers.clear();
        m_nextGroupNumber = 1;
        return;
    }
    // Numbers start at 1, and one never handed out is not in use anyway.
    if (number < 0)
        return;
    if (number < m_nextGroupNumber)
        m_freedGroupNumbers.insert(number);
    else
        m_usedGroupNumbers.erase(number);
}

void DeviceInfoManager::setUsedChannelGroupNumbers(const QList<int> &numbers)
{
    releaseChannelGroupNumber(0);
    for (const int number : numbers) {
        if (number > 0)
            m_usedGroupNumbers.insert(number);
    }
    skipUsedGroupNumbers();
}

int DeviceInfoManager::channelGroupNumbersInUse() const
{
    return m_nextGroupNumber - 1 - int(m_freedGroupNumbers.size()) + int(m_usedGroupNumbers.size());
}

void DeviceInfoManager::skipUsedGroupNumbers()
{
    // Kept apart rather than as the free numbers below them, which a plan
    // numbering far apart would make countless.
    while (!m_usedGroupNumbers.empty() && *m_usedGroupNumbers.begin() == m_nextGroupNumber) {
        m_usedGroupNumbers.erase(m_usedGroupNumbers.begin());
        ++m_nextGroupNumber;
    }
}
