#include "aptui/LineEditInterger.h"

#include "aptui/CustomizedIntValidator.h"
#include "aptui/InputTip.h"

namespace aptui {

LineEditInterger::LineEditInterger(QWidget *parent) : QSpinBox(parent)
{
    new InputTip(lineEdit());
}

QValidator::State LineEditInterger::validate(QString &text, int &pos) const
{
    Q_UNUSED(pos);
    return CustomizedIntValidator::validateText(text, minimum(), maximum());
}

} // namespace aptui
