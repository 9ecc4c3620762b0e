#include "device/DeviceAddPage.h"

#include "aptui/BaseDialog.h"
#include "aptui/FileChooser.h"
#include "aptui/TipDialog.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceReport.h"
#include "model/DeviceEnums.h"
#include "model/DeviceTotals.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMutexLocker>
#include <QResizeEvent>

#include <limits>

namespace {

constexpr int kRowWidthHint = 50;
constexpr int kTwoLinesRowHeight = 84;
constexpr int kOneLineRowHeight = 60;
constexpr int kWideAddRowHeight = 54;
constexpr int kOneLinePageWidth = 640;
constexpr int kWideAddPageWidth = 740;

// The bitrate cut to a whole number, as the bitrate table gives its values.
bool equalsTableValue(double bitrate, int tableValue)
{
    constexpr double limit = double(std::numeric_limits<int>::max()) + 1.0;
    if (!(bitrate > -limit && bitrate < limit))
        return false;
    return static_cast<int>(bitrate) == tableValue;
}

} // namespace

DeviceAddPage::DeviceAddPage(QWidget *parent) : QWidget(parent)
{
    setupForm();
    // Announces the zero totals once; nobody is connected yet.
    OnFrametareStandardChanged(PAL);
}

DeviceAddPage::~DeviceAddPage()
{
    blockSignals(true);
    clearAll();
}

void DeviceAddPage::setupForm()
{
    setObjectName(QStringLiteral("DeviceAddPage"));
    resize(400, 497);

    m_horizontalLayout = new QHBoxLayout(this);
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_horizontalLayout->setSpacing(6);
    // The panel around the page keeps the distance; the cards get all the width.
    m_horizontalLayout->setContentsMargins(0, 0, 0, 0);

    m_listWidgetDiskData = new QListWidget(this);
    m_listWidgetDiskData->setObjectName(QStringLiteral("m_listWidgetDiskData"));
    m_listWidgetDiskData->setFlow(QListView::TopToBottom);
    m_listWidgetDiskData->setFocusPolicy(Qt::NoFocus);
    m_listWidgetDiskData->setFrameShape(QFrame::NoFrame);
    m_listWidgetDiskData->setFrameShadow(QFrame::Plain);
    m_listWidgetDiskData->setLineWidth(0);
    m_listWidgetDiskData->setAutoScrollMargin(16);
    // Cards take the list's width; they lay themselves out for it.
    m_listWidgetDiskData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listWidgetDiskData->setResizeMode(QListView::Adjust);
    m_horizontalLayout->addWidget(m_listWidgetDiskData);
}

void DeviceAddPage::addDeviceTypeItem(StructDeviceItem deviceTypeItem, bool isAddOnce)
{
    {
        // Not held while announcing: a receiver may resize the page.
        QMutexLocker locker(&m_mutex);
        const long long id = ++m_llDeviceId;
        if (m_mapDeviceItems.contains(id))
            return;

        auto *row = new QListWidgetItem(m_listWidgetDiskData);
        auto *card = new NM_Vantor::DeviceItemWidget(m_listWidgetDiskData, deviceTypeItem.strDeviceType,
                                                     deviceTypeItem.strChannelName, deviceTypeItem.strExtraText);
        row->setSizeHint(QSize(kRowWidthHint, width() <= kWideAddPageWidth ? kTwoLinesRowHeight : kWideAddRowHeight));
        m_listWidgetDiskData->setItemWidget(row, card);
        m_mapDeviceItems.insert(id, card);

        card->setDeviceData(deviceTypeItem.iChannelCount, deviceTypeItem.strResolution, deviceTypeItem.strFrameRate,
                            deviceTypeItem.dBitrate, id, deviceTypeItem.iChannelGroupNumber, deviceTypeItem.strEncoding,
                            deviceTypeItem.strScene);
        connect(card, &NM_Vantor::DeviceItemWidget::signalDeleteClicked, this, &DeviceAddPage::OnDeleteDeviceItem);
        m_mapDeviceData.insert(id, deviceTypeItem);
    }
    if (isAddOnce)
        announceTotals();
}

void DeviceAddPage::setDeviceTypeData(QVector<StructDeviceItem> vectData)
{
    onClearDeviceItems();
    for (const StructDeviceItem &item : std::as_const(vectData))
        addDeviceTypeItem(item, false);
    announceTotals();
}

void DeviceAddPage::OnDeleteDeviceItem(long long id, int iChannelGroupNumber)
{
    for (int row = m_listWidgetDiskData->count() - 1; row >= 0; --row) {
        QListWidgetItem *item = m_listWidgetDiskData->item(row);
        auto *card = qobject_cast<NM_Vantor::DeviceItemWidget *>(m_listWidgetDiskData->itemWidget(item));
        if (!card || card->deviceId() != id)
            continue;
        // The card goes first so the list has no widget left to dispose of.
        delete card;
        delete m_listWidgetDiskData->takeItem(row);
    }
    m_mapDeviceItems.remove(id);
    m_mapDeviceData.remove(id);

    emit SianalDeviceDelete(iChannelGroupNumber);
    announceTotals();
}

