#include "mainwindow/VantorMainPage.h"

#include "ui_VantorMainPage.h"

#include "aptui/AboutDialog.h"
#include "aptui/AccessibleNames.h"
#include "aptui/CoverWidget.h"
#include "aptui/ElidedLabel.h"
#include "aptui/Menu.h"
#include "aptui/TipDialog.h"
#include "aptui/WarningDialog.h"
#include "aptui/WindowTitle.h"
#include "calc/CapacityCalculation.h"
#include "calc/DataCalculatorPage.h"
#include "calc/DataDisplayPage.h"
#include "calc/SizeDisplayPage.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceEditor.h"
#include "device/WidgetDeviceListBorder.h"
#include "host/TargetPath.h"
#include "maintenance/UpdateDialog.h"
#include "maintenance/UpgradeTool.h"
#include "mainwindow/GroupEditingLink.h"
#include "mainwindow/PlanMenu.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/WindowTabOrder.h"
#include "model/ConfigureManager.h"
#include "model/XmlNode.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QPixmap>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>

namespace {
const char kWindowIcon[] = ":/aptui/complex/Images/System/Complex/calculate.png";
}

VantorMainPage::VantorMainPage(QWidget *parent) : QMainWindow(parent), ui(new Ui::VantorMainPage)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    m_pTitle = new aptui::WindowTitle(this);
    m_pBoardHLayout = new QHBoxLayout;
    // Built with their final parents, so that each style is worked out once.
    QWidget *board = ui->scrollAreaWidgetContents;
    m_pDeviceEditor = new DeviceEditor(board);
    // The panel holds the device list and the empty-list view; the pages stay
    // unaware of each other, so they are made here and handed in.
    m_pDeviceAddPage = new DeviceAddPage(board);
    m_pCapacityCalculation = new CapacityCalculation(m_pDeviceAddPage, new WidgetDeviceListBorder(board), board);
    m_pCapacityCalculation->setObjectName(QStringLiteral("m_pCapacityCalculation"));
    m_pAboutMenu = new aptui::Menu(this);
    // The about panel is the menu's widget action; the menu does not own it.
    m_pAboutDialog = new AboutDialog(nullptr);
    m_pAboutMenu->addAction(m_pAboutDialog);
    m_pAboutMenu->setObjectName(QStringLiteral("aboutMenu"));
    // Keeps the menu's own no-shadow hint.
    m_pAboutMenu->setWindowFlags(m_pAboutMenu->windowFlags() | Qt::FramelessWindowHint | Qt::Popup);
    m_pAboutMenu->setAttribute(Qt::WA_TranslucentBackground);
    m_pAboutMenu->setFocusPolicy(Qt::NoFocus);
    //: The menu behind the title bar's menu button, as a screen reader names it.
    m_pAboutMenu->setAccessibleName(tr("System menu"));

    ui->topLayout->addWidget(m_pTitle);
    m_pBoardHLayout->addWidget(m_pDeviceEditor);
    m_pBoardHLayout->addWidget(m_pCapacityCalculation);
    ui->m_boardLayout->addLayout(m_pBoardHLayout);

    m_pTitle->setIcon(QIcon(QPixmap(QString::fromLatin1(kWindowIcon))));

    connect(m_pAboutDialog, &AboutDialog::siganlBtn1Clicked, this, &VantorMainPage::OnMenuHelpClicked);

    m_pCover = new aptui::CoverWidget(this);
    m_pCover->hide();
    m_pCover->lower();
    qApp->installEventFilter(this);

    setupMaintenanceMenu();
    setupUpdateCheck();
    setupPlanSession();
    setupKeyboardAndNames();
}

