#pragma once

#include "device/GroupListChange.h"
#include "device/ReportOutcome.h"
#include "model/BitrateTable.h"
#include "model/DeviceTotals.h"
#include "model/Result.h"
#include "model/StructDeviceItem.h"

#include <QMap>
#include <QMutex>
#include <QString>
#include <QVector>
#include <QWidget>

class DeviceCardDelegate;
class DeviceListModel;
class ReportExport;
class ReportProgress;
class QAbstractItemView;
class QUndoStack;
class QHBoxLayout;
class QListView;
class QVBoxLayout;

namespace NM_Vantor {
class DeviceItemWidget;
}

// The channel groups added in the editor, one card per group, and the figures
// worked out from them after every change: the storage bitrate for the
// capacity calculator, the channel counts and the network bandwidth text.
// Groups are kept under page-local 64-bit ids that are never reused. The list
// is a view on a model of the groups whose delegate draws the cards, so that
// an add costs the same with ten groups or thousands. Given an undo stack,
// every change the user makes goes onto it as a command.
class DeviceAddPage : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceAddPage(QWidget *parent = nullptr);
    ~DeviceAddPage() override;

    // The id the next group gets is one more than this.
    long long lastDeviceId() const { return m_llDeviceId; }

    // The list, its rows, and the card a row is drawn from (shared by all
    // rows, set up for this one; none for a row that is not there).
    QAbstractItemView *listView() const;
    DeviceListModel *model() const { return m_model; }
    const NM_Vantor::DeviceItemWidget *cardForRow(int row) const;
    // The groups in the order the list shows them.
    QVector<StructDeviceItem> groups() const;

    // Adds, edits, duplicates, deletes, clears, imports and conversions go
    // onto this stack from now on; none keeps them final.
    void setUndoStack(QUndoStack *stack) { m_undoStack = stack; }
    QUndoStack *undoStack() const { return m_undoStack; }
    // Does the change (forward) or takes it back, and announces the totals.
    // A replay (undo, or a redo after it) also tells which channel-group
    // numbers and which video standard the list stands for now.
    void applyChange(const GroupListChange &change, bool forward, bool replay);
    // A report is being written; the outcome is told when it is done.
    bool isExporting() const;

signals:
    void SignalDeviceChanged(double dTotalBitrate);
    // The storage bitrate, in kbps, should every scene turn out calm or busy
    // (DeviceTotals::storageBitrateLow and High); right before SignalDeviceChanged.
    void signalStorageRange(double lowKbps, double highKbps);
    // How the groups keep their video; before signalStorageRange.
    void signalRetention(const RetentionProfile &retention);
    void SianalDeviceDelete(int iChannelGroupNumber);
    void SignalFramerateStandard(int index);
    void signalCover();
    void signalDisvocer();
    void signalDeviceChangedToBandwith(QString &channelCount, QString &IPCCount, QString &DVRCount, QString &bandWidth,
                                       QString &unit);
    // The user asked to edit or duplicate the group.
    void signalEditRequested(long long id, StructDeviceItem item);
    void signalDuplicateRequested(long long id, StructDeviceItem item);
    // After an undo or redo: the channel-group numbers in use, and the video
    // standard the groups are in (0 PAL, 1 NTSC).
    void signalGroupNumbersRestored(const QList<int> &numbers);
    void signalFrameStandardRestored(int standard);

public slots:
    // With isAddOnce false the group is stored and shown but nothing is
    // announced; the caller announces once at the end.
    void addDeviceTypeItem(StructDeviceItem deviceTypeItem, bool isAddOnce = true);
    void setDeviceTypeData(QVector<StructDeviceItem> vectData);
    // Replaces every group without asking, as when a plan is opened: emits
    // SianalDeviceDelete(0) as a clear does and announces the totals once.
    void setGroups(const QVector<StructDeviceItem> &groups);
    // Appends the groups as they are and announces the totals once.
    void addGroups(const QVector<StructDeviceItem> &groups);
    // Puts the groups (the caller numbered them from 1) in place of every group held, as one
    // step that an undo takes back whole; the editor learns the numbers in use.
    void replaceGroups(const QVector<StructDeviceItem> &groups);
    void OnDeleteDeviceItem(long long id, int iChannelGroupNumber);
    // The group becomes the item, keeping its id and place.
    void OnEditDeviceItem(long long id, StructDeviceItem item);
    // Puts the copy, numbered already, right below the group.
    void duplicateGroup(long long id, StructDeviceItem copy);
    void onClearDeviceItems();
    void onExportDeviceItems(Result result);
    // The plan's name for the report's title and offered file name. While it
    // is empty, the report takes its name from the file chosen for it.
    void setReportTitle(const QString &planName);
    QMap<long long, StructDeviceItem> getDeviceData();
    void OnGetFramerateStandard();
    // 0 converts the groups to PAL, 1 to NTSC.
    void OnFrametareStandardChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupForm();
    void clearAll();
    // Stores the groups after the ones held, or instead of them, and counts
    // the totals again; announces nothing.
    void storeGroups(const QVector<StructDeviceItem> &groups, bool replace);
    void announceTotals();
    void convertStandard(int toStandard);
    // Onto the undo stack, or done at once without one.
    void perform(const QString &text, const GroupListChange &change);
    void insertPlaced(const QVector<GroupListChange::Placed> &placed);
    void removeRows(const QVector<GroupListChange::Placed> &placed);
    void onDeleteRequested(int row);
    void onReportFinished(ReportOutcome outcome);

    // Form
    QVBoxLayout *m_verticalLayout = nullptr;
    QHBoxLayout *m_horizontalLayout = nullptr;
    QListView *m_listWidgetDiskData = nullptr;
    DeviceListModel *m_model = nullptr;
    DeviceCardDelegate *m_cardDelegate = nullptr;
    ReportProgress *m_reportProgress = nullptr;
    ReportExport *m_reportExport = nullptr;
    QString m_reportTitle;

    BitrateTable m_bitrateTable;
    QUndoStack *m_undoStack = nullptr;
    // Set while a change is undone or redone: the standard switch it makes
    // in the editor is no new conversion.
    bool m_replaying = false;
    QMap<long long, StructDeviceItem> m_mapDeviceData;
    // Kept up to date on every add; a delete, a clear or a conversion counts
    // the groups again.
    DeviceTotals m_totals{m_mapDeviceData};
    long long m_llDeviceId = 0;
    // Serialises an add against the row re-sizing of a resize.
    QMutex m_mutex;
};
