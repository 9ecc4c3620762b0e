#include "aptui/SystemMenu.h"

namespace aptui {

SystemMenu::SystemMenu(QWidget *parent) : CMenu(parent)
{
    setObjectName(QStringLiteral("SystemMenu"));
}

// The main window's own menu carries these entries; the slots remain so that
// connections made by signature still find them.
void SystemMenu::openUserManual() {}

void SystemMenu::updateData() {}

void SystemMenu::settings() {}

void SystemMenu::about() {}

} // namespace aptui
