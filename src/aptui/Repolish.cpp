#include "aptui/Repolish.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace aptui {

void repolish(QWidget *widget)
{
    // One not styled yet takes its properties as they are when it first is.
    if (!widget->testAttribute(Qt::WA_WState_Polished))
        return;
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

void markInvalid(QWidget *field, bool invalid)
{
    if (field->property("invalid").toBool() == invalid)
        return;
    field->setProperty("invalid", invalid);
    repolish(field);
}

} // namespace aptui
