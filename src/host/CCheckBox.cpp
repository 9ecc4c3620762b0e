#include "host/CCheckBox.h"

namespace FenwaGUIToolkit {

CCheckBox::CCheckBox(QWidget *parent) : QCheckBox(parent)
{
    setCursor(Qt::PointingHandCursor);
}

} // namespace FenwaGUIToolkit
