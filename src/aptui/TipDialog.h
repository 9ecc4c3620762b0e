#pragma once

#include "aptui/BaseDialog.h"

class QLabel;
class QPushButton;

namespace NM_Vantor {

// A confirm/cancel question: exec() answers Accepted on confirm, Rejected on
// cancel or close.
class TipDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    explicit TipDialog(QWidget *parent = nullptr);

    void setText(const QString &text);

protected:
    // A third answer beside confirm and cancel: a button at the bottom that
    // ends the question with `answer`.
    QPushButton *addAnswerButton(const QString &text, const QString &objectName, int answer);

private:
    QWidget *m_body = nullptr;
    QLabel *m_labelTip = nullptr;
};

} // namespace NM_Vantor
