#pragma once

#include "aptui/BaseDialog.h"
#include "host/Upgrade.h"
#include "host/tagAppProperty.h"

#include <memory>

class QFrame;
class QLabel;
class QThread;
namespace FenwaGUIToolkit {
class CCheckBox;
}

// Asks the update server whether a newer version exists and, as a dialog,
// offers it for download. The query runs on a worker thread; its outcome
// arrives on the GUI thread as signalUpdateCheckOver.
class UpgradeTool : public aptui::BaseDialog
{
    Q_OBJECT

public:
    explicit UpgradeTool(const upgrade::tagAppProperty &appProperty, QWidget *parent = nullptr);
    // Stops a running query and waits for its thread.
    ~UpgradeTool() override;

    // Writes "Prompt" of Upgrade.xml: 1 when on, 0 when off.
    void setPrompt(bool on);
    bool isPromptOff() const { return m_bPromptOff; }
    // "V" and the version the last successful check found; empty before.
    QString newVersionText() const { return m_strNewVersion; }
    QString serverAddress() const { return m_strServerAddress; }
    bool isChecking() const { return m_checkThread != nullptr; }
    // Why the last check could not be made, in words; empty when it was made.
    QString lastFailure() const;

    // The program's version number from the about panel's version text
    // ("Version 4.0.0.50" gives "4.0.0.50"); the version built as when the
    // text holds none.
    static QString versionFromAboutText(const QString &text);
    // What the dialog says of a download page before it is opened: the site
    // it is on, or why it is not opened.
    static QString pageText(const QUrl &page);

signals:
    void signalUpdateCheckOver(bool isNeedUpdate);

public slots:
    // Starts a query; while one runs, a further call waits for its outcome.
    void checkUpdate();
    void onUpgrade();
    void onCheckBoxStateChange(int state);

private:
    void setupForm();
    void readSettings();
    void finishCheck(bool newer, const QString &version);

    QFrame *m_frame = nullptr;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_versionLabel = nullptr;
    QLabel *m_pageLabel = nullptr;
    FenwaGUIToolkit::CCheckBox *m_checkBox = nullptr;

    std::unique_ptr<upgrade::Upgrade> m_upgrade;
    upgrade::tagAppProperty m_appProperty;
    bool m_bPromptOff = true;
    QString m_strServerAddress;
    QString m_strNewVersion;
    QThread *m_checkThread = nullptr;
};
