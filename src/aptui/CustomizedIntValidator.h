#pragma once

#include <QIntValidator>

// A strict integer validator: ASCII digits only (and a leading minus where the
// range is negative), no leading zeros, and a number past either bound is
// refused outright so the user cannot type beyond the top.
class CustomizedIntValidator : public QIntValidator
{
    Q_OBJECT

public:
    CustomizedIntValidator(int bottom, int top, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // The acceptance rules on their own, shared with the integer spin box.
    static State validateText(const QString &text, int bottom, int top);
};
