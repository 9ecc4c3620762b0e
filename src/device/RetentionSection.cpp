#include "device/RetentionSection.h"

#include "aptui/AccessibleNames.h"
#include "aptui/CustomizedIntValidator.h"
#include "aptui/DecimalValidator.h"
#include "aptui/InputTip.h"
#include "aptui/Repolish.h"
#include "host/CComboBox.h"
#include "host/CLineEdit.h"
#include "model/GroupLimits.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Policy = RetentionPolicy;

// The fields keep out what no number is (letters, signs, a sixth digit); a
// number out of its range is refused on adding, with the range in words.
const int kMostTypedDays = 99999;
const double kMostTypedHours = 99.0;
const int kHourDecimals = 2;
const int kMostTypedShare = 100;
const int kMostTypedAacKbps = 999;

QString numberText(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

// Chooses `text` where the list offers it, else the entry at `fallback`.
void choose(QComboBox *combo, const QString &text, int fallback)
{
    const int at = combo->findText(text);
    if (at >= 0)
        combo->setCurrentIndex(at);
    else if (combo->count() > 0)
        combo->setCurrentIndex(qBound(0, fallback, combo->count() - 1));
}

QStringList itemTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

// A choice the new list still offers stays unless `keep` is false.
void refill(QComboBox *combo, const QStringList &texts, int fallback, bool keep = true)
{
    const QString kept = keep ? combo->currentText() : QString();
    combo->clear();
    combo->addItems(texts);
    choose(combo, kept, fallback);
}

} // namespace

