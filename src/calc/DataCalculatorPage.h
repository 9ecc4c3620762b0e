#pragma once

#include "model/PlanCalculatorInputs.h"
#include "model/Result.h"
#include "model/RetentionProfile.h"

#include <QString>
#include <QWidget>

#include <memory>

class DataCalculatorForm;
class QPushButton;

// The calculator column of the capacity panel: how long a disk keeps video
// (page 0), the disk a retention needs (page 1), the bandwidth summary
// (page 2) and a disk array (page 3), for the total bitrate the device list
// announces, with what calm or busy scenes would make of each figure. Every
// current input and result is kept in one Result record for the report.
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

protected:
    void showEvent(QShowEvent *event) override;

signals:
    void setDiskSize(const QString &size, const QString &unit);
    void setTime(const QString &day, const QString &week, const QString &month);
    // Right after each setTime and setDiskSize: the same figure unrounded, the
    // days the disk keeps and the GB the retention needs; 0 where there is none.
    void setExactTime(double days);
    void setExactDiskSize(double gigabytes);
    // Right after those: the same figures for busy and for calm scenes; 0
    // where there is none.
    void setTimeRange(double busyDays, double calmDays);
    void setDiskSizeRange(double calmGB, double busyGB);
    // Right after those: what the groups that keep their own retention make
    // of each figure, in words (whether the disk holds every retention; the
    // groups that need the most); empty clears the line.
    void setTimeNote(const QString &note);
    void setDiskSizeNote(const QString &note);
    // The user changed an input or the page in front.
    void inputsChanged();

public slots:
    void OnDeviceChanged(double dTotalBitrate);
    // The storage bitrate should every scene turn out calm or busy; comes
    // right before OnDeviceChanged, which works the figures out with it.
    void onStorageRange(double calmKbps, double busyKbps);
    // How the groups keep their video; comes before onStorageRange.
    void onRetention(const RetentionProfile &retention);
    void onDeviceChangedToBandWidth(QString &channelCount, QString &IPCCount, QString &DVRCount, QString &bandWidth,
                                    QString &unit);
    void OnSwitchBarChanged(bool state);
    void onSwitchBtnChanged();
    void OnCalculateTypeSelectedChanged(int index);
    void OnCalculateTimeDataChanged();
    void OnCalculateDiskSizeDataChanged();
    // Works the whole record out from the current inputs; emits nothing.
    void setResults();

private:
    // Works every figure of the record out once from the current inputs and
    // the last bitrates; emits nothing.
    void recompute();
    // Hands the record's figures to the displays of page 0 and page 1.
    void showTime();
    void showDiskSpace();
    void emitRanges();
    // Hands the current load to the disk array page.
    void updateArray();
    void connectInputs();
    // Announces inputsChanged when inputs() differ from the last announced.
    void noteInputs();

    void selectModeButton(QPushButton *selected);
    // Brings that page to the front; before the calculator is first shown
    // only the choice is kept, with the same effects.
    void choosePage(int page);
    void onPageChanged(int page);
    static QString gigabyteUnit();
    static QString terabyteUnit();
    // The disk size as it counts: "12." as 12, an empty field as 0.
    QString diskText() const;
    double diskSizeInGB() const;
    // The wanted retention in days.
    int retentionDays() const;
    // Whether a disk holds every group's own retention, in words.
    QString retentionAnswer(double diskGB) const;

    double m_totalBitrate = 0.0;
    double m_calmBitrate = 0.0;
    double m_busyBitrate = 0.0;
    RetentionProfile m_retention;
    Result m_result;

    // The page in front, also while the stack still holds its place.
    int m_page = 0;
    bool m_pagesShown = false;
    QPushButton *m_selectedModeButton = nullptr;
    std::unique_ptr<DataCalculatorForm> m_ui;

    PlanCalculatorInputs m_announcedInputs;
};
