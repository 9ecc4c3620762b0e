#include "device/DeviceAddPage.h"

#include "aptui/BaseDialog.h"
#include "aptui/FileChooser.h"
#include "aptui/TipDialog.h"
#include "device/DeviceCardDelegate.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceListModel.h"
#include "device/DeviceListView.h"
#include "device/DeviceReport.h"
#include "device/ReportExport.h"
#include "device/ReportFile.h"
#include "device/ReportHint.h"
#include "device/ReportProgress.h"
#include "model/DeviceEnums.h"

#include <QDate>
#include <QHBoxLayout>
#include <QListView>
#include <QMutexLocker>
#include <QResizeEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

namespace {

// How long a report may take before its progress strip shows.
constexpr int kProgressDelayMs = 300;
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

    m_verticalLayout = new QVBoxLayout(this);
    m_verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    m_verticalLayout->setContentsMargins(0, 0, 0, 0);
    m_verticalLayout->setSpacing(0);
    m_horizontalLayout = new QHBoxLayout();
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_verticalLayout->addLayout(m_horizontalLayout, 1);
    m_horizontalLayout->setSpacing(6);
    // The panel around the page keeps the distance; the cards get all the width.
    m_horizontalLayout->setContentsMargins(0, 0, 0, 0);

    m_listWidgetDiskData = new DeviceListView(this);
    m_listWidgetDiskData->setObjectName(QStringLiteral("m_listWidgetDiskData"));
    m_listWidgetDiskData->setFlow(QListView::TopToBottom);
    // In the tab order while it holds groups; the focus goes on to the card of
    // the keyboard's row (the card delegate sees to both).
    m_listWidgetDiskData->setFocusPolicy(Qt::NoFocus);
    m_listWidgetDiskData->setAccessibleName(tr("Channel groups"));
    m_listWidgetDiskData->setFrameShape(QFrame::NoFrame);
    m_listWidgetDiskData->setFrameShadow(QFrame::Plain);
    m_listWidgetDiskData->setLineWidth(0);
    m_listWidgetDiskData->setAutoScrollMargin(16);
    // Cards take the list's width; they lay themselves out for it.
    m_listWidgetDiskData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listWidgetDiskData->setResizeMode(QListView::Adjust);
    // All rows share one height, so the view places them without asking each.
    m_listWidgetDiskData->setUniformItemSizes(true);
    m_horizontalLayout->addWidget(m_listWidgetDiskData);

    m_model = new DeviceListModel(this);
    m_listWidgetDiskData->setModel(m_model);
    m_cardDelegate = new DeviceCardDelegate(m_listWidgetDiskData);
    connect(m_cardDelegate, &DeviceCardDelegate::deleteClicked, this, &DeviceAddPage::OnDeleteDeviceItem);

    m_reportProgress = new ReportProgress(this);
    m_reportProgress->hide();
    m_verticalLayout->addWidget(m_reportProgress);
    m_reportExport = new ReportExport(this);
    connect(m_reportExport, &ReportExport::progress, m_reportProgress, &ReportProgress::setProgress);
    connect(m_reportExport, &ReportExport::finished, this, &DeviceAddPage::onReportFinished);
    connect(m_reportProgress, &ReportProgress::cancelClicked, m_reportExport, &ReportExport::cancel);
}

QAbstractItemView *DeviceAddPage::listView() const
{
    return m_listWidgetDiskData;
}

NM_Vantor::DeviceItemWidget *DeviceAddPage::cardForRow(int row)
{
    return m_cardDelegate->cardForRow(row);
}