RetentionSection::RetentionSection(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RetentionSection"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(12);

    m_btnRetentionSection = new QToolButton(this);
    m_btnRetentionSection->setObjectName(QStringLiteral("m_btnRetentionSection"));
    //: Heading of the editor's section that opens a channel group's own retention; closed, the plan's counts.
    m_btnRetentionSection->setText(tr("Retention"));
    m_btnRetentionSection->setAccessibleName(m_btnRetentionSection->text());
    m_btnRetentionSection->setToolTip(
        tr("Open to give this group a retention of its own; closed, it follows the plan"));
    m_btnRetentionSection->setCheckable(true);
    m_btnRetentionSection->setAutoRaise(true);
    m_btnRetentionSection->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_btnRetentionSection->setArrowType(Qt::RightArrow);
    m_btnRetentionSection->setFocusPolicy(Qt::StrongFocus);
    outer->addWidget(m_btnRetentionSection, 0, Qt::AlignLeft);

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("m_widgetRetentionFields"));
    m_body->hide();
    outer->addWidget(m_body);
    auto *grid = new QGridLayout(m_body);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(12);
    grid->setColumnStretch(1, 1);

    m_lineEditRetention = numberField(
        "m_lineEditRetention", new CustomizedIntValidator(0, kMostTypedDays),
        //: Tool tip of a group's own retention; %n the longest, in days.
        tr("How long the group keeps its video, from 1 to %n day(s) in all", nullptr, Policy::kMaxTierDays));
    const QStringList units{//: Unit of a group's own retention, chosen beside its count.
                            tr("days"),
                            //: Unit of a group's own retention, chosen beside its count.
                            tr("weeks"),
                            //: Unit of a group's own retention, chosen beside its count.
                            tr("months")};
    m_comboRetentionUnit = choiceField("m_comboRetentionUnit", units, tr("A week counts 7 days, a month 30"));
    m_comboRetentionUnit->setAccessibleName(tr("Retention unit"));
    //: Caption of the retention count of a group's own policy.
    addRow(grid, tr("Keep video for :"), m_lineEditRetention, m_comboRetentionUnit);

    //: Tool tip of a recording-hours field: %1 the hours of a whole day.
    const QString hours = tr("Recording hours a day, from 0 to %1").arg(Policy::kMaxHoursPerDay);
    const auto hoursField = [this](const char *name, const QString &range) {
        return numberField(name, new aptui::DecimalValidator(0.0, kMostTypedHours, kHourDecimals), range);
    };
    m_lineEditHoursPerDay = hoursField("m_lineEditHoursPerDay", hours);
    addRow(grid, tr("Hours a day :"), m_lineEditHoursPerDay);
    m_checkBoxSplitWeek = new QCheckBox(tr("Separate weekday and weekend hours"), m_body);
    m_checkBoxSplitWeek->setObjectName(QStringLiteral("m_checkBoxSplitWeek"));
    m_checkBoxSplitWeek->setToolTip(m_checkBoxSplitWeek->text());
    grid->addWidget(m_checkBoxSplitWeek, grid->rowCount(), 0, 1, 2);
    m_lineEditWeekdayHours =
        hoursField("m_lineEditWeekdayHours",
                   //: Tool tip: %1 the hours of a whole day.
                   tr("Recording hours on each of the five weekdays, from 0 to %1").arg(Policy::kMaxHoursPerDay));
    addRow(grid, tr("Weekday hours :"), m_lineEditWeekdayHours);
    m_lineEditWeekendHours =
        hoursField("m_lineEditWeekendHours",
                   //: Tool tip: %1 the hours of a whole day.
                   tr("Recording hours on each day of the weekend, from 0 to %1").arg(Policy::kMaxHoursPerDay));
    addRow(grid, tr("Weekend hours :"), m_lineEditWeekendHours);

    m_lineEditEventDays = numberField(
        "m_lineEditEventDays", new CustomizedIntValidator(0, kMostTypedDays),
        //: Tool tip: motion events of a continuous group kept after its video; %n the most days.
        tr("Days motion events are kept after the video, from 0 to %n; 0 keeps none", nullptr, Policy::kMaxTierDays));
    //: Caption: days motion events are kept after the group's video.
    addRow(grid, tr("Events kept (days) :"), m_lineEditEventDays);
    m_lineEditEventShare = numberField("m_lineEditEventShare", new CustomizedIntValidator(0, kMostTypedShare),
                                       tr("Share of the time with motion, from 1 to 99 %"));
    //: Caption: the share of a continuous group's time that has motion, in percent.
    addRow(grid, tr("Motion share (%) :"), m_lineEditEventShare);
    m_labelMotionEvents =
        new QLabel(tr("Recorded on motion: the retention above is how long its events are kept."), m_body);
    m_labelMotionEvents->setObjectName(QStringLiteral("m_labelMotionEvents"));
    m_labelMotionEvents->setWordWrap(true);
    grid->addWidget(m_labelMotionEvents, grid->rowCount(), 0, 1, 2);

    m_lineEditSubStreamDays = numberField("m_lineEditSubStreamDays", new CustomizedIntValidator(0, kMostTypedDays),
                                          //: Tool tip; %n the most days.
                                          tr("Days the sub-stream is kept after the main stream, from 0 to %n; "
                                             "0 keeps none",
                                             nullptr, Policy::kMaxTierDays));
    //: Caption: days the sub-stream is kept after the main stream.
    addRow(grid, tr("Sub-stream kept (days) :"), m_lineEditSubStreamDays);
    m_comboSubStreamResolution = choiceField("m_comboSubStreamResolution", {}, tr("Resolution of the sub-stream"));
    addRow(grid, tr("Sub-stream resolution :"), m_comboSubStreamResolution);
    m_comboSubStreamFrameRate = choiceField("m_comboSubStreamFrameRate", {}, tr("Frames per second of the sub-stream"));
    addRow(grid, tr("Sub-stream frame rate :"), m_comboSubStreamFrameRate);
    m_lineEditSubStreamKbps =
        numberField("m_lineEditSubStreamKbps", new CustomizedIntValidator(0, int(GroupLimits::kMaxBitrate)),
                    tr("Rate of the sub-stream per channel, from 1 kbps up to the main stream's; recommended from "
                       "the tables unless typed"));
    addRow(grid, tr("Sub-stream rate (kbps) :"), m_lineEditSubStreamKbps);

    const QStringList codecs{//: Audio recorded with a group's video: no audio at all.
                             tr("None"),
                             //: Audio codecs with their rate per channel; names, usually left as they are.
                             tr("G.711 (64 kbps)"), tr("G.726 (16 kbps)"), tr("G.726 (32 kbps)"), tr("AAC")};
    m_comboAudio = choiceField("m_comboAudio", codecs, tr("Audio recorded with the video"));
    addRow(grid, tr("Audio :"), m_comboAudio);
    m_lineEditAacKbps = numberField(
        "m_lineEditAacKbps", new CustomizedIntValidator(0, kMostTypedAacKbps),
        //: Tool tip: %1 and %2 the lowest and highest rate of AAC audio.
        tr("Rate of the AAC audio per channel, from %1 to %2 kbps").arg(Policy::kMinAacKbps).arg(Policy::kMaxAacKbps));
    addRow(grid, tr("AAC rate (kbps) :"), m_lineEditAacKbps);

    connect(m_btnRetentionSection, &QToolButton::toggled, this, [this](bool open) {
        m_btnRetentionSection->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        m_body->setVisible(open);
        if (!open)
            clearMarks();
    });
    connect(m_checkBoxSplitWeek, &QCheckBox::toggled, this, &RetentionSection::showRows);
    connect(m_comboAudio, &QComboBox::currentIndexChanged, this, &RetentionSection::showRows);
    connect(m_lineEditEventDays, &QLineEdit::editingFinished, this, &RetentionSection::showRows);
    for (QComboBox *choice : {m_comboSubStreamResolution, m_comboSubStreamFrameRate})
        connect(choice, &QComboBox::currentIndexChanged, this, &RetentionSection::recommend);
    setPolicy(RetentionPolicy());
}

