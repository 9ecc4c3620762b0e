#pragma once

#include <QObject>
#include <QStringList>

class QDialog;

// Answers each modal question of the program as soon as it is shown, the way
// a user who knows the answer would: by the first of the preferred buttons
// the dialog has, otherwise by accepting it (the confirm button, or closing a
// hint). Names what it answered, so that a run can tell which questions came.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswerer(QObject *parent = nullptr);
    ~ModalAnswerer() override;

    // Object names of buttons, e.g. "btnReplace", tried in this order.
    void setPreferredButtons(const QStringList &objectNames) { m_preferred = objectNames; }
    // Object names of the dialogs answered since the last clear.
    QStringList answered() const { return m_answered; }
    void clearAnswered() { m_answered.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answer(QDialog *dialog);

    QStringList m_preferred;
    QStringList m_answered;
};
