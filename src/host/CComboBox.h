#pragma once

#include <QComboBox>

namespace FenwaGUIToolkit {

// A combo box whose popup rows take the style sheet's item rules, and which
// ignores the mouse wheel until it has focus, so scrolling a form never
// changes a value by accident.
// The popup's list is built when it is first shown: a form of many combo
// boxes would otherwise build every popup before its window appears.
class CComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CComboBox(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_popupViewSet = false;
};

} // namespace FenwaGUIToolkit
