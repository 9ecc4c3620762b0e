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
#include "model/FigureFormat.h"
#include "model/PlanFigures.h"

#include <QLocale>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>
#include <QToolTip>

// Traces of the recalculation; off unless QT_LOGGING_RULES="tavo.calc.debug=true".
Q_LOGGING_CATEGORY(lcCalc, "tavo.calc", QtInfoMsg)

#include <limits>
#include <utility>

namespace {

enum Page { TimePage = 0, DiskPage = 1, BandWidthPageIndex = 2, ArrayPage = 3 };

const int kMaxHoursPerDay = DataCalculatorForm::kMaxHoursPerDay;

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

DataCalculatorPage::DataCalculatorPage(QWidget *parent) : QWidget(parent), m_ui(std::make_unique<DataCalculatorForm>())
{
    m_ui->setupUi(this);

    m_page = BandWidthPageIndex;
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
    result.arrayShown = m_page == ArrayPage || !inputs().arrayAtDefaults();
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
    in.mode = m_page;
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
        m_page = page;
        if (m_pagesShown)
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
    recompute();
    showTime();
    showDiskSpace();
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
    recompute();
    const int page = m_page;
    if (page == DiskPage)
        showDiskSpace();
    else if (page == TimePage)
        showTime();
    emitRanges();
    updateArray();
}

void DataCalculatorPage::onStorageRange(double calmKbps, double busyKbps)
{
    m_calmBitrate = calmKbps;
    m_busyBitrate = busyKbps;
}

void DataCalculatorPage::onRetention(const RetentionProfile &retention)
{
    m_retention = retention;
}

void DataCalculatorPage::emitRanges()
{
    emit setTimeRange(m_result.busyDays, m_result.calmDays);
    emit setDiskSizeRange(m_result.calmDiskGB, m_result.busyDiskGB);
    emit setTimeNote(m_result.retentionAnswer);
    emit setDiskSizeNote(m_result.largestNeeds);
}

void DataCalculatorPage::showTime()
{
    FigureFormat::Kept figures = FigureFormat::kept(m_result.exactDays);
    // Every group keeps its own retention: the days are none of the disk's
    // to give, and the note says whether it holds them.
    if (m_retention.anyOwn() && !m_retention.anyFollowing())
        figures = {FigureFormat::none(), FigureFormat::none(), FigureFormat::none()};
    emit setTime(figures.days, figures.weeks, figures.months);
    emit setExactTime(m_result.exactDays);
}

void DataCalculatorPage::showDiskSpace()
{
    const FigureFormat::Needed need = FigureFormat::needed(m_result.exactDiskGB);
    emit setDiskSize(need.figure, need.terabytes ? terabyteUnit() : gigabyteUnit());
    emit setExactDiskSize(m_result.exactDiskGB);
}

void DataCalculatorPage::updateArray()
{
    DiskArrayPage::Load load;
    load.kbps = m_totalBitrate;
    load.calmKbps = m_calmBitrate;
    load.busyKbps = m_busyBitrate;
    load.hoursPerDay = m_ui->m_spinBoxDailyTime->value();
    load.retentionText = m_retention.anyOwn()
                             //: The retention the drives of "For %1: %n drive(s)" are for when some groups keep
                             //: their own: %1 the plan's wanted retention ("30 days").
                             ? tr("%1 and each group's own retention").arg(m_result.saveTime)
                             : m_result.saveTime;
    load.retention = m_retention;
    load.retentionDays = retentionDays();
    m_ui->m_diskArrayPage->setLoad(load);
}

void DataCalculatorPage::onDeviceChangedToBandWidth(QString &channelCount, QString &IPCCount, QString &DVRCount,
                                                    QString &bandWidth, QString &unit)
{
    // The counts change no figure of the other pages: nothing to work out again.
    m_result.channelCount = channelCount;
    m_result.ipcCount = IPCCount;
    m_result.dvrCount = DVRCount;
    //: A network bandwidth in the report: %1 the figure with one decimal, %2 its unit (Kbps, Mbps or Gbps).
    m_result.bandWidth = tr("%1 %2").arg(bandWidth, unit);
    m_ui->m_bandWidthPage->onSetAllCount(channelCount, IPCCount, DVRCount, bandWidth, unit);
}

void DataCalculatorPage::choosePage(int page)
{
    if (m_pagesShown) {
        m_ui->m_tabWidgetSections->setCurrentIndex(page);
        return;
    }
    if (page != m_page)
        onPageChanged(page);
}

void DataCalculatorPage::onPageChanged(int page)
{
    m_page = page;
    OnCalculateTypeSelectedChanged(page);
}

void DataCalculatorPage::showEvent(QShowEvent *event)
{
    if (!m_pagesShown) {
        m_pagesShown = true;
        {
            const QSignalBlocker quiet(m_ui->m_tabWidgetSections);
            m_ui->m_tabWidgetSections->setCurrentIndex(m_page);
        }
        m_ui->m_tabWidgetSections->removeWidget(m_ui->m_pagePending);
        delete std::exchange(m_ui->m_pagePending, nullptr);
    }
    QWidget::showEvent(event);
}

void DataCalculatorPage::OnSwitchBarChanged(bool state)
{
    choosePage(state ? TimePage : DiskPage);
}

void DataCalculatorPage::onSwitchBtnChanged()
{
    QObject *button = sender();
    if (button == m_ui->m_calTimeBtn) {
        selectModeButton(m_ui->m_calTimeBtn);
        choosePage(TimePage);
    } else if (button == m_ui->m_calDiskBtn) {
        selectModeButton(m_ui->m_calDiskBtn);
        choosePage(DiskPage);
    } else if (button == m_ui->m_calArrayBtn) {
        selectModeButton(m_ui->m_calArrayBtn);
        choosePage(ArrayPage);
    } else {
        selectModeButton(m_ui->m_calBandWithBtn);
        choosePage(BandWidthPageIndex);
    }
}

void DataCalculatorPage::OnCalculateTypeSelectedChanged(int index)
{
    // The figures are current already; the page in front only shows them.
    if (index == TimePage) {
        selectModeButton(m_ui->m_calTimeBtn);
        showTime();
    } else if (index == DiskPage) {
        selectModeButton(m_ui->m_calDiskBtn);
        showDiskSpace();
    }
    noteInputs();
}

void DataCalculatorPage::OnCalculateTimeDataChanged()
{
    choosePage(TimePage);
    selectModeButton(m_ui->m_calTimeBtn);
    m_ui->m_lineEditGT->setToolTip(m_ui->m_lineEditGT->text());
    m_ui->m_spinBoxTime->setToolTip(m_ui->m_spinBoxTime->text());

    recompute();
    showTime();
    emitRanges();
    noteInputs();
}

void DataCalculatorPage::OnCalculateDiskSizeDataChanged()
{
    m_ui->m_lineEditSaveTime->setToolTip(m_ui->m_lineEditSaveTime->text());
    m_ui->m_spinBoxDailyTime->setToolTip(m_ui->m_spinBoxDailyTime->text());
    selectModeButton(m_ui->m_calDiskBtn);

    recompute();
    showDiskSpace();
    emitRanges();
    updateArray();
    noteInputs();
}

void DataCalculatorPage::setResults()
{
    recompute();
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

QString DataCalculatorPage::diskText() const
{
    QString text = m_ui->m_lineEditGT->text();
    // "12." is a decimal on its way: it counts, and is recorded, as 12.
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("0") : text;
}

double DataCalculatorPage::diskSizeInGB() const
{
    // A terabyte typed by the user counts as 1000 GB.
    const double size = diskText().toDouble();
    return m_ui->m_radioBtnTB->isChecked() ? size * 1000 : size;
}

namespace {

// Only text set past the validator can leave the int range.
int toInt(qint64 value)
{
    const qint64 lowest = std::numeric_limits<int>::min();
    const qint64 highest = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(lowest, value, highest));
}

} // namespace

int DataCalculatorPage::retentionDays() const
{
    const qint64 count = m_ui->m_lineEditSaveTime->text().toInt();
    return toInt(m_ui->m_radioBtnDay->isChecked() ? count : m_ui->m_radioBtnWeek->isChecked() ? count * 7 : count * 30);
}

void DataCalculatorPage::recompute()
{
    Result &r = m_result;
    // What the planner typed, in words, for the report.
    const bool terabytes = m_ui->m_radioBtnTB->isChecked();
    // The field takes a point in every language; the record is read in the
    // reader's notation.
    const QString shown = FigureFormat::number(diskText().toDouble(), 'f', QLocale::FloatingPointShortest);
    //: A disk size in the report: %1 whole or decimal terabytes (1 TB = 1000 GB).
    const QString terabytesText = tr("%1 TB");
    //: A disk size in the report: %1 whole or decimal gigabytes.
    const QString gigabytesText = tr("%1 GB");
    r.diskSize = (terabytes ? terabytesText : gigabytesText).arg(shown);

    const int shownCount = m_ui->m_lineEditSaveTime->text().toInt();
    // The wanted retention reads "Disk for %1" and "For %1: 8 drives" too.
    if (m_ui->m_radioBtnDay->isChecked()) {
        //: The retention the planner wants, also filled into "Disk for %1" and "For %1: %n drive(s)".
        r.saveTime = tr("%n day(s)", nullptr, shownCount);
    } else if (m_ui->m_radioBtnWeek->isChecked()) {
        //: The retention the planner wants, also filled into "Disk for %1" and "For %1: %n drive(s)".
        r.saveTime = tr("%n week(s)", nullptr, shownCount);
    } else {
        //: The retention the planner wants (a month of 30 days), also filled into "Disk for %1" and
        //: "For %1: %n drive(s)".
        r.saveTime = tr("%n month(s)", nullptr, shownCount);
    }

    // How long the disk keeps video and the disk the wanted retention needs,
    // at the total and for calm and busy scenes.
    const double diskGB = diskSizeInGB();
    const int hoursPerDay = m_ui->m_spinBoxTime->value();
    r.recordHoursPerDay = hoursPerDay;
    r.dailyRecordHours = m_ui->m_spinBoxDailyTime->value();
    const PlanFigures figures =
        PlanFigures::compute({m_totalBitrate, m_calmBitrate, m_busyBitrate, m_retention}, inputs());
    r.exactDays = figures.days;
    r.calmDays = figures.calmDays;
    r.busyDays = figures.busyDays;
    r.exactDiskGB = figures.diskGB;
    r.calmDiskGB = figures.calmDiskGB;
    r.busyDiskGB = figures.busyDiskGB;
    r.retentionAnswer = m_retention.anyOwn() ? retentionAnswer(diskGB) : QString();

    const FigureFormat::Kept kept = FigureFormat::kept(r.exactDays);
    // Each figure picks its plural form by the number it shows.
    //: How long the disk keeps video, in the report: %1 is a whole number of days as the calculator shows it
    //: (large ones in exponent form, "7e+05"); the plural follows that number.
    r.savedDays = tr("%1 day(s)", nullptr, FigureFormat::pluralCount(kept.days)).arg(kept.days);
    //: How long the disk keeps video, in the report: %1 is a whole number of weeks; the plural follows it.
    r.savedWeeks = tr("%1 week(s)", nullptr, FigureFormat::pluralCount(kept.weeks)).arg(kept.weeks);
    //: How long the disk keeps video, in the report: %1 is a whole number of 30-day months; the plural follows it.
    r.savedMonths = tr("%1 month(s)", nullptr, FigureFormat::pluralCount(kept.months)).arg(kept.months);
    // Every group keeps its own retention: no days are the disk's to give.
    if (m_retention.anyOwn() && !m_retention.anyFollowing())
        r.savedDays = r.savedWeeks = r.savedMonths = FigureFormat::none();

    const RetentionNeed::PlanWide plan{retentionDays(), double(r.dailyRecordHours)};
    r.largestNeeds = FigureFormat::largestShares(m_retention.largest(plan), m_retention.groups(),
                                                 m_retention.gigabytes(plan, RetentionNeed::AsPlanned));
    const FigureFormat::Needed need = FigureFormat::needed(r.exactDiskGB);
    r.requiredDiskSpace = (need.terabytes ? terabytesText : gigabytesText).arg(need.figure);
    qCDebug(lcCalc) << "days" << r.exactDays << "GB" << r.exactDiskGB;
}

QString DataCalculatorPage::retentionAnswer(double diskGB) const
{
    // The groups that follow the plan count at the wanted retention in
    // whether the disk holds them all.
    const QString answer =
        FigureFormat::diskAnswer(m_retention.answer(diskGB, {retentionDays(), double(m_result.recordHoursPerDay)}));
    return m_retention.anyFollowing() && !answer.isEmpty()
               //: Under the days a disk keeps when some groups keep their own retention: %1 whether the
               //: disk holds every retention, %2 the plan's wanted retention ("30 days").
               ? tr("%1 The days above are what the groups that follow the plan keep; the answer "
                    "counts them at %2.")
                     .arg(answer, m_result.saveTime)
               : answer;
}

void DataCalculatorPage::connectInputs()
{
    connect(m_ui->m_tabWidgetSections, &QStackedWidget::currentChanged, this, &DataCalculatorPage::onPageChanged);

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
    // A tool tip alone is out of reach of the keyboard: a press shows it too,
    // above the link, until the pointer or the focus moves on.
    connect(m_ui->m_btnAssumptions, &QPushButton::clicked, this, [this] {
        // After the click is through: its release would take the tip down again.
        QTimer::singleShot(0, m_ui->m_btnAssumptions, [button = m_ui->m_btnAssumptions] {
            QToolTip::showText(button->mapToGlobal(QPoint(0, 0)), button->toolTip(), button, QRect(), 30000);
        });
    });
}
