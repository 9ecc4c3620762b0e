#pragma once

#include "model/StructDeviceItem.h"

#include <QObject>

class CapacityCalculation;
class DeviceAddPage;
class DeviceEditor;

// Ties the list's edit and duplicate requests to the editor, and keeps the
// editor and the panel in step with what an undo or redo does to the list.
class GroupEditingLink : public QObject
{
    Q_OBJECT

public:
    GroupEditingLink(DeviceEditor *editor, DeviceAddPage *groups, CapacityCalculation *panel, QObject *parent);

    // Puts a copy of the group, with the next free number, right below it.
    void duplicateGroup(long long id, StructDeviceItem item);

private:
    // The group being edited went away (deleted, cleared, undone): nothing to save it to.
    void endOrphanedEdit();

    DeviceEditor *m_editor = nullptr;
    DeviceAddPage *m_groups = nullptr;
    CapacityCalculation *m_panel = nullptr;
};
