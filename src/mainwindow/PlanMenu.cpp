#include "mainwindow/PlanMenu.h"

#include "aptui/Menu.h"
#include "aptui/PlainToolTip.h"
#include "mainwindow/PlanSession.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeySequence>
#include <QUndoStack>
#include <QWidget>

namespace {
// Long paths are shortened in the middle to this width.
const int kRecentTextWidth = 360;
} // namespace

PlanMenu::PlanMenu(PlanSession *session, QMenu *menu, QAction *before, QWidget *window)
    : QObject(menu), m_session(session), m_menu(menu), m_before(before)
{
    //: System menu: start a new, empty plan (a verb).
    m_new = addCommand(tr("New"), "m_actionNew", window);
    m_new->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    //: System menu: open a plan file (a verb; the dots mean a file question follows).
    m_open = addCommand(tr("Open…"), "m_actionOpen", window);
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));

    m_recent = new aptui::Menu(tr("Recent Plans"), menu);
    m_recent->setObjectName(QStringLiteral("recentPlansMenu"));
    m_menu->insertMenu(m_before, m_recent)->setObjectName(QStringLiteral("m_actionRecentPlans"));
    connect(m_recent, &QMenu::aboutToShow, this, &PlanMenu::fillRecent);
    connect(m_session, &PlanSession::recentPlansChanged, this, &PlanMenu::fillRecent);

    //: System menu: save the plan to its file (a verb).
    m_save = addCommand(tr("Save"), "m_actionSave", window);
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    //: System menu: save the plan to another file (a verb).
    m_saveAs = addCommand(tr("Save As…"), "m_actionSaveAs", window);
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_menu->insertSeparator(m_before);
    m_undo = addCommand(QString(), "m_actionUndo", window);
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo = addCommand(QString(), "m_actionRedo", window);
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QUndoStack *history = m_session->undoStack();
    connect(m_undo, &QAction::triggered, history, &QUndoStack::undo);
    connect(m_redo, &QAction::triggered, history, &QUndoStack::redo);
    connect(history, &QUndoStack::indexChanged, this, &PlanMenu::retranslateHistory);
    connect(history, &QUndoStack::cleanChanged, this, &PlanMenu::retranslateHistory);
    retranslateHistory();
    m_menu->insertSeparator(m_before);
    m_export = addCommand(tr("Export Groups to CSV…"), "m_actionExportCsv", window);
    m_import = addCommand(tr("Import Groups from CSV…"), "m_actionImportCsv", window);
    m_menu->insertSeparator(m_before);

    connect(m_new, &QAction::triggered, m_session, &PlanSession::newPlan);
    connect(m_open, &QAction::triggered, m_session, &PlanSession::open);
    connect(m_save, &QAction::triggered, m_session, &PlanSession::save);
    connect(m_saveAs, &QAction::triggered, m_session, &PlanSession::saveAs);
    connect(m_export, &QAction::triggered, m_session, &PlanSession::exportGroups);
    connect(m_import, &QAction::triggered, m_session, &PlanSession::importGroups);
    fillRecent();
}

QAction *PlanMenu::addCommand(const QString &text, const char *objectName, QWidget *window)
{
    auto *action = new QAction(text, m_menu);
    action->setObjectName(QLatin1String(objectName));
    m_menu->insertAction(m_before, action);
    // Also the window's, so that its shortcut works while the menu is closed.
    window->addAction(action);
    return action;
}

void PlanMenu::retranslateHistory()
{
    const QUndoStack *history = m_session->undoStack();
    m_undo->setEnabled(history->canUndo());
    m_redo->setEnabled(history->canRedo());
    //: Menu entry; %1 is the step it takes back, e.g. "Undo Delete group".
    m_undo->setText(history->canUndo() ? tr("Undo %1").arg(history->undoText()) : tr("Undo"));
    //: Menu entry; %1 is the step it does again, e.g. "Redo Delete group".
    m_redo->setText(history->canRedo() ? tr("Redo %1").arg(history->redoText()) : tr("Redo"));
}

void PlanMenu::fillRecent()
{
    m_recent->clear();
    const QStringList paths = m_session->recentPlans();
    if (paths.isEmpty()) {
        m_recent->addAction(tr("No Recent Plans"))->setEnabled(false);
        return;
    }
    const QFontMetrics metrics(m_recent->font());
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        QString text = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, kRecentTextWidth);
        // An ampersand in a name is no mnemonic.
        text.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *action = m_recent->addAction(QStringLiteral("&%1  %2").arg(i + 1).arg(text));
        action->setObjectName(QStringLiteral("m_actionRecentPlan%1").arg(i + 1));
        action->setToolTip(aptui::plainToolTip(QDir::toNativeSeparators(path)));
        action->setEnabled(QFileInfo(path).isFile());
        // Once the menu is closed: the open rebuilds this list.
        connect(action, &QAction::triggered, m_session, [session = m_session, path] {
            QMetaObject::invokeMethod(
                session, [session, path] { session->openFile(path); }, Qt::QueuedConnection);
        });
    }
}
