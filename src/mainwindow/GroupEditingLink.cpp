#include "mainwindow/GroupEditingLink.h"

#include "calc/CapacityCalculation.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceEditor.h"
#include "device/DeviceEditorForm.h"
#include "device/DeviceListModel.h"
#include "model/GroupLimits.h"

GroupEditingLink::GroupEditingLink(DeviceEditor *editor, DeviceAddPage *groups, CapacityCalculation *panel,
                                   QObject *parent)
    : QObject(parent), m_editor(editor), m_groups(groups), m_panel(panel)
{
    connect(groups, &DeviceAddPage::signalEditRequested, editor, &DeviceEditor::editGroup);
    connect(editor, &DeviceEditor::signalEditDevice, groups, &DeviceAddPage::OnEditDeviceItem);
    connect(groups, &DeviceAddPage::signalDuplicateRequested, this, &GroupEditingLink::duplicateGroup);
    // An undo or redo brings groups back or takes them away: the editor hands
    // out numbers around those in use, and the switch shows their standard.
    connect(groups, &DeviceAddPage::signalGroupNumbersRestored, editor, &DeviceEditor::setUsedChannelGroupNumbers);
    connect(groups, &DeviceAddPage::signalFrameStandardRestored, editor, &DeviceEditor::setFrameStandard);
    connect(groups, &DeviceAddPage::signalGroupNumbersRestored, this, [this](const QList<int> &numbers) {
        if (numbers.isEmpty())
            m_panel->showNullPage();
        else
            m_panel->showNormalPage();
    });
    connect(groups->model(), &QAbstractItemModel::rowsRemoved, this, &GroupEditingLink::endOrphanedEdit);
    connect(groups->model(), &QAbstractItemModel::modelReset, this, &GroupEditingLink::endOrphanedEdit);
}

void GroupEditingLink::duplicateGroup(long long id, StructDeviceItem item)
{
    if (m_editor->refuseWhenFull(1))
        return;
    // The copy is numbered as a new group; its name loses the original's "(n)".
    item.strChannelName = GroupLimits::typedName(item);
    const QVector<StructDeviceItem> numbered = m_editor->numberedGroups({item});
    m_groups->duplicateGroup(id, numbered.constFirst());
}

void GroupEditingLink::endOrphanedEdit()
{
    const long long edited = m_editor->editedGroupId();
    if (edited != 0 && m_groups->model()->rowOf(edited) < 0)
        m_editor->cancelEdit();
}
