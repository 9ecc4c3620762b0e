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
    // Any blank counts, not only the space: the number parser would skip tabs
    // and line breaks and accept a text the field then shows with them.
    for (const QChar ch : text) {
        if (ch.isSpace() || ch == QLatin1Char('+'))
            return Invalid;
    }

    if (text.isEmpty())
        return Intermediate;
    if (bottom < 0 && text == QLatin1String("-"))
        return Intermediate;
    // No sign where no negative number is allowed, not even "-0".
    if (bottom >= 0 && text.startsWith(QLatin1Char('-')))
        return Invalid;

    if (text.at(0) == QLatin1Char('0')) {
        if (bottom == 0 && text.size() >= 2)
            return Invalid;
        if (bottom > 0)
            return Invalid;
    }

    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || (value < 0 && bottom >= 0))
        return Invalid;

    return value >= bottom && value <= top ? Acceptable : Invalid;
}
