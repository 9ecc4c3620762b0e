#include "calc/DataCalculatorPage.h"

#include "aptui/CustomizedIntValidator.h"
#include "aptui/DecimalValidator.h"
#include "aptui/InputTip.h"
#include "aptui/LineEditInterger.h"
#include "calc/BandWidthPage.h"
#include "calc/DataDisplayPage.h"
#include "calc/SizeDisplayPage.h"
#include "host/CLineEdit.h"
#include "host/CRadioButton.h"
#include "host/CSlider.h"
#include "model/BitrateCalculator.h"
#include "model/SaturatingCast.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

// Traces of the recalculation; off unless QT_LOGGING_RULES="tavo.calc.debug=true".
Q_LOGGING_CATEGORY(lcCalc, "tavo.calc", QtInfoMsg)

#include <cmath>
#include <limits>

namespace {

enum Page { TimePage = 0, DiskPage = 1, BandWidthPageIndex = 2 };

const int kMaxHoursPerDay = 24;
const int kMaxDiskSize = 50000;
const int kDiskSizeDecimals = 2;
const int kMaxRetention = 365;
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

QHBoxLayout *newRow()
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    return row;
}

} // namespace

DataCalculatorPage::DataCalculatorPage(QWidget *parent)
    : QWidget(parent), m_calculator(std::make_unique<BitrateCalculator>())
{
    setupForm();

    m_tabWidgetSections->setCurrentIndex(BandWidthPageIndex);
    selectModeButton(m_calBandWithBtn);
    m_lineEditGT->setText(QStringLiteral("4"));
    m_radioBtnTB->setChecked(true);
    m_spinBoxTime->setValue(kMaxHoursPerDay);
    m_horizontalSliderTime->setValue(kMaxHoursPerDay);
    m_radioBtnDay->setChecked(true);
    m_lineEditSaveTime->setText(QStringLiteral("1"));
    m_spinBoxDailyTime->setValue(kMaxHoursPerDay);
    m_hSliderDailyTime->setValue(kMaxHoursPerDay);

    setupFocusAndTips();
    connectInputs();
    m_announcedInputs = inputs();
}

DataCalculatorPage::~DataCalculatorPage() = default;

void DataCalculatorPage::fillResult(Result &result) const
{
    result = m_result;
}

PlanCalculatorInputs DataCalculatorPage::inputs() const
{
    PlanCalculatorInputs in;
    in.diskSize = m_lineEditGT->text();
    in.diskInTerabytes = m_radioBtnTB->isChecked();
    in.retentionPageHoursPerDay = m_spinBoxTime->value();
    in.retention = m_lineEditSaveTime->text();
    in.retentionUnit = m_radioBtnWeek->isChecked() ? PlanCalculatorInputs::Weeks
                       : m_radioMonth->isChecked() ? PlanCalculatorInputs::Months
                                                   : PlanCalculatorInputs::Days;
    in.diskPageHoursPerDay = m_spinBoxDailyTime->value();
    in.mode = m_tabWidgetSections->currentIndex();
    return in;
}

void DataCalculatorPage::setInputs(const PlanCalculatorInputs &in)
{
    const PlanCalculatorInputs defaults;
    const int page = in.mode >= TimePage && in.mode <= BandWidthPageIndex ? in.mode : defaults.mode;
    {
        // Quiet while the fields change, so that nothing is computed half-way.
        const QSignalBlocker quiet[] = {QSignalBlocker(m_lineEditGT),           QSignalBlocker(m_radioBtnTB),
                                        QSignalBlocker(m_radioBtnGB),           QSignalBlocker(m_spinBoxTime),
                                        QSignalBlocker(m_horizontalSliderTime), QSignalBlocker(m_lineEditSaveTime),
                                        QSignalBlocker(m_radioBtnDay),          QSignalBlocker(m_radioBtnWeek),
                                        QSignalBlocker(m_radioMonth),           QSignalBlocker(m_spinBoxDailyTime),
                                        QSignalBlocker(m_hSliderDailyTime),     QSignalBlocker(m_tabWidgetSections)};
        Q_UNUSED(quiet);
        m_lineEditGT->setText(acceptedText(m_lineEditGT, in.diskSize, defaults.diskSize));
        (in.diskInTerabytes ? m_radioBtnTB : m_radioBtnGB)->setChecked(true);
        const int hours = hoursOrDefault(in.retentionPageHoursPerDay, defaults.retentionPageHoursPerDay);
        m_spinBoxTime->setValue(hours);
        m_horizontalSliderTime->setValue(hours);
        m_lineEditSaveTime->setText(acceptedText(m_lineEditSaveTime, in.retention, defaults.retention));
        (in.retentionUnit == PlanCalculatorInputs::Weeks    ? m_radioBtnWeek
         : in.retentionUnit == PlanCalculatorInputs::Months ? m_radioMonth
                                                            : m_radioBtnDay)
            ->setChecked(true);
        const int dailyHours = hoursOrDefault(in.diskPageHoursPerDay, defaults.diskPageHoursPerDay);
        m_spinBoxDailyTime->setValue(dailyHours);
        m_hSliderDailyTime->setValue(dailyHours);
        m_tabWidgetSections->setCurrentIndex(page);
    }
    // Shown as they are: nothing to announce.
    m_announcedInputs = inputs();
    selectModeButton(page == TimePage ? m_calTimeBtn : page == DiskPage ? m_calDiskBtn : m_calBandWithBtn);
    for (QWidget *field :
         std::initializer_list<QWidget *>{m_lineEditGT, m_spinBoxTime, m_lineEditSaveTime, m_spinBoxDailyTime})
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
    return m_displayPageSize;
}

