#pragma once

#include <QPushButton>

namespace FenwaGUIToolkit {

// A push button with the toolkit's look: it shows that it can be clicked.
class CPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CPushButton(QWidget *parent = nullptr);
};

} // namespace FenwaGUIToolkit