void DeviceAddPage::onClearDeviceItems()
{
    if (m_mapDeviceItems.isEmpty())
        return;

    NM_Vantor::TipDialog dialog(this);
    dialog.setFixedSize(350, 220);
    dialog.setTitle(tr("Clear"));
    dialog.setText(tr("Clear all the channels?"));

    emit signalCover();
    if (dialog.exec() == QDialog::Accepted) {
        emit signalDisvocer();
        clearAll();
    }
    emit signalDisvocer();
}

void DeviceAddPage::clearAll()
{
    const QList<NM_Vantor::DeviceItemWidget *> cards = m_mapDeviceItems.values();
    m_mapDeviceItems.clear();
    qDeleteAll(cards);
    m_listWidgetDiskData->clear();
    m_mapDeviceData.clear();

    emit SianalDeviceDelete(0);
    announceTotals();
}

QMap<long long, StructDeviceItem> DeviceAddPage::getDeviceData()
{
    return m_mapDeviceData;
}

void DeviceAddPage::OnGetFramerateStandard()
{
    emit SignalFramerateStandard(PAL);
}

void DeviceAddPage::OnFrametareStandardChanged(int index)
{
    if (index == PAL || index == NTSC)
        convertStandard(index);
}

void DeviceAddPage::convertStandard(int toStandard)
{
    const bool toPal = toStandard == PAL;
    const int fromStandard = toPal ? NTSC : PAL;

    for (auto it = m_mapDeviceData.begin(); it != m_mapDeviceData.end(); ++it) {
        StructDeviceItem &item = it.value();
        m_bitrateCalculator.setEncodeType(item.strEncoding);
        m_bitrateTable.setEncodeType(item.strEncoding);

        double oldRate = 0.0;
        double newRate = 0.0;
        if (toPal && item.strFrameRate == QLatin1String("30")) {
            oldRate = 30.0;
            newRate = 25.0;
        } else if (toPal && item.strFrameRate == QLatin1String("60")) {
            oldRate = 60.0;
            newRate = 50.0;
        } else if (!toPal && item.strFrameRate == QLatin1String("25")) {
            oldRate = 25.0;
            newRate = 30.0;
        } else if (!toPal && item.strFrameRate == QLatin1String("50")) {
            oldRate = 50.0;
            newRate = 60.0;
        } else {
            continue;
        }
        item.strFrameRate = QString::number(int(newRate));

        int deviceType = 0;
        if (item.strDeviceType == QLatin1String("IPC"))
            deviceType = IPC;
        else if (item.strDeviceType == QLatin1String("DVR"))
            deviceType = DVR;

        if (deviceType != 0) {
            m_bitrateTable.setFrameStandard(fromStandard);
            const int tableRate = m_bitrateTable.getBitrate(item.strResolution, deviceType, oldRate);
            // Only a rate that is still the table's recommendation follows the standard.
            if (equalsTableValue(item.dBitrate, tableRate)) {
                m_bitrateTable.setFrameStandard(toStandard);
                item.dBitrate = m_bitrateTable.getBitrate(item.strResolution, deviceType, newRate);
            }
        }

        if (NM_Vantor::DeviceItemWidget *card = m_mapDeviceItems.value(it.key()))
            card->updateFrameRateAndRate(item.strFrameRate, item.dBitrate);
    }
    announceTotals();
}

void DeviceAddPage::announceTotals()
{
    const DeviceTotals totals(m_mapDeviceData);
    emit SignalDeviceChanged(totals.storageBitrate());

    QString channelCount = totals.channelCount();
    QString ipcCount = totals.ipcCount();
    QString dvrCount = totals.dvrCount();
    QString bandWidth = totals.bandwidthValue();
    QString unit = totals.bandwidthUnit();
    emit signalDeviceChangedToBandwith(channelCount, ipcCount, dvrCount, bandWidth, unit);
}

void DeviceAddPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    QMutexLocker locker(&m_mutex);
    const int height = event->size().width() >= kOneLinePageWidth ? kOneLineRowHeight : kTwoLinesRowHeight;
    for (int row = 0; row < m_listWidgetDiskData->count(); ++row)
        m_listWidgetDiskData->item(row)->setSizeHint(QSize(kRowWidthHint, height));
    // A list flowing top to bottom lays its rows out again only when its height
    // changes; the cards must follow a change of width too.
    if (event->oldSize().width() != event->size().width())
        m_listWidgetDiskData->doItemsLayout();
}

void DeviceAddPage::onExportDeviceItems(Result result)
{
    if (m_mapDeviceData.isEmpty())
        return;
    const QString fileName = aptui::FileChooser::saveFileName(this, tr("Save File"), QString(), tr("File (*.pdf )"));
    if (fileName.isEmpty())
        return;

    const bool saved = DeviceReport::writePdf(DeviceReport::sections(m_mapDeviceData, result), fileName);

    aptui::BaseDialog hint(false, false, false, false, true, true, false);
    hint.setFixedSize(350, 220);
    hint.setTitle(tr("Hint"));
    hint.setObjectName(QStringLiteral("Hint"));
    hint.setBottomVisible(true);
    // The file is checked after printing: only a complete PDF counts as saved.
    hint.setDefaultText(saved ? tr("Saved.") : tr("Failed to save the file."));
    hint.exec();
}
