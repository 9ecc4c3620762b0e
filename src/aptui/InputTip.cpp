#include "aptui/InputTip.h"

#include "aptui/DecimalValidator.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QIntValidator>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>

namespace aptui {

namespace {
const char kTipProperty[] = "aptui_inputTip";
const int kGap = 2;
} // namespace

InputTip::InputTip(QLineEdit *field, const QString &refusalText)
    : QLabel(field->window()), m_field(field), m_refusalText(refusalText)
{
    hide();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    // The look of a skin without a rule for the tip.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setFrameShape(QFrame::Box);
    setMargin(3);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kShowMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &InputTip::dismiss);

    connect(field, &QLineEdit::inputRejected, this, [this] { showMessage(); });
    // A message about a missing value ends with the next edit; a refusal stays
    // its time, so that "4.5" typed into a whole-number field does not end up
    // as 45 with nothing left on screen to say why.
    connect(field, &QLineEdit::textEdited, this, [this] {
        if (!m_refusal)
            dismiss();
    });
    // The tip may live in another window than the field by then. The field
    // is half gone when it says so: nothing of it may be touched any more.
    connect(field, &QObject::destroyed, this, [this] {
        m_fieldGone = true;
        delete this;
    });
    field->setProperty(kTipProperty, QVariant::fromValue<QObject *>(this));
    anchor()->installEventFilter(this);
}

InputTip::~InputTip()
{
    if (QLineEdit *edit = field()) {
        edit->setProperty(kTipProperty, QVariant());
        if (m_showing)
            announce(m_savedDescription);
    }
}

InputTip *InputTip::of(const QWidget *field)
{
    const QWidget *editor = field;
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(field))
        editor = spin->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
    return editor ? qobject_cast<InputTip *>(editor->property(kTipProperty).value<QObject *>()) : nullptr;
}

QLineEdit *InputTip::field() const
{
    return m_fieldGone ? nullptr : qobject_cast<QLineEdit *>(m_field.data());
}

QString InputTip::wholeNumbersText(qint64 bottom, qint64 top)
{
    // Plain digits, as the field takes them: no group separators.
    //: Tip under a field that takes whole numbers: %1 the least, %2 the greatest it takes.
    return tr("Whole numbers from %1 to %2").arg(QString::number(bottom), QString::number(top));
}

QString InputTip::decimalsText(double bottom, double top, int decimals)
{
    const QLocale plain = QLocale::c();
    //: Tip under a field that takes decimals: %1 the least, %2 the greatest, %n the decimals it takes.
    //: The field takes a point as the decimal sign in every language: %1 and %2 are written with one.
    return tr("Numbers from %1 to %2, up to %n decimal place(s)", nullptr, decimals)
        .arg(plain.toString(bottom, 'f', QLocale::FloatingPointShortest),
             plain.toString(top, 'f', QLocale::FloatingPointShortest));
}

QString InputTip::refusalText() const
{
    const QLineEdit *edit = field();
    if (!m_refusalText.isEmpty() || !edit)
        return m_refusalText;
    if (const auto *spin = qobject_cast<const QSpinBox *>(anchor()))
        return wholeNumbersText(spin->minimum(), spin->maximum());
    if (const auto *decimal = qobject_cast<const DecimalValidator *>(edit->validator()))
        return decimalsText(decimal->bottom(), decimal->top(), decimal->decimals());
    if (const auto *whole = qobject_cast<const QIntValidator *>(edit->validator()))
        return wholeNumbersText(whole->bottom(), whole->top());
    //: Tip under a field when a key or paste was refused.
    return tr("This input is not accepted here");
}

void InputTip::showMessage(const QString &text)
{
    if (!field())
        return;
    m_refusal = text.isEmpty();
    const QString shownText = m_refusal ? refusalText() : text;
    QWidget *host = anchor()->window();
    if (parentWidget() != host)
        setParent(host);
    setText(shownText);
    if (!m_showing)
        m_savedDescription = anchor()->accessibleDescription();
    m_showing = true;
    announce(shownText);
    place();
    show();
    raise();
    m_timer.start();
    emit shown(shownText);
}

void InputTip::dismiss()
{
    m_timer.stop();
    if (!m_showing)
        return;
    m_showing = false;
    hide();
    if (field())
        announce(m_savedDescription);
}

bool InputTip::eventFilter(QObject *watched, QEvent *event)
{
    if (m_showing) {
        if (event->type() == QEvent::Hide)
            dismiss();
        else if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            place();
    }
    return QLabel::eventFilter(watched, event);
}

QWidget *InputTip::anchor() const
{
    QLineEdit *edit = field();
    if (!edit)
        return nullptr;
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(edit->parentWidget()))
        return spin;
    return edit;
}

void InputTip::place()
{
    QWidget *field = anchor();
    QWidget *host = parentWidget();
    if (!field || !host)
        return;
    // The tip keeps to the column of widgets the field sits in (a form, the
    // calculator column), wrapping its text where it is wider.
    QRect area = host->rect();
    if (QWidget *column = field->parentWidget(); column && column != host) {
        const QRect inner = column->layout() ? column->layout()->contentsRect() : column->rect();
        area = inner.translated(column->mapTo(host, QPoint(0, 0))).intersected(host->rect());
    }
    setWordWrap(false);
    QSize size = sizeHint();
    if (size.width() > area.width()) {
        setWordWrap(true);
        size = QSize(area.width(), heightForWidth(area.width()));
    }
    resize(size);

    QPoint at = field->mapTo(host, QPoint(0, field->height() + kGap));
    if (at.y() + height() > host->height())
        at = field->mapTo(host, QPoint(0, -height() - kGap));
    at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.left() + area.width() - width())));
    move(at);
}

void InputTip::announce(const QString &description)
{
    // The widget tells the accessibility clients of the change itself.
    anchor()->setAccessibleDescription(description);
}

} // namespace aptui
