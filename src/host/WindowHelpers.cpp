#include "host/WindowHelpers.h"

#include <QWidget>

namespace FenwaGUIToolkit {

QWidget *GetIndependentWindow(QWidget *widget, int reserved)
{
    Q_UNUSED(reserved);
    if (!widget)
        return nullptr;
    QWidget *window = widget->window();
    return window && window->isWindow() ? window : nullptr;
}

} // namespace FenwaGUIToolkit
