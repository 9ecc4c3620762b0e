#include "aptui/Label.h"

#include <QEvent>

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
