#include "calc/DiskArrayPage.h"

#include "aptui/CustomizedIntValidator.h"
#include "aptui/DecimalValidator.h"
#include "aptui/InputTip.h"
#include "aptui/Repolish.h"
#include "host/CComboBox.h"
#include "host/CLineEdit.h"
#include "model/DiskArray.h"
#include "model/FigureFormat.h"
#include "model/PlanFigures.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace {

const int kDriveSizeDecimals = 2;

QLabel *makeFigure(const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// The text when the field would take it, else the fallback.
QString acceptedText(const QLineEdit *field, const QString &text, const QString &fallback)
{
    QString copy = text;
    int position = 0;
    return field->validator()->validate(copy, position) == QValidator::Acceptable ? text : fallback;
}

// Shows a widget only if it was hidden: showing one, even in a page not on
// screen, styles and lays it out at once, which the page does when it is shown.
void showWhen(QWidget *widget, bool shown)
{
    if (!shown)
        widget->hide();
    else if (widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->isHidden())
        widget->show();
}

} // namespace

DiskArrayPage::DiskArrayPage(QWidget *parent) : QWidget(parent)
{
    setupForm();
    setInputs(PlanCalculatorInputs());

    for (QLineEdit *field :
         std::initializer_list<QLineEdit *>{m_lineEditDriveSize, m_lineEditDriveCount, m_lineEditSpares}) {
        new aptui::InputTip(field);
        connect(field, &QLineEdit::textChanged, this, [this] {
            recompute();
            emit inputsChanged();
        });
    }
    connect(m_comboRaidLevel, &QComboBox::currentIndexChanged, this, [this] {
        recompute();
        emit inputsChanged();
    });
}

