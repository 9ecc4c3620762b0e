#pragma once

#include <QDoubleValidator>

namespace aptui {

// A strict decimal validator, by the rules of the strict integer validator:
// ASCII digits and at most one ".", no signs, blanks or exponents, no leading
// zero except in "0.x", at most `decimals` places, and a number past either
// bound refused outright. A text ending in "." is intermediate.
class DecimalValidator : public QDoubleValidator
{
    Q_OBJECT

public:
    DecimalValidator(double bottom, double top, int decimals, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // The acceptance rules on their own.
    static State validateText(const QString &text, double bottom, double top, int decimals);
};

} // namespace aptui
