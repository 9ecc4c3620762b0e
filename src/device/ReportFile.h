#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

// Where a report is offered to be saved and under what name: "<plan name>
// <date>.pdf" in the folder the last report went to, else the user's
// documents folder, else home. The folder is remembered in the user's
// settings ("report.ini").
class ReportFile
{
    Q_DECLARE_TR_FUNCTIONS(DeviceAddPage)

public:
    // "<plan name> <yyyy-MM-dd>.pdf", the plan name "Storage plan" when there is
    // none; characters no file name may hold become "_".
    static QString defaultFileName(const QString &planName, const QDate &date = QDate::currentDate());
    // The folder and name the save question starts with.
    static QString startPath(const QString &planName, const QDate &date = QDate::currentDate());

    // The chosen name with ".pdf" added when it has no suffix (a dot and up to
    // five letters or digits, one a letter); a folder's name is left alone, so
    // that it is refused rather than written beside.
    static QString withPdfSuffix(const QString &fileName);
    // The plan name a report gets when it had none: the file's name unless it
    // is the one offered, without the date the offered name ends in.
    static QString planNameFromFile(const QString &fileName, const QDate &date = QDate::currentDate());

    // The folder the last report was saved in; empty when none was or it is gone.
    static QString lastFolder();
    static void rememberFolder(const QString &fileName);
};
