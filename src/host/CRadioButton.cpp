#include "host/CRadioButton.h"

namespace FenwaGUIToolkit {

CRadioButton::CRadioButton(QWidget *parent) : QRadioButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

} // namespace FenwaGUIToolkit
