#include "aptui/Repolish.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace aptui {

void repolish(QWidget *widget)
{
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
