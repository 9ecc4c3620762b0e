#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>

class QLineEdit;

namespace aptui {

// A short note next to an input field: it appears the moment the field refuses
// a key or a paste and says what the field takes, and it also carries the
// page's own short messages about the field (a value that is missing). A
// refusal goes after a few seconds, a message also at the field's next edit. While it shows it
// is the field's accessible description, which screen readers announce.
//
// The tip floats in the field's window just below the field (above it where
// the window ends), over whatever is there; it is deleted with the field.
class InputTip : public QLabel
{
    Q_OBJECT

public:
    // How long a tip stays unless an edit ends it sooner.
    static constexpr int kShowMilliseconds = 4000;

    // Watches `field` for refused input. Without a text of its own the tip
    // gives the range of the field's validator, or of the spin box the field
    // belongs to, as it is when the tip shows.
    explicit InputTip(QLineEdit *field, const QString &refusalText = QString());
    ~InputTip() override;

    // The tip attached to a line edit or to the spin box around it, if any.
    static InputTip *of(const QWidget *field);

    static QString wholeNumbersText(qint64 bottom, qint64 top);
    static QString decimalsText(double bottom, double top, int decimals);

    // The field; none once it is being destroyed.
    QLineEdit *field() const;
    // What a refusal shows.
    QString refusalText() const;
    // Shows `text` next to the field now, or the refusal text if it is empty.
    void showMessage(const QString &text = QString());
    void dismiss();
    // Whether the tip is up, also while its window is not on screen.
    bool isShowing() const { return m_showing; }

signals:
    void shown(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The widget the user sees as the field: the spin box around a spin box's
    // editor; none once the field is being destroyed.
    QWidget *anchor() const;
    void place();
    void announce(const QString &description);

    // Kept as a widget: while the field is being destroyed (the tip goes with
    // it when it is the field's child) it is no line edit any more, and
    // nothing of the line edit may be touched.
    QPointer<QWidget> m_field;
    // Set once the field announced its end: then it is not even a widget.
    bool m_fieldGone = false;
    QString m_refusalText;
    QString m_savedDescription;
    QTimer m_timer;
    bool m_showing = false;
    // Showing the field's refusal text rather than a message of the page's.
    bool m_refusal = false;
};

} // namespace aptui
