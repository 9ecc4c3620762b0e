#include "calc/FigureHolder.h"

#include "calc/FigureLabel.h"

#include <QAbstractTextDocumentLayout>
#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QTextDocument>
#include <QTextOption>

namespace {

// Below this a figure would be unreadable anyway; it is cut there instead.
constexpr qreal kSmallestScale = 0.05;
// Steps of the search for the scale of a wrapping text: finer than a pixel.
constexpr int kScaleSteps = 16;

} // namespace

FigureHolder::FigureHolder(QLabel *label, QWidget *parent, const QMargins &margins)
    : QWidget(parent), m_label(label), m_margins(margins)
{
    m_label->setParent(this);
    m_label->installEventFilter(this);
    // A figure of any width fits by its scale: its text never widens the page.
    QSizePolicy policy = m_label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    setSizePolicy(policy);
}

FigureHolder::~FigureHolder() = default;

QLabel *FigureHolder::addNote(QBoxLayout *layout, const QString &objectName, int lines, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *holder = new FigureHolder(label, parent);
    holder->setLineRoom(lines);
    layout->addWidget(holder);
    return label;
}

void FigureHolder::setLineRoom(int lines)
{
    m_lineRoom = lines;
    updateGeometry();
}

QSize FigureHolder::withMargins(const QSize &size) const
{
    return size.grownBy(m_margins);
}

QSize FigureHolder::lineRoomSize(const QSize &labelSize) const
{
    if (m_lineRoom <= 0)
        return labelSize;
    m_label->ensurePolished();
    const QMargins frame = m_label->contentsMargins();
    const int height =
        m_lineRoom * m_label->fontMetrics().lineSpacing() + frame.top() + frame.bottom() + 2 * m_label->margin();
    return QSize(labelSize.width(), height);
}

QSize FigureHolder::sizeHint() const
{
    return withMargins(lineRoomSize(m_label->sizeHint()));
}

QSize FigureHolder::minimumSizeHint() const
{
    return withMargins(lineRoomSize(m_label->minimumSizeHint()));
}

void FigureHolder::resizeEvent(QResizeEvent *event)
{
    m_label->setGeometry(QRect(QPoint(), event->size()).marginsRemoved(m_margins));
    QWidget::resizeEvent(event);
}

bool FigureHolder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_label || event->type() != QEvent::Paint)
        return QWidget::eventFilter(watched, event);
    // A figure label fits its figure to its room itself.
    if (qobject_cast<FigureLabel *>(m_label))
        return false;
    const int margin = m_label->margin();
    const QRect room = m_label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const qreal scale = fitScale(room);
    if (scale >= 1.0)
        return false; // The label draws itself as always.
    paintScaled(scale, room);
    return true;
}

qreal FigureHolder::fitScale(const QRect &room)
{
    if (room.isEmpty() || m_label->text().isEmpty())
        return 1.0;
    // Most texts fit as they are, and the label knows its own size from the
    // layout it paints with: no second document for them.
    if (fitsAsItIs(room))
        return 1.0;
    const QFont font = m_label->font();
    const int options = int(m_label->alignment()) | (m_label->wordWrap() ? Qt::TextWordWrap : 0);
    if (!m_document || m_documentText != m_label->text() || m_documentFont != font || m_documentOptions != options) {
        if (!m_document)
            m_document = std::make_unique<QTextDocument>();
        // As the label sets up its own document: its font, no margin, its
        // alignment, wrapped at words or not at all.
        m_document->setDefaultFont(font);
        m_document->setDocumentMargin(0);
        QTextOption option = m_document->defaultTextOption();
        option.setAlignment(m_label->alignment());
        option.setWrapMode(m_label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
        m_document->setDefaultTextOption(option);
        const bool rich = m_label->textFormat() == Qt::RichText ||
                          (m_label->textFormat() == Qt::AutoText && Qt::mightBeRichText(m_label->text()));
        if (rich)
            m_document->setHtml(m_label->text());
        else
            m_document->setPlainText(m_label->text());
        m_documentText = m_label->text();
        m_documentFont = font;
        m_documentOptions = options;
        m_fitRoom = QSize();
    }
    if (room.size() == m_fitRoom)
        return m_fitScale;
    m_fitRoom = room.size();
    m_fitScale = 1.0;
    if (fitsAt(1.0, room))
        return m_fitScale;
    if (!m_label->wordWrap()) {
        m_document->setTextWidth(-1);
        const QSizeF natural(m_document->idealWidth(), m_document->size().height());
        m_fitScale = qMax(kSmallestScale, qMin(room.width() / natural.width(), room.height() / natural.height()));
        return m_fitScale;
    }
    // A wrapping text gets more lines as it narrows: search for the largest
    // scale at which all of them fit.
    qreal low = kSmallestScale;
    qreal high = 1.0;
    for (int step = 0; step < kScaleSteps; ++step) {
        const qreal middle = (low + high) / 2;
        (fitsAt(middle, room) ? low : high) = middle;
    }
    m_fitScale = low;
    return m_fitScale;
}

bool FigureHolder::fitsAsItIs(const QRect &room) const
{
    const QMargins frame = m_label->contentsMargins();
    const int extraWidth = frame.left() + frame.right() + 2 * m_label->margin();
    const int extraHeight = frame.top() + frame.bottom() + 2 * m_label->margin();
    if (m_label->wordWrap()) {
        const int height = m_label->heightForWidth(room.width() + extraWidth);
        // Without an answer the label does not say: lay it out here.
        return height >= 0 && height - extraHeight <= room.height() &&
               m_label->minimumSizeHint().width() - extraWidth <= room.width();
    }
    const QSize natural = m_label->sizeHint() - QSize(extraWidth, extraHeight);
    return natural.width() <= room.width() && natural.height() <= room.height();
}

bool FigureHolder::fitsAt(qreal scale, const QRect &room)
{
    // Laid out for the room as it is before scaling, like the label lays it
    // out for its own width.
    m_document->setTextWidth(room.width() / scale);
    return m_document->idealWidth() <= m_document->textWidth() && m_document->size().height() * scale <= room.height();
}

void FigureHolder::paintScaled(qreal scale, const QRect &room)
{
    m_document->setTextWidth(room.width() / scale);
    const qreal height = m_document->size().height() * scale;
    qreal top = room.top();
    if (m_label->alignment() & Qt::AlignVCenter)
        top += qMax<qreal>(0, (room.height() - height) / 2);
    else if (m_label->alignment() & Qt::AlignBottom)
        top += qMax<qreal>(0, room.height() - height);

    QPainter painter(m_label);
    painter.setClipRect(room);
    painter.translate(room.left(), top);
    painter.scale(scale, scale);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = m_label->palette();
    if (m_label->foregroundRole() != QPalette::Text && m_label->isEnabled())
        context.palette.setColor(QPalette::Text, context.palette.color(m_label->foregroundRole()));
    m_document->documentLayout()->draw(&painter, context);
}
