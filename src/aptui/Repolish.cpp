#include "aptui/Repolish.h"

#include <QStyle>
#include <QWidget>

namespace aptui {

void repolish(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace aptui
