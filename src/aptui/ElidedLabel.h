#pragma once

#include <QLabel>

namespace aptui {

// A one-line label for a name of any length (a plan, a file, a server's
// address), shown as plain text: drawn shortened in the middle to the width
// it gets, whole in text() and in its tool tip. Its size hints never grow with
// the name, so a long name cannot widen the window it sits in, and only the
// ends of a very long name are ever measured or laid out.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    // Characters kept from each end of a name: for text(), the tool tip and
    // the window system (any path fits), and for what is measured and drawn
    // (wider than any screen).
    static constexpr int WholeKeep = 2048;
    static constexpr int DrawnKeep = 512;

    explicit ElidedLabel(QWidget *parent = nullptr);

    void setWholeText(const QString &text);
    // The text as drawn at the label's current width.
    QString shownText() const;

    // Wide enough for the whole name, so that a label given room shows it all.
    QSize sizeHint() const override;
    // An ellipsis wide, whatever the name.
    QSize minimumSizeHint() const override;

    // The text with at most `keep` characters from each end around an
    // ellipsis; a surrogate pair is never split.
    static QString shortened(const QString &text, int keep = WholeKeep);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QSize hintFor(int textWidth) const;
    // The shortened line is worked out again when it is next drawn or asked
    // for: a style sheet, a font and a size arrive one by one at start.
    void elide();

    // The ends of the name on one line: all that is ever measured.
    QString m_drawnText;
    mutable QString m_shownText;
    mutable bool m_shownCurrent = false;
};

} // namespace aptui
