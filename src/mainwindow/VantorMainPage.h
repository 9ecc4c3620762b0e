#pragma once

#include "model/Result.h"

#include <QMainWindow>

namespace Ui {
class VantorMainPage;
}
namespace aptui {
class CoverWidget;
class Menu;
class WindowTitle;
} // namespace aptui
class AboutDialog;
class CapacityCalculation;
class DataCalculatorPage;
class DeviceAddPage;
class DeviceEditor;
class GroupEditingLink;
class PlanMenu;
class PlanSession;
class QAction;
class QHBoxLayout;
class UpgradeTool;

// The single top-level window: frameless, with its own title bar, a board area
// in which the pages stand side by side, the system menu with the about panel,
// and a cover that dims the window while a question is open.
class VantorMainPage : public QMainWindow
{
    Q_OBJECT

public:
    explicit VantorMainPage(QWidget *parent = nullptr);
    ~VantorMainPage() override;

    // Connects the pages and the shell; called once right after construction.
    void connectSignals();

    bool isCovered() const { return m_bCovered; }
    aptui::WindowTitle *titleBar() const { return m_pTitle; }
    aptui::Menu *aboutMenu() const { return m_pAboutMenu; }
    AboutDialog *aboutPanel() const { return m_pAboutDialog; }
    aptui::CoverWidget *cover() const { return m_pCover; }
    // Null when the setup switches update checks off.
    UpgradeTool *upgradeTool();
    QAction *updateDataAction() const { return m_pActionUpdateData; }
    QAction *checkUpdateAction() const { return m_pActionCheckUpdate; }
    // The system menu's language choices; each action's data is its "Translator" number.
    aptui::Menu *languageMenu() const { return m_pLanguageMenu; }
    // The plan shown as a document, and the system menu's File section.
    PlanSession *planSession() const { return m_pPlanSession; }
    PlanMenu *planMenu() const { return m_pPlanMenu; }

signals:
    void signalGetHelp();
    void signalExportPdf(Result result);
    // The user chose to restart now, so that a new language applies.
    void signalRestartRequested();

public slots:
    void resizeAddBoarder();
    const QObject *getDeviceAddPage();
    QObject *getDataDisplayPageSize();
    QObject *getDataDisplayPageTime();
    DataCalculatorPage *getDataCalculatorPage();
    CapacityCalculation *getCapacityCalculation();
    DeviceEditor *getDeviceEditor();
    QObject *getScenceSelector();
    // Takes the calculator's figures and asks the device list for the report.
    void onGetCalResults();
    void OnBtnSystemMenu();
    void OnMenuHelpClicked();
    // Runs the "Update Data" dialog over the dimmed window.
    void OnMenuUpdateClicked();
    void setCover(bool coverIt);
    void enableCover();
    void disableCover();
    void onUpdateCheckOver(bool needUpdate);
    // The user's own check: prompting is switched back on and the outcome is always told.
    void onCheckUpdate();
    // "<plan name>[*] — TAVO storage calculator" in the window and its title bar.
    void showPlanTitle(const QString &planName, bool modified);
    // A later start handed over a plan: the window comes to the front and
    // opens it as Open would, once no question is open.
    void openHandedOverPlan(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateCover();
    void setupMaintenanceMenu();
    void setupKeyboardAndNames();
    void setupLanguageMenu();
    // Keeps the chosen language in the user's setup and offers to restart.
    void onLanguageChosen(QAction *action);
    void checkLanguage(unsigned language);
    void setupUpdateCheck();
    void setupPlanSession();
    // Under its button; from the keyboard with its first entry active.
    void openSystemMenu(bool byKeyboard);
    void endBusyCursor();
    void bringToFront();

    Ui::VantorMainPage *ui;
    QHBoxLayout *m_pBoardHLayout = nullptr;
    aptui::WindowTitle *m_pTitle = nullptr;
    DeviceEditor *m_pDeviceEditor = nullptr;
    CapacityCalculation *m_pCapacityCalculation = nullptr;
    // The device list page inside the capacity panel.
    DeviceAddPage *m_pDeviceAddPage = nullptr;
    AboutDialog *m_pAboutDialog = nullptr;
    aptui::Menu *m_pAboutMenu = nullptr;
    aptui::CoverWidget *m_pCover = nullptr;
    bool m_bCovered = false;
    // Modal windows open over the window, each dimming it while shown.
    int m_modalWindows = 0;
    UpgradeTool *m_pUpgradeTool = nullptr;
    bool m_bUpdateChecks = false;
    bool m_bAutoCheckStarted = false;
    bool m_bManualCheck = false;
    bool m_bBusyCursor = false;
    QAction *m_pActionUpdateData = nullptr;
    QAction *m_pActionCheckUpdate = nullptr;
    aptui::Menu *m_pLanguageMenu = nullptr;
    // The language the next start will use.
    unsigned m_chosenLanguage = 0;
    PlanSession *m_pPlanSession = nullptr;
    PlanMenu *m_pPlanMenu = nullptr;
    GroupEditingLink *m_pGroupEditing = nullptr;
};
