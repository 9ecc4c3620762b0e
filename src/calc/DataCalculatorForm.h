#pragma once

#include <QtGlobal>

class BandWidthPage;
class DataDisplayPage;
class DiskArrayPage;
class QLabel;
class QPushButton;
class QStackedWidget;
class QWidget;
class SizeDisplayPage;

namespace aptui {
class LineEditInterger;
}
namespace FenwaGUIToolkit {
class CLineEdit;
class CRadioButton;
class CSlider;
} // namespace FenwaGUIToolkit

// The controls of the calculator column, laid out as a designer form: the
// mode tabs over a stack of the retention, disk, bandwidth and disk array
// pages. Every control carries the object name the style sheet addresses.
// The page owns the widgets; this builds them and keeps the pointers.
class DataCalculatorForm
{
public:
    // The hours sliders and spin boxes run from 0 to this.
    static constexpr int kMaxHoursPerDay = 24;

    void setupUi(QWidget *owner);
    // Tab order through the inputs, and texts as tool tips.
    void setupFocusAndTips();

    QPushButton *m_calTimeBtn = nullptr;
    QPushButton *m_calDiskBtn = nullptr;
    QPushButton *m_calBandWithBtn = nullptr;
    QPushButton *m_calArrayBtn = nullptr;
    QStackedWidget *m_tabWidgetSections = nullptr;
    // The stack's page until the calculator is first shown (see setupUi).
    QWidget *m_pagePending = nullptr;
    // Under the pages: what the figures take for granted, as a tip.
    QPushButton *m_btnAssumptions = nullptr;

    QLabel *m_labelDiskSize = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditGT = nullptr;
    FenwaGUIToolkit::CRadioButton *m_radioBtnTB = nullptr;
    FenwaGUIToolkit::CRadioButton *m_radioBtnGB = nullptr;
    QLabel *m_labelRecordTim = nullptr;
    QLabel *m_labelHour = nullptr;
    FenwaGUIToolkit::CSlider *m_horizontalSliderTime = nullptr;
    aptui::LineEditInterger *m_spinBoxTime = nullptr;
    DataDisplayPage *m_displayPageTime = nullptr;

    QLabel *m_labelSaveTime = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditSaveTime = nullptr;
    FenwaGUIToolkit::CRadioButton *m_radioBtnDay = nullptr;
    FenwaGUIToolkit::CRadioButton *m_radioBtnWeek = nullptr;
    FenwaGUIToolkit::CRadioButton *m_radioMonth = nullptr;
    QLabel *m_labelDailyRecordTime = nullptr;
    QLabel *m_labelDailyHour = nullptr;
    FenwaGUIToolkit::CSlider *m_hSliderDailyTime = nullptr;
    aptui::LineEditInterger *m_spinBoxDailyTime = nullptr;
    SizeDisplayPage *m_displayPageSize = nullptr;

    BandWidthPage *m_bandWidthPage = nullptr;
    DiskArrayPage *m_diskArrayPage = nullptr;

private:
    QWidget *buildTimePage(QWidget *owner);
    QWidget *buildDiskPage(QWidget *owner);
};
