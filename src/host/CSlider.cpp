#include "host/CSlider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

namespace FenwaGUIToolkit {

CSlider::CSlider(QWidget *parent) : CSlider(Qt::Horizontal, parent) {}

CSlider::CSlider(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void CSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || maximum() == minimum()) {
        QSlider::mousePressEvent(event);
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    if (handle.contains(event->position().toPoint())) {
        // On the handle: the normal drag.
        QSlider::mousePressEvent(event);
        return;
    }
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QPoint pos = event->position().toPoint();
    int value;
    if (orientation() == Qt::Horizontal) {
        const int span = qMax(1, groove.width() - handle.width());
        value = QStyle::sliderValueFromPosition(minimum(), maximum(), pos.x() - groove.x() - handle.width() / 2, span,
                                                option.upsideDown);
    } else {
        const int span = qMax(1, groove.height() - handle.height());
        value = QStyle::sliderValueFromPosition(minimum(), maximum(), pos.y() - groove.y() - handle.height() / 2, span,
                                                option.upsideDown);
    }
    setValue(value);
    // Continue as a drag of the handle from here.
    QSlider::mousePressEvent(event);
}

} // namespace FenwaGUIToolkit
