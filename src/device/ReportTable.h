#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One section of the report: a title over a table of a caption row and data rows.
struct ReportTable
{
    QString title;
    QStringList headers;
    QList<QStringList> rows;
};