void DiskArrayPage::setupForm()
{
    setObjectName(QStringLiteral("m_pageCalArray"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);

    //: Caption of the field for the size of one drive of the array, in terabytes.
    m_lineEditDriveSize = addField(grid, QStringLiteral("m_lineEditDriveSize"), tr("Drive size (TB) :"));
    m_lineEditDriveSize->setValidator(
        new aptui::DecimalValidator(0, DiskArray::kMaxDriveTB, kDriveSizeDecimals, m_lineEditDriveSize));
    //: Caption of the field for the number of drives in the array.
    m_lineEditDriveCount = addField(grid, QStringLiteral("m_lineEditDriveCount"), tr("Drives :"));
    m_lineEditDriveCount->setValidator(new CustomizedIntValidator(0, DiskArray::kMaxDrives, m_lineEditDriveCount));

    m_comboRaidLevel = new FenwaGUIToolkit::CComboBox(this);
    m_comboRaidLevel->setObjectName(QStringLiteral("m_comboRaidLevel"));
    for (int level = DiskArray::NoRaid; level <= DiskArray::Raid10; ++level)
        m_comboRaidLevel->addItem(DiskArray::levelName(level));
    //: Caption of the choice of the array's RAID level.
    auto *levelCaption = new QLabel(tr("RAID level :"), this);
    levelCaption->setObjectName(QStringLiteral("m_labelRaidLevel"));
    levelCaption->setBuddy(m_comboRaidLevel);
    const int levelRow = grid->rowCount();
    grid->addWidget(levelCaption, levelRow, 0);
    grid->addWidget(m_comboRaidLevel, levelRow, 1);

    //: Caption of the field for the number of hot-spare drives (idle drives that stand in for a failed one).
    m_lineEditSpares = addField(grid, QStringLiteral("m_lineEditSpares"), tr("Hot spares :"));
    m_lineEditSpares->setValidator(new CustomizedIntValidator(0, DiskArray::kMaxDrives - 1, m_lineEditSpares));
    layout->addLayout(grid);

    m_labelArrayFault = makeFigure(QStringLiteral("m_labelArrayFault"), this);
    layout->addWidget(m_labelArrayFault);

    m_widgetArrayFigures = new QWidget(this);
    m_widgetArrayFigures->setObjectName(QStringLiteral("m_widgetArrayFigures"));
    // Paint the style sheet's card on this plain container.
    m_widgetArrayFigures->setAttribute(Qt::WA_StyledBackground, true);
    auto *figures = new QVBoxLayout(m_widgetArrayFigures);
    figures->setContentsMargins(10, 10, 10, 10);
    figures->setSpacing(4);
    m_labelArrayCapacity = makeFigure(QStringLiteral("m_labelArrayCapacity"), m_widgetArrayFigures);
    m_labelArrayDays = makeFigure(QStringLiteral("m_labelArrayDays"), m_widgetArrayFigures);
    m_labelArrayDaysRange = makeFigure(QStringLiteral("m_labelArrayDaysRange"), m_widgetArrayFigures);
    m_labelArrayAnswer = makeFigure(QStringLiteral("m_labelArrayAnswer"), m_widgetArrayFigures);
    m_labelArrayNeed = makeFigure(QStringLiteral("m_labelArrayNeed"), m_widgetArrayFigures);
    m_labelArrayNeedRange = makeFigure(QStringLiteral("m_labelArrayNeedRange"), m_widgetArrayFigures);
    figures->addWidget(m_labelArrayCapacity);
    figures->addSpacing(6);
    figures->addWidget(m_labelArrayDays);
    figures->addWidget(m_labelArrayDaysRange);
    figures->addWidget(m_labelArrayAnswer);
    figures->addSpacing(6);
    figures->addWidget(m_labelArrayNeed);
    figures->addWidget(m_labelArrayNeedRange);
    layout->addWidget(m_widgetArrayFigures);
    layout->addStretch(1);
}

FenwaGUIToolkit::CLineEdit *DiskArrayPage::addField(QGridLayout *grid, const QString &name, const QString &caption)
{
    auto *edit = new FenwaGUIToolkit::CLineEdit(this);
    edit->setObjectName(name);
    auto *label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("m_label") + name.mid(int(qstrlen("m_lineEdit"))));
    label->setBuddy(edit);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

void DiskArrayPage::setInputs(const PlanCalculatorInputs &in)
{
    const PlanCalculatorInputs defaults;
    {
        const QSignalBlocker quiet[] = {QSignalBlocker(m_lineEditDriveSize), QSignalBlocker(m_lineEditDriveCount),
                                        QSignalBlocker(m_comboRaidLevel), QSignalBlocker(m_lineEditSpares)};
        Q_UNUSED(quiet);
        m_lineEditDriveSize->setText(acceptedText(m_lineEditDriveSize, in.arrayDriveTB, defaults.arrayDriveTB));
        m_lineEditDriveCount->setText(acceptedText(m_lineEditDriveCount, in.arrayDrives, defaults.arrayDrives));
        m_comboRaidLevel->setCurrentIndex(in.arrayLevel >= DiskArray::NoRaid && in.arrayLevel <= DiskArray::Raid10
                                              ? in.arrayLevel
                                              : defaults.arrayLevel);
        m_lineEditSpares->setText(acceptedText(m_lineEditSpares, in.arraySpares, defaults.arraySpares));
    }
    recompute();
}

void DiskArrayPage::writeInputs(PlanCalculatorInputs &in) const
{
    in.arrayDriveTB = m_lineEditDriveSize->text();
    in.arrayDrives = m_lineEditDriveCount->text();
    in.arrayLevel = m_comboRaidLevel->currentIndex();
    in.arraySpares = m_lineEditSpares->text();
}

void DiskArrayPage::setLoad(const Load &load)
{
    m_load = load;
    recompute();
}

void DiskArrayPage::fillResult(Result &result) const
{
    result.arrayDriveTB = m_figures.arrayDriveTB;
    result.arrayDrives = m_figures.arrayDrives;
    result.arrayLevel = m_figures.arrayLevel;
    result.arraySpares = m_figures.arraySpares;
    result.arrayFault = m_figures.arrayFault;
    result.arrayRawTB = m_figures.arrayRawTB;
    result.arrayUsableTB = m_figures.arrayUsableTB;
    result.arrayUsableTiB = m_figures.arrayUsableTiB;
    result.arrayDays = m_figures.arrayDays;
    result.arrayCalmDays = m_figures.arrayCalmDays;
    result.arrayBusyDays = m_figures.arrayBusyDays;
    result.arrayDrivesNeeded = m_figures.arrayDrivesNeeded;
    result.arrayDrivesNeededCalm = m_figures.arrayDrivesNeededCalm;
    result.arrayDrivesNeededBusy = m_figures.arrayDrivesNeededBusy;
    result.arrayNeedFault = m_figures.arrayNeedFault;
    result.arrayAnswer = m_figures.arrayAnswer;
}

void DiskArrayPage::recompute()
{
    // The array as its fields say, with the load's hours and retention; "8."
    // is a decimal on its way and counts as 8, an empty field as 0.
    PlanCalculatorInputs in;
    writeInputs(in);
    in.diskPageHoursPerDay = m_load.hoursPerDay;
    in.retention = QString::number(m_load.retentionDays);
    in.retentionUnit = PlanCalculatorInputs::Days;
    const PlanFigures figures =
        PlanFigures::compute(PlanFigures::Load{m_load.kbps, m_load.calmKbps, m_load.busyKbps, m_load.retention}, in);

    Result &f = m_figures;
    f = Result();
    f.arrayDriveTB = in.arrayDriveTB.toDouble();
    f.arrayDrives = in.arrayDrives.toInt();
    f.arrayLevel = in.arrayLevel;
    f.arraySpares = in.arraySpares.toInt();
    f.arrayFault = DiskArray::faultText(figures.arrayFault, f.arrayLevel);
    markFaultField(figures.arrayFault);
    f.arrayRawTB = figures.arrayRawTB;
    f.arrayUsableTB = figures.arrayUsableTB;
    f.arrayUsableTiB = figures.arrayFault == DiskArray::NoFault ? DiskArray::toTiB(f.arrayUsableTB) : 0.0;
    f.arrayDays = figures.arrayDays;
    f.arrayCalmDays = figures.arrayCalmDays;
    f.arrayBusyDays = figures.arrayBusyDays;
    f.arrayDrivesNeeded = figures.drivesNeeded;
    f.arrayDrivesNeededCalm = figures.drivesNeededCalm;
    f.arrayDrivesNeededBusy = figures.drivesNeededBusy;
    f.arrayNeedFault = DiskArray::faultText(figures.drivesNeededFault, f.arrayLevel);
    // With groups of their own retention: whether the array holds them all,
    // the groups that follow the plan at the wanted retention.
    if (m_load.retention.anyOwn() && figures.arrayFault == DiskArray::NoFault) {
        f.arrayAnswer = FigureFormat::diskAnswer(
            m_load.retention.answer(f.arrayUsableTB * 1000.0, {m_load.retentionDays, double(m_load.hoursPerDay)}));
    }
    showFigures();
}

void DiskArrayPage::showFigures()
{
    const Result &f = m_figures;
    m_labelArrayFault->setText(f.arrayFault);
    showWhen(m_labelArrayFault, !f.arrayFault.isEmpty());
    showWhen(m_widgetArrayFigures, f.arrayFault.isEmpty());
    if (!f.arrayFault.isEmpty())
        return;

    //: The array's capacity on two lines: %1 all drives together, %2 what is left for video after the
    //: RAID level and spares, in terabytes (1000 GB), %3 the same in tebibytes (1024⁴ bytes).
    m_labelArrayCapacity->setText(tr("Raw capacity: %1 TB\nUsable: %2 TB (%3 TiB)")
                                      .arg(FigureFormat::oneDecimal(f.arrayRawTB),
                                           FigureFormat::oneDecimal(f.arrayUsableTB),
                                           FigureFormat::oneDecimal(f.arrayUsableTiB)));
    if (!(m_load.kbps > 0.0)) {
        m_labelArrayDays->setText(tr("Add a device to see how long the array keeps video."));
        m_labelArrayDaysRange->clear();
        m_labelArrayAnswer->clear();
        m_labelArrayNeed->clear();
        m_labelArrayNeedRange->clear();
    } else {
        m_labelArrayDays->setText(
            f.arrayDays > 0.0
                //: How long the array keeps video: %1 the days with one decimal and their unit ("31.2 days"),
                //: when %2 hours are recorded a day.
                ? tr("Keeps %1 at %2 h a day").arg(FigureFormat::days(f.arrayDays)).arg(m_load.hoursPerDay)
                //: Said instead of the days the array keeps when 0 hours are recorded a day.
                : tr("Records no hours a day."));
        // With groups of their own retention, days are only those the others
        // keep on what is left; the answer line says when nothing is.
        if (m_load.retention.anyOwn() && !(f.arrayDays > 0.0))
            m_labelArrayDays->clear();
        m_labelArrayDaysRange->setText(FigureFormat::retentionRange(f.arrayBusyDays, f.arrayCalmDays));
        m_labelArrayAnswer->setText(f.arrayAnswer);
        m_labelArrayNeed->setText(
            //: The drives the wanted retention needs: %1 that retention ("30 days", "1 week"), %n the drives.
            f.arrayDrivesNeeded > 0 ? tr("For %1: %n drive(s)", nullptr, f.arrayDrivesNeeded).arg(m_load.retentionText)
                                    : f.arrayNeedFault);
        m_labelArrayNeedRange->setText(FigureFormat::driveCountRange(f.arrayDrivesNeededCalm, f.arrayDrivesNeededBusy));
    }
    for (QLabel *label :
         {m_labelArrayDays, m_labelArrayDaysRange, m_labelArrayAnswer, m_labelArrayNeed, m_labelArrayNeedRange})
        showWhen(label, !label->text().isEmpty());
}

void DiskArrayPage::markFaultField(int fault)
{
    aptui::markInvalid(m_lineEditDriveSize, fault == DiskArray::DriveSizeOutOfRange);
    aptui::markInvalid(m_lineEditDriveCount, fault == DiskArray::DriveCountOutOfRange ||
                                                 fault == DiskArray::TooFewDrives || fault == DiskArray::OddDriveCount);
    aptui::markInvalid(m_lineEditSpares, fault == DiskArray::SparesOutOfRange);
}
