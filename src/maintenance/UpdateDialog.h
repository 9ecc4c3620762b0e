#pragma once

#include "aptui/BaseDialog.h"

class QLabel;
class QPushButton;

// "Update Data": writes a template of the scene file and replaces the program's
// recording scenes (Scene.csv and their pictures) from a file in that format.
// The scene lists are built at start-up, so an import takes effect after a restart.
class UpdateDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    enum Action { ActionNone = 0, ActionExport = 1, ActionImport = 2 };
    // How an action ended: an import that took the scenes but not every picture
    // is done in part, and says so with a warning.
    enum Outcome { Failed, Succeeded, PartlySucceeded };

    explicit UpdateDialog(QWidget *parent = nullptr);

    // The status icon and message of an action; a detail, when given, follows the
    // message. The status line's "outcome" property ("success", "partial" or
    // "failure"; empty without an action) lets the style sheet colour it.
    void showStatus(int action, Outcome outcome, const QString &detail = QString());

    // The template's text: header, two example rows and a final line end.
    static QString templateText();

public slots:
    void onExportTemplate();
    void onImportScene();

private:
    void setupForm();
    static QString defaultFolder();

    QWidget *m_borderWidget = nullptr;
    QLabel *m_labelIntro = nullptr;
    QLabel *m_tipIcon = nullptr;
    QLabel *m_tipText = nullptr;
    QPushButton *m_btnExport = nullptr;
    QPushButton *m_btnImport = nullptr;
    QLabel *m_labelTip = nullptr;
};
