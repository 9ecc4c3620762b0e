#pragma once

#include <QRadioButton>

namespace FenwaGUIToolkit {

// A radio button with the toolkit's look: it shows that it can be clicked.
class CRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit CRadioButton(QWidget *parent = nullptr);
};

} // namespace FenwaGUIToolkit
