#pragma once

#include "aptui/CDlgAbout.h"

// The program's about panel: name, version, the licences file and the user
// manual. While one of its hints is open the main window is covered.
class AboutDialog : public aptui::CDlgAbout
{
    Q_OBJECT

public:
    explicit AboutDialog(QObject *parent = nullptr);

    // QCoreApplication::applicationVersion(), else the version this was built as.
    static QString programVersion();

    // The manual of a language inside the directory: English for 0, Chinese
    // for 1, the directory itself for the others.
    static QString manualPath(unsigned language, const QString &directory);

signals:
    void signalCover();
    void signalDiscover();

public slots:
    bool onGetHelp();
    void onShowLicenses();

private:
    static bool openLocalFile(const QString &path);
    void showHint(const QString &text);
};
