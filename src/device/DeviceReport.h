#pragma once

#include "device/ReportDocument.h"
#include "device/ReportOutcome.h"
#include "device/ReportPainter.h"
#include "device/ReportTable.h"
#include "model/Result.h"
#include "model/StructDeviceItem.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

// The PDF report of the device list on 297 x 210 mm pages: a title block with
// the plan's name, date, program version and key figures, then four sections
// ("Devices", "Space Given", "Time Given", "Bandwidth"), each a title over a
// data table, with the storage chart after the devices, one on the groups
// keeping their own retention after the devices when there are any, and one
// on the disk array once the planner has one. The two capacity sections end
// in the unrounded figures and what calmer or busier scenes would make of
// them.
class DeviceReport
{
    Q_DECLARE_TR_FUNCTIONS(DeviceAddPage)

public:
    // The whole report in the language of the moment; call on the GUI thread.
    // An empty plan name leaves the heading alone.
    static ReportDocument document(const QMap<long long, StructDeviceItem> &devices, const Result &result,
                                   const QString &planName, const QDate &date = QDate::currentDate());

    // The sections in report order; the groups are listed in ascending id
    // order, the devices followed by their totals.
    static QList<ReportTable> tables(const QMap<long long, StructDeviceItem> &devices, const Result &result);

    // Each recorded group's share of the storage bitrate, a group recorded on
    // motion at its share of the time, largest first (equal ones in id order);
    // past 16 groups the 15 largest and one bar for the rest.
    static ReportChart chart(const QMap<long long, StructDeviceItem> &devices);
    // The closing section: what every figure takes for granted.
    static ReportTable assumptions();

    // QCoreApplication::applicationVersion(), else the version this was built as.
    static QString programVersion();

    // Draws the report into a PDF file of exactly that name. The file is
    // written beside the target first and only moved into place once it is a
    // complete PDF, so a failure or a stop leaves no partial file and an
    // existing file untouched. The file gets the permissions a new file gets
    // from the user's umask. Uses no widgets: runs on any thread.
    static ReportOutcome writePdf(const ReportDocument &document, const QString &fileName,
                                  const ReportPainter::Progress &progress = {});

    // True when the file exists and is a complete PDF.
    static bool isPdfFile(const QString &fileName);
    // Moves a finished file over the target; an earlier target survives a failure.
    static bool replaceFile(const QString &from, const QString &to);
};