FenwaGUIToolkit::CLineEdit *RetentionSection::numberField(const char *name, QValidator *validator, const QString &range)
{
    auto *field = new FenwaGUIToolkit::CLineEdit(m_body);
    field->setObjectName(QLatin1String(name));
    validator->setParent(field);
    field->setValidator(validator);
    field->setToolTip(range);
    // A refused key says the range the add checks, not the validator's wider one.
    new aptui::InputTip(field, range);
    connect(field, &QLineEdit::textChanged, field, [field] {
        if (field->property("invalid").toBool()) {
            aptui::markInvalid(field, false);
            aptui::InputTip::of(field)->dismiss();
        }
    });
    return field;
}

FenwaGUIToolkit::CComboBox *RetentionSection::choiceField(const char *name, const QStringList &choices,
                                                          const QString &about)
{
    auto *field = new FenwaGUIToolkit::CComboBox(m_body);
    field->setObjectName(QLatin1String(name));
    field->addItems(choices);
    field->setToolTip(about);
    return field;
}

void RetentionSection::addRow(QGridLayout *grid, const QString &caption, QWidget *field, QWidget *beside)
{
    auto *label = new QLabel(caption, m_body);
    label->setObjectName(field->objectName() + QLatin1String("Caption"));
    label->setBuddy(field);
    label->setToolTip(field->toolTip());
    if (field->accessibleName().isEmpty())
        field->setAccessibleName(aptui::AccessibleNames::captionName(caption));
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    if (!beside) {
        grid->addWidget(field, row, 1);
        return;
    }
    auto *pair = new QHBoxLayout();
    pair->setSpacing(8);
    pair->addWidget(field, 1);
    pair->addWidget(beside, 1);
    grid->addLayout(pair, row, 1);
}

int RetentionSection::captionWidth() const
{
    int width = 0;
    for (const QLabel *caption : m_body->findChildren<QLabel *>())
        if (caption->buddy())
            width = qMax(width, caption->sizeHint().width());
    return width;
}

void RetentionSection::setCaptionWidth(int width)
{
    static_cast<QGridLayout *>(m_body->layout())->setColumnMinimumWidth(0, width);
}

void RetentionSection::setAdvice(Advice advice)
{
    m_advice = std::move(advice);
    refreshAdvice();
}

void RetentionSection::refreshAdvice()
{
    if (!m_advice.resolutions || !m_advice.frameRates)
        return;
    {
        const QSignalBlocker quietResolutions(m_comboSubStreamResolution);
        const QSignalBlocker quietFrameRates(m_comboSubStreamFrameRate);
        // New choices start where the group's own stream does: the first
        // resolution, and the second frame rate, the standard's full one,
        // also in the list of another standard.
        refill(m_comboSubStreamResolution, m_advice.resolutions(), 0);
        const QStringList frameRates = m_advice.frameRates();
        refill(m_comboSubStreamFrameRate, frameRates, 1, frameRates == itemTexts(m_comboSubStreamFrameRate));
    }
    recommend();
}

QString RetentionSection::recommendation() const
{
    const double kbps = m_advice.recommendedKbps ? m_advice.recommendedKbps(m_comboSubStreamResolution->currentText(),
                                                                            m_comboSubStreamFrameRate->currentText())
                                                 : 0.0;
    return kbps > 0.0 ? numberText(kbps) : QString();
}

