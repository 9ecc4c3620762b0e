#include "mainwindow/ImportGroupsDialog.h"

ImportGroupsDialog::ImportGroupsDialog(int planGroups, QWidget *parent) : NM_Vantor::TipDialog(parent)
{
    setObjectName(QStringLiteral("importGroupsDialog"));
    // Three buttons with longer words than a plain question's.
    setFixedSize(440, 220);
    //: Title of the question whether channel groups read from a CSV file join the plan or take its place.
    setTitle(tr("Import Groups"));
    //: Asked before channel groups read from a CSV file go into the plan; %n is how many groups the plan holds.
    setText(tr("The plan already holds %n channel group(s). Add the groups from the file to them, or replace them?",
               nullptr, planGroups));
    //: Button: the groups read from the file go after the plan's own (a verb phrase).
    setConfirmButtonText(tr("Add to the plan"));
    //: Button: leave the plan's groups as they are and import nothing (a verb).
    setCancelButtonText(tr("Cancel"));
    //: Button: the groups read from the file take the place of every group of the plan (a verb phrase).
    addAnswerButton(tr("Replace the plan"), QStringLiteral("btnReplace"), Replace);
}

ImportGroupsDialog::Answer ImportGroupsDialog::ask()
{
    switch (exec()) {
    case Add:
        return Add;
    case Replace:
        return Replace;
    default:
        return Cancel;
    }
}
