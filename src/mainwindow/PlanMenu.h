#pragma once

#include <QObject>

class PlanSession;
class QAction;
class QMenu;
class QWidget;

namespace aptui {
class Menu;
}

// The File section of the system menu: New, Open…, Recent Plans, Save,
// Save As…, Undo and Redo with the name of the step, and the group import and
// export, above a separator. The shortcuts also work in the window while the
// menu is closed. Recent plans whose file is gone are shown disabled.
class PlanMenu : public QObject
{
    Q_OBJECT

public:
    // The section goes into `menu` before `before`; the shortcuts act in `window`.
    PlanMenu(PlanSession *session, QMenu *menu, QAction *before, QWidget *window);

    QAction *newAction() const { return m_new; }
    QAction *openAction() const { return m_open; }
    QAction *saveAction() const { return m_save; }
    QAction *saveAsAction() const { return m_saveAs; }
    QAction *exportAction() const { return m_export; }
    QAction *importAction() const { return m_import; }
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
    aptui::Menu *recentMenu() const { return m_recent; }

private:
    QAction *addCommand(const QString &text, const char *objectName, QWidget *window);
    void fillRecent();
    void retranslateHistory();

    PlanSession *m_session = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_before = nullptr;
    QAction *m_new = nullptr;
    QAction *m_open = nullptr;
    QAction *m_save = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_export = nullptr;
    QAction *m_import = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    aptui::Menu *m_recent = nullptr;
};
