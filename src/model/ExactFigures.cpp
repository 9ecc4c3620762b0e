#include "model/ExactFigures.h"

#include <QLocale>

#include <cmath>

namespace {

constexpr double kDaysPerWeek = 7.0;
constexpr double kDaysPerMonth = 30.0;
constexpr double kGBPerTB = 1000.0;
// Past six whole digits a figure reads better in exponent form, as the
// rounded day figures do.
constexpr double kPlainLimit = 1e6;

bool isFigure(double value)
{
    return std::isfinite(value) && value > 0.0;
}

} // namespace

QString ExactFigures::oneDecimal(double value)
{
    if (!std::isfinite(value) || value < 0.0)
        return QString();
    // In the reader's own way of writing decimals (a comma in Russian).
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, value < kPlainLimit ? 'f' : 'e', 1);
}

QString ExactFigures::retention(double days)
{
    if (!isFigure(days))
        return QString();
    return tr("%1 days · %2 weeks · %3 months")
        .arg(oneDecimal(days), oneDecimal(days / kDaysPerWeek), oneDecimal(days / kDaysPerMonth));
}

QString ExactFigures::diskSize(double gigabytes)
{
    if (!isFigure(gigabytes))
        return QString();
    if (gigabytes > kGBPerTB)
        return tr("%1 TB").arg(oneDecimal(gigabytes / kGBPerTB));
    return tr("%1 GB").arg(oneDecimal(gigabytes));
}

QString ExactFigures::retentionRange(double fewestDays, double mostDays)
{
    if (!isFigure(fewestDays) || !isFigure(mostDays))
        return QString();
    const QString low = oneDecimal(qMin(fewestDays, mostDays));
    const QString high = oneDecimal(qMax(fewestDays, mostDays));
    if (low == high)
        return QString();
    return tr("%1–%2 days depending on scene activity").arg(low, high);
}

QString ExactFigures::diskSizeRange(double leastGB, double mostGB)
{
    if (!isFigure(leastGB) || !isFigure(mostGB))
        return QString();
    const double low = qMin(leastGB, mostGB);
    const double high = qMax(leastGB, mostGB);
    const bool terabytes = high > kGBPerTB;
    const double scale = terabytes ? kGBPerTB : 1.0;
    const QString lowText = oneDecimal(low / scale);
    const QString highText = oneDecimal(high / scale);
    if (lowText == highText)
        return QString();
    return (terabytes ? tr("%1–%2 TB depending on scene activity") : tr("%1–%2 GB depending on scene activity"))
        .arg(lowText, highText);
}

QString ExactFigures::driveCountRange(int fewest, int most)
{
    if (fewest <= 0 || most <= 0 || fewest == most)
        return QString();
    return tr("%1–%2 drives depending on scene activity").arg(qMin(fewest, most)).arg(qMax(fewest, most));
}
