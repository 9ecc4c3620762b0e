#include "device/DeviceRowAccessible.h"

#include "device/DeviceListView.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QWidget>

#include <array>

namespace {

// A command of the view and the request it makes of the page.
struct Command
{
    QAction *action;
    void (DeviceListView::*request)(int);
};

std::array<Command, 3> commandsOf(const DeviceListView *view)
{
    return {{{view->editAction(), &DeviceListView::editRequested},
             {view->duplicateAction(), &DeviceListView::duplicateRequested},
             {view->deleteAction(), &DeviceListView::deleteRequested}}};
}

// The command a screen reader names, by the text the view gives it now.
const Command *commandNamed(const std::array<Command, 3> &commands, const QString &name)
{
    for (const Command &command : commands) {
        if (command.action->text() == name)
            return &command;
    }
    return nullptr;
}

} // namespace

DeviceRowAccessible::DeviceRowAccessible(DeviceListView *view, const QModelIndex &index) : m_view(view), m_index(index)
{}

int DeviceRowAccessible::row() const
{
    return isValid() ? m_index.row() : -1;
}

bool DeviceRowAccessible::isValid() const
{
    // A view given another model leaves this card behind.
    return m_view && m_index.isValid() && m_index.model() == m_view->model();
}

QWindow *DeviceRowAccessible::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *DeviceRowAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_view.data());
}

QString DeviceRowAccessible::text(QAccessible::Text type) const
{
    if (!isValid())
        return QString();
    switch (type) {
    case QAccessible::Name: {
        const QString name = m_index.data(Qt::AccessibleTextRole).toString();
        return name.isEmpty() ? m_index.data(Qt::DisplayRole).toString() : name;
    }
    case QAccessible::Description:
        return m_index.data(Qt::AccessibleDescriptionRole).toString();
    default:
        return QString();
    }
}

QRect DeviceRowAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect rect = m_view->visualRect(m_index);
    return rect.isValid() ? QRect(m_view->viewport()->mapToGlobal(rect.topLeft()), rect.size()) : QRect();
}

QAccessible::State DeviceRowAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const Qt::ItemFlags flags = m_index.flags();
    state.selectable = flags.testFlag(Qt::ItemIsSelectable);
    state.focusable = state.selectable;
    state.disabled = !flags.testFlag(Qt::ItemIsEnabled) || !m_view->isEnabled();
    const QItemSelectionModel *selection = m_view->selectionModel();
    state.selected = selection && selection->isSelected(m_index);
    // The current card has the keyboard only while the list has it.
    state.focused = m_view->hasFocus() && m_view->currentIndex() == m_index;
    state.invisible = !m_view->isVisible();
    state.offscreen = state.invisible || !m_view->viewport()->rect().intersects(m_view->visualRect(m_index));
    return state;
}

void *DeviceRowAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList DeviceRowAccessible::actionNames() const
{
    if (!isValid())
        return QStringList();
    QStringList names;
    for (const Command &command : commandsOf(m_view))
        names.append(command.action->text());
    names.append(setFocusAction());
    return names;
}

QString DeviceRowAccessible::localizedActionName(const QString &name) const
{
    // The view's commands are named in the language of the moment already.
    if (m_view && commandNamed(commandsOf(m_view), name))
        return name;
    return QAccessibleActionInterface::localizedActionName(name);
}

QString DeviceRowAccessible::localizedActionDescription(const QString &name) const
{
    if (m_view) {
        const auto commands = commandsOf(m_view);
        if (const Command *command = commandNamed(commands, name))
            return command->action->toolTip();
    }
    return QAccessibleActionInterface::localizedActionDescription(name);
}

QStringList DeviceRowAccessible::keyBindingsForAction(const QString &name) const
{
    QStringList keys;
    if (m_view) {
        const auto commands = commandsOf(m_view);
        if (const Command *command = commandNamed(commands, name)) {
            for (const QKeySequence &shortcut : command->action->shortcuts())
                keys.append(shortcut.toString(QKeySequence::NativeText));
        }
    }
    return keys;
}

void DeviceRowAccessible::doAction(const QString &name)
{
    if (!isValid() || !m_view->isEnabled())
        return;
    DeviceListView *view = m_view;
    const QModelIndex index = m_index;
    if (name == setFocusAction()) {
        view->setCurrentIndex(index);
        view->setFocus(Qt::OtherFocusReason);
        return;
    }
    const auto commands = commandsOf(view);
    const Command *command = commandNamed(commands, name);
    if (!command || !command->action->isEnabled())
        return;
    // As from the keyboard: the card becomes the current one, then the page
    // is asked. It may take the card away at once, and this item with it, so
    // nothing of this item is touched after the request.
    view->setCurrentIndex(index);
    emit(view->*command->request)(index.row());
}
