#pragma once

#include "device/GroupListChange.h"

#include <QUndoCommand>

class DeviceAddPage;

// A change of the device list on the undo stack: done, undone and done again
// by the page that holds the groups.
class GroupListCommand : public QUndoCommand
{
public:
    GroupListCommand(DeviceAddPage *page, const QString &text, GroupListChange change);

    void redo() override;
    void undo() override;

private:
    DeviceAddPage *m_page = nullptr;
    GroupListChange m_change;
    bool m_replay = false;
};
