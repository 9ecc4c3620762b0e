#include "calc/DataCalculatorPage.h"

#include "aptui/LineEditInterger.h"
#include "calc/BandWidthPage.h"
#include "calc/DataCalculatorForm.h"
#include "calc/DataDisplayPage.h"
#include "calc/DiskArrayPage.h"
#include "calc/SizeDisplayPage.h"
#include "host/CLineEdit.h"
#include "host/CRadioButton.h"
#include "host/CSlider.h"
#include "model/BitrateCalculator.h"
#include "model/ExactFigures.h"
#include "model/SaturatingCast.h"

#include <QLocale>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>

// Traces of the recalculation; off unless QT_LOGGING_RULES="tavo.calc.debug=true".
Q_LOGGING_CATEGORY(lcCalc, "tavo.calc", QtInfoMsg)

#include <cmath>
#include <limits>

namespace {

enum Page { TimePage = 0, DiskPage = 1, BandWidthPageIndex = 2, ArrayPage = 3 };

const int kMaxHoursPerDay = DataCalculatorForm::kMaxHoursPerDay;
// Beyond these the day, week and month figures switch to exponent notation.
const qint64 kMaxPlainDays = 999999;
const qint64 kMaxPlainWeeks = 99999;

bool isZeroBitrate(double kbps)
{
    return kbps > -0.000001 && kbps < 0.000001;
}

// A whole-numbered double as decimal digits; past 64 bits in exponent form.
QString wholeNumberText(double value)
{
    if (std::fabs(value) < 9.2e18)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'e', 0);
}

QString exponentText(qint64 value)
{
    return QString::number(static_cast<double>(value), 'e', 0);
}

// The text when the field would take it, else the fallback.
QString acceptedText(const QLineEdit *field, const QString &text, const QString &fallback)
{
    QString copy = text;
    int position = 0;
    const QValidator *validator = field->validator();
    return !validator || validator->validate(copy, position) != QValidator::Invalid ? text : fallback;
}

int hoursOrDefault(int hours, int fallback)
{
    return hours >= 0 && hours <= kMaxHoursPerDay ? hours : fallback;
}

} // namespace

DataCalculatorPage::DataCalculatorPage(QWidget *parent)
    : QWidget(parent), m_calculator(std::make_unique<BitrateCalculator>()), m_ui(std::make_unique<DataCalculatorForm>())
{
    m_ui->setupUi(this);

    m_ui->m_tabWidgetSections->setCurrentIndex(BandWidthPageIndex);
    selectModeButton(m_ui->m_calBandWithBtn);
    m_ui->m_lineEditGT->setText(QStringLiteral("4"));
    m_ui->m_radioBtnTB->setChecked(true);
    m_ui->m_spinBoxTime->setValue(kMaxHoursPerDay);
    m_ui->m_horizontalSliderTime->setValue(kMaxHoursPerDay);
    m_ui->m_radioBtnDay->setChecked(true);
    m_ui->m_lineEditSaveTime->setText(QStringLiteral("1"));
    m_ui->m_spinBoxDailyTime->setValue(kMaxHoursPerDay);
    m_ui->m_hSliderDailyTime->setValue(kMaxHoursPerDay);

    m_ui->setupFocusAndTips();
    connectInputs();
    m_announcedInputs = inputs();
}

DataCalculatorPage::~DataCalculatorPage() = default;

void DataCalculatorPage::fillResult(Result &result) const
{
    result = m_result;
    // The array belongs to the record once the planner has looked at it.
    result.arrayShown = m_ui->m_tabWidgetSections->currentIndex() == ArrayPage || !inputs().arrayAtDefaults();
    if (result.arrayShown)
        m_ui->m_diskArrayPage->fillResult(result);
}

