#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One section of the report: a title over a table of a caption row, data rows
// and, when given, a bold totals row and a note under it all.
struct ReportTable
{
    QString title;
    QStringList headers;
    QList<QStringList> rows;
    QStringList totals;
    // What the rows leave out, in small type under the table. Initialised
    // here so that tables written out in braces may leave it off.
    QString note = QString();
};