void VantorMainPage::setupPlanSession()
{
    m_pPlanSession = new PlanSession(
        {m_pDeviceEditor, m_pDeviceAddPage, m_pCapacityCalculation->getDataCalculatorPage(), m_pCapacityCalculation},
        this);
    m_pPlanSession->setProgramVersion(UpgradeTool::versionFromAboutText(m_pAboutDialog->version()));
    // The File section comes first, above the about panel.
    m_pPlanMenu = new PlanMenu(m_pPlanSession, m_pAboutMenu, m_pAboutDialog, this);
    connect(m_pPlanSession, &PlanSession::titleChanged, this, &VantorMainPage::showPlanTitle);
    showPlanTitle(m_pPlanSession->planName(), m_pPlanSession->isModified());
}

void VantorMainPage::showPlanTitle(const QString &planName, bool modified)
{
    const QString mark = modified ? QStringLiteral("*") : QString();
    const QString title = tr("%1 — %2", "plan name, program name").arg(planName + mark, tr("TAVO storage calculator"));
    m_pTitle->setTitle(title);
    // The window system draws this one itself; it gets no more than any path can be.
    setWindowTitle(aptui::ElidedLabel::shortened(title));
}

void VantorMainPage::openHandedOverPlan(const QString &path)
{
    bringToFront();
    // A question open now is answered first; the plan waits for it.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(200, this, [this, path] { openHandedOverPlan(path); });
        return;
    }
    m_pPlanSession->openFile(path);
}

void VantorMainPage::bringToFront()
{
    // Out of the taskbar as it was before, maximised or not.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void VantorMainPage::setupKeyboardAndNames()
{
    // The system menu by keyboard, as the menu bar of other programs opens.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::ALT | Qt::Key_Space)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] { openSystemMenu(true); });
    }
    aptui::AccessibleNames::nameFieldsByTheirCaptions(this);
    // The board scrolls only when the window is very small; its frame needs no focus.
    ui->scrollArea->setFocusPolicy(Qt::NoFocus);
    WindowTabOrder::apply(this);
}

void VantorMainPage::setupMaintenanceMenu()
{
    // Entries under the about panel, so that both maintenance tasks can be found.
    m_pAboutMenu->addSeparator();
    m_pActionUpdateData = m_pAboutMenu->addAction(tr("Update Data…"));
    m_pActionUpdateData->setObjectName(QStringLiteral("m_actionUpdateData"));
    connect(m_pActionUpdateData, &QAction::triggered, this, &VantorMainPage::OnMenuUpdateClicked);
    m_pActionCheckUpdate = m_pAboutMenu->addAction(tr("Check for Updates…"));
    m_pActionCheckUpdate->setObjectName(QStringLiteral("m_actionCheckUpdate"));
    m_pActionCheckUpdate->setVisible(false);
    connect(m_pActionCheckUpdate, &QAction::triggered, this, &VantorMainPage::onCheckUpdate);
    setupLanguageMenu();
}

void VantorMainPage::setupLanguageMenu()
{
    //: System menu: the submenu choosing the program's language.
    m_pLanguageMenu = new aptui::Menu(tr("Language"), m_pAboutMenu);
    m_pLanguageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_pAboutMenu->addMenu(m_pLanguageMenu)->setObjectName(QStringLiteral("m_actionLanguage"));
    auto *choices = new QActionGroup(m_pLanguageMenu);
    // Each language is named in its own script, so that its readers find it whatever is shown now.
    const std::pair<unsigned, QString> languages[] = {
        {0, QStringLiteral("English")}, {1, QStringLiteral("中文")}, {8, QStringLiteral("Русский")}};
    for (const auto &[language, name] : languages) {
        QAction *action = m_pLanguageMenu->addAction(name);
        action->setObjectName(QStringLiteral("m_actionLanguage%1").arg(language));
        action->setData(language);
        action->setCheckable(true);
        choices->addAction(action);
    }
    m_chosenLanguage = apt::ConfigureManager::instance()->translator();
    checkLanguage(m_chosenLanguage);
    connect(choices, &QActionGroup::triggered, this, &VantorMainPage::onLanguageChosen);
}