PlanCalculatorInputs DataCalculatorPage::inputs() const
{
    PlanCalculatorInputs in;
    in.diskSize = m_ui->m_lineEditGT->text();
    in.diskInTerabytes = m_ui->m_radioBtnTB->isChecked();
    in.retentionPageHoursPerDay = m_ui->m_spinBoxTime->value();
    in.retention = m_ui->m_lineEditSaveTime->text();
    in.retentionUnit = m_ui->m_radioBtnWeek->isChecked() ? PlanCalculatorInputs::Weeks
                       : m_ui->m_radioMonth->isChecked() ? PlanCalculatorInputs::Months
                                                         : PlanCalculatorInputs::Days;
    in.diskPageHoursPerDay = m_ui->m_spinBoxDailyTime->value();
    in.mode = m_ui->m_tabWidgetSections->currentIndex();
    m_ui->m_diskArrayPage->writeInputs(in);
    return in;
}

void DataCalculatorPage::setInputs(const PlanCalculatorInputs &in)
{
    const PlanCalculatorInputs defaults;
    const int page = in.mode >= TimePage && in.mode <= ArrayPage ? in.mode : defaults.mode;
    {
        // Quiet while the fields change, so that nothing is computed half-way.
        const QSignalBlocker quiet[] = {
            QSignalBlocker(m_ui->m_lineEditGT),           QSignalBlocker(m_ui->m_radioBtnTB),
            QSignalBlocker(m_ui->m_radioBtnGB),           QSignalBlocker(m_ui->m_spinBoxTime),
            QSignalBlocker(m_ui->m_horizontalSliderTime), QSignalBlocker(m_ui->m_lineEditSaveTime),
            QSignalBlocker(m_ui->m_radioBtnDay),          QSignalBlocker(m_ui->m_radioBtnWeek),
            QSignalBlocker(m_ui->m_radioMonth),           QSignalBlocker(m_ui->m_spinBoxDailyTime),
            QSignalBlocker(m_ui->m_hSliderDailyTime),     QSignalBlocker(m_ui->m_tabWidgetSections)};
        Q_UNUSED(quiet);
        m_ui->m_lineEditGT->setText(acceptedText(m_ui->m_lineEditGT, in.diskSize, defaults.diskSize));
        (in.diskInTerabytes ? m_ui->m_radioBtnTB : m_ui->m_radioBtnGB)->setChecked(true);
        const int hours = hoursOrDefault(in.retentionPageHoursPerDay, defaults.retentionPageHoursPerDay);
        m_ui->m_spinBoxTime->setValue(hours);
        m_ui->m_horizontalSliderTime->setValue(hours);
        m_ui->m_lineEditSaveTime->setText(acceptedText(m_ui->m_lineEditSaveTime, in.retention, defaults.retention));
        (in.retentionUnit == PlanCalculatorInputs::Weeks    ? m_ui->m_radioBtnWeek
         : in.retentionUnit == PlanCalculatorInputs::Months ? m_ui->m_radioMonth
                                                            : m_ui->m_radioBtnDay)
            ->setChecked(true);
        const int dailyHours = hoursOrDefault(in.diskPageHoursPerDay, defaults.diskPageHoursPerDay);
        m_ui->m_spinBoxDailyTime->setValue(dailyHours);
        m_ui->m_hSliderDailyTime->setValue(dailyHours);
        m_ui->m_tabWidgetSections->setCurrentIndex(page);
    }
    m_ui->m_diskArrayPage->setInputs(in);
    // Shown as they are: nothing to announce.
    m_announcedInputs = inputs();
    selectModeButton(page == TimePage             ? m_ui->m_calTimeBtn
                     : page == DiskPage           ? m_ui->m_calDiskBtn
                     : page == BandWidthPageIndex ? m_ui->m_calBandWithBtn
                                                  : m_ui->m_calArrayBtn);
    for (QWidget *field : std::initializer_list<QWidget *>{m_ui->m_lineEditGT, m_ui->m_spinBoxTime,
                                                           m_ui->m_lineEditSaveTime, m_ui->m_spinBoxDailyTime})
        field->setToolTip(field->property("text").toString());
    // Both displays, so that either page shows its figures when chosen.
    const TimeFigures figures = computeTime();
    emit setTime(figures.day, figures.week, figures.month);
    emit setExactTime(m_result.exactDays);
    QString size;
    QString unit;
    computeDiskSpace(size, unit);
    emit setDiskSize(size, unit);
    emit setExactDiskSize(m_result.exactDiskGB);
    emitRanges();
    updateArray();
}

