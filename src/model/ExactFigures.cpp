#include "model/ExactFigures.h"

#include <QLocale>

#include <cmath>
#include <limits>

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
    return number(value, value < kPlainLimit ? 'f' : 'e', 1);
}

QString ExactFigures::number(double value, char format, int precision)
{
    // In the reader's own way of writing decimals (a comma in Russian).
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

int ExactFigures::pluralCount(const QString &figure)
{
    // The calculator's whole figures are plain digits or exponent form in any
    // language.
    bool ok = false;
    const double value = figure.toDouble(&ok);
    if (!ok || !(value > 0.0))
        return 0;
    constexpr int kLargest = std::numeric_limits<int>::max();
    return value >= kLargest ? kLargest : int(value);
}

QString ExactFigures::retention(double days)
{
    if (!isFigure(days))
        return QString();
    //: The unrounded retention under the calculator's whole figures: %1 days, %2 weeks and %3 months,
    //: each with one decimal. Decimals take no plural of their own: use the form that fits any fraction.
    return tr("%1 days · %2 weeks · %3 months")
        .arg(oneDecimal(days), oneDecimal(days / kDaysPerWeek), oneDecimal(days / kDaysPerMonth));
}

QString ExactFigures::diskSize(double gigabytes)
{
    if (!isFigure(gigabytes))
        return QString();
    if (gigabytes > kGBPerTB) {
        //: A disk size in terabytes with one decimal (1 TB = 1000 GB).
        return tr("%1 TB").arg(oneDecimal(gigabytes / kGBPerTB));
    }
    //: A disk size in gigabytes with one decimal.
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
    //: How long the disk keeps video from busy (%1) to calm (%2) scenes, in days with one decimal.
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
    //: The disk space calm (%1) to busy (%2) scenes need, in terabytes with one decimal.
    const QString terabyteRange = tr("%1–%2 TB depending on scene activity");
    //: The disk space calm (%1) to busy (%2) scenes need, in gigabytes with one decimal.
    const QString gigabyteRange = tr("%1–%2 GB depending on scene activity");
    return (terabytes ? terabyteRange : gigabyteRange).arg(lowText, highText);
}

QString ExactFigures::driveCountRange(int fewest, int most)
{
    if (fewest <= 0 || most <= 0 || fewest == most)
        return QString();
    const int high = qMax(fewest, most);
    //: The drives calm (%1) to busy (%2) scenes need; the plural follows the larger count, %2.
    return tr("%1–%2 drive(s) depending on scene activity", nullptr, high).arg(qMin(fewest, most)).arg(high);
}