void DeviceAddPage::addDeviceTypeItem(StructDeviceItem deviceTypeItem, bool isAddOnce)
{
    {
        // Not held while announcing: a receiver may resize the page.
        QMutexLocker locker(&m_mutex);
        const long long id = ++m_llDeviceId;
        if (m_mapDeviceData.contains(id))
            return;

        // The rows share the height an added card has always been given.
        m_cardDelegate->setRowHeight(width() <= kWideAddPageWidth ? kTwoLinesRowHeight : kWideAddRowHeight);
        m_model->insertGroup(id, deviceTypeItem);
        m_mapDeviceData.insert(id, deviceTypeItem);
        // The new group has the highest id: added last, it sums in the map's
        // order, exactly as a count over all groups would.
        m_totals.add(deviceTypeItem);
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

void DeviceAddPage::setGroups(const QVector<StructDeviceItem> &groups)
{
    storeGroups(groups, true);
    emit SianalDeviceDelete(0);
    announceTotals();
}

void DeviceAddPage::addGroups(const QVector<StructDeviceItem> &groups)
{
    storeGroups(groups, false);
    announceTotals();
}

void DeviceAddPage::storeGroups(const QVector<StructDeviceItem> &groups, bool replace)
{
    QMutexLocker locker(&m_mutex);
    if (replace) {
        m_model->clear();
        m_mapDeviceData.clear();
    }
    m_cardDelegate->setRowHeight(width() <= kWideAddPageWidth ? kTwoLinesRowHeight : kWideAddRowHeight);
    for (const StructDeviceItem &group : groups) {
        const long long id = ++m_llDeviceId;
        m_model->insertGroup(id, group);
        // The highest id goes last: no search through the map.
        m_mapDeviceData.insert(m_mapDeviceData.cend(), id, group);
    }
    m_totals = DeviceTotals(m_mapDeviceData);
}

void DeviceAddPage::OnDeleteDeviceItem(long long id, int iChannelGroupNumber)
{
    // Removing the row deletes its card, should it have one.
    m_model->removeGroup(id);
    m_mapDeviceData.remove(id);
    m_totals = DeviceTotals(m_mapDeviceData);

    emit SianalDeviceDelete(iChannelGroupNumber);
    announceTotals();
}

void DeviceAddPage::onClearDeviceItems()
{
    if (m_mapDeviceData.isEmpty())
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
    m_model->clear();
    m_mapDeviceData.clear();
    m_totals = DeviceTotals(m_mapDeviceData);

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

        m_model->updateFrameRateAndRate(it.key(), item.strFrameRate, item.dBitrate);
    }
    m_totals = DeviceTotals(m_mapDeviceData);
    announceTotals();
}

void DeviceAddPage::announceTotals()
{
    // The bounds first, so that the calculator works out every figure once.
    emit signalStorageRange(m_totals.storageBitrateLow(), m_totals.storageBitrateHigh());
    emit SignalDeviceChanged(m_totals.storageBitrate());

    QString channelCount = m_totals.channelCount();
    QString ipcCount = m_totals.ipcCount();
    QString dvrCount = m_totals.dvrCount();
    QString bandWidth = m_totals.bandwidthValue();
    QString unit = m_totals.bandwidthUnit();
    emit signalDeviceChangedToBandwith(channelCount, ipcCount, dvrCount, bandWidth, unit);
}

void DeviceAddPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    QMutexLocker locker(&m_mutex);
    // Every row takes the height of the card layout for the new width.
    m_cardDelegate->setRowHeight(event->size().width() >= kOneLinePageWidth ? kOneLineRowHeight : kTwoLinesRowHeight);
    // A list flowing top to bottom lays its rows out again only when its height
    // changes; the cards must follow a change of width too.
    if (event->oldSize().width() != event->size().width())
        m_listWidgetDiskData->doItemsLayout();
}

void DeviceAddPage::onExportDeviceItems(Result result)
{
    if (m_reportExport->isRunning())
        return;
    if (m_mapDeviceData.isEmpty()) {
        emit signalCover();
        aptui::BaseDialog::showHint(tr("Add a device first."), QSize(350, 220));
        emit signalDisvocer();
        return;
    }
    const QDate today = QDate::currentDate();
    const QString chosen = aptui::FileChooser::saveFileName(
        this, tr("Save File"), ReportFile::startPath(m_reportTitle, today), tr("File (*.pdf )"));
    if (chosen.isEmpty())
        return;
    const QString fileName = ReportFile::withPdfSuffix(chosen);
    const QString planName = m_reportTitle.isEmpty() ? ReportFile::planNameFromFile(fileName, today) : m_reportTitle;

    // Written on a worker from a copy of the groups: the list may change
    // meanwhile. The texts are made here, in the language of the moment.
    m_reportProgress->setProgress(0, 1);
    m_reportExport->start(DeviceReport::document(m_mapDeviceData, result, planName, today), fileName);
    // A short report is done before a progress strip would be noticed.
    QTimer::singleShot(kProgressDelayMs, m_reportProgress, [this] {
        if (m_reportExport->isRunning())
            m_reportProgress->show();
    });
}

bool DeviceAddPage::isExporting() const
{
    return m_reportExport->isRunning();
}

void DeviceAddPage::setReportTitle(const QString &planName)
{
    m_reportTitle = planName;
}

void DeviceAddPage::onReportFinished(ReportOutcome outcome)
{
    m_reportProgress->hide();
    // The file is checked after writing: only a complete PDF counts as saved.
    if (outcome == ReportOutcome::Saved)
        ReportFile::rememberFolder(m_reportExport->fileName());
    ReportHint::exec(outcome, m_reportExport->fileName());
}
