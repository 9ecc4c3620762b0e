#pragma once

#include "host/CMenu.h"

namespace aptui {

// The title bar's own system menu. The program offers its entries through the
// main window's menu instead, so these slots are deliberately inert.
class SystemMenu : public FenwaGUIToolkit::CMenu
{
    Q_OBJECT

public:
    explicit SystemMenu(QWidget *parent = nullptr);

public slots:
    void openUserManual();
    void updateData();
    void settings();
    void about();
};

} // namespace aptui
