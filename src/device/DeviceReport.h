#pragma once

#include "model/Result.h"
#include "model/StructDeviceItem.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The PDF report of the device list: four sections ("Devices", "Space
// Given", "Time Given", "Bandwidth"), each a title block and a data table in
// rich text, printed on 297 x 210 mm pages.
class DeviceReport
{
    Q_DECLARE_TR_FUNCTIONS(DeviceAddPage)

public:
    // A centred title row; its table and div stay open, as the report has
    // always been written.
    static QString titleBlock(const QString &title);
    // A bordered table with one header row and the data rows. Cell texts are
    // escaped: group names are typed by the user.
    static QString dataTable(const QStringList &headers, const QList<QStringList> &rows);
    // Two empty paragraphs between sections.
    static QString spacer();

    // Title block plus data table of each section, in report order; the
    // groups are listed in ascending id order.
    static QStringList sections(const QMap<long long, StructDeviceItem> &devices, const Result &result);

    // Prints the sections to a PDF file of exactly that name. The file is
    // written beside the target first and only moved into place once it is a
    // complete PDF, so a failure leaves no partial file and an existing file
    // untouched. False when the file could not be written.
    static bool writePdf(const QStringList &sections, const QString &fileName);

    // True when the file exists and is a complete PDF.
    static bool isPdfFile(const QString &fileName);
    // Moves a finished file over the target; an earlier target survives a failure.
    static bool replaceFile(const QString &from, const QString &to);
};
