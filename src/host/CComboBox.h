#pragma once

#include <QComboBox>

namespace FenwaGUIToolkit {

// A combo box whose popup rows take the style sheet's item rules, and which
// ignores the mouse wheel until it has focus, so scrolling a form never
// changes a value by accident.
class CComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CComboBox(QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};

} // namespace FenwaGUIToolkit
