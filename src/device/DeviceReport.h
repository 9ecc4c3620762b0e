#pragma once

#include "device/ReportPainter.h"
#include "device/ReportTable.h"
#include "model/Result.h"
#include "model/StructDeviceItem.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>

// The PDF report of the device list: four sections ("Devices", "Space
// Given", "Time Given", "Bandwidth"), each a title over a data table, on
// 297 x 210 mm pages. The two capacity sections end in a column of the
// unrounded figures.
class DeviceReport
{
    Q_DECLARE_TR_FUNCTIONS(DeviceAddPage)

public:
    // The four sections in report order; the groups are listed in ascending id order.
    static QList<ReportTable> tables(const QMap<long long, StructDeviceItem> &devices, const Result &result);

    // Draws the sections into a PDF file of exactly that name. The file is
    // written beside the target first and only moved into place once it is a
    // complete PDF, so a failure or a stop leaves no partial file and an
    // existing file untouched. False when the file could not be written or the
    // progress callback asked to stop. Uses no widgets: runs on any thread.
    static bool writePdf(const QList<ReportTable> &tables, const QString &fileName,
                         const ReportPainter::Progress &progress = {});

    // True when the file exists and is a complete PDF.
    static bool isPdfFile(const QString &fileName);
    // Moves a finished file over the target; an earlier target survives a failure.
    static bool replaceFile(const QString &from, const QString &to);
};
