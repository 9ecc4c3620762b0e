#pragma once

#include <QCoreApplication>
#include <QString>

// How the report writes its figures in the reader's notation: days, disk
// sizes, drive counts and what scene activity can make of them. Anything
// that is not a figure (not a number, infinite, 0 or less) reads as a dash or
// nothing, never as "nan" or a negative number. Figures and ranges read as
// the calculator shows them (model/ExactFigures), to the tenth.
class ReportFigures
{
    // The report's texts are translated with the device list's.
    Q_DECLARE_TR_FUNCTIONS(DeviceAddPage)

public:
    // Stands for a figure there is none of.
    static QString none();

    // At most `decimals` decimals, trailing zeros dropped: "8", "1.92".
    static QString trimmed(double value, int decimals);

    // "31.2 days"; empty for no figure.
    static QString days(double days);
    // "8 drives", "1 drive"; empty for none.
    static QString drives(int count);

    // A cell on what scene activity makes of a figure, lower bound first:
    // "14.2–58.0 days depending on scene activity"; the one figure when both read
    // the same or only one exists; none() when neither does.
    static QString daysRange(double fewestDays, double mostDays);
    // "12.1–40.3 TB depending on scene activity", in the unit the larger takes.
    static QString diskRange(double leastGB, double mostGB);

    // Only the range, for a cell that already holds the figure: empty when
    // both bounds read the same or one is missing.
    static QString daysSpread(double fewestDays, double mostDays);
    static QString drivesSpread(int fewest, int most);

    static bool isFigure(double value);
};