void DataCalculatorPage::noteInputs()
{
    const PlanCalculatorInputs now = inputs();
    if (now == m_announcedInputs)
        return;
    m_announcedInputs = now;
    emit inputsChanged();
}

QObject *DataCalculatorPage::getDataDisplayPageSize() const
{
    return m_ui->m_displayPageSize;
}

QObject *DataCalculatorPage::getDataDisplayPageTime() const
{
    return m_ui->m_displayPageTime;
}

void DataCalculatorPage::OnDeviceChanged(double dTotalBitrate)
{
    m_totalBitrate = dTotalBitrate;
    const int page = m_ui->m_tabWidgetSections->currentIndex();
    if (isZeroBitrate(dTotalBitrate)) {
        if (page == DiskPage) {
            emit setDiskSize(QStringLiteral("0"), gigabyteUnit());
            emit setExactDiskSize(0.0);
        } else if (page == TimePage) {
            emit setTime(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
            emit setExactTime(0.0);
        }
        retentionHours();
        m_result.dailyRecordHours = m_ui->m_spinBoxDailyTime->value();
        m_result.requiredDiskSpace = gigabytesText(QStringLiteral("0"));
        m_result.exactDiskGB = 0.0;
        m_result.recordHoursPerDay = m_ui->m_spinBoxTime->value();
        setZeroTimeStrings();
        m_result.calmDiskGB = m_result.busyDiskGB = 0.0;
        emitRanges();
        updateArray();
        return;
    }

    if (page == DiskPage)
        OnCalculateDiskSizeDataChanged();
    else if (page == TimePage)
        OnCalculateTimeDataChanged();
    qCDebug(lcCalc, "setResults()");
    setResults();
    emitRanges();
    updateArray();
}

void DataCalculatorPage::onStorageRange(double calmKbps, double busyKbps)
{
    m_calmBitrate = calmKbps;
    m_busyBitrate = busyKbps;
}

void DataCalculatorPage::emitRanges()
{
    emit setTimeRange(m_result.busyDays, m_result.calmDays);
    emit setDiskSizeRange(m_result.calmDiskGB, m_result.busyDiskGB);
}

void DataCalculatorPage::updateArray()
{
    DiskArrayPage::Load load;
    load.kbps = m_totalBitrate;
    load.calmKbps = m_calmBitrate;
    load.busyKbps = m_busyBitrate;
    load.hoursPerDay = m_ui->m_spinBoxDailyTime->value();
    load.retentionHours = retentionHours();
    load.retentionText = m_result.saveTime;
    m_ui->m_diskArrayPage->setLoad(load);
}

void DataCalculatorPage::onDeviceChangedToBandWidth(QString &channelCount, QString &IPCCount, QString &DVRCount,
                                                    QString &bandWidth, QString &unit)
{
    m_result.channelCount = channelCount;
    m_result.ipcCount = IPCCount;
    m_result.dvrCount = DVRCount;
    //: A network bandwidth in the report: %1 the figure with one decimal, %2 its unit (Kbps, Mbps or Gbps).
    m_result.bandWidth = tr("%1 %2").arg(bandWidth, unit);
    m_ui->m_bandWidthPage->onSetAllCount(channelCount, IPCCount, DVRCount, bandWidth, unit);
    setResults();
}

void DataCalculatorPage::OnSwitchBarChanged(bool state)
{
    m_ui->m_tabWidgetSections->setCurrentIndex(state ? TimePage : DiskPage);
}

void DataCalculatorPage::onSwitchBtnChanged()
{
    QObject *button = sender();
    if (button == m_ui->m_calTimeBtn) {
        selectModeButton(m_ui->m_calTimeBtn);
        m_ui->m_tabWidgetSections->setCurrentIndex(TimePage);
    } else if (button == m_ui->m_calDiskBtn) {
        selectModeButton(m_ui->m_calDiskBtn);
        m_ui->m_tabWidgetSections->setCurrentIndex(DiskPage);
    } else if (button == m_ui->m_calArrayBtn) {
        selectModeButton(m_ui->m_calArrayBtn);
        m_ui->m_tabWidgetSections->setCurrentIndex(ArrayPage);
    } else {
        selectModeButton(m_ui->m_calBandWithBtn);
        m_ui->m_tabWidgetSections->setCurrentIndex(BandWidthPageIndex);
    }
}

void DataCalculatorPage::OnCalculateTypeSelectedChanged(int index)
{
    if (index == TimePage)
        OnCalculateTimeDataChanged();
    else if (index == DiskPage)
        OnCalculateDiskSizeDataChanged();
    noteInputs();
}

void DataCalculatorPage::OnCalculateTimeDataChanged()
{
    m_ui->m_tabWidgetSections->setCurrentIndex(TimePage);
    selectModeButton(m_ui->m_calTimeBtn);
    m_ui->m_lineEditGT->setToolTip(m_ui->m_lineEditGT->text());
    m_ui->m_spinBoxTime->setToolTip(m_ui->m_spinBoxTime->text());

    const TimeFigures figures = computeTime();
    emit setTime(figures.day, figures.week, figures.month);
    emit setExactTime(m_result.exactDays);
    emitRanges();
    noteInputs();
}

void DataCalculatorPage::OnCalculateDiskSizeDataChanged()
{
    m_ui->m_lineEditSaveTime->setToolTip(m_ui->m_lineEditSaveTime->text());
    m_ui->m_spinBoxDailyTime->setToolTip(m_ui->m_spinBoxDailyTime->text());
    selectModeButton(m_ui->m_calDiskBtn);

    QString size;
    QString unit;
    computeDiskSpace(size, unit);
    emit setDiskSize(size, unit);
    emit setExactDiskSize(m_result.exactDiskGB);
    emitRanges();
    updateArray();
    noteInputs();
}

void DataCalculatorPage::setResults()
{
    computeTime();
    qCDebug(lcCalc, "setResults() MId");
    QString size;
    QString unit;
    const double wholeGB = computeDiskSpace(size, unit);
    if (wholeGB >= 0 && wholeGB <= 1000)
        qCDebug(lcCalc, "setResults() End");
}

void DataCalculatorPage::selectModeButton(QPushButton *selected)
{
    static const QString selectedStyle = QStringLiteral("border-bottom: 2px solid red; color:#666666;");
    static const QString unselectedStyle = QStringLiteral("border-bottom: 1px solid #DADADA; color:#BABABA;");
    const auto modeButtons = {m_ui->m_calTimeBtn, m_ui->m_calDiskBtn, m_ui->m_calBandWithBtn, m_ui->m_calArrayBtn};
    // A click on the button in front has unchecked it.
    for (QPushButton *button : modeButtons)
        button->setChecked(button == selected);
    // Every recalculation selects its page again; a style sheet set anew costs a
    // re-polish and a relayout of the window.
    if (selected == m_selectedModeButton)
        return;
    m_selectedModeButton = selected;
    for (QPushButton *button : modeButtons)
        button->setStyleSheet(button == selected ? selectedStyle : unselectedStyle);
}

void DataCalculatorPage::recordTimeFigures(const TimeFigures &figures)
{
    // Each figure picks its plural form by the number it shows.
    //: How long the disk keeps video, in the report: %1 is a whole number of days as the calculator shows it
    //: (large ones in exponent form, "7e+05"); the plural follows that number.
    m_result.savedDays = tr("%1 day(s)", nullptr, ExactFigures::pluralCount(figures.day)).arg(figures.day);
    //: How long the disk keeps video, in the report: %1 is a whole number of weeks; the plural follows it.
    m_result.savedWeeks = tr("%1 week(s)", nullptr, ExactFigures::pluralCount(figures.week)).arg(figures.week);
    //: How long the disk keeps video, in the report: %1 is a whole number of 30-day months; the plural follows it.
    m_result.savedMonths = tr("%1 month(s)", nullptr, ExactFigures::pluralCount(figures.month)).arg(figures.month);
}

QString DataCalculatorPage::gigabyteUnit()
{
    //: Unit beside the big figure of the disk space a retention needs: gigabytes.
    return tr("GB");
}

QString DataCalculatorPage::terabyteUnit()
{
    //: Unit beside the big figure of the disk space a retention needs: terabytes (1 TB = 1000 GB).
    return tr("TB");
}

QString DataCalculatorPage::gigabytesText(const QString &figure)
{
    //: A disk size in the report: %1 whole or decimal gigabytes.
    return tr("%1 GB").arg(figure);
}

QString DataCalculatorPage::terabytesText(const QString &figure)
{
    //: A disk size in the report: %1 whole or decimal terabytes (1 TB = 1000 GB).
    return tr("%1 TB").arg(figure);
}

void DataCalculatorPage::setZeroTimeStrings()
{
    const QString zero = QStringLiteral("0");
    recordTimeFigures({zero, zero, zero});
    m_result.exactDays = 0.0;
    m_result.calmDays = 0.0;
    m_result.busyDays = 0.0;
}

double DataCalculatorPage::diskSizeInGB()
{
    QString text = m_ui->m_lineEditGT->text();
    // "12." is a decimal on its way: it counts, and is recorded, as 12.
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text.isEmpty())
        text = QStringLiteral("0");
    const bool terabytes = m_ui->m_radioBtnTB->isChecked();
    // The field takes a point in every language; the record is read in the
    // reader's notation.
    const double size = text.toDouble();
    const QString shown = ExactFigures::number(size, 'f', QLocale::FloatingPointShortest);
    m_result.diskSize = terabytes ? terabytesText(shown) : gigabytesText(shown);
    // A terabyte typed by the user counts as 1000 GB.
    return terabytes ? size * 1000 : size;
}

