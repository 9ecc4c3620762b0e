#include "calc/DataCalculatorForm.h"

#include "aptui/CustomizedIntValidator.h"
#include "aptui/DecimalValidator.h"
#include "aptui/InputTip.h"
#include "aptui/LineEditInterger.h"
#include "calc/BandWidthPage.h"
#include "calc/DataDisplayPage.h"
#include "calc/DiskArrayPage.h"
#include "calc/SizeDisplayPage.h"
#include "host/CLineEdit.h"
#include "host/CRadioButton.h"
#include "host/CSlider.h"
#include "model/FigureAssumptions.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace {

const int kMaxDiskSize = 50000;
const int kDiskSizeDecimals = 2;
const int kMaxRetention = 365;

QLabel *makeCaption(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

template <typename Widget>
Widget *named(Widget *widget, const QString &objectName)
{
    widget->setObjectName(objectName);
    return widget;
}

QHBoxLayout *newRow()
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    return row;
}

} // namespace

// Texts are translated in the context of the page that shows them.
void DataCalculatorForm::setupUi(QWidget *owner)
{
    owner->setObjectName(QStringLiteral("DataCalculatorPage"));
    owner->setFixedWidth(300);

    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(16, 0, 0, 0);
    layout->setSpacing(14);

    auto *modeRow = new QHBoxLayout;
    modeRow->setContentsMargins(0, 0, 0, 0);
    modeRow->setSpacing(0);
    //: Mode button of the calculator: how long a given disk keeps video (a short noun, "Retention").
    m_calTimeBtn = named(new QPushButton(QCoreApplication::translate("DataCalculatorPage", "CalTime"), owner),
                         QStringLiteral("calTimeBtn"));
    //: Mode button of the calculator: the disk a wanted retention needs (a short noun, "Disk needed").
    m_calDiskBtn = named(new QPushButton(QCoreApplication::translate("DataCalculatorPage", "CalDisk"), owner),
                         QStringLiteral("calDiskBtn"));
    //: Mode button of the calculator: the network bandwidth of the channels watched live (a short noun).
    m_calBandWithBtn = named(new QPushButton(QCoreApplication::translate("DataCalculatorPage", "CalBandWith"), owner),
                             QStringLiteral("calBandWithBtn"));
    //: Mode button of the calculator: drives in a RAID array (a short noun).
    m_calArrayBtn = named(new QPushButton(QCoreApplication::translate("DataCalculatorPage", "Disk Array"), owner),
                          QStringLiteral("calArrayBtn"));
    for (QPushButton *button : {m_calTimeBtn, m_calDiskBtn, m_calBandWithBtn, m_calArrayBtn}) {
        // The one in front is checked, which screen readers tell; the page keeps
        // one checked (each stays a stop of Tab, as the buttons have always been).
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setCursor(Qt::PointingHandCursor);
        modeRow->addWidget(button);
    }
    layout->addLayout(modeRow);

    m_tabWidgetSections = named(new QStackedWidget(owner), QStringLiteral("m_tabWidgetSections"));
    // A stack shows the first page it gets at once, and showing a page styles
    // and lays out all of it, hidden window or not. An empty page takes that
    // place until the calculator is first on screen; the pages go in before it.
    m_pagePending = new QWidget(m_tabWidgetSections);
    m_tabWidgetSections->addWidget(m_pagePending);
    m_tabWidgetSections->insertWidget(0, buildTimePage(owner));
    m_tabWidgetSections->insertWidget(1, buildDiskPage(owner));
    auto *bandWidthHolder = named(new QWidget(m_tabWidgetSections), QStringLiteral("m_pageCalBandWith"));
    auto *bandWidthLayout = new QVBoxLayout(bandWidthHolder);
    bandWidthLayout->setContentsMargins(0, 0, 0, 0);
    m_bandWidthPage = named(new BandWidthPage(bandWidthHolder), QStringLiteral("widget"));
    bandWidthLayout->addWidget(m_bandWidthPage);
    m_tabWidgetSections->insertWidget(2, bandWidthHolder);
    m_diskArrayPage = new DiskArrayPage(m_tabWidgetSections);
    m_tabWidgetSections->insertWidget(3, m_diskArrayPage);
    layout->addWidget(m_tabWidgetSections, 1);

    m_btnAssumptions = named(new QPushButton(FigureAssumptions::title(), owner), QStringLiteral("m_btnAssumptions"));
    m_btnAssumptions->setFlat(true);
    m_btnAssumptions->setCursor(Qt::WhatsThisCursor);
    m_btnAssumptions->setToolTip(FigureAssumptions::richText());
    m_btnAssumptions->setAccessibleDescription(
        QTextDocumentFragment::fromHtml(FigureAssumptions::richText()).toPlainText());
    layout->addWidget(m_btnAssumptions, 0, Qt::AlignLeft);
}

