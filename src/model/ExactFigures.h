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

    // What scene activity can make of a figure, lower bound first:
    // "14.2–58.0 days depending on scene activity". Empty when either bound
    // is no figure or both read the same.
    static QString retentionRange(double fewestDays, double mostDays);
    // "12.1–40.3 TB depending on scene activity"; both bounds in the unit the
    // larger one takes.
    static QString diskSizeRange(double leastGB, double mostGB);
    // "3–5 drives depending on scene activity"; whole drive counts.
    static QString driveCountRange(int fewest, int most);

    // A figure with one decimal in the reader's own notation, past six whole
    // digits in exponent form; empty for no figure.
    static QString oneDecimal(double value);
    // Any figure in the notation of the default locale (the loaded language's:
    // "12,5" in Russian), without group separators, as QLocale::toString.
    static QString number(double value, char format, int precision);

    // The count a whole figure as shown picks its plural form by: "7e+05"
    // counts as 700000, a figure past the int range as the largest int, and
    // anything else (empty, negative) as 0.
    static int pluralCount(const QString &figure);
};
