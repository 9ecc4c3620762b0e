#pragma once

#include <QCoreApplication>
#include <QString>

// The unrounded retention and disk figures, read beside the whole-unit ones
// the displays show: one decimal, a week of 7 days, a month of 30 days and a
// TB of 1000 GB, as the capacity formulas count them. Empty where there is no
// figure (0, less or not a number).
class ExactFigures
{
    Q_DECLARE_TR_FUNCTIONS(ExactFigures)

public:
    // "29.8 days · 4.3 weeks · 1.0 months"
    static QString retention(double days);
    // "999.5 GB"; above 1000 GB in TB: "16.1 TB"
    static QString diskSize(double gigabytes);
};