QWidget *DataCalculatorForm::buildTimePage(QWidget *owner)
{
    auto *page = named(new QWidget(owner), QStringLiteral("m_pageCalTime"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    m_labelDiskSize = makeCaption(QStringLiteral("m_labelDiskSize"),
                                  //: Caption of the field for the size of the disk (a number in TB or GB follows).
                                  QCoreApplication::translate("DataCalculatorPage", "set disk size : "), page);
    layout->addWidget(m_labelDiskSize);
    auto *sizeRow = newRow();
    m_lineEditGT = named(new FenwaGUIToolkit::CLineEdit(page), QStringLiteral("m_lineEditGT"));
    m_lineEditGT->setValidator(new aptui::DecimalValidator(0, kMaxDiskSize, kDiskSizeDecimals, m_lineEditGT));
    // No length limit: it would cut a long paste down to another number
    // instead of refusing it. The validator's range bounds the length.
    new aptui::InputTip(m_lineEditGT);
    m_radioBtnTB = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioBtnTB"));
    //: Unit choice beside the disk size field: terabytes (1 TB = 1000 GB).
    m_radioBtnTB->setText(QCoreApplication::translate("DataCalculatorPage", "TB"));
    m_radioBtnGB = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioBtnGB"));
    //: Unit choice beside the disk size field: gigabytes.
    m_radioBtnGB->setText(QCoreApplication::translate("DataCalculatorPage", "GB"));
    sizeRow->addWidget(m_lineEditGT, 1);
    sizeRow->addWidget(m_radioBtnTB);
    sizeRow->addWidget(m_radioBtnGB);
    layout->addLayout(sizeRow);
    layout->addSpacing(8);

    m_labelRecordTim = makeCaption(QStringLiteral("m_labelRecordTim"),
                                   //: Caption of the hours recorded each day, set by a slider from 0 to 24.
                                   QCoreApplication::translate("DataCalculatorPage", "record time :"), page);
    layout->addWidget(m_labelRecordTim);
    auto *hoursRow = newRow();
    m_horizontalSliderTime =
        named(new FenwaGUIToolkit::CSlider(Qt::Horizontal, page), QStringLiteral("m_horizontalSliderTime"));
    m_horizontalSliderTime->setMaximum(kMaxHoursPerDay);
    m_horizontalSliderTime->setPageStep(2);
    //: What a screen reader says for the slider of the hours recorded each day.
    m_horizontalSliderTime->setAccessibleName(QCoreApplication::translate("DataCalculatorPage", "record time :"));
    m_spinBoxTime = named(new aptui::LineEditInterger(page), QStringLiteral("m_spinBoxTime"));
    m_spinBoxTime->setMaximum(kMaxHoursPerDay);
    m_labelHour =
        //: Unit after the hours recorded each day: hours (an abbreviation).
        makeCaption(QStringLiteral("m_labelHour"), QCoreApplication::translate("DataCalculatorPage", "h"), page);
    hoursRow->addWidget(m_horizontalSliderTime, 1);
    hoursRow->addWidget(m_spinBoxTime);
    hoursRow->addWidget(m_labelHour);
    layout->addLayout(hoursRow);
    layout->addSpacing(16);

    m_displayPageTime = named(new DataDisplayPage(page), QStringLiteral("m_displayPageTime"));
    layout->addWidget(m_displayPageTime, 1);

    m_labelDiskSize->setBuddy(m_lineEditGT);
    m_labelRecordTim->setBuddy(m_spinBoxTime);
    return page;
}

QWidget *DataCalculatorForm::buildDiskPage(QWidget *owner)
{
    auto *page = named(new QWidget(owner), QStringLiteral("m_pageCalDisk"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    m_labelSaveTime = makeCaption(
        QStringLiteral("m_labelSaveTime"),
        //: Caption of the field for how long video must be kept (a number of days, weeks or months follows).
        QCoreApplication::translate("DataCalculatorPage", "set save time:"), page);
    layout->addWidget(m_labelSaveTime);
    auto *retentionRow = newRow();
    m_lineEditSaveTime = named(new FenwaGUIToolkit::CLineEdit(page), QStringLiteral("m_lineEditSaveTime"));
    m_lineEditSaveTime->setValidator(new CustomizedIntValidator(0, kMaxRetention, m_lineEditSaveTime));
    new aptui::InputTip(m_lineEditSaveTime);
    m_radioBtnDay = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioBtnDay"));
    //: Unit choice for the wanted retention: days.
    m_radioBtnDay->setText(QCoreApplication::translate("DataCalculatorPage", "DAY"));
    m_radioBtnWeek = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioBtnWeek"));
    //: Unit choice for the wanted retention: weeks.
    m_radioBtnWeek->setText(QCoreApplication::translate("DataCalculatorPage", "WEEK"));
    m_radioMonth = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioMonth"));
    //: Unit choice for the wanted retention: months of 30 days.
    m_radioMonth->setText(QCoreApplication::translate("DataCalculatorPage", "MONTH"));
    retentionRow->addWidget(m_lineEditSaveTime, 1);
    retentionRow->addWidget(m_radioBtnDay);
    retentionRow->addWidget(m_radioBtnWeek);
    retentionRow->addWidget(m_radioMonth);
    layout->addLayout(retentionRow);
    layout->addSpacing(8);

    m_labelDailyRecordTime =
        makeCaption(QStringLiteral("m_labelDailyRecordTime"),
                    //: Caption of the hours recorded each day, set by a slider from 0 to 24.
                    QCoreApplication::translate("DataCalculatorPage", "record time each day :"), page);
    layout->addWidget(m_labelDailyRecordTime);
    auto *hoursRow = newRow();
    m_hSliderDailyTime =
        named(new FenwaGUIToolkit::CSlider(Qt::Horizontal, page), QStringLiteral("m_hSliderDailyTime"));
    m_hSliderDailyTime->setMaximum(kMaxHoursPerDay);
    m_hSliderDailyTime->setPageStep(2);
    //: What a screen reader says for the slider of the hours recorded each day.
    m_hSliderDailyTime->setAccessibleName(QCoreApplication::translate("DataCalculatorPage", "record time each day :"));
    m_spinBoxDailyTime = named(new aptui::LineEditInterger(page), QStringLiteral("m_spinBoxDailyTime"));
    m_spinBoxDailyTime->setMaximum(kMaxHoursPerDay);
    m_labelDailyHour =
        //: Unit after the hours recorded each day: hours (an abbreviation).
        makeCaption(QStringLiteral("m_labelDailyHour"), QCoreApplication::translate("DataCalculatorPage", "h"), page);
    hoursRow->addWidget(m_hSliderDailyTime, 1);
    hoursRow->addWidget(m_spinBoxDailyTime);
    hoursRow->addWidget(m_labelDailyHour);
    layout->addLayout(hoursRow);
    layout->addSpacing(16);

    m_displayPageSize = named(new SizeDisplayPage(page), QStringLiteral("m_displayPageSize"));
    layout->addWidget(m_displayPageSize, 1);

    m_labelSaveTime->setBuddy(m_lineEditSaveTime);
    m_labelDailyRecordTime->setBuddy(m_spinBoxDailyTime);
    return page;
}

void DataCalculatorForm::setupFocusAndTips()
{
    const QList<QWidget *> focusOrder = {m_lineEditGT,  m_radioBtnTB,       m_radioBtnGB,      m_horizontalSliderTime,
                                         m_spinBoxTime, m_lineEditSaveTime, m_radioBtnDay,     m_radioBtnWeek,
                                         m_radioMonth,  m_hSliderDailyTime, m_spinBoxDailyTime};
    for (int i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder.at(i - 1), focusOrder.at(i));

    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
             m_calTimeBtn, m_calDiskBtn, m_calBandWithBtn, m_calArrayBtn, m_radioBtnTB, m_radioBtnGB, m_radioBtnDay,
             m_radioBtnWeek, m_radioMonth})
        button->setToolTip(button->text());
    for (QLabel *label : {m_labelDiskSize, m_labelRecordTim, m_labelSaveTime, m_labelDailyRecordTime})
        label->setToolTip(label->text());
    for (QLineEdit *edit : std::initializer_list<QLineEdit *>{m_lineEditGT, m_lineEditSaveTime})
        edit->setToolTip(edit->text());
    for (QSpinBox *spin : std::initializer_list<QSpinBox *>{m_spinBoxTime, m_spinBoxDailyTime})
        spin->setToolTip(spin->text());
}
