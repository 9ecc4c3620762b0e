#include "calc/DataDisplayPage.h"

#include "calc/FigureHolder.h"
#include "calc/FigureLabel.h"
#include "model/FigureFormat.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const int kMethodWidth = 64;
// The figures' points and colour, as their templates below style them.
const qreal kDayPoints = 60;
const qreal kWeekMonthPoints = 36;
const char kFigureColour[] = "#467dd3";

QList<FigureLabel::Line> figureLines(const QString &figure, qreal points)
{
    return {{FigureLabel::Run{figure, points, false, false, QColor(kFigureColour), QString()}}};
}

FigureLabel *makeFigure(const QString &objectName, QWidget *parent)
{
    auto *label = new FigureLabel(parent);
    label->setObjectName(objectName);
    return label;
}
const int kMethodSpacing = 6;
// The exact figures wrap to a second line in a narrow column.
const int kExactLines = 2;

QLabel *makeLabel(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

QFrame *makeLine(const QString &objectName, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(objectName);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

} // namespace

DataDisplayPage::DataDisplayPage(QWidget *parent) : QWidget(parent)
{
    setupForm();
}

QString DataDisplayPage::dayTemplate()
{
    return QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:60pt; "
                          "color:#467dd3;\">%1</span></p></body></html>");
}

QString DataDisplayPage::weekMonthTemplate()
{
    return QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:36pt; "
                          "color:#467dd3;\">%1</span></p></body></html>");
}

void DataDisplayPage::displayTime(const QString &day, const QString &week, const QString &month)
{
    m_labelByDay->setFigure(dayTemplate().arg(day), figureLines(day, kDayPoints));
    m_labelByWeek->setFigure(weekMonthTemplate().arg(week), figureLines(week, kWeekMonthPoints));
    m_labelByMonth->setFigure(weekMonthTemplate().arg(month), figureLines(month, kWeekMonthPoints));
    showUnits(day, week, month);
}

void DataDisplayPage::showUnits(const QString &day, const QString &week, const QString &month)
{
    //: Unit under the big figure of the days the disk keeps video; no number in the text, but its plural
    //: form follows that figure ("1 day", "21 days").
    m_labelDiskplayDayTip->setText(tr("day(s)", nullptr, FigureFormat::pluralCount(day)));
    //: Unit under the big figure of the weeks the disk keeps video; the plural form follows that figure.
    m_labelDiskplayWeekTip->setText(tr("week(s)", nullptr, FigureFormat::pluralCount(week)));
    //: Unit under the big figure of the (30-day) months the disk keeps video; the plural form follows that figure.
    m_labelDiskplayMonthTip->setText(tr("month(s)", nullptr, FigureFormat::pluralCount(month)));
}

void DataDisplayPage::displayExactTime(double days)
{
    m_labelExactTime->setText(FigureFormat::retention(days));
}

void DataDisplayPage::displayTimeRange(double busyDays, double calmDays)
{
    m_labelTimeRange->setText(FigureFormat::retentionRange(busyDays, calmDays));
}

