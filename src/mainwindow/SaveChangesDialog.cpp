#include "mainwindow/SaveChangesDialog.h"

#include <QPushButton>

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
    m_btnDiscard = new QPushButton(tr("Discard"), this);
    m_btnDiscard->setObjectName(QStringLiteral("btnDiscard"));
    m_btnDiscard->setMinimumSize(72, 30);
    m_btnDiscard->setAutoDefault(false);
    addBottomWidget(m_btnDiscard);
    connect(m_btnDiscard, &QPushButton::clicked, this, [this] { done(Discard); });
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
