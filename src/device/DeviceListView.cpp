#include "device/DeviceListView.h"

DeviceListView::DeviceListView(QWidget *parent) : QListView(parent) {}

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
}

void DeviceListView::doItemsLayout()
{
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