void RetentionSection::recommend()
{
    const QString rate = recommendation();
    if (m_lineEditSubStreamKbps->text() == m_recommendedRate)
        m_lineEditSubStreamKbps->setText(rate);
    m_recommendedRate = rate;
}

bool RetentionSection::isOpen() const
{
    return m_btnRetentionSection->isChecked();
}

void RetentionSection::setOpen(bool open)
{
    m_btnRetentionSection->setChecked(open);
}

void RetentionSection::setOnMotion(bool onMotion)
{
    m_onMotion = onMotion;
    showRows();
}

void RetentionSection::showRow(QWidget *field, bool shown)
{
    field->setVisible(shown);
    for (QLabel *caption : m_body->findChildren<QLabel *>())
        if (caption->buddy() == field)
            caption->setVisible(shown);
}

void RetentionSection::showRows()
{
    const bool split = m_checkBoxSplitWeek->isChecked();
    showRow(m_lineEditHoursPerDay, !split);
    showRow(m_lineEditWeekdayHours, split);
    showRow(m_lineEditWeekendHours, split);
    // On motion the events are the video: there is no share to give, and the
    // days stay open only while a tier is left there to take back.
    showRow(m_lineEditEventShare, !m_onMotion);
    m_labelMotionEvents->setVisible(m_onMotion);
    m_lineEditEventDays->setEnabled(!m_onMotion || m_lineEditEventDays->text().toInt() != 0);
    showRow(m_lineEditAacKbps, m_comboAudio->currentIndex() == Policy::Aac);
}

RetentionPolicy RetentionSection::draft() const
{
    RetentionPolicy shown;
    shown.own = isOpen();
    shown.retention = m_lineEditRetention->text().toInt();
    shown.retentionUnit = m_comboRetentionUnit->currentIndex();
    shown.splitWeek = m_checkBoxSplitWeek->isChecked();
    shown.hoursPerDay = m_lineEditHoursPerDay->text().toDouble();
    shown.weekdayHours = m_lineEditWeekdayHours->text().toDouble();
    shown.weekendHours = m_lineEditWeekendHours->text().toDouble();
    shown.eventDays = m_lineEditEventDays->text().toInt();
    shown.eventShare = m_lineEditEventShare->text().toInt();
    shown.subStreamDays = m_lineEditSubStreamDays->text().toInt();
    shown.subStreamKbps = m_lineEditSubStreamKbps->text().toDouble();
    shown.subStreamResolution = m_comboSubStreamResolution->currentText();
    shown.subStreamFrameRate = m_comboSubStreamFrameRate->currentText();
    shown.subStreamRateTyped = m_lineEditSubStreamKbps->text() != m_recommendedRate;
    shown.audio = m_comboAudio->currentIndex();
    shown.aacKbps = m_lineEditAacKbps->text().toInt();
    return shown;
}

RetentionPolicy RetentionSection::policy() const
{
    if (!isOpen())
        return RetentionPolicy();
    const RetentionPolicy shown = draft();
    RetentionPolicy kept;
    kept.own = true;
    kept.retention = shown.retention;
    kept.retentionUnit = shown.retentionUnit;
    kept.splitWeek = shown.splitWeek;
    if (shown.splitWeek) {
        kept.weekdayHours = shown.weekdayHours;
        kept.weekendHours = shown.weekendHours;
    } else {
        kept.hoursPerDay = shown.hoursPerDay;
    }
    if (shown.eventDays != 0) {
        kept.eventDays = shown.eventDays;
        kept.eventShare = shown.eventShare;
    }
    if (shown.subStreamDays != 0) {
        kept.subStreamDays = shown.subStreamDays;
        kept.subStreamKbps = shown.subStreamKbps;
        kept.subStreamResolution = shown.subStreamResolution;
        kept.subStreamFrameRate = shown.subStreamFrameRate;
        kept.subStreamRateTyped = shown.subStreamRateTyped;
    }
    kept.audio = shown.audio;
    if (shown.audio == Policy::Aac)
        kept.aacKbps = shown.aacKbps;
    return kept;
}

