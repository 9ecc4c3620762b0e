#include "BenchReport.h"

#include <QLocale>

#include <algorithm>
#include <cstdio>

namespace {

// `goal` as printed: "(goal ...)", or empty for information.
void printLine(const QString &name, const QString &value, const QString &reference, const QString &ratio,
               const QString &goal, const QString &verdict)
{
    const QString line = QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                             .arg(name, -30)
                             .arg(value, -12)
                             .arg(reference, -24)
                             .arg(ratio, -8)
                             .arg(goal, -30)
                             .arg(verdict);
    // Flushed at once: the watchdog may end the process right after.
    std::fputs(line.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

} // namespace

double BenchReport::median(QList<double> values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2.0;
}

QString BenchReport::duration(double seconds)
{
    if (seconds < 1.0)
        return QString::number(seconds * 1000.0, 'f', 1) + QStringLiteral(" ms");
    return QString::number(seconds, 'f', 2) + QStringLiteral(" s");
}

QString BenchReport::megabytes(double kilobytes)
{
    return QString::number(kilobytes / 1024.0, 'f', 1) + QStringLiteral(" MB");
}

QString BenchReport::count(long long n)
{
    return QLocale(QLocale::English).toString(n);
}

QString BenchReport::ratio(double value)
{
    return QString::number(value, 'f', 2) + QLatin1Char('x');
}

void BenchReport::figure(const QString &name, const QString &value, const QString &reference, const QString &ratio,
                         const QString &goal, bool met)
{
    printLine(name, value, reference, ratio, QStringLiteral("(goal %1)").arg(goal),
              met ? QStringLiteral("met") : QStringLiteral("not met"));
}

void BenchReport::missing(const QString &name, const QString &reason, const QString &goal)
{
    printLine(name, reason, QString(), QString(), QStringLiteral("(goal %1)").arg(goal),
              QStringLiteral("not measured"));
}

void BenchReport::note(const QString &name, const QString &value, const QString &reference, const QString &ratio)
{
    printLine(name, value, reference, ratio, QString(), QStringLiteral("information"));
}
