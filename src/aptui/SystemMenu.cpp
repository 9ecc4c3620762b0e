#include "aptui/SystemMenu.h"

namespace aptui {

SystemMenu::SystemMenu(QWidget *parent) : CMenu(parent)
{
    setObjectName(QStringLiteral("SystemMenu"));
}

// The entries live in the main window's menu; these only keep the slot names
// that older style sheets and connections refer to.
void SystemMenu::openUserManual() {}

void SystemMenu::updateData() {}

void SystemMenu::settings() {}

void SystemMenu::about() {}

} // namespace aptui