QObject *DataCalculatorPage::getDataDisplayPageTime() const
{
    return m_displayPageTime;
}

void DataCalculatorPage::OnDeviceChanged(double dTotalBitrate)
{
    m_totalBitrate = dTotalBitrate;
    const int page = m_tabWidgetSections->currentIndex();
    if (isZeroBitrate(dTotalBitrate)) {
        if (page == DiskPage) {
            emit setDiskSize(QStringLiteral("0"), tr("GB"));
            emit setExactDiskSize(0.0);
        } else if (page == TimePage) {
            emit setTime(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
            emit setExactTime(0.0);
        }
        retentionHours();
        m_result.dailyRecordHours = m_spinBoxDailyTime->value();
        m_result.requiredDiskSpace = QStringLiteral("0 GB");
        m_result.exactDiskGB = 0.0;
        m_result.recordHoursPerDay = m_spinBoxTime->value();
        setZeroTimeStrings();
        return;
    }

    if (page == DiskPage)
        OnCalculateDiskSizeDataChanged();
    else if (page == TimePage)
        OnCalculateTimeDataChanged();
    qCDebug(lcCalc, "setResults()");
    setResults();
}

void DataCalculatorPage::onDeviceChangedToBandWidth(QString &channelCount, QString &IPCCount, QString &DVRCount,
                                                    QString &bandWidth, QString &unit)
{
    m_result.channelCount = channelCount;
    m_result.ipcCount = IPCCount;
    m_result.dvrCount = DVRCount;
    m_result.bandWidth = bandWidth + unit;
    m_bandWidthPage->onSetAllCount(channelCount, IPCCount, DVRCount, bandWidth, unit);
    setResults();
}

void DataCalculatorPage::OnSwitchBarChanged(bool state)
{
    m_tabWidgetSections->setCurrentIndex(state ? TimePage : DiskPage);
}

void DataCalculatorPage::onSwitchBtnChanged()
{
    QObject *button = sender();
    if (button == m_calTimeBtn) {
        selectModeButton(m_calTimeBtn);
        m_tabWidgetSections->setCurrentIndex(TimePage);
    } else if (button == m_calDiskBtn) {
        selectModeButton(m_calDiskBtn);
        m_tabWidgetSections->setCurrentIndex(DiskPage);
    } else {
        selectModeButton(m_calBandWithBtn);
        m_tabWidgetSections->setCurrentIndex(BandWidthPageIndex);
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
    m_tabWidgetSections->setCurrentIndex(TimePage);
    selectModeButton(m_calTimeBtn);
    m_lineEditGT->setToolTip(m_lineEditGT->text());
    m_spinBoxTime->setToolTip(m_spinBoxTime->text());

    const TimeFigures figures = computeTime();
    emit setTime(figures.day, figures.week, figures.month);
    emit setExactTime(m_result.exactDays);
    noteInputs();
}

void DataCalculatorPage::OnCalculateDiskSizeDataChanged()
{
    m_lineEditSaveTime->setToolTip(m_lineEditSaveTime->text());
    m_spinBoxDailyTime->setToolTip(m_spinBoxDailyTime->text());
    selectModeButton(m_calDiskBtn);

    QString size;
    QString unit;
    computeDiskSpace(size, unit);
    emit setDiskSize(size, unit);
    emit setExactDiskSize(m_result.exactDiskGB);
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
    // Every recalculation selects its page again; a style sheet set anew costs a
    // re-polish and a relayout of the window.
    if (selected == m_selectedModeButton)
        return;
    m_selectedModeButton = selected;
    for (QPushButton *button : {m_calTimeBtn, m_calDiskBtn, m_calBandWithBtn})
        button->setStyleSheet(button == selected ? selectedStyle : unselectedStyle);
}

void DataCalculatorPage::setZeroTimeStrings()
{
    m_result.savedDays = QStringLiteral("0 ") + tr("Day(s)");
    m_result.savedWeeks = QStringLiteral("0 ") + tr("Week(s)");
    m_result.savedMonths = QStringLiteral("0 ") + tr("Month(s)");
    m_result.exactDays = 0.0;
}

double DataCalculatorPage::diskSizeInGB()
{
    QString text = m_lineEditGT->text();
    // "12." is a decimal on its way: it counts, and is recorded, as 12.
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text.isEmpty())
        text = QStringLiteral("0");
    const bool terabytes = m_radioBtnTB->isChecked();
    m_result.diskSize = text + (terabytes ? QStringLiteral("TB") : QStringLiteral("GB"));
    // A terabyte typed by the user counts as 1000 GB.
    const double size = text.toDouble();
    return terabytes ? size * 1000 : size;
}

int DataCalculatorPage::retentionHours()
{
    const qint64 count = m_lineEditSaveTime->text().toInt();
    const qint64 hoursPerDay = m_spinBoxDailyTime->value();
    qint64 hours = 0;
    QString unit;
    if (m_radioBtnDay->isChecked()) {
        hours = count * hoursPerDay;
        unit = tr("Day(s)");
    } else if (m_radioBtnWeek->isChecked()) {
        hours = count * 7 * hoursPerDay;
        unit = tr("Week(s)");
    } else {
        hours = count * 30 * hoursPerDay;
        unit = tr("Months(s)");
    }
    m_result.saveTime = QString::number(count) + unit;
    // Only text set past the validator can leave the int range.
    const qint64 lowest = std::numeric_limits<int>::min();
    const qint64 highest = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(lowest, hours, highest));
}