void RetentionSection::setPolicy(const RetentionPolicy &policy)
{
    clearMarks();
    m_lineEditRetention->setText(QString::number(policy.retention));
    m_comboRetentionUnit->setCurrentIndex(policy.retentionUnit);
    m_checkBoxSplitWeek->setChecked(policy.splitWeek);
    m_lineEditHoursPerDay->setText(numberText(policy.hoursPerDay));
    m_lineEditWeekdayHours->setText(numberText(policy.weekdayHours));
    m_lineEditWeekendHours->setText(numberText(policy.weekendHours));
    m_lineEditEventDays->setText(QString::number(policy.eventDays));
    m_lineEditEventShare->setText(QString::number(policy.eventShare));
    m_lineEditSubStreamDays->setText(QString::number(policy.subStreamDays));
    {
        const QSignalBlocker quietResolutions(m_comboSubStreamResolution);
        const QSignalBlocker quietFrameRates(m_comboSubStreamFrameRate);
        choose(m_comboSubStreamResolution, policy.subStreamResolution, m_comboSubStreamResolution->currentIndex());
        choose(m_comboSubStreamFrameRate, policy.subStreamFrameRate, m_comboSubStreamFrameRate->currentIndex());
    }
    // A rate recommended when the group was described stays the
    // recommendation, as the group's own rate does; a typed one stays typed,
    // also where the tables now say the same.
    m_recommendedRate = recommendation();
    if (policy.subStreamKbps > 0.0) {
        const QString rate = numberText(policy.subStreamKbps);
        if (!policy.subStreamRateTyped)
            m_recommendedRate = rate;
        else if (rate == m_recommendedRate)
            m_recommendedRate.clear();
        m_lineEditSubStreamKbps->setText(rate);
    } else {
        m_lineEditSubStreamKbps->setText(m_recommendedRate);
    }
    m_comboAudio->setCurrentIndex(policy.audio);
    m_lineEditAacKbps->setText(QString::number(policy.aacKbps));
    setOpen(policy.own);
    showRows();
}

bool RetentionSection::refuse(double mainKbps, int recordingShare)
{
    clearMarks();
    const RetentionPolicy kept = policy();
    const RetentionPolicy::Fault fault = kept.check(mainKbps, recordingShare);
    if (fault == RetentionPolicy::NoFault)
        return false;
    QLineEdit *field = fieldAtFault(fault, kept);
    aptui::markInvalid(field, true);
    reveal(field);
    field->setFocus(Qt::OtherFocusReason);
    aptui::InputTip::of(field)->showMessage(RetentionPolicy::faultText(fault));
    return true;
}

QLineEdit *RetentionSection::fieldAtFault(RetentionPolicy::Fault fault, const RetentionPolicy &policy) const
{
    switch (fault) {
    case Policy::HoursOutOfRange:
        if (policy.splitWeek && Policy::hoursInRange(policy.weekdayHours))
            return m_lineEditWeekendHours;
        return policy.splitWeek ? m_lineEditWeekdayHours : m_lineEditHoursPerDay;
    case Policy::NoHours:
        return policy.splitWeek ? m_lineEditWeekdayHours : m_lineEditHoursPerDay;
    case Policy::EventDaysOutOfRange:
    case Policy::EventTierOnMotionGroup:
        return m_lineEditEventDays;
    case Policy::EventShareOutOfRange:
    case Policy::EventTierWithoutShare:
        return m_lineEditEventShare;
    case Policy::SubStreamDaysOutOfRange:
        return m_lineEditSubStreamDays;
    case Policy::SubStreamRateOutOfRange:
    case Policy::SubStreamAboveMain:
        return m_lineEditSubStreamKbps;
    case Policy::AacRateOutOfRange:
        return m_lineEditAacKbps;
    case Policy::RetentionOutOfRange:
    case Policy::NoFault:
        break;
    }
    return m_lineEditRetention;
}

void RetentionSection::clearMarks()
{
    for (QLineEdit *field : m_body->findChildren<QLineEdit *>()) {
        aptui::markInvalid(field, false);
        if (aptui::InputTip *tip = aptui::InputTip::of(field))
            tip->dismiss();
    }
}

void RetentionSection::reveal(QWidget *field)
{
    for (QWidget *outer = parentWidget(); outer; outer = outer->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(outer)) {
            area->ensureWidgetVisible(field);
            return;
        }
    }
}