int DataCalculatorPage::retentionHours()
{
    const qint64 count = m_ui->m_lineEditSaveTime->text().toInt();
    const qint64 hoursPerDay = m_ui->m_spinBoxDailyTime->value();
    qint64 hours = 0;
    const int shown = int(count);
    // The wanted retention reads "Disk for %1" and "For %1: 8 drives" too.
    if (m_ui->m_radioBtnDay->isChecked()) {
        hours = count * hoursPerDay;
        //: The retention the planner wants, also filled into "Disk for %1" and "For %1: %n drive(s)".
        m_result.saveTime = tr("%n day(s)", nullptr, shown);
    } else if (m_ui->m_radioBtnWeek->isChecked()) {
        hours = count * 7 * hoursPerDay;
        //: The retention the planner wants, also filled into "Disk for %1" and "For %1: %n drive(s)".
        m_result.saveTime = tr("%n week(s)", nullptr, shown);
    } else {
        hours = count * 30 * hoursPerDay;
        //: The retention the planner wants (a month of 30 days), also filled into "Disk for %1" and
        //: "For %1: %n drive(s)".
        m_result.saveTime = tr("%n month(s)", nullptr, shown);
    }
    // Only text set past the validator can leave the int range.
    const qint64 lowest = std::numeric_limits<int>::min();
    const qint64 highest = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(lowest, hours, highest));
}

