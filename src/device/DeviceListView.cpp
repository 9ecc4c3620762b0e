#include "device/DeviceListView.h"

#include "device/DeviceCardDelegate.h"
#include "device/DeviceListAccessible.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

DeviceListView::DeviceListView(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    DeviceListAccessible::install();
    m_edit = addCommand(QKeySequence(Qt::Key_F2), "m_actionEditGroup", &DeviceListView::editRequested);
    m_duplicate =
        addCommand(QKeySequence(Qt::CTRL | Qt::Key_D), "m_actionDuplicateGroup", &DeviceListView::duplicateRequested);
    m_delete = addCommand(QKeySequence(QKeySequence::Delete), "m_actionDeleteGroup", &DeviceListView::deleteRequested);
    retranslate();
}

DeviceListView::~DeviceListView()
{
    // The delegate watches the viewport; past this point there is no view to ask.
    if (QAbstractItemDelegate *delegate = itemDelegate())
        viewport()->removeEventFilter(delegate);
}

QAction *DeviceListView::addCommand(const QKeySequence &shortcut, const char *objectName,
                                    void (DeviceListView::*request)(int))
{
    auto *action = new QAction(this);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(shortcut);
    // Only while the list has the focus: elsewhere the keys belong to the fields.
    action->setShortcutContext(Qt::WidgetShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, request] {
        const QModelIndex current = currentIndex();
        if (current.isValid())
            emit(this->*request)(current.row());
    });
    return action;
}

void DeviceListView::retranslate()
{
    //: Context-menu entry: loads the channel group into the editor (a verb).
    m_edit->setText(tr("Edit group"));
    //: Context-menu entry: puts a copy of the channel group below it (a verb).
    m_duplicate->setText(tr("Duplicate group"));
    //: Context-menu entry: removes the channel group (a verb).
    m_delete->setText(tr("Delete group"));
}

void DeviceListView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QListView::changeEvent(event);
}

void DeviceListView::followRowCount()
{
    const bool rows = model() && model()->rowCount() > 0;
    setFocusPolicy(rows ? Qt::StrongFocus : Qt::NoFocus);
    for (QAction *action : {m_edit, m_duplicate, m_delete})
        action->setEnabled(rows);
}

void DeviceListView::contextMenuEvent(QContextMenuEvent *event)
{
    QModelIndex index = event->reason() == QContextMenuEvent::Mouse ? indexAt(event->pos()) : currentIndex();
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    QPoint at = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        // From the keyboard: under the card's title rather than wherever the pointer is.
        const QRect rect = visualRect(index);
        at = viewport()->mapToGlobal(QPoint(rect.left() + rect.width() / 4, rect.top() + rect.height() / 2));
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("groupContextMenu"));
    menu.addAction(m_edit);
    menu.addAction(m_duplicate);
    menu.addSeparator();
    menu.addAction(m_delete);
    menu.exec(at);
}

void DeviceListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Not the base class's: after a click that deleted a group it would turn
    // the second click into a press on the group that moved under the mouse.
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    auto *cards = qobject_cast<DeviceCardDelegate *>(itemDelegate());
    if (!index.isValid() || (cards && cards->deleteButtonRect(index).contains(pos)))
        return;
    setCurrentIndex(index);
    emit editRequested(index.row());
}

void DeviceListView::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (currentIndex().isValid()) {
            emit editRequested(currentIndex().row());
            event->accept();
            return;
        }
    }
    QListView::keyPressEvent(event);
}

void DeviceListView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    const bool atEnd = !parent.isValid() && model() && end == model()->rowCount() - 1;
    if (atEnd && (m_onlyAppended || m_firstAppended < 0)) {
        if (m_firstAppended < 0)
            m_firstAppended = start;
        m_onlyAppended = true;
    } else {
        m_onlyAppended = false;
    }
    QListView::rowsInserted(parent, start, end);
    followRowCount();
}

void DeviceListView::doItemsLayout()
{
    followRowCount();
    const bool onlyAppended = m_onlyAppended && m_firstAppended >= 0;
    const int first = m_firstAppended;
    m_onlyAppended = false;
    m_firstAppended = -1;
    if (!onlyAppended || !model()) {
        QListView::doItemsLayout();
        return;
    }
    // The rows above keep their places: lay out without the full repaint
    // the base class asks for, then repaint what the new rows cover.
    QWidget *port = viewport();
    const bool blocked = port->testAttribute(Qt::WA_UpdatesDisabled);
    port->setAttribute(Qt::WA_UpdatesDisabled, true);
    QListView::doItemsLayout();
    port->setAttribute(Qt::WA_UpdatesDisabled, blocked);
    const QRect shown = port->rect();
    for (int row = first; row < model()->rowCount(); ++row) {
        const QRect rect = visualRect(model()->index(row, 0, rootIndex()));
        if (rect.top() > shown.bottom())
            break;
        port->update(rect.intersected(shown));
    }
}
