#pragma once

#include <QSpinBox>

namespace aptui {

// A spin box that refuses ill-formed numbers by the rules of the strict
// integer validator, with its own minimum and maximum as bounds, and says so
// in an input tip next to itself.
class LineEditInterger : public QSpinBox
{
    Q_OBJECT

public:
    explicit LineEditInterger(QWidget *parent = nullptr);

    QValidator::State validate(QString &text, int &pos) const override;
};

} // namespace aptui
