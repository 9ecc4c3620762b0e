#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// What every capacity figure takes for granted, in words for the planner: the
// same lines stand under the calculator's info tip and in the report.
class FigureAssumptions
{
    Q_DECLARE_TR_FUNCTIONS(FigureAssumptions)

public:
    struct Line
    {
        // A short caption: "Recording overhead".
        QString topic;
        // One or two whole sentences.
        QString text;
    };

    // The heading over the lines.
    static QString title();
    static QList<Line> lines();
    // The lines as one rich text for a tool tip.
    static QString richText();
};
