#include "aptui/AboutDialog.h"

#include "aptui/BaseDialog.h"
#include "model/ConfigureManager.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

AboutDialog::AboutDialog(QObject *parent) : CDlgAbout(parent)
{
    //: The program's name in the about panel.
    setName(tr("TAVO storage calculator"));
    setButton2Visible(false);
    //: The about panel's version line: %1 is the version number ("4.0.0.50").
    setVersion(tr("Version %1").arg(programVersion()));
    //: Button: opens the user manual.
    setCornerButtonText(tr("User Help"));
    setCornerButtonVisible(false);
    //: Button: opens the file of the licences of the open-source software the program uses.
    setButton1Text(tr("Open Source Software Licenses"));
    setButton1Visible(true);

    connect(this, &CDlgAbout::siganlBtn1Clicked, this, &AboutDialog::onShowLicenses);
    connect(this, &CDlgAbout::signalConerBtnClicked, this, &AboutDialog::onGetHelp);
}

QString AboutDialog::programVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(TAVO_VERSION) : version;
}

QString AboutDialog::manualPath(unsigned language, const QString &directory)
{
    switch (language) {
    case 0:
        return directory + QStringLiteral("/Mirelda User Manual.pdf");
    case 1:
        return directory + QStringLiteral("/Mirelda 用户手册.pdf");
    default:
        return directory;
    }
}

bool AboutDialog::onGetHelp()
{
    const unsigned language = apt::ConfigureManager::instance()->translator();
    if (openLocalFile(manualPath(language, QDir::currentPath())))
        return true;

    emit signalCover();
    showHint(tr("No user manual found."));
    emit signalDiscover();
    return false;
}

void AboutDialog::onShowLicenses()
{
    if (openLocalFile(QDir::current().filePath(QStringLiteral("Open Source Software Licenses"))))
        return;

    emit signalCover();
    showHint(tr("Open Open Source Software Licenses file failed."));
    emit signalDiscover();
}

bool AboutDialog::openLocalFile(const QString &path)
{
    // Some desktops report success for a file that is not there and fail later
    // out of sight; a missing file is a failure here and now.
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void AboutDialog::showHint(const QString &text)
{
    aptui::BaseDialog::showHint(text, QSize(350, 220));
}