void VantorMainPage::checkLanguage(unsigned language)
{
    for (QAction *action : m_pLanguageMenu->actions())
        action->setChecked(action->data().toUInt() == language);
}

void VantorMainPage::onLanguageChosen(QAction *action)
{
    m_pAboutMenu->close();
    const unsigned language = action->data().toUInt();
    if (language == m_chosenLanguage)
        return;
    const QPoint corner(x() + width() / 2 - 155, y() + height() / 2 - 60);
    if (!apt::ConfigureManager::saveTranslator(language)) {
        checkLanguage(m_chosenLanguage);
        setCover(true);
        NM_Vantor::WarningDialog::showWarning(
            corner, 2,
            tr("The language could not be saved: %1 could not be written.")
                .arg(QDir::toNativeSeparators(apt::ConfigureManager::userSetupFile())));
        setCover(false);
        return;
    }
    m_chosenLanguage = language;

    setCover(true);
    NM_Vantor::TipDialog dialog(nullptr);
    dialog.setObjectName(QStringLiteral("languageRestartDialog"));
    dialog.setFixedSize(350, 220);
    //: Title of the question whether to restart in the language just chosen.
    dialog.setTitle(tr("Language"));
    dialog.setText(tr("The new language applies when the program starts again. Restart now?"));
    //: Button: restart the program now (a verb).
    dialog.setConfirmButtonText(tr("Restart"));
    //: Button: keep working and use the new language from the next start.
    dialog.setCancelButtonText(tr("Later"));
    dialog.move(x() + (width() - dialog.width()) / 2, y() + (height() - dialog.height()) / 2);
    const bool restart = dialog.exec() == QDialog::Accepted;
    setCover(false);
    // The restart ends this window: the plan's changes are asked about first.
    if (restart && m_pPlanSession->maybeSave())
        emit signalRestartRequested();
}

void VantorMainPage::setupUpdateCheck()
{
    XmlNode setup;
    // The user's own settings when there are any, as everywhere else.
    setup.load(apt::ConfigureManager::setupFile());
    // Missing or not a number counts as 0: checks on.
    const int versionType = setup.child(QStringLiteral("VersionType")).child(QStringLiteral("Value")).text().toInt();
    if (versionType != 0)
        return;

    m_bUpdateChecks = true;
    connect(m_pAboutDialog, &AboutDialog::siganlBtn2Clicked, this, &VantorMainPage::onCheckUpdate);
    m_pActionCheckUpdate->setVisible(true);
}

UpgradeTool *VantorMainPage::upgradeTool()
{
    // Built for the first check rather than with the window, which does not need it to appear.
    if (m_pUpgradeTool || !m_bUpdateChecks)
        return m_pUpgradeTool;
    upgrade::tagAppProperty appProperty;
    appProperty.nReserved = 0;
    appProperty.nVersionType = 0;
    appProperty.strProductName = "Mirelda";
    appProperty.strVersion = UpgradeTool::versionFromAboutText(m_pAboutDialog->version()).toStdString();
    m_pUpgradeTool = new UpgradeTool(appProperty, nullptr);
    connect(m_pUpgradeTool, &UpgradeTool::signalUpdateCheckOver, this, &VantorMainPage::onUpdateCheckOver);
    return m_pUpgradeTool;
}

VantorMainPage::~VantorMainPage()
{
    // The list empties itself as it goes; the window, half gone by then, must not hear of it.
    delete m_pGroupEditing;
    // The window goes as the program ends normally.
    m_pPlanSession->endSession();
    endBusyCursor();
    // Stops a running update query before the window goes.
    delete m_pUpgradeTool;
    m_pAboutMenu->removeAction(m_pAboutDialog);
    delete m_pAboutDialog;
    delete ui;
}

