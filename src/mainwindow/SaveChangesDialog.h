#pragma once

#include "aptui/TipDialog.h"

// "Save changes to <name>?" before a plan with unsaved changes is closed or
// replaced: Save (the confirm button), Discard and Cancel. Closing the
// question cancels.
class SaveChangesDialog : public NM_Vantor::TipDialog
{
    Q_OBJECT

public:
    enum Answer {
        Cancel = QDialog::Rejected,
        Save = QDialog::Accepted,
        Discard,
    };

    explicit SaveChangesDialog(const QString &planName, QWidget *parent = nullptr);

    Answer ask();
};
