#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct RetentionPolicy;
struct StructDeviceItem;

// A group's own retention as the last columns of the group CSV, all of them
// optional: a row whose Retention cell is empty, like a sheet without the
// columns, follows the plan. Header names are English, values as in a plan
// file: days, weeks or months; audio none, G.711, G.726-16, G.726-32 or AAC;
// whether the sub-stream's rate is the tables' yes or no.
class RetentionPolicyCsv
{
    Q_DECLARE_TR_FUNCTIONS(RetentionPolicyCsv)

public:
    static QStringList columnNames();
    // The cells in the order of columnNames(); all empty for a group that
    // follows the plan.
    static QStringList cells(const RetentionPolicy &policy);
    // Reads the cells (empty for a column the sheet has not) into the group's
    // policy and checks it against the group; the reason it is refused, or
    // an empty text.
    static QString read(const QStringList &cells, StructDeviceItem &group);
};
