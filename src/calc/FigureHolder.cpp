#include "calc/FigureHolder.h"

#include <QLabel>
#include <QResizeEvent>

FigureHolder::FigureHolder(QLabel *label, QWidget *parent, const QMargins &margins)
    : QWidget(parent), m_label(label), m_margins(margins)
{
    m_label->setParent(this);
    setSizePolicy(m_label->sizePolicy());
}

QSize FigureHolder::withMargins(const QSize &size) const
{
    return size.grownBy(m_margins);
}

QSize FigureHolder::sizeHint() const
{
    return withMargins(m_label->sizeHint());
}

QSize FigureHolder::minimumSizeHint() const
{
    return withMargins(m_label->minimumSizeHint());
}

void FigureHolder::resizeEvent(QResizeEvent *event)
{
    m_label->setGeometry(QRect(QPoint(), event->size()).marginsRemoved(m_margins));
    QWidget::resizeEvent(event);
}