void VantorMainPage::connectSignals()
{
    DataCalculatorPage *calculator = m_pCapacityCalculation->getDataCalculatorPage();
    auto *sizeDisplay = qobject_cast<SizeDisplayPage *>(m_pCapacityCalculation->getDataDisplayPageSize());
    auto *timeDisplay = qobject_cast<DataDisplayPage *>(m_pCapacityCalculation->getDataDisplayPageTime());

    // Every interactive add announces its totals: the one-argument form of the slot.
    connect(m_pDeviceEditor, SIGNAL(signalAddDevice(StructDeviceItem)), m_pDeviceAddPage,
            SLOT(addDeviceTypeItem(StructDeviceItem)), Qt::DirectConnection);
    connect(m_pDeviceEditor, &DeviceEditor::signalAppStart, m_pCapacityCalculation,
            &CapacityCalculation::showNormalPage, Qt::DirectConnection);
    connect(m_pDeviceAddPage, &DeviceAddPage::SianalDeviceDelete, m_pDeviceEditor,
            &DeviceEditor::OnDeleteChannelGroupNumber, Qt::DirectConnection);
    // A cleared list gives way to the empty view; the next add brings the list back.
    connect(m_pDeviceAddPage, &DeviceAddPage::SianalDeviceDelete, m_pCapacityCalculation, [this](int number) {
        if (number == 0)
            m_pCapacityCalculation->showNullPage();
    });
    connect(m_pDeviceEditor, &DeviceEditor::signalAddDevice, m_pCapacityCalculation,
            &CapacityCalculation::showNormalPage);
    connect(m_pTitle, &aptui::WindowTitle::signalSystemMenu, this, &VantorMainPage::OnBtnSystemMenu,
            Qt::DirectConnection);
    connect(m_pDeviceAddPage, &DeviceAddPage::SignalDeviceChanged, calculator, &DataCalculatorPage::OnDeviceChanged,
            Qt::DirectConnection);
    connect(m_pDeviceAddPage, &DeviceAddPage::signalDeviceChangedToBandwith, calculator,
            &DataCalculatorPage::onDeviceChangedToBandWidth, Qt::DirectConnection);
    connect(calculator, &DataCalculatorPage::setDiskSize, sizeDisplay, &SizeDisplayPage::displaySize,
            Qt::DirectConnection);
    connect(calculator, &DataCalculatorPage::setTime, timeDisplay, &DataDisplayPage::displayTime, Qt::DirectConnection);
    // The exact figures behind the whole-unit ones.
    connect(calculator, &DataCalculatorPage::setExactTime, timeDisplay, &DataDisplayPage::displayExactTime);
    connect(calculator, &DataCalculatorPage::setExactDiskSize, sizeDisplay, &SizeDisplayPage::displayExactSize);
    // And what scene activity can make of them.
    connect(m_pDeviceAddPage, &DeviceAddPage::signalStorageRange, calculator, &DataCalculatorPage::onStorageRange);
    connect(calculator, &DataCalculatorPage::setTimeRange, timeDisplay, &DataDisplayPage::displayTimeRange);
    connect(calculator, &DataCalculatorPage::setDiskSizeRange, sizeDisplay, &SizeDisplayPage::displaySizeRange);
    // And what the groups with a retention of their own make of them.
    connect(m_pDeviceAddPage, &DeviceAddPage::signalRetention, calculator, &DataCalculatorPage::onRetention);
    connect(calculator, &DataCalculatorPage::setTimeNote, timeDisplay, &DataDisplayPage::displayTimeNote);
    connect(calculator, &DataCalculatorPage::setDiskSizeNote, sizeDisplay, &SizeDisplayPage::displaySizeNote);
    connect(m_pDeviceEditor, &DeviceEditor::signalCurrentFrameStandard, m_pDeviceAddPage,
            &DeviceAddPage::OnFrametareStandardChanged);
    connect(m_pCapacityCalculation, &CapacityCalculation::signalClear, m_pDeviceAddPage,
            &DeviceAddPage::onClearDeviceItems);
    connect(m_pCapacityCalculation, &CapacityCalculation::signalExport, this, &VantorMainPage::onGetCalResults);
    connect(this, &VantorMainPage::signalExportPdf, m_pDeviceAddPage, &DeviceAddPage::onExportDeviceItems);
    connect(m_pDeviceAddPage, &DeviceAddPage::signalCover, this, &VantorMainPage::enableCover);
    connect(m_pDeviceAddPage, &DeviceAddPage::signalDisvocer, this, &VantorMainPage::disableCover);
    connect(m_pAboutDialog, &AboutDialog::signalCover, this, &VantorMainPage::enableCover);
    connect(m_pAboutDialog, &AboutDialog::signalDiscover, this, &VantorMainPage::disableCover);
    connect(this, &VantorMainPage::signalGetHelp, m_pAboutDialog, &AboutDialog::onGetHelp);
    m_pGroupEditing = new GroupEditingLink(m_pDeviceEditor, m_pDeviceAddPage, m_pCapacityCalculation, this);
}

