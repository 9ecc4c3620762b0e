#include "mainwindow/RecoveryWriteHint.h"

#include "aptui/BaseDialog.h"

#include <QDir>

void RecoveryWriteHint::report(bool written, const QString &copyPath, QWidget *window)
{
    if (written || m_said) {
        m_said = !written;
        return;
    }
    m_said = true;
    auto *hint = new aptui::BaseDialog(false, false, false, false, true, false, false, window);
    hint->setAttribute(Qt::WA_DeleteOnClose);
    hint->setObjectName(QStringLiteral("recoveryWriteHint"));
    hint->setFixedSize(400, 220);
    //: Title of a short message with a close button only.
    hint->setTitle(QCoreApplication::translate("aptui::BaseDialog", "Hint"));
    hint->setBottomVisible(false);
    //: Said once when the copy that keeps unsaved changes safe against a crash cannot be written; %1 is its file.
    hint->setDefaultText(tr("Your unsaved changes are not protected against a crash: %1 could not be written. "
                            "Save the plan to keep them.")
                             .arg(QDir::toNativeSeparators(copyPath)));
    // Not modal: the user goes on working and saves.
    hint->show();
    m_hint = hint;
}
