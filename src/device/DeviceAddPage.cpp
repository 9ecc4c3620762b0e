#include "device/DeviceAddPage.h"

#include "aptui/BaseDialog.h"
#include "aptui/FileChooser.h"
#include "aptui/TipDialog.h"
#include "device/DeviceCardDelegate.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceListModel.h"
#include "device/DeviceListView.h"
#include "device/DeviceReport.h"
#include "device/GroupListCommand.h"
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
#include <QUndoStack>
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

    auto *view = new DeviceListView(this);
    m_listWidgetDiskData = view;
    m_listWidgetDiskData->setObjectName(QStringLiteral("m_listWidgetDiskData"));
    m_listWidgetDiskData->setFlow(QListView::TopToBottom);
    // In the tab order while it holds groups (the view sees to it).
    //: What a screen reader says for the list of channel groups.
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
    connect(view, &DeviceListView::deleteRequested, this, &DeviceAddPage::onDeleteRequested);
    connect(view, &DeviceListView::editRequested, this,
            [this](int row) { emit signalEditRequested(m_model->idAt(row), m_model->groupAt(row)); });
    connect(view, &DeviceListView::duplicateRequested, this,
            [this](int row) { emit signalDuplicateRequested(m_model->idAt(row), m_model->groupAt(row)); });

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

const NM_Vantor::DeviceItemWidget *DeviceAddPage::cardForRow(int row) const
{
    return m_cardDelegate->cardForRow(row);
}

QVector<StructDeviceItem> DeviceAddPage::groups() const
{
    return m_model->groups();
}