void VantorMainPage::resizeAddBoarder() {}

const QObject *VantorMainPage::getDeviceAddPage()
{
    return m_pCapacityCalculation->getDeviceAddPage();
}

QObject *VantorMainPage::getDataDisplayPageSize()
{
    return m_pCapacityCalculation->getDataDisplayPageSize();
}

QObject *VantorMainPage::getDataDisplayPageTime()
{
    return m_pCapacityCalculation->getDataDisplayPageTime();
}

DataCalculatorPage *VantorMainPage::getDataCalculatorPage()
{
    return m_pCapacityCalculation->getDataCalculatorPage();
}

CapacityCalculation *VantorMainPage::getCapacityCalculation()
{
    return m_pCapacityCalculation;
}

DeviceEditor *VantorMainPage::getDeviceEditor()
{
    return m_pDeviceEditor;
}

QObject *VantorMainPage::getScenceSelector()
{
    return m_pDeviceEditor->getScenceSelector();
}

void VantorMainPage::onGetCalResults()
{
    Result result;
    getDataCalculatorPage()->fillResult(result);
    emit signalExportPdf(result);
}

void VantorMainPage::OnBtnSystemMenu()
{
    openSystemMenu(false);
}

void VantorMainPage::openSystemMenu(bool byKeyboard)
{
    m_pAboutMenu->popupUnder(m_pTitle->systemMenuButton(), byKeyboard);
}

void VantorMainPage::contextMenuEvent(QContextMenuEvent *event)
{
    // The Menu key where nothing has a menu of its own opens the system menu.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        openSystemMenu(true);
        event->accept();
        return;
    }
    QMainWindow::contextMenuEvent(event);
}

void VantorMainPage::OnMenuHelpClicked()
{
    m_pAboutMenu->close();
}

void VantorMainPage::OnMenuUpdateClicked()
{
    m_pAboutMenu->close();
    setCover(true);
    {
        UpdateDialog dialog(nullptr);
        dialog.move(x() + (width() - dialog.width()) / 2, y() + (height() - dialog.height()) / 2);
        dialog.exec();
    }
    setCover(false);
}

void VantorMainPage::showEvent(QShowEvent *event)
{
    if (!m_bAutoCheckStarted) {
        m_bManualCheck = false;
        if (m_bUpdateChecks) {
            QTimer::singleShot(1000, this, [this] {
                if (UpgradeTool *tool = upgradeTool())
                    tool->checkUpdate();
            });
        }
        m_bAutoCheckStarted = true;
    }
    QMainWindow::showEvent(event);
}

void VantorMainPage::onCheckUpdate()
{
    if (!upgradeTool())
        return;
    m_bManualCheck = true;
    m_pUpgradeTool->setPrompt(true);
    m_pUpgradeTool->checkUpdate();
    // The answer may take a while; the window stays usable meanwhile.
    if (m_pUpgradeTool->isChecking() && !m_bBusyCursor) {
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        m_bBusyCursor = true;
    }
}

