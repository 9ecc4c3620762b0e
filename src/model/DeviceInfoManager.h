#pragma once

#include "model/ScenceInfo.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <set>

class BitrateConfigData;
class BitrateTable;

// What the device editor asks about devices and scenes: device types, resolution
// lists, frame-rate lists and scene answers, read from the data files when it is
// built; and the channel-group numbers, always the smallest free one from 1.
class DeviceInfoManager : public QObject
{
    Q_OBJECT

public:
    explicit DeviceInfoManager(QObject *parent = nullptr);
    ~DeviceInfoManager() override;

    // tr("IPC"), tr("DVR").
    QStringList getDeviceTypes() const;
    // Resolutions of DeviceType 1 (IPC) or 2 (DVR); empty for any other type.
    QStringList getResolutions(int deviceType) const;
    // Rebuilds both resolution lists for that encoding and answers the one of the type.
    QStringList getResolutionsByEncode(int deviceType, const QString &encoding);

    // Scene names as read at construction (or by reloadScences()).
    QVector<QString> getScenceNames() const;
    // Name at that 0-based position; empty when there is none.
    QString getScenceName(int index) const;
    // Cached information; an empty record for an unknown name.
    ScenceInfo getScenceInfo(const QString &name) const;
    // These two read Scene.csv afresh. The bitrate is -1 when the scene has none to
    // recommend, also when the row's value is not usable (BitrateRow::isUsable).
    QString getScencePicture(const QString &scene, const QString &encoding, const QString &resolution) const;
    int getScenceBitrate(const QString &scene, const QString &encoding, const QString &resolution) const;
    void reloadScences();

    // The encodings the editor offers, sorted, with the smart codec under the
    // one name the program's language knows it by.
    QStringList offeredEncodings() const;
    void getFrameRates(QStringList &out, int ntsc) const;
    // The scene and encoding files this manager reads, for lookups it does not wrap.
    const BitrateConfigData &bitrateConfig() const { return *m_config; }
    void setFrameStandard(int standard);

    int allocChannelGroupNumber();
    // Gives a number back; 0 gives back all of them.
    void releaseChannelGroupNumber(int number);
    // Forgets every number handed out and takes these as the ones in use, as
    // when a plan is opened; numbers below 1 and repeats are ignored.
    void setUsedChannelGroupNumbers(const QList<int> &numbers);
    // How many numbers are handed out or in use: one per group of the list.
    int channelGroupNumbersInUse() const;

private:
    void loadResolutions(const QString *encoding);
    // Moves m_nextGroupNumber past the used numbers it has reached.
    void skipUsedGroupNumbers();

    std::unique_ptr<BitrateTable> m_table;
    std::unique_ptr<BitrateConfigData> m_config;
    QStringList m_deviceTypes;
    QVector<QStringList> m_resolutionsByType;
    QVector<QString> m_scenceNames;
    QMap<QString, ScenceInfo> m_scenceInfos;
    // Every number below it is in use except the freed ones.
    int m_nextGroupNumber = 1;
    // Numbers below it handed back, ready for reuse smallest first.
    std::set<int> m_freedGroupNumbers;
    // Numbers above it in use (from an opened plan), skipped when reached.
    std::set<int> m_usedGroupNumbers;
};
