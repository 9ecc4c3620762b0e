#pragma once

#include <QWidgetItem>

namespace FenwaGUIToolkit {

// A layout item that keeps its widget at the given alignment in its cell.
class CWidgetItem : public QWidgetItem
{
public:
    CWidgetItem(QWidget *widget, Qt::Alignment alignment);
};

} // namespace FenwaGUIToolkit