DataCalculatorPage::TimeFigures DataCalculatorPage::computeTime()
{
    const TimeFigures zero{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    const double diskGB = diskSizeInGB();
    const int hours = m_ui->m_spinBoxTime->value();
    m_result.recordHoursPerDay = hours;
    if (isZeroBitrate(m_totalBitrate) || hours == 0) {
        setZeroTimeStrings();
        return zero;
    }

    const double days = BitrateCalculator::hoursForDiskSize(m_totalBitrate, diskGB) / hours;
    const qint64 month = saturatingCast<qint64>(days / 30);
    const qint64 week = saturatingCast<qint64>(days / 7);
    const qint64 day = saturatingCast<qint64>(days);
    if (day < 0) {
        setZeroTimeStrings();
        return zero;
    }

    m_result.exactDays = days > 0 ? days : 0.0;
    const auto daysAt = [&](double kbps) {
        const double at = kbps > 0.0 ? BitrateCalculator::hoursForDiskSize(kbps, diskGB) / hours : 0.0;
        return std::isfinite(at) && at > 0.0 ? at : 0.0;
    };
    m_result.calmDays = daysAt(m_calmBitrate);
    m_result.busyDays = daysAt(m_busyBitrate);
    TimeFigures figures;
    if (day > kMaxPlainDays || week > kMaxPlainWeeks)
        figures = {exponentText(day), exponentText(week), exponentText(month)};
    else
        figures = {QString::number(day), QString::number(week), QString::number(month)};
    // The record carries the figures the display shows, whatever their size.
    recordTimeFigures(figures);
    return figures;
}

double DataCalculatorPage::computeDiskSpace(QString &size, QString &unit)
{
    const int hours = retentionHours();
    m_result.dailyRecordHours = m_ui->m_spinBoxDailyTime->value();

    const double exactGB = BitrateCalculator::diskSizeForHours(m_totalBitrate, hours);
    m_result.exactDiskGB = exactGB >= 0 ? exactGB : 0.0;
    const auto diskAt = [&](double kbps) {
        const double at = BitrateCalculator::diskSizeForHours(kbps, hours);
        return std::isfinite(at) && at > 0.0 ? at : 0.0;
    };
    m_result.calmDiskGB = diskAt(m_calmBitrate);
    m_result.busyDiskGB = diskAt(m_busyBitrate);
    const double wholeGB = std::ceil(exactGB);
    if (!(wholeGB > 1000)) {
        size = wholeGB >= 0 ? wholeNumberText(wholeGB) : QStringLiteral("0");
        unit = gigabyteUnit();
        m_result.requiredDiskSpace = gigabytesText(size);
        return wholeGB;
    }
    // Rounded up again to whole terabytes, so a disk of that size does hold it.
    size = wholeNumberText(std::ceil(wholeGB / 1000.0));
    unit = terabyteUnit();
    m_result.requiredDiskSpace = terabytesText(size);
    return wholeGB;
}

void DataCalculatorPage::connectInputs()
{
    connect(m_ui->m_tabWidgetSections, &QStackedWidget::currentChanged, this,
            &DataCalculatorPage::OnCalculateTypeSelectedChanged);

    connect(m_ui->m_horizontalSliderTime, &QSlider::valueChanged, m_ui->m_spinBoxTime, &QSpinBox::setValue);
    connect(m_ui->m_spinBoxTime, &QSpinBox::valueChanged, m_ui->m_horizontalSliderTime, &QSlider::setValue);
    connect(m_ui->m_hSliderDailyTime, &QSlider::valueChanged, m_ui->m_spinBoxDailyTime, &QSpinBox::setValue);
    connect(m_ui->m_spinBoxDailyTime, &QSpinBox::valueChanged, m_ui->m_hSliderDailyTime, &QSlider::setValue);

    connect(m_ui->m_lineEditGT, &QLineEdit::textChanged, this, &DataCalculatorPage::OnCalculateTimeDataChanged,
            Qt::DirectConnection);
    connect(m_ui->m_radioBtnTB, &QAbstractButton::toggled, this, &DataCalculatorPage::OnCalculateTimeDataChanged,
            Qt::DirectConnection);
    connect(m_ui->m_radioBtnGB, &QAbstractButton::toggled, this, &DataCalculatorPage::OnCalculateTimeDataChanged,
            Qt::DirectConnection);
    connect(m_ui->m_spinBoxTime, &QSpinBox::valueChanged, this, &DataCalculatorPage::OnCalculateTimeDataChanged,
            Qt::DirectConnection);

    connect(m_ui->m_lineEditSaveTime, &QLineEdit::textChanged, this,
            &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    for (QAbstractButton *radio :
         std::initializer_list<QAbstractButton *>{m_ui->m_radioBtnDay, m_ui->m_radioBtnWeek, m_ui->m_radioMonth})
        connect(radio, &QAbstractButton::toggled, this, &DataCalculatorPage::OnCalculateDiskSizeDataChanged,
                Qt::DirectConnection);
    connect(m_ui->m_spinBoxDailyTime, &QSpinBox::valueChanged, this,
            &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);

    for (QPushButton *button : {m_ui->m_calTimeBtn, m_ui->m_calDiskBtn, m_ui->m_calBandWithBtn, m_ui->m_calArrayBtn})
        connect(button, &QPushButton::clicked, this, &DataCalculatorPage::onSwitchBtnChanged);
    connect(m_ui->m_diskArrayPage, &DiskArrayPage::inputsChanged, this, &DataCalculatorPage::noteInputs);
}
