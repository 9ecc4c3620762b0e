#include "host/CPushButton.h"

namespace FenwaGUIToolkit {

CPushButton::CPushButton(QWidget *parent) : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

} // namespace FenwaGUIToolkit
