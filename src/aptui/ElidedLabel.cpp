#include "aptui/ElidedLabel.h"

#include "aptui/PlainToolTip.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QtMath>

namespace aptui {

namespace {

const QChar kEllipsis(0x2026);

// Line breaks and tabs would break the one line; they are drawn as spaces.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

ElidedLabel::ElidedLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QString ElidedLabel::shortened(const QString &text, int keep)
{
    if (text.size() <= 2 * keep + 1)
        return text;
    qsizetype head = keep;
    if (text.at(head - 1).isHighSurrogate())
        --head;
    qsizetype tail = keep;
    if (text.at(text.size() - tail).isLowSurrogate())
        --tail;
    return text.left(head) + kEllipsis + text.right(tail);
}

void ElidedLabel::setWholeText(const QString &text)
{
    const QString whole = shortened(text);
    setText(whole);
    setToolTip(plainToolTip(whole));
    m_drawnText = oneLine(shortened(text, DrawnKeep));
    elide();
    updateGeometry();
}

QSize ElidedLabel::hintFor(int textWidth) const
{
    // The base class would lay the whole text out; a line of the font is all it takes.
    const int extraWidth = width() - contentsRect().width() + 2 * margin();
    const int extraHeight = height() - contentsRect().height() + 2 * margin();
    return QSize(textWidth + extraWidth, fontMetrics().height() + extraHeight);
}

QSize ElidedLabel::sizeHint() const
{
    // Rounded up: elidedText() measures in fractions, and a name given its
    // rounded-down width would lose its middle.
    return hintFor(qCeil(QFontMetricsF(font()).horizontalAdvance(m_drawnText)));
}

QSize ElidedLabel::minimumSizeHint() const
{
    return hintFor(fontMetrics().horizontalAdvance(kEllipsis));
}

void ElidedLabel::elide()
{
    m_shownCurrent = false;
    update();
}

QString ElidedLabel::shownText() const
{
    if (!m_shownCurrent) {
        const int room = contentsRect().width() - 2 * margin();
        m_shownText = fontMetrics().elidedText(m_drawnText, Qt::ElideMiddle, qMax(0, room));
        m_shownCurrent = true;
    }
    return m_shownText;
}

void ElidedLabel::paintEvent(QPaintEvent *event)
{
    // The frame and background as the label draws them, then the shortened line.
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), shownText(), foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // A style sheet may change the font after the text was set.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        elide();
        updateGeometry();
    }
}

} // namespace aptui
