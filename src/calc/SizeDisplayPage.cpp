#include "calc/SizeDisplayPage.h"

#include "calc/FigureHolder.h"
#include "calc/FigureLabel.h"
#include "model/FigureFormat.h"

#include <QLabel>
#include <QVBoxLayout>

SizeDisplayPage::SizeDisplayPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SizeDisplayPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    //: Caption over the figure of the disk space the wanted retention needs.
    m_labelDisplaySizeTitle = new QLabel(tr("Calculate the required disk capacity :"), this);
    m_labelDisplaySizeTitle->setObjectName(QStringLiteral("m_labelDisplaySizeTitle"));
    m_labelDisplaySizeTitle->setWordWrap(true);
    layout->addWidget(m_labelDisplaySizeTitle);

    m_labelDisplaySize = new FigureLabel(this);
    m_labelDisplaySize->setObjectName(QStringLiteral("m_labelDisplaySize"));
    m_labelDisplaySize->setStyleSheet(QStringLiteral("font-size:30px;"));
    //: Unit beside the figure of the disk space needed before anything is computed: gigabytes.
    displaySize(QStringLiteral("0"), tr("GB"));

    m_WidgetSizeBack = new FigureHolder(m_labelDisplaySize, this, QMargins(8, 16, 8, 16));
    m_WidgetSizeBack->setObjectName(QStringLiteral("m_WidgetSizeBack"));
    // Paint the style sheet's background on this plain container.
    m_WidgetSizeBack->setAttribute(Qt::WA_StyledBackground, true);

    layout->addWidget(m_WidgetSizeBack);

    // One line holds any size; a longer text is scaled down to it. The words
    // after the range may wrap in a narrow column.
    m_labelExactSize = FigureHolder::addNote(layout, QStringLiteral("m_labelExactSize"), 1, this);
    m_labelSizeRange = FigureHolder::addNote(layout, QStringLiteral("m_labelSizeRange"), 2, this);
    // Only while some group keeps its own retention; hidden, it keeps no room.
    m_labelSizeNote = FigureHolder::addNote(layout, QStringLiteral("m_labelSizeNote"), 2, this);
    m_labelSizeNote->parentWidget()->hide();
    layout->addStretch(1);
}

QString SizeDisplayPage::sizeTemplate()
{
    //: The disk space a retention needs, in rich text: %1 the big whole figure, %2 its unit ("GB" or "TB").
    //: Keep the tags; the order of %1 and %2 and the blank between them may change.
    return tr("<html><head/><body><p align=\"center\"><span style=\" font-size:48pt; color:#467dd3;\">%1</span>"
              "<span style=\" font-size:16pt; color:#467dd3;\"></span>"
              "<span style=\" font-size:20pt; color:#467dd3;\">%2</span></p></body></html>");
}

void SizeDisplayPage::displaySize(const QString &size, const QString &unit)
{
    // Drawn in the order the template gives the figure and its unit.
    const QString pattern = sizeTemplate();
    const QColor colour(0x46, 0x7d, 0xd3);
    FigureLabel::Line line{FigureLabel::Run{size, 48, false, false, colour, QString()},
                           FigureLabel::Run{unit, 20, false, false, colour, QString()}};
    if (pattern.indexOf(QLatin1String("%2")) < pattern.indexOf(QLatin1String("%1")))
        std::swap(line[0], line[1]);
    m_labelDisplaySize->setFigure(pattern.arg(size).arg(unit), {line});
}

void SizeDisplayPage::displayExactSize(double gigabytes)
{
    m_labelExactSize->setText(FigureFormat::diskSize(gigabytes));
}

void SizeDisplayPage::displaySizeRange(double calmGB, double busyGB)
{
    m_labelSizeRange->setText(FigureFormat::diskSizeRange(calmGB, busyGB));
}

void SizeDisplayPage::displaySizeNote(const QString &note)
{
    m_labelSizeNote->setText(note);
    // The holder takes its lines of room only while there is a note.
    QWidget *holder = m_labelSizeNote->parentWidget();
    if (holder->isHidden() != note.isEmpty())
        holder->setVisible(!note.isEmpty());
}