DataCalculatorPage::TimeFigures DataCalculatorPage::computeTime()
{
    const TimeFigures zero{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    const double diskGB = diskSizeInGB();
    const int hours = m_spinBoxTime->value();
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
    TimeFigures figures;
    if (day > kMaxPlainDays || week > kMaxPlainWeeks)
        figures = {exponentText(day), exponentText(week), exponentText(month)};
    else
        figures = {QString::number(day), QString::number(week), QString::number(month)};
    // The record carries the figures the display shows, whatever their size.
    m_result.savedDays = figures.day + tr(" Day(s)");
    m_result.savedWeeks = figures.week + tr(" Week(s)");
    m_result.savedMonths = figures.month + tr(" Month(s)");
    return figures;
}

double DataCalculatorPage::computeDiskSpace(QString &size, QString &unit)
{
    const int hours = retentionHours();
    m_result.dailyRecordHours = m_spinBoxDailyTime->value();

    const double exactGB = BitrateCalculator::diskSizeForHours(m_totalBitrate, hours);
    m_result.exactDiskGB = exactGB >= 0 ? exactGB : 0.0;
    const double wholeGB = std::ceil(exactGB);
    if (!(wholeGB > 1000)) {
        if (!(wholeGB >= 0)) {
            size = QStringLiteral("0");
            unit = tr("GB");
            m_result.requiredDiskSpace = size + tr(" GB");
            return wholeGB;
        }
        size = wholeNumberText(wholeGB);
        unit = tr("GB");
        m_result.requiredDiskSpace = size + tr(" GB");
        return wholeGB;
    }
    // Rounded up again to whole terabytes, so a disk of that size does hold it.
    size = wholeNumberText(std::ceil(wholeGB / 1000.0));
    unit = tr("TB");
    m_result.requiredDiskSpace = size + tr(" TB");
    return wholeGB;
}

void DataCalculatorPage::setupForm()
{
    setObjectName(QStringLiteral("DataCalculatorPage"));
    setFixedWidth(300);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 0, 0, 0);
    layout->setSpacing(14);

    auto *modeRow = new QHBoxLayout;
    modeRow->setContentsMargins(0, 0, 0, 0);
    modeRow->setSpacing(0);
    m_calTimeBtn = named(new QPushButton(tr("CalTime"), this), QStringLiteral("calTimeBtn"));
    m_calDiskBtn = named(new QPushButton(tr("CalDisk"), this), QStringLiteral("calDiskBtn"));
    m_calBandWithBtn = named(new QPushButton(tr("CalBandWith"), this), QStringLiteral("calBandWithBtn"));
    for (QPushButton *button : {m_calTimeBtn, m_calDiskBtn, m_calBandWithBtn}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setCursor(Qt::PointingHandCursor);
        modeRow->addWidget(button);
    }
    layout->addLayout(modeRow);

    m_tabWidgetSections = named(new QStackedWidget(this), QStringLiteral("m_tabWidgetSections"));
    m_tabWidgetSections->addWidget(buildTimePage());
    m_tabWidgetSections->addWidget(buildDiskPage());

    auto *bandWidthHolder = named(new QWidget(m_tabWidgetSections), QStringLiteral("m_pageCalBandWith"));
    auto *bandWidthLayout = new QVBoxLayout(bandWidthHolder);
    bandWidthLayout->setContentsMargins(0, 0, 0, 0);
    m_bandWidthPage = named(new BandWidthPage(bandWidthHolder), QStringLiteral("widget"));
    bandWidthLayout->addWidget(m_bandWidthPage);
    m_tabWidgetSections->addWidget(bandWidthHolder);
    layout->addWidget(m_tabWidgetSections, 1);
}

