#include "mainwindow/SaveChangesDialog.h"

SaveChangesDialog::SaveChangesDialog(const QString &planName, QWidget *parent) : NM_Vantor::TipDialog(parent)
{
    setObjectName(QStringLiteral("saveChangesDialog"));
    setFixedSize(350, 220);
    setTitle(tr("Save Changes"));
    setText(tr("Save changes to “%1”?").arg(planName));
    //: Button of the question about unsaved changes (a verb).
    setConfirmButtonText(tr("Save"));
    //: Button: keep the plan open and do nothing (a verb).
    setCancelButtonText(tr("Cancel"));
    //: Button: go on without saving the changes (a verb).
    addAnswerButton(tr("Discard"), QStringLiteral("btnDiscard"), Discard);
}

SaveChangesDialog::Answer SaveChangesDialog::ask()
{
    switch (exec()) {
    case Save:
        return Save;
    case Discard:
        return Discard;
    default:
        return Cancel;
    }
}
