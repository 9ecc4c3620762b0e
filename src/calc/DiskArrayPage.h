#pragma once

#include "model/PlanCalculatorInputs.h"
#include "model/Result.h"
#include "model/RetentionProfile.h"

#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace FenwaGUIToolkit {
class CComboBox;
class CLineEdit;
} // namespace FenwaGUIToolkit

// The calculator's disk array page: drives of one size, a RAID level and hot
// spares. It shows the raw and usable capacity, the days the array keeps at
// the current total and the drives the wanted retention needs, each with
// what calm or busy scenes would make of it; a combination that cannot exist
// shows why instead. The calculator page feeds it the load.
class DiskArrayPage : public QWidget
{
    Q_OBJECT

public:
    explicit DiskArrayPage(QWidget *parent = nullptr);

    // The array fields of `in` are shown, a text its field would refuse taking
    // the default; emits nothing.
    void setInputs(const PlanCalculatorInputs &in);
    // The array fields as typed, into `in`.
    void writeInputs(PlanCalculatorInputs &in) const;

    // The storage bitrate now and for calm and busy scenes (kbps), the hours
    // recorded a day, the wanted retention in days with its text ("30
    // days"), and how the groups keep their video: those with a retention
    // of their own keep it, the others the wanted one. Recomputes the
    // figures.
    struct Load
    {
        double kbps = 0.0;
        double calmKbps = 0.0;
        double busyKbps = 0.0;
        int hoursPerDay = 24;
        QString retentionText;
        RetentionProfile retention;
        int retentionDays = 1;
    };
    void setLoad(const Load &load);

    // The array's part of the record: inputs and figures.
    void fillResult(Result &result) const;

signals:
    // The user changed an input.
    void inputsChanged();

private:
    void setupForm();
    // A captioned line edit in the next row of the grid.
    FenwaGUIToolkit::CLineEdit *addField(QGridLayout *grid, const QString &name, const QString &caption);
    void recompute();
    void showFigures();
    // Marks the field a fault belongs to; none for a fault of the level.
    void markFaultField(int fault);

    Load m_load;
    Result m_figures;

    FenwaGUIToolkit::CLineEdit *m_lineEditDriveSize = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditDriveCount = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboRaidLevel = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditSpares = nullptr;
    QLabel *m_labelArrayFault = nullptr;
    QWidget *m_widgetArrayFigures = nullptr;
    QLabel *m_labelArrayCapacity = nullptr;
    QLabel *m_labelArrayDays = nullptr;
    QLabel *m_labelArrayDaysRange = nullptr;
    QLabel *m_labelArrayAnswer = nullptr;
    QLabel *m_labelArrayNeed = nullptr;
    QLabel *m_labelArrayNeedRange = nullptr;
};
