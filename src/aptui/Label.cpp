#include "aptui/Label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace aptui {

Label::Label(QWidget *parent) : QLabel(parent) {}

Label::Label(const QString &text, QWidget *parent, Qt::WindowFlags flags) : QLabel(text, parent, flags), m_strText(text)
{}

void Label::setStrText(const QString &text)
{
    m_strText = text;
    refreshText();
}

void Label::setStrPunctuation(const QString &punctuation)
{
    m_strPunctuation = punctuation;
    refreshText();
}

void Label::setElideMode(Qt::TextElideMode mode)
{
    m_elideMode = mode;
    update();
}

QString Label::shownText() const
{
    if (m_elideMode == Qt::ElideNone || textFormat() != Qt::PlainText)
        return text();
    return fontMetrics().elidedText(text(), m_elideMode, contentsRect().width());
}

QSize Label::sizeHint() const
{
    QSize hint = QLabel::sizeHint();
    if (m_elideMode != Qt::ElideNone && textFormat() == Qt::PlainText) {
        const QMargins around = contentsMargins();
        // A bold face's advance can pass the bounding box the base class measures.
        const int whole = fontMetrics().horizontalAdvance(text()) + around.left() + around.right() + 2 * margin();
        hint.setWidth(qMax(hint.width(), whole));
    }
    return hint;
}

void Label::paintEvent(QPaintEvent *event)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    // Draws the frame and background as the label would, then the short text.
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

bool Label::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit SignalMouseClicked();
        break;
    case QEvent::MouseButtonDblClick:
        emit SignalDoubleClicked();
        break;
    case QEvent::Enter:
        emit SignalMouseEnter();
        break;
    case QEvent::Leave:
        emit SignalMouseLeave();
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void Label::refreshText()
{
    setText(m_strText + m_strPunctuation);
}

} // namespace aptui
