#include "host/CWidgetItem.h"

namespace FenwaGUIToolkit {

CWidgetItem::CWidgetItem(QWidget *widget, Qt::Alignment alignment) : QWidgetItem(widget)
{
    setAlignment(alignment);
}

} // namespace FenwaGUIToolkit
