#pragma once

#include "host/CFancyTitle.h"

class QIcon;
class QPushButton;
class QToolButton;

namespace aptui {

class ElidedLabel;
class SystemMenu;

// The main window's title bar: icon, title, system-menu button and the
// minimise, maximise/restore and close buttons of its top-level window.
class WindowTitle : public FenwaGUIToolkit::CFancyTitle
{
    Q_OBJECT

public:
    explicit WindowTitle(QWidget *parent = nullptr);

    void setTitle(const QString &text);
    void setIcon(const QIcon &icon);
    // The button the system menu drops down from.
    QWidget *systemMenuButton() const;

signals:
    void signalCloseApp();
    void signalSystemMenu();

public slots:
    void minimizeWindow();
    void maxOrRestoreWindow();
    void closeWindow();
    void displaySyetemMenu();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPushButton *makeButton(const QString &objectName, Qt::FocusPolicy focus);
    void describeMaximizeButton(bool maximized);

    // Shortened to the room the buttons leave; never widens the window.
    ElidedLabel *m_labelTitle = nullptr;
    QPushButton *m_btnIcon = nullptr;
    QPushButton *m_btnMinimize = nullptr;
    QPushButton *m_btnMaximize = nullptr;
    QPushButton *m_btnClose = nullptr;
    QToolButton *m_btnSystemMenu = nullptr;
    SystemMenu *m_systemMenu = nullptr;
};

} // namespace aptui
