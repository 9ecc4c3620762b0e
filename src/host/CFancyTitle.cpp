#include "host/CFancyTitle.h"

#include "host/WindowHelpers.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWindow>

namespace FenwaGUIToolkit {

CFancyTitle::CFancyTitle(QWidget *parent) : QWidget(parent) {}

void CFancyTitle::SetOpenDoubleClickEnable(bool enable)
{
    m_doubleClickEnabled = enable;
}

void CFancyTitle::mousePressEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    if (event->button() != Qt::LeftButton || !window || IsMaximized(window)) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Prefer the window system's own move: it follows the pointer across
    // screens and snaps as the desktop does.
    if (QWindow *handle = window->windowHandle(); handle && handle->startSystemMove()) {
        event->accept();
        return;
    }
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - window->frameGeometry().topLeft();
    event->accept();
}

void CFancyTitle::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    if (m_dragging && window && event->buttons().testFlag(Qt::LeftButton)) {
        window->move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void CFancyTitle::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void CFancyTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    if (!m_doubleClickEnabled || event->button() != Qt::LeftButton || !window) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (IsMaximized(window))
        ShowNormal(window, QSize());
    else
        ShowMaximized(window);
    emit SignalWndSizeStatusChanged();
    event->accept();
}

void CFancyTitle::paintEvent(QPaintEvent *event)
{
    // Lets style-sheet backgrounds apply to this plain widget subclass.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}

} // namespace FenwaGUIToolkit
