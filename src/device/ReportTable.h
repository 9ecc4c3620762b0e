#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One section of the report: a title over a table of a caption row, data rows
// and, when given, a bold totals row.
struct ReportTable
{
    QString title;
    QStringList headers;
    QList<QStringList> rows;
    QStringList totals;
};
