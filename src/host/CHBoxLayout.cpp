#include "host/CHBoxLayout.h"

namespace FenwaGUIToolkit {

CHBoxLayout::CHBoxLayout(QWidget *parent) : QHBoxLayout(parent) {}

void CHBoxLayout::AddWidget(QWidget *widget)
{
    addWidget(widget);
}

void CHBoxLayout::AddItem(QLayoutItem *item, int stretch)
{
    if (!item)
        return;
    // A widget item's widget must become a child of the layout's widget.
    if (QWidget *widget = item->widget(); widget && parentWidget())
        addChildWidget(widget);
    addItem(item);
    setStretch(count() - 1, stretch);
}

void CHBoxLayout::SetLayoutContentsMargins(int left, int top, int right, int bottom)
{
    setContentsMargins(left, top, right, bottom);
}

void CHBoxLayout::SetLayoutSpacing(int spacing)
{
    setSpacing(spacing);
}

} // namespace FenwaGUIToolkit
