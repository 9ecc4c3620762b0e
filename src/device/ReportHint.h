#pragma once

#include "device/ReportOutcome.h"

#include <QCoreApplication>
#include <QString>

// The hint after a report was written: where the file went, with buttons to
// open it or its folder, or what kept it from being saved.
class ReportHint
{
    Q_DECLARE_TR_FUNCTIONS(DeviceAddPage)

public:
    // Runs the hint modally; nothing for a cancelled report.
    static void exec(ReportOutcome outcome, const QString &fileName);

    // The hint's text; `shownPath` is the path as the hint shows it: the
    // folder's when the folder is at fault, else the file's.
    static QString text(ReportOutcome outcome, const QString &shownPath);
};
