#include "aptui/CustomizedIntValidator.h"

CustomizedIntValidator::CustomizedIntValidator(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{}

QValidator::State CustomizedIntValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    return validateText(input, bottom(), top());
}

QValidator::State CustomizedIntValidator::validateText(const QString &text, int bottom, int top)
{
    if (text.isEmpty())
        return Intermediate;
    // A minus sign only where a negative number is allowed, not even "-0" otherwise.
    const bool negative = bottom < 0 && text.at(0) == QLatin1Char('-');
    if (negative && text.size() == 1)
        return Intermediate;

    // Nothing but ASCII digits after it: the number parser would skip blanks
    // and take a plus sign, and other scripts' digits must not count either.
    for (qsizetype i = negative ? 1 : 0; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        if (ch < u'0' || ch > u'9')
            return Invalid;
    }

    if (text.at(0) == QLatin1Char('0')) {
        if (bottom == 0 && text.size() >= 2)
            return Invalid;
        if (bottom > 0)
            return Invalid;
    }

    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return Invalid;
    return value >= bottom && value <= top ? Acceptable : Invalid;
}
