#pragma once

#include <QLabel>

namespace aptui {

// A label that reports mouse events and shows a text directly followed by a
// punctuation suffix.
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

signals:
    void SignalDoubleClicked();
    void SignalMouseClicked();
    void SignalMouseEnter();
    void SignalMouseLeave();

protected:
    bool event(QEvent *event) override;

private:
    void refreshText();

    QString m_strText;
    QString m_strPunctuation;
};

} // namespace aptui