QWidget *DataCalculatorPage::buildTimePage()
{
    auto *page = named(new QWidget(this), QStringLiteral("m_pageCalTime"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    m_labelDiskSize = makeCaption(QStringLiteral("m_labelDiskSize"), tr("set disk size : "), page);
    layout->addWidget(m_labelDiskSize);
    auto *sizeRow = newRow();
    m_lineEditGT = named(new FenwaGUIToolkit::CLineEdit(page), QStringLiteral("m_lineEditGT"));
    m_lineEditGT->setValidator(new aptui::DecimalValidator(0, kMaxDiskSize, kDiskSizeDecimals, m_lineEditGT));
    // No length limit: it would cut a long paste down to another number
    // instead of refusing it. The validator's range bounds the length.
    new aptui::InputTip(m_lineEditGT);
    m_radioBtnTB = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioBtnTB"));
    m_radioBtnTB->setText(tr("TB"));
    m_radioBtnGB = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioBtnGB"));
    m_radioBtnGB->setText(tr("GB"));
    sizeRow->addWidget(m_lineEditGT, 1);
    sizeRow->addWidget(m_radioBtnTB);
    sizeRow->addWidget(m_radioBtnGB);
    layout->addLayout(sizeRow);
    layout->addSpacing(8);

    m_labelRecordTim = makeCaption(QStringLiteral("m_labelRecordTim"), tr("record time :"), page);
    layout->addWidget(m_labelRecordTim);
    auto *hoursRow = newRow();
    m_horizontalSliderTime =
        named(new FenwaGUIToolkit::CSlider(Qt::Horizontal, page), QStringLiteral("m_horizontalSliderTime"));
    m_horizontalSliderTime->setMaximum(kMaxHoursPerDay);
    m_horizontalSliderTime->setPageStep(2);
    m_horizontalSliderTime->setAccessibleName(tr("record time :"));
    m_spinBoxTime = named(new aptui::LineEditInterger(page), QStringLiteral("m_spinBoxTime"));
    m_spinBoxTime->setMaximum(kMaxHoursPerDay);
    m_labelHour = makeCaption(QStringLiteral("m_labelHour"), tr("h"), page);
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

QWidget *DataCalculatorPage::buildDiskPage()
{
    auto *page = named(new QWidget(this), QStringLiteral("m_pageCalDisk"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    m_labelSaveTime = makeCaption(QStringLiteral("m_labelSaveTime"), tr("set save time:"), page);
    layout->addWidget(m_labelSaveTime);
    auto *retentionRow = newRow();
    m_lineEditSaveTime = named(new FenwaGUIToolkit::CLineEdit(page), QStringLiteral("m_lineEditSaveTime"));
    m_lineEditSaveTime->setValidator(new CustomizedIntValidator(0, kMaxRetention, m_lineEditSaveTime));
    new aptui::InputTip(m_lineEditSaveTime);
    m_radioBtnDay = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioBtnDay"));
    m_radioBtnDay->setText(tr("DAY"));
    m_radioBtnWeek = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioBtnWeek"));
    m_radioBtnWeek->setText(tr("WEEK"));
    m_radioMonth = named(new FenwaGUIToolkit::CRadioButton(page), QStringLiteral("m_radioMonth"));
    m_radioMonth->setText(tr("MONTH"));
    retentionRow->addWidget(m_lineEditSaveTime, 1);
    retentionRow->addWidget(m_radioBtnDay);
    retentionRow->addWidget(m_radioBtnWeek);
    retentionRow->addWidget(m_radioMonth);
    layout->addLayout(retentionRow);
    layout->addSpacing(8);

    m_labelDailyRecordTime = makeCaption(QStringLiteral("m_labelDailyRecordTime"), tr("record time each day :"), page);
    layout->addWidget(m_labelDailyRecordTime);
    auto *hoursRow = newRow();
    m_hSliderDailyTime =
        named(new FenwaGUIToolkit::CSlider(Qt::Horizontal, page), QStringLiteral("m_hSliderDailyTime"));
    m_hSliderDailyTime->setMaximum(kMaxHoursPerDay);
    m_hSliderDailyTime->setPageStep(2);
    m_hSliderDailyTime->setAccessibleName(tr("record time each day :"));
    m_spinBoxDailyTime = named(new aptui::LineEditInterger(page), QStringLiteral("m_spinBoxDailyTime"));
    m_spinBoxDailyTime->setMaximum(kMaxHoursPerDay);
    m_labelDailyHour = makeCaption(QStringLiteral("m_labelDailyHour"), tr("h"), page);
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

void DataCalculatorPage::setupFocusAndTips()
{
    const QList<QWidget *> focusOrder = {m_lineEditGT,  m_radioBtnTB,       m_radioBtnGB,      m_horizontalSliderTime,
                                         m_spinBoxTime, m_lineEditSaveTime, m_radioBtnDay,     m_radioBtnWeek,
                                         m_radioMonth,  m_hSliderDailyTime, m_spinBoxDailyTime};
    for (int i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder.at(i - 1), focusOrder.at(i));

    for (QAbstractButton *button :
         std::initializer_list<QAbstractButton *>{m_calTimeBtn, m_calDiskBtn, m_calBandWithBtn, m_radioBtnTB,
                                                  m_radioBtnGB, m_radioBtnDay, m_radioBtnWeek, m_radioMonth})
        button->setToolTip(button->text());
    for (QLabel *label : {m_labelDiskSize, m_labelRecordTim, m_labelSaveTime, m_labelDailyRecordTime})
        label->setToolTip(label->text());
    for (QLineEdit *edit : std::initializer_list<QLineEdit *>{m_lineEditGT, m_lineEditSaveTime})
        edit->setToolTip(edit->text());
    for (QSpinBox *spin : std::initializer_list<QSpinBox *>{m_spinBoxTime, m_spinBoxDailyTime})
        spin->setToolTip(spin->text());
}

void DataCalculatorPage::connectInputs()
{
    connect(m_tabWidgetSections, &QStackedWidget::currentChanged, this,
            &DataCalculatorPage::OnCalculateTypeSelectedChanged);

    connect(m_horizontalSliderTime, &QSlider::valueChanged, m_spinBoxTime, &QSpinBox::setValue);
    connect(m_spinBoxTime, &QSpinBox::valueChanged, m_horizontalSliderTime, &QSlider::setValue);
    connect(m_hSliderDailyTime, &QSlider::valueChanged, m_spinBoxDailyTime, &QSpinBox::setValue);
    connect(m_spinBoxDailyTime, &QSpinBox::valueChanged, m_hSliderDailyTime, &QSlider::setValue);

    connect(m_lineEditGT, &QLineEdit::textChanged, this, &DataCalculatorPage::OnCalculateTimeDataChanged,
            Qt::DirectConnection);
    connect(m_radioBtnTB, &QAbstractButton::toggled, this, &DataCalculatorPage::OnCalculateTimeDataChanged,
            Qt::DirectConnection);
    connect(m_radioBtnGB, &QAbstractButton::toggled, this, &DataCalculatorPage::OnCalculateTimeDataChanged,
            Qt::DirectConnection);
    connect(m_spinBoxTime, &QSpinBox::valueChanged, this, &DataCalculatorPage::OnCalculateTimeDataChanged,
            Qt::DirectConnection);

    connect(m_lineEditSaveTime, &QLineEdit::textChanged, this, &DataCalculatorPage::OnCalculateDiskSizeDataChanged,
            Qt::DirectConnection);
    for (QAbstractButton *radio : std::initializer_list<QAbstractButton *>{m_radioBtnDay, m_radioBtnWeek, m_radioMonth})
        connect(radio, &QAbstractButton::toggled, this, &DataCalculatorPage::OnCalculateDiskSizeDataChanged,
                Qt::DirectConnection);
    connect(m_spinBoxDailyTime, &QSpinBox::valueChanged, this, &DataCalculatorPage::OnCalculateDiskSizeDataChanged,
            Qt::DirectConnection);

    for (QPushButton *button : {m_calTimeBtn, m_calDiskBtn, m_calBandWithBtn})
        connect(button, &QPushButton::clicked, this, &DataCalculatorPage::onSwitchBtnChanged);
}
