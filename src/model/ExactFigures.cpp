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

QString oneDecimal(double value)
{
    // In the reader's own way of writing decimals (a comma in Russian).
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, value < kPlainLimit ? 'f' : 'e', 1);
}

} // namespace

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
