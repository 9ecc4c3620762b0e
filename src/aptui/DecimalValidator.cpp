#include "aptui/DecimalValidator.h"

#include <cmath>

namespace aptui {

DecimalValidator::DecimalValidator(double bottom, double top, int decimals, QObject *parent)
    : QDoubleValidator(bottom, top, decimals, parent)
{
    setNotation(StandardNotation);
}

QValidator::State DecimalValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    return validateText(input, bottom(), top(), decimals());
}

QValidator::State DecimalValidator::validateText(const QString &text, double bottom, double top, int decimals)
{
    if (text.isEmpty())
        return Intermediate;

    // Only the characters of the number itself: the number parser would also
    // take signs, blanks, exponents, "nan", "inf" and digits of other scripts.
    qsizetype point = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        if (ch >= u'0' && ch <= u'9')
            continue;
        if (ch != u'.' || point >= 0 || decimals <= 0)
            return Invalid;
        point = i;
    }

    const qsizetype wholeDigits = point < 0 ? text.size() : point;
    if (wholeDigits == 0)
        return Invalid;
    if (wholeDigits > 1 && text.at(0) == QLatin1Char('0'))
        return Invalid;
    if (point >= 0 && text.size() - point - 1 > decimals)
        return Invalid;

    bool ok = false;
    // A paste of many digits reads as infinity, not as ok.
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < bottom || value > top)
        return Invalid;
    return point == text.size() - 1 ? Intermediate : Acceptable;
}

} // namespace aptui
