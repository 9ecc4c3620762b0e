#include "host/CMenu.h"

namespace FenwaGUIToolkit {

CMenu::CMenu(QWidget *parent) : QMenu(parent) {}

CMenu::CMenu(const QString &title, QWidget *parent) : QMenu(title, parent) {}

} // namespace FenwaGUIToolkit
