#include "host/CComboBox.h"

#include <QListView>
#include <QWheelEvent>

namespace FenwaGUIToolkit {

CComboBox::CComboBox(QWidget *parent) : QComboBox(parent)
{
    setView(new QListView(this));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void CComboBox::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace FenwaGUIToolkit
