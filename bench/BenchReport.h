#pragma once

#include <QList>
#include <QString>

// How the figures are printed: one aligned line each, with the value, the
// reference it is compared with, the ratio, the goal and whether it is met.
class BenchReport
{
public:
    static double median(QList<double> values);

    // "12.3 ms" below a second, "1.23 s" from there on.
    static QString duration(double seconds);
    static QString megabytes(double kilobytes);
    // "5,000".
    static QString count(long long n);
    // "4.29x".
    static QString ratio(double value);

    static void figure(const QString &name, const QString &value, const QString &reference, const QString &ratio,
                       const QString &goal, bool met);
    // A figure that could not be measured: the reason instead of a verdict.
    static void missing(const QString &name, const QString &reason, const QString &goal);
    // A figure shown for information only: no goal, no verdict.
    static void note(const QString &name, const QString &value, const QString &reference, const QString &ratio);
};