void DeviceAddPage::addDeviceTypeItem(StructDeviceItem deviceTypeItem, bool isAddOnce)
{
    const long long id = ++m_llDeviceId;
    if (m_mapDeviceData.contains(id))
        return;
    // The rows share the height an added card has always been given.
    m_cardDelegate->setRowHeight(width() <= kWideAddPageWidth ? kTwoLinesRowHeight : kWideAddRowHeight);
    if (isAddOnce) {
        GroupListChange change;
        change.inserted.append({m_model->rowCount(), {id, deviceTypeItem, false}});
        //: Undo history: the command that added one channel group ("Undo Add group").
        perform(tr("Add group"), change);
        return;
    }
    // Part of a bulk load, which announces once at the end.
    QMutexLocker locker(&m_mutex);
    m_model->insertGroup(id, deviceTypeItem);
    m_mapDeviceData.insert(id, deviceTypeItem);
    m_totals.add(deviceTypeItem);
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

void DeviceAddPage::storeGroups(const QVector<StructDeviceItem> &groups, bool replace)
{
    QMutexLocker locker(&m_mutex);
    if (replace) {
        m_model->clear();
        m_mapDeviceData.clear();
    }
    m_cardDelegate->setRowHeight(width() <= kWideAddPageWidth ? kTwoLinesRowHeight : kWideAddRowHeight);
    QVector<DeviceListModel::Row> rows;
    rows.reserve(groups.size());
    for (const StructDeviceItem &group : groups) {
        const long long id = ++m_llDeviceId;
        rows.append({id, group, false});
        // The highest id goes last: no search through the map.
        m_mapDeviceData.insert(m_mapDeviceData.cend(), id, group);
    }
    m_model->appendRows(rows);
    m_totals = DeviceTotals(m_mapDeviceData);
}

void DeviceAddPage::addGroups(const QVector<StructDeviceItem> &groups)
{
    if (groups.isEmpty()) {
        announceTotals();
        return;
    }
    GroupListChange change;
    change.inserted.reserve(groups.size());
    for (const StructDeviceItem &group : groups)
        change.inserted.append({m_model->rowCount() + int(change.inserted.size()), {++m_llDeviceId, group, false}});
    //: Undo history: groups read from a CSV file ("Undo Import 3 groups").
    perform(tr("Import %n group(s)", nullptr, int(groups.size())), change);
}

void DeviceAddPage::replaceGroups(const QVector<StructDeviceItem> &groups)
{
    GroupListChange change;
    change.clearsAll = true;
    change.removed.reserve(m_model->rowCount());
    for (int row = 0; row < m_model->rowCount(); ++row)
        change.removed.append({row, m_model->rowAt(row)});
    change.inserted.reserve(groups.size());
    for (const StructDeviceItem &group : groups)
        change.inserted.append({int(change.inserted.size()), {++m_llDeviceId, group, false}});
    //: Undo history: the groups of a CSV file took the place of every channel group ("Undo Replace with 3
    //: imported groups").
    perform(tr("Replace with %n imported group(s)", nullptr, int(groups.size())), change);
}

void DeviceAddPage::OnDeleteDeviceItem(long long id, int iChannelGroupNumber)
{
    const int row = m_model->rowOf(id);
    if (row < 0) {
        // Nothing to take back: the figures are told again as they are.
        emit SianalDeviceDelete(iChannelGroupNumber);
        announceTotals();
        return;
    }
    GroupListChange change;
    change.removed.append({row, m_model->rowAt(row)});
    //: Undo history: the command that deleted one channel group ("Undo Delete group").
    perform(tr("Delete group"), change);
}

void DeviceAddPage::onDeleteRequested(int row)
{
    if (row >= 0 && row < m_model->rowCount())
        OnDeleteDeviceItem(m_model->idAt(row), m_model->groupAt(row).iChannelGroupNumber);
}

void DeviceAddPage::OnEditDeviceItem(long long id, StructDeviceItem item)
{
    const int row = m_model->rowOf(id);
    if (row < 0)
        return;
    const DeviceListModel::Row before = m_model->rowAt(row);
    if (before.item == item)
        return;
    GroupListChange change;
    change.replaced.append({before, {id, item, false}});
    //: Undo history: the command that changed one channel group ("Undo Edit group").
    perform(tr("Edit group"), change);
}

void DeviceAddPage::duplicateGroup(long long id, StructDeviceItem copy)
{
    const int row = m_model->rowOf(id);
    if (row < 0)
        return;
    GroupListChange change;
    change.inserted.append({row + 1, {++m_llDeviceId, copy, false}});
    //: Undo history: the command that copied a channel group ("Undo Duplicate group").
    perform(tr("Duplicate group"), change);
    // The keyboard goes on from the copy.
    m_listWidgetDiskData->setCurrentIndex(m_model->index(row + 1));
}

void DeviceAddPage::onClearDeviceItems()
{
    if (m_mapDeviceData.isEmpty())
        return;

    NM_Vantor::TipDialog dialog(this);
    dialog.setFixedSize(350, 220);
    //: Title of the question before every channel group is removed (the Clear button's action).
    dialog.setTitle(tr("Clear"));
    //: Asked before every channel group is removed; the answer is Confirm or Cancel.
    dialog.setText(tr("Clear all the channels?"));

    emit signalCover();
    if (dialog.exec() == QDialog::Accepted) {
        emit signalDisvocer();
        GroupListChange change;
        change.clearsAll = true;
        change.removed.reserve(m_model->rowCount());
        for (int row = 0; row < m_model->rowCount(); ++row)
            change.removed.append({row, m_model->rowAt(row)});
        //: Undo history: the command that removed every channel group ("Undo Clear").
        perform(tr("Clear all groups"), change);
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

void DeviceAddPage::perform(const QString &text, const GroupListChange &change)
{
    if (m_undoStack)
        m_undoStack->push(new GroupListCommand(this, text, change));
    else
        applyChange(change, true, false);
}

void DeviceAddPage::insertPlaced(const QVector<GroupListChange::Placed> &placed)
{
    // Rows that all go to the end come in with one notification.
    bool atEnd = true;
    for (int i = 0; i < placed.size() && atEnd; ++i)
        atEnd = placed.at(i).position == m_model->rowCount() + i;
    if (atEnd) {
        QVector<DeviceListModel::Row> rows;
        rows.reserve(placed.size());
        for (const GroupListChange::Placed &one : placed)
            rows.append(one.row);
        m_model->appendRows(rows);
    } else {
        for (const GroupListChange::Placed &one : placed)
            m_model->insertRow(one.position, one.row);
    }
    for (const GroupListChange::Placed &one : placed)
        m_mapDeviceData.insert(one.row.id, one.row.item);
}

void DeviceAddPage::removeRows(const QVector<GroupListChange::Placed> &placed)
{
    if (placed.size() == m_model->rowCount()) {
        m_model->clear();
        m_mapDeviceData.clear();
        return;
    }
    for (const GroupListChange::Placed &one : placed) {
        m_model->removeGroup(one.row.id);
        m_mapDeviceData.remove(one.row.id);
    }
}

void DeviceAddPage::applyChange(const GroupListChange &change, bool forward, bool replay)
{
    {
        // Not held while announcing: a receiver may resize the page.
        QMutexLocker locker(&m_mutex);
        const bool oneAppended =
            forward && change.removed.isEmpty() && change.replaced.isEmpty() && change.inserted.size() == 1 &&
            change.inserted.constFirst().position == m_model->rowCount() &&
            (m_mapDeviceData.isEmpty() || m_mapDeviceData.lastKey() < change.inserted.constFirst().row.id);
        if (forward) {
            removeRows(change.removed);
            insertPlaced(change.inserted);
            for (const GroupListChange::Replaced &one : change.replaced) {
                m_model->replaceRow(one.after);
                m_mapDeviceData.insert(one.after.id, one.after.item);
            }
        } else {
            for (const GroupListChange::Replaced &one : change.replaced) {
                m_model->replaceRow(one.before);
                m_mapDeviceData.insert(one.before.id, one.before.item);
            }
            removeRows(change.inserted);
            insertPlaced(change.removed);
        }
        // A new group with the highest id sums in the map's order, exactly as
        // a count over all groups would.
        if (oneAppended)
            m_totals.add(change.inserted.constFirst().row.item);
        else
            m_totals = DeviceTotals(m_mapDeviceData);
    }

    if (replay) {
        const int standard = forward ? change.standardAfter : change.standardBefore;
        if (standard >= 0 && change.standardBefore != change.standardAfter) {
            m_replaying = true;
            emit signalFrameStandardRestored(standard);
            m_replaying = false;
        }
    }
    // Groups that replace all others hold numbers from 1 already: told like an
    // undo's, not released like a Clear's.
    if (replay || (forward && change.clearsAll && !change.inserted.isEmpty())) {
        QList<int> numbers;
        numbers.reserve(m_mapDeviceData.size());
        for (const StructDeviceItem &item : std::as_const(m_mapDeviceData))
            numbers.append(item.iChannelGroupNumber);
        emit signalGroupNumbersRestored(numbers);
    } else if (forward && change.clearsAll) {
        emit SianalDeviceDelete(0);
    } else if (forward) {
        for (const GroupListChange::Placed &one : change.removed)
            emit SianalDeviceDelete(one.row.item.iChannelGroupNumber);
    }
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
    // Undoing or redoing a switch turns the editor's switch back, which
    // asks for this conversion: the change itself brings the groups.
    if (m_replaying)
        return;
    const bool toPal = toStandard == PAL;
    const int fromStandard = toPal ? NTSC : PAL;

    GroupListChange change;
    change.standardBefore = fromStandard;
    change.standardAfter = toStandard;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const DeviceListModel::Row before = m_model->rowAt(row);
        StructDeviceItem item = before.item;
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

        if (deviceType != 0 && item.bRateFromTable) {
            // A recommendation is worked out anew, for the scene complexity it stands for.
            m_bitrateTable.setFrameStandard(toStandard);
            const int recommended =
                m_bitrateTable.recommendedBitrate(item.strResolution, deviceType, newRate, item.iComplexity);
            if (recommended > 0)
                item.dBitrate = recommended;
        } else if (deviceType != 0) {
            m_bitrateTable.setFrameStandard(fromStandard);
            const int tableRate = m_bitrateTable.getBitrate(item.strResolution, deviceType, oldRate);
            // A typed rate follows only while it is the table's plain value.
            if (equalsTableValue(item.dBitrate, tableRate)) {
                m_bitrateTable.setFrameStandard(toStandard);
                item.dBitrate = m_bitrateTable.getBitrate(item.strResolution, deviceType, newRate);
            }
        }
        change.replaced.append({before, {before.id, item, true}});
    }
    perform(toPal ?
                  //: Undo history: the switch of every group to the PAL video standard ("Undo Switch to PAL").
                tr("Switch to PAL")
                  :
                  //: Undo history: the switch of every group to the NTSC video standard ("Undo Switch to NTSC").
                tr("Switch to NTSC"),
            change);
}

void DeviceAddPage::announceTotals()
{
    // The retention and the bounds first, so that the calculator works out
    // every figure once.
    emit signalRetention(m_totals.retention());
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
    //: Title of the file dialog that saves the PDF report.
    const QString caption = tr("Save File");
    //: File-type filter of the dialog that saves the report; keep "(*.pdf )" as it is.
    const QString filter = tr("File (*.pdf )");
    const QString chosen =
        aptui::FileChooser::saveFileName(this, caption, ReportFile::startPath(m_reportTitle, today), filter);
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
