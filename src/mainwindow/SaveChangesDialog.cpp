#include "mainwindow/SaveChangesDialog.h"

#include "aptui/ElidedLabel.h"

#include <QFontMetrics>

namespace {
// A name wider than a line of the question keeps its ends: a word that long
// cannot wrap, and the question must stay inside the dialog.
constexpr int kNameWidth = 260;
} // namespace

SaveChangesDialog::SaveChangesDialog(const QString &planName, QWidget *parent) : NM_Vantor::TipDialog(parent)
{
    setObjectName(QStringLiteral("saveChangesDialog"));
    setFixedSize(350, 220);
    setTitle(tr("Save Changes"));
    const QString name = fontMetrics().elidedText(
        aptui::ElidedLabel::shortened(planName, aptui::ElidedLabel::DrawnKeep), Qt::ElideMiddle, kNameWidth);
    setText(tr("Save changes to “%1”?").arg(name));
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