void DataDisplayPage::setupForm()
{
    setObjectName(QStringLiteral("DataDisplayPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    //: Caption over the figures of how long the disk keeps video.
    m_labelDiskplayTimeNeed = makeLabel(QStringLiteral("m_labelDiskplayTimeNeed"), tr("Video can be saved:"), this);
    layout->addWidget(m_labelDiskplayTimeNeed);

    m_widgetDiskplayByDay = new QWidget(this);
    //: Short caption left of the figure: the retention counted in days (about 64 px wide).
    m_labelDiskplayDayMethod =
        makeLabel(QStringLiteral("m_labelDiskplayDayMethod"), tr("By Day"), m_widgetDiskplayByDay);
    m_labelByDay = makeFigure(QStringLiteral("m_labelByDay"), m_widgetDiskplayByDay);
    m_labelDiskplayDayTip = makeLabel(QStringLiteral("m_labelDiskplayDayTip"), QString(), this);
    m_diskplayLine2 = makeLine(QStringLiteral("diskplayLine2"), this);
    addBlock(QStringLiteral("m_widgetDiskplayByDay"), m_widgetDiskplayByDay, m_labelDiskplayDayMethod, m_labelByDay,
             m_labelDiskplayDayTip, m_diskplayLine2);

    m_widgetDiskplayByWeek = new QWidget(this);
    //: Short caption left of the figure: the retention counted in weeks (about 64 px wide).
    m_labelDiskplayWeekTipMethod =
        makeLabel(QStringLiteral("m_labelDiskplayWeekTipMethod"), tr("By Week"), m_widgetDiskplayByWeek);
    m_labelByWeek = makeFigure(QStringLiteral("m_labelByWeek"), m_widgetDiskplayByWeek);
    m_labelDiskplayWeekTip = makeLabel(QStringLiteral("m_labelDiskplayWeekTip"), QString(), this);
    m_diskplayLine3 = makeLine(QStringLiteral("diskplayLine3"), this);
    addBlock(QStringLiteral("m_widgetDiskplayByWeek"), m_widgetDiskplayByWeek, m_labelDiskplayWeekTipMethod,
             m_labelByWeek, m_labelDiskplayWeekTip, m_diskplayLine3);

    m_widgetDiskplayByMonth = new QWidget(this);
    //: Short caption left of the figure: the retention counted in months (about 64 px wide).
    m_labelDiskplayMonthMethod =
        makeLabel(QStringLiteral("m_labelDiskplayMonthMethod"), tr("By Month"), m_widgetDiskplayByMonth);
    m_labelByMonth = makeFigure(QStringLiteral("m_labelByMonth"), m_widgetDiskplayByMonth);
    m_labelDiskplayMonthTip = makeLabel(QStringLiteral("m_labelDiskplayMonthTip"), QString(), this);
    m_diskplayLine1 = makeLine(QStringLiteral("diskplayLine1"), this);
    addBlock(QStringLiteral("m_widgetDiskplayByMonth"), m_widgetDiskplayByMonth, m_labelDiskplayMonthMethod,
             m_labelByMonth, m_labelDiskplayMonthTip, m_diskplayLine1);

    m_labelExactTime = FigureHolder::addNote(layout, QStringLiteral("m_labelExactTime"), kExactLines, this);
    m_labelTimeRange = FigureHolder::addNote(layout, QStringLiteral("m_labelTimeRange"), kExactLines, this);
    // Only while some group keeps its own retention; hidden, it keeps no room.
    m_labelTimeNote = FigureHolder::addNote(layout, QStringLiteral("m_labelTimeNote"), 4, this);
    m_labelTimeNote->parentWidget()->hide();

    layout->addStretch(1);
    const QString zero = QStringLiteral("0");
    displayTime(zero, zero, zero);
}

void DataDisplayPage::addBlock(const QString &widgetName, QWidget *block, QLabel *method, FigureLabel *number,
                               QLabel *tip, QFrame *line)
{
    block->setObjectName(widgetName);
    auto *row = new QHBoxLayout(block);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kMethodSpacing);
    method->setFixedWidth(kMethodWidth);
    method->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row->addWidget(method);
    row->addWidget(new FigureHolder(number, block), 1);

    // The unit sits centred under its figure. It changes with the figure's
    // plural: a holder keeps that from laying out the page again.
    tip->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    tip->setContentsMargins(kMethodWidth + kMethodSpacing, 0, 0, 0);
    auto *tipHolder = new FigureHolder(tip, this);
    tipHolder->setLineRoom(1);
    auto *outer = static_cast<QVBoxLayout *>(layout());
    outer->addWidget(block);
    outer->addWidget(tipHolder);
    outer->addWidget(line);
}

void DataDisplayPage::displayTimeNote(const QString &note)
{
    m_labelTimeNote->setText(note);
    // The holder takes its lines of room only while there is a note.
    QWidget *holder = m_labelTimeNote->parentWidget();
    if (holder->isHidden() != note.isEmpty())
        holder->setVisible(!note.isEmpty());
}
