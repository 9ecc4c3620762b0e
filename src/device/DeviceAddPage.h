#pragma once

#include "model/BitrateCalculator.h"
#include "model/BitrateTable.h"
#include "model/Result.h"
#include "model/StructDeviceItem.h"

#include <QMap>
#include <QMutex>
#include <QString>
#include <QVector>
#include <QWidget>

class QHBoxLayout;
class QListWidget;

namespace NM_Vantor {
class DeviceItemWidget;
}

// The channel groups added in the editor, one card per group, and the figures
// worked out from them after every change: the storage bitrate for the
// capacity calculator, the channel counts and the network bandwidth text.
// Groups are kept under page-local 64-bit ids that are never reused.
class DeviceAddPage : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceAddPage(QWidget *parent = nullptr);
    ~DeviceAddPage() override;

    // The id the next group gets is one more than this.
    long long lastDeviceId() const { return m_llDeviceId; }

signals:
    void SignalDeviceChanged(double dTotalBitrate);
    void SianalDeviceDelete(int iChannelGroupNumber);
    void SignalFramerateStandard(int index);
    void signalCover();
    void signalDisvocer();
    void signalDeviceChangedToBandwith(QString &channelCount, QString &IPCCount, QString &DVRCount, QString &bandWidth,
                                       QString &unit);

public slots:
    // With isAddOnce false the group is stored and shown but nothing is
    // announced; the caller announces once at the end.
    void addDeviceTypeItem(StructDeviceItem deviceTypeItem, bool isAddOnce = true);
    void setDeviceTypeData(QVector<StructDeviceItem> vectData);
    void OnDeleteDeviceItem(long long id, int iChannelGroupNumber);
    void onClearDeviceItems();
    void onExportDeviceItems(Result result);
    QMap<long long, StructDeviceItem> getDeviceData();
    void OnGetFramerateStandard();
    // 0 converts the groups to PAL, 1 to NTSC.
    void OnFrametareStandardChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupForm();
    void clearAll();
    void announceTotals();
    void convertStandard(int toStandard);

    // Form
    QHBoxLayout *m_horizontalLayout = nullptr;
    QListWidget *m_listWidgetDiskData = nullptr;

    BitrateCalculator m_bitrateCalculator;
    BitrateTable m_bitrateTable;
    QMap<long long, NM_Vantor::DeviceItemWidget *> m_mapDeviceItems;
    QMap<long long, StructDeviceItem> m_mapDeviceData;
    long long m_llDeviceId = 0;
    // Serialises an add against the row re-sizing of a resize.
    QMutex m_mutex;
};
