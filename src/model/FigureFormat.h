#pragma once

#include "model/RetentionNeed.h"
#include "model/RetentionProfile.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// How every figure of the plan is written, on the screen and in the report
// alike, from the numbers the calculations leave: whole figures, the
// unrounded ones beside them with one decimal, ranges and bitrates. Each
// rounds in the direction that keeps its promise: what a disk keeps rounds
// down, what a retention needs rounds up, so that the whole figure and the
// one beside it never disagree. A week is 7 days, a month 30 days and a TB
// 1000 GB, as the capacity formulas count them. Anything that is not a figure
// (not a number, infinite, 0 or less) reads as nothing (or none()), never as
// "nan" or a negative number.
class FigureFormat
{
    Q_DECLARE_TR_FUNCTIONS(FigureFormat)

public:
    // The whole days, weeks and months a disk keeps: truncated, "0" for no
    // figure, all three in exponent form ("1e+06") once the days pass 999999
    // or the weeks 99999.
    struct Kept
    {
        QString days;
        QString weeks;
        QString months;
    };
    static Kept kept(double days);

    // The disk a retention needs as a whole figure: GB rounded up to whole
    // GB; past 1000 GB that rounded up again to whole TB, so that a disk of
    // that size does hold it.
    struct Needed
    {
        QString figure;
        bool terabytes = false;
    };
    static Needed needed(double gigabytes);

    // A bitrate with one decimal, rounded up to a tenth of Kbps, Mbps or Gbps
    // (divisor 1024); past the largest figure shown (999.9 Gbps) "more than"
    // that. The unit words are translated in the device list's context.
    struct Bitrate
    {
        QString value;
        QString unit;
    };
    static Bitrate bitrate(double kbps);
    // The same as one phrase: "24.0 Mbps".
    static QString bitrateText(double kbps);

    // The unrounded retention under the whole figures:
    // "29.8 days · 4.3 weeks · 0.9 months", each rounded down to the tenth.
    static QString retention(double days);
    // The unrounded disk need, rounded up to the tenth: "999.5 GB"; above
    // 1000 GB in TB: "16.1 TB".
    static QString diskSize(double gigabytes);
    // Days kept with one decimal and their unit, rounded down: "31.2 days".
    static QString days(double days);
    // "8 drives", "1 drive"; empty for none.
    static QString drives(int count);

    // What scene activity can make of a figure, lower bound first:
    // "14.2–58.0 days depending on scene activity". Empty when either bound
    // is no figure or both read the same.
    static QString retentionRange(double fewestDays, double mostDays);
    // "12.1–40.3 TB depending on scene activity"; both bounds in the unit the
    // larger one takes.
    static QString diskSizeRange(double leastGB, double mostGB);
    // "3–5 drives depending on scene activity"; a bound past the largest
    // array (DiskArray::kMaxDrives) reads "more than" that.
    static QString driveCountRange(int fewest, int most);

    // Whether a disk holds what every group's retention needs: "Holds every
    // retention with 23 % to spare; all retentions × 1.23 would still fit."
    // or "Falls short by 4.1 TB; all retentions × 0.87 would fit.". The
    // share and the scale round down, the shortfall up, so that each holds
    // its promise. Empty when nothing is needed.
    static QString diskAnswer(const RetentionNeed::DiskAnswer &answer);
    // The groups that need the most and their share of the whole need,
    // rounded to the nearest per cent: "Largest: Plates (4) 38 %, Lobby (1)
    // 21 %". Empty for fewer than two groups or no need.
    static QString largestShares(const QList<RetentionProfile::Share> &largest, int groups, double totalGB);

    // How far a figure lies from the one it is compared with, in whole per
    // cent rounded to the nearest, a half away from zero: "+12 %", "−38 %"
    // (a minus sign, not a hyphen), "0 %" for less than a half. Empty for no
    // number.
    static QString percentChange(double percent);

    // A cell with a range: the range, else the one figure there is, else none().
    static QString daysRange(double fewestDays, double mostDays);
    static QString diskRange(double leastGB, double mostGB);

    // Stands for a figure there is none of.
    static QString none();
    static bool isFigure(double value);

    // A figure with one decimal, rounded to the nearest, in the reader's own
    // notation, past six whole digits in exponent form; empty for no figure.
    static QString oneDecimal(double value);
    // At most `decimals` decimals, trailing zeros dropped: "8", "1.92".
    static QString trimmed(double value, int decimals);
    // Any figure in the notation of the default locale (the loaded language's:
    // "12,5" in Russian), without group separators, as QLocale::toString.
    static QString number(double value, char format, int precision);

    // The count a whole figure as shown picks its plural form by: "7e+05"
    // counts as 700000, a figure past the int range as the largest int, and
    // anything else (empty, negative) as 0.
    static int pluralCount(const QString &figure);
};
