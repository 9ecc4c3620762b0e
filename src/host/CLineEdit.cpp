#include "host/CLineEdit.h"

namespace FenwaGUIToolkit {

CLineEdit::CLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_MacShowFocusRect, false);
}

} // namespace FenwaGUIToolkit
