#pragma once

#include "model/PlanCalculatorInputs.h"
#include "model/Result.h"

#include <QString>
#include <QWidget>

#include <memory>

class BandWidthPage;
class BitrateCalculator;
class DataDisplayPage;
class QLabel;
class QPushButton;
class QStackedWidget;
class SizeDisplayPage;

namespace aptui {
class LineEditInterger;
}
namespace FenwaGUIToolkit {
class CLineEdit;
class CRadioButton;
class CSlider;
} // namespace FenwaGUIToolkit

// The calculator column of the capacity panel: how long a disk keeps video
// (page 0), the disk a retention needs (page 1) and the bandwidth summary
// (page 2), for the total bitrate the device list announces. Every current
// input and result is kept in one Result record for the report.
class DataCalculatorPage : public QWidget
{
    Q_OBJECT

public:
    explicit DataCalculatorPage(QWidget *parent = nullptr);
    ~DataCalculatorPage() override;

    // Copies the page's record into the caller's.
    void fillResult(Result &result) const;

    // The inputs of both calculations as typed and the page in front.
    PlanCalculatorInputs inputs() const;
    // Shows the inputs and that page and recomputes every figure once. A text
    // its field would refuse, or a number out of range, takes the default.
    // Announces no inputsChanged.
    void setInputs(const PlanCalculatorInputs &inputs);

    // The two result displays, for the main window's wiring.
    QObject *getDataDisplayPageSize() const;
    QObject *getDataDisplayPageTime() const;

signals:
    void setDiskSize(const QString &size, const QString &unit);
    void setTime(const QString &day, const QString &week, const QString &month);
    // Right after each setTime and setDiskSize: the same figure unrounded, the
    // days the disk keeps and the GB the retention needs; 0 where there is none.
    void setExactTime(double days);
    void setExactDiskSize(double gigabytes);
    // The user changed an input or the page in front.
    void inputsChanged();

public slots:
    void OnDeviceChanged(double dTotalBitrate);
    void onDeviceChangedToBandWidth(QString &channelCount, QString &IPCCount, QString &DVRCount, QString &bandWidth,
                                    QString &unit);
    void OnSwitchBarChanged(bool state);
    void onSwitchBtnChanged();
    void OnCalculateTypeSelectedChanged(int index);
    void OnCalculateTimeDataChanged();
    void OnCalculateDiskSizeDataChanged();
    // Recomputes the whole record from the current inputs; emits nothing.
    void setResults();

private:
    // The three figures of page 0 as the display shows them.
    struct TimeFigures
    {
        QString day;
        QString week;
        QString month;
    };

    void setupForm();
    QWidget *buildTimePage();
    QWidget *buildDiskPage();
    void setupFocusAndTips();
    void connectInputs();
    // Announces inputsChanged when inputs() differ from the last announced.
    void noteInputs();

    void selectModeButton(QPushButton *selected);
    void setZeroTimeStrings();
    // Reads the disk size in GB and records it as typed with its unit; an
    // empty field counts and is recorded as 0.
    double diskSizeInGB();
    // Reads the retention, records it with its unit and answers it in hours.
    int retentionHours();
    // Page 0 from the disk size on, into the record; the figures to display.
    TimeFigures computeTime();
    // Page 1 from the retention on, into the record; the size and unit to
    // display. Answers the requirement in whole GB.
    double computeDiskSpace(QString &size, QString &unit);

    double m_totalBitrate = 0.0;
    Result m_result;
    // The page's own bitrate service, built with it like those of the other pages.
    std::unique_ptr<BitrateCalculator> m_calculator;

    QPushButton *m_calTimeBtn = nullptr;
    QPushButton *m_calDiskBtn = nullptr;
    QPushButton *m_calBandWithBtn = nullptr;
    QPushButton *m_selectedModeButton = nullptr;
    QStackedWidget *m_tabWidgetSections = nullptr;

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
    PlanCalculatorInputs m_announcedInputs;
};