void VantorMainPage::endBusyCursor()
{
    if (m_bBusyCursor) {
        QGuiApplication::restoreOverrideCursor();
        m_bBusyCursor = false;
    }
}

void VantorMainPage::onUpdateCheckOver(bool needUpdate)
{
    endBusyCursor();
    const bool manual = m_bManualCheck;
    m_bManualCheck = false;
    if (!needUpdate) {
        if (!manual)
            return;
        // A check that could not be made is not news of being up to date.
        const QString failure = m_pUpgradeTool->lastFailure();
        const QPoint corner(x() + width() / 2 - 155, y() + height() / 2 - 60);
        setCover(true);
        if (failure.isEmpty())
            NM_Vantor::WarningDialog::showWarning(corner, 1, tr("Currently the latest version."));
        else
            NM_Vantor::WarningDialog::showWarning(corner, 2, failure);
        setCover(false);
        return;
    }
    if (m_pUpgradeTool->isPromptOff())
        return;
    const QString version = m_pUpgradeTool->newVersionText();
    if (version == QLatin1String("V") || version == QLatin1String("v"))
        return;
    setCover(true);
    m_pUpgradeTool->move(x() + (width() - m_pUpgradeTool->width()) / 2,
                         y() + (height() - m_pUpgradeTool->height()) / 2);
    if (m_pUpgradeTool->exec() == QDialog::Accepted)
        m_pUpgradeTool->onUpgrade();
    setCover(false);
}

void VantorMainPage::setCover(bool coverIt)
{
    m_bCovered = coverIt;
    updateCover();
}

void VantorMainPage::updateCover()
{
    // Dimmed while a question asks for it, and while any other modal window of
    // the program (a hint, a file dialog) is open over this one.
    if (m_bCovered || m_modalWindows > 0) {
        m_pCover->show();
        m_pCover->move(0, 0);
        m_pCover->raise();
    } else {
        m_pCover->hide();
        m_pCover->lower();
    }
}

bool VantorMainPage::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched != this && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && widget->isModal()) {
            // Counted afresh each time, so a window that went without a word cannot keep the cover up.
            int open = 0;
            for (const QWidget *window : QApplication::topLevelWidgets()) {
                const bool shown = window == widget ? type == QEvent::Show : window->isVisible();
                if (window != this && shown && window->isModal())
                    ++open;
            }
            m_modalWindows = open;
            updateCover();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void VantorMainPage::enableCover()
{
    setCover(true);
}

void VantorMainPage::disableCover()
{
    setCover(false);
}

void VantorMainPage::keyPressEvent(QKeyEvent *event)
{
    // No key acts on the main window itself; Escape in particular does not close it.
    Q_UNUSED(event);
}

void VantorMainPage::resizeEvent(QResizeEvent *event)
{
    if (m_pCover) {
        m_pCover->resize(event->size());
        if (m_pCover->isVisible())
            m_pCover->move(0, 0);
    }
    QMainWindow::resizeEvent(event);
}

void VantorMainPage::closeEvent(QCloseEvent *event)
{
    // A plan with changes asks about them instead of about leaving.
    if (m_pPlanSession->isModified()) {
        if (m_pPlanSession->maybeSave())
            event->accept();
        else
            event->ignore();
        return;
    }
    enableCover();
    NM_Vantor::TipDialog dialog(nullptr);
    dialog.setFixedSize(350, 220);
    //: Title of the question before the program closes (a verb).
    dialog.setTitle(tr("Exit"));
    dialog.setText(tr("Exit the TAVO storage calculator software?"));
    dialog.move(x() + (width() - dialog.width()) / 2, y() + (height() - dialog.height()) / 2);
    if (dialog.exec() == QDialog::Accepted) {
        event->accept();
    } else {
        disableCover();
        event->ignore();
    }
    disableCover();
}
