#include "mainwindow/VantorMainPage.h"

#include "ui_VantorMainPage.h"

#include "aptui/AboutDialog.h"
#include "aptui/CoverWidget.h"
#include "aptui/Menu.h"
#include "aptui/TipDialog.h"
#include "aptui/WindowTitle.h"
#include "calc/CapacityCalculation.h"
#include "calc/DataCalculatorPage.h"
#include "calc/DataDisplayPage.h"
#include "calc/SizeDisplayPage.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceEditor.h"
#include "device/WidgetDeviceListBorder.h"

#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QIcon>
#include <QResizeEvent>

namespace {
const char kWindowIcon[] = ":/aptui/complex/Images/System/Complex/calculate.png";
}

VantorMainPage::VantorMainPage(QWidget *parent) : QMainWindow(parent), ui(new Ui::VantorMainPage)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    m_pTitle = new aptui::WindowTitle(this);
    m_pBoardHLayout = new QHBoxLayout;
    m_pDeviceEditor = new DeviceEditor(nullptr);
    // The panel holds the device list and the empty-list view; the pages stay
    // unaware of each other, so they are made here and handed in.
    m_pDeviceAddPage = new DeviceAddPage;
    m_pCapacityCalculation = new CapacityCalculation(m_pDeviceAddPage, new WidgetDeviceListBorder, this);
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

    ui->topLayout->addWidget(m_pTitle);
    m_pBoardHLayout->addWidget(m_pDeviceEditor);
    m_pBoardHLayout->addWidget(m_pCapacityCalculation);
    ui->m_boardLayout->addLayout(m_pBoardHLayout);

    const QString title = tr("TAVO storage calculator");
    m_pTitle->setTitle(title);
    m_pTitle->setIcon(QIcon(QString::fromLatin1(kWindowIcon)));
    setWindowTitle(title);

    connect(m_pAboutDialog, &AboutDialog::siganlBtn1Clicked, this, &VantorMainPage::OnMenuHelpClicked);

    m_pCover = new aptui::CoverWidget(this);
    m_pCover->hide();
    m_pCover->lower();
}

VantorMainPage::~VantorMainPage()
{
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
    connect(m_pTitle, &aptui::WindowTitle::signalSystemMenu, this, &VantorMainPage::OnBtnSystemMenu,
            Qt::DirectConnection);
    connect(m_pDeviceAddPage, &DeviceAddPage::SignalDeviceChanged, calculator, &DataCalculatorPage::OnDeviceChanged,
            Qt::DirectConnection);
    connect(m_pDeviceAddPage, &DeviceAddPage::signalDeviceChangedToBandwith, calculator,
            &DataCalculatorPage::onDeviceChangedToBandWidth, Qt::DirectConnection);
    connect(calculator, &DataCalculatorPage::setDiskSize, sizeDisplay, &SizeDisplayPage::displaySize,
            Qt::DirectConnection);
    connect(calculator, &DataCalculatorPage::setTime, timeDisplay, &DataDisplayPage::displayTime, Qt::DirectConnection);
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
    m_pAboutMenu->popup(QCursor::pos() - QPoint(189, 0));
}

void VantorMainPage::OnMenuHelpClicked()
{
    m_pAboutMenu->close();
}

void VantorMainPage::setCover(bool coverIt)
{
    if (coverIt) {
        m_pCover->show();
        m_pCover->move(0, 0);
        m_pCover->raise();
    } else {
        m_pCover->hide();
        m_pCover->lower();
    }
    m_bCovered = coverIt;
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
        if (m_bCovered)
            m_pCover->move(0, 0);
    }
    QMainWindow::resizeEvent(event);
}

void VantorMainPage::closeEvent(QCloseEvent *event)
{
    enableCover();
    NM_Vantor::TipDialog dialog(nullptr);
    dialog.setFixedSize(350, 220);
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
