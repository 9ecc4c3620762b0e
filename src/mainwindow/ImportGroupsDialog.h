#pragma once

#include "aptui/TipDialog.h"

// Asked before groups read from a CSV file go into a plan that holds groups
// already: Add to the plan (the confirm button), Replace the plan and Cancel.
// Closing the question cancels.
class ImportGroupsDialog : public NM_Vantor::TipDialog
{
    Q_OBJECT

public:
    enum Answer {
        Cancel = QDialog::Rejected,
        Add = QDialog::Accepted,
        Replace,
    };

    // planGroups: how many groups the plan holds now.
    explicit ImportGroupsDialog(int planGroups, QWidget *parent = nullptr);

    Answer ask();
};
