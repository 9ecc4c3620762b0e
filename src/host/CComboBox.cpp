#include "host/CComboBox.h"

#include <QListView>
#include <QWheelEvent>

namespace FenwaGUIToolkit {

CComboBox::CComboBox(QWidget *parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void CComboBox::showPopup()
{
    if (!m_popupViewSet) {
        // A plain list view draws its rows with the styled delegate, which
        // follows the style sheet's item rules.
        setView(new QListView(this));
        m_popupViewSet = true;
    }
    QComboBox::showPopup();
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
