#pragma once

#include "device/ReportTable.h"

#include <QFont>
#include <QList>
#include <QString>

// One figure of the summary under the report's title: a caption over a value.
struct ReportFigure
{
    QString caption;
    QString value;
};

// One bar of the storage chart: the group's name, its share as text and as a
// fraction of the whole storage bitrate.
struct ReportBar
{
    QString label;
    QString value;
    double share = 0.0;
    // The bar that stands for the groups too small to get one of their own.
    bool others = false;
};

// The share of the storage bitrate per channel group, largest first.
struct ReportChart
{
    QString title;
    QList<ReportBar> bars;
    // Shown instead of the bars when no group is recorded.
    QString emptyText;
};

// Everything the report prints, its texts already in the reader's language:
// they are made on the GUI thread and only drawn on the worker.
struct ReportDocument
{
    // Above the plan name; the heading itself when there is no plan name.
    QString heading;
    QString planName;
    // Right of the heading: the date and the program version.
    QStringList facts;
    QList<ReportFigure> summary;
    QList<ReportTable> tables;
    // Drawn after the first table.
    ReportChart chart;
    // Left of the page footer: the program's name and version.
    QString footer;
    // "Page %1 of %2", filled in per page.
    QString pageNumber;
    // With fallbacks for every script the texts may hold.
    QFont font;
};
