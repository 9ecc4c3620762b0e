#include "aptui/LineEditInterger.h"

#include "aptui/CustomizedIntValidator.h"

namespace aptui {

LineEditInterger::LineEditInterger(QWidget *parent) : QSpinBox(parent) {}

QValidator::State LineEditInterger::validate(QString &text, int &pos) const
{
    Q_UNUSED(pos);
    return CustomizedIntValidator::validateText(text, minimum(), maximum());
}

} // namespace aptui
