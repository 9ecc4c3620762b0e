#pragma once

#include <QLabel>

namespace aptui {

// A label that reports mouse events and shows a text directly followed by a
// punctuation suffix. With an elide mode, a plain text too long for the label
// is drawn shortened while text() keeps it whole (the tool tip shows it).
class Label : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString strText READ strText WRITE setStrText)
    Q_PROPERTY(QString strPunctuation READ strPunctuation WRITE setStrPunctuation)

public:
    explicit Label(QWidget *parent = nullptr);
    explicit Label(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    QString strText() const { return m_strText; }
    void setStrText(const QString &text);
    QString strPunctuation() const { return m_strPunctuation; }
    void setStrPunctuation(const QString &punctuation);

    void setElideMode(Qt::TextElideMode mode);
    Qt::TextElideMode elideMode() const { return m_elideMode; }
    // The text as drawn at the label's current size.
    QString shownText() const;
    // Wide enough for the whole text as shownText measures it, so that a label
    // laid out at its hint never cuts it.
    QSize sizeHint() const override;

signals:
    void SignalDoubleClicked();
    void SignalMouseClicked();
    void SignalMouseEnter();
    void SignalMouseLeave();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void refreshText();

    QString m_strText;
    QString m_strPunctuation;
    Qt::TextElideMode m_elideMode = Qt::ElideNone;
};

} // namespace aptui
