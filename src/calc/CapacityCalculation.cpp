#include "calc/CapacityCalculation.h"

#include "calc/DataCalculatorPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CapacityCalculation::CapacityCalculation(QWidget *deviceAddPage, QWidget *emptyListView, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CapacityCalculation"));
    // Narrow enough to sit beside the editor on a 1024 pixel screen; wider screens give it more.
    setMinimumSize(600, 650);
    setupForm(deviceAddPage ? deviceAddPage : new QWidget);

    m_emptyListView = emptyListView ? emptyListView : new QWidget;
    m_emptyListView->setParent(this);
    m_emptyListView->hide();

    for (QWidget *widget : std::initializer_list<QWidget *>{m_labelCapacityCalculationTitle, m_exportBtn, m_btnClear})
        widget->setToolTip(widget->property("text").toString());

    connect(m_btnClear, &QPushButton::clicked, this, &CapacityCalculation::signalClear);
    connect(m_exportBtn, &QPushButton::clicked, this, &CapacityCalculation::signalExport);

    showNullPage();
}

QWidget *CapacityCalculation::getDeviceAddPage() const
{
    return m_deviceAddPage;
}

DataCalculatorPage *CapacityCalculation::getDataCalculatorPage() const
{
    return m_dataCalculatorPage;
}

QObject *CapacityCalculation::getDataDisplayPageSize() const
{
    return m_dataCalculatorPage->getDataDisplayPageSize();
}

QObject *CapacityCalculation::getDataDisplayPageTime() const
{
    return m_dataCalculatorPage->getDataDisplayPageTime();
}

void CapacityCalculation::showNullPage()
{
    clearBorderLayout();
    m_CapacityWidget->hide();
    m_emptyListView->show();
    m_borderLayout->addWidget(m_emptyListView);
}

void CapacityCalculation::showNormalPage()
{
    // Every add asks for the list; only the first after the empty view changes anything.
    if (m_borderLayout->indexOf(m_CapacityWidget) >= 0 && !m_CapacityWidget->isHidden())
        return;
    clearBorderLayout();
    m_CapacityWidget->show();
    m_emptyListView->hide();
    m_borderLayout->addWidget(m_CapacityWidget);
}

void CapacityCalculation::clearBorderLayout()
{
    // Only the layout items go; the views they held stay with the panel.
    while (QLayoutItem *item = m_borderLayout->takeAt(0))
        delete item;
}

void CapacityCalculation::setupForm(QWidget *deviceAddPage)
{
    m_borderLayout = new QVBoxLayout(this);
    m_borderLayout->setObjectName(QStringLiteral("m_borderLayout"));
    m_borderLayout->setContentsMargins(0, 0, 0, 0);
    m_borderLayout->setSpacing(0);

    m_CapacityWidget = new QWidget(this);
    m_CapacityWidget->setObjectName(QStringLiteral("m_CapacityWidget"));
    auto *capacityLayout = new QVBoxLayout(m_CapacityWidget);
    capacityLayout->setSpacing(0);
    capacityLayout->setContentsMargins(20, 22, 20, 16);

    auto *horizontalLayout = new QHBoxLayout;
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    horizontalLayout->setSpacing(5);
    m_labelCapacityCalculationSection = new QLabel(m_CapacityWidget);
    m_labelCapacityCalculationSection->setObjectName(QStringLiteral("m_labelCapacityCalculationSection"));
    m_labelCapacityCalculationSection->setMaximumSize(3, 11);
    m_labelCapacityCalculationSection->setMinimumSize(3, 11);
    //: Caption over the calculator column.
    m_labelCapacityCalculationTitle = new QLabel(tr("Capacity Calculation :"), m_CapacityWidget);
    m_labelCapacityCalculationTitle->setObjectName(QStringLiteral("m_labelCapacityCalculationTitle"));
    //: Button: writes the plan into a PDF report (a verb).
    m_exportBtn = new QPushButton(tr("Export"), m_CapacityWidget);
    m_exportBtn->setObjectName(QStringLiteral("exportBtn"));
    m_exportBtn->setCursor(Qt::PointingHandCursor);
    //: Button: removes every channel group from the list, after asking (a verb).
    m_btnClear = new QPushButton(tr("Clear"), m_CapacityWidget);
    m_btnClear->setObjectName(QStringLiteral("m_btnClear"));
    m_btnClear->setFocusPolicy(Qt::StrongFocus);
    m_btnClear->setCursor(Qt::PointingHandCursor);
    horizontalLayout->addWidget(m_labelCapacityCalculationSection);
    horizontalLayout->addSpacerItem(new QSpacerItem(6, 1, QSizePolicy::Fixed, QSizePolicy::Minimum));
    horizontalLayout->addWidget(m_labelCapacityCalculationTitle);
    horizontalLayout->addStretch(1);
    horizontalLayout->addWidget(m_exportBtn);
    horizontalLayout->addWidget(m_btnClear);
    capacityLayout->addLayout(horizontalLayout);

    capacityLayout->addSpacerItem(new QSpacerItem(1, 8, QSizePolicy::Minimum, QSizePolicy::Fixed));
    m_boardHline = new QFrame(m_CapacityWidget);
    m_boardHline->setObjectName(QStringLiteral("m_boardHline"));
    m_boardHline->setFrameShape(QFrame::HLine);
    m_boardHline->setFrameShadow(QFrame::Plain);
    capacityLayout->addWidget(m_boardHline);

    m_widgetDeviceList = new QWidget(m_CapacityWidget);
    m_widgetDeviceList->setObjectName(QStringLiteral("m_widgetDeviceList"));
    auto *listLayout = new QHBoxLayout(m_widgetDeviceList);
    listLayout->setSpacing(0);
    listLayout->setContentsMargins(0, 20, 0, 0);

    m_deviceAddPage = deviceAddPage;
    m_deviceAddPage->setParent(m_widgetDeviceList);
    m_deviceAddPage->setObjectName(QStringLiteral("m_deviceAddPage"));
    m_deviceAddPage->setMinimumWidth(260);
    m_boardVline = new QFrame(m_widgetDeviceList);
    m_boardVline->setObjectName(QStringLiteral("m_boardVline"));
    m_boardVline->setFrameShape(QFrame::VLine);
    m_boardVline->setFrameShadow(QFrame::Plain);
    m_dataCalculatorPage = new DataCalculatorPage(m_widgetDeviceList);
    m_dataCalculatorPage->setObjectName(QStringLiteral("m_dataCalculatorPage"));
    m_dataCalculatorPage->setMaximumWidth(380);
    listLayout->addWidget(m_deviceAddPage, 1);
    listLayout->addWidget(m_boardVline);
    listLayout->addWidget(m_dataCalculatorPage);
    capacityLayout->addWidget(m_widgetDeviceList, 1);
}
