#include "device/GroupListCommand.h"

#include "device/DeviceAddPage.h"

#include <utility>

GroupListCommand::GroupListCommand(DeviceAddPage *page, const QString &text, GroupListChange change)
    : QUndoCommand(text), m_page(page), m_change(std::move(change))
{}

void GroupListCommand::redo()
{
    // The first time is the change itself; later ones replay it.
    m_page->applyChange(m_change, true, std::exchange(m_replay, true));
}

void GroupListCommand::undo()
{
    m_page->applyChange(m_change, false, true);
}
