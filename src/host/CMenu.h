#pragma once

#include <QMenu>

namespace FenwaGUIToolkit {

// A popup menu with the toolkit's look.
class CMenu : public QMenu
{
    Q_OBJECT

public:
    explicit CMenu(QWidget *parent = nullptr);
    explicit CMenu(const QString &title, QWidget *parent = nullptr);
};

} // namespace FenwaGUIToolkit
