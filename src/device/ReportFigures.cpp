#include "device/ReportFigures.h"

#include "model/ExactFigures.h"

#include <QLocale>

#include <cmath>

namespace {

// Past six whole digits a figure reads better in exponent form.
constexpr double kPlainLimit = 1e6;

} // namespace

QString ReportFigures::none()
{
    return QStringLiteral("—");
}

bool ReportFigures::isFigure(double value)
{
    return std::isfinite(value) && value > 0.0;
}

QString ReportFigures::trimmed(double value, int decimals)
{
    if (!std::isfinite(value) || value < 0.0)
        return QString();
    if (value >= kPlainLimit)
        return ExactFigures::oneDecimal(value);
    QString text = ExactFigures::number(value, 'f', decimals);
    const QLocale locale;
    const QString point = locale.decimalPoint();
    if (decimals > 0 && text.contains(point)) {
        while (text.endsWith(locale.zeroDigit()))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

QString ReportFigures::days(double days)
{
    // As the calculator shows them, to the tenth.
    //: Days a disk array keeps video, in the report: %1 with one decimal. Decimals take no plural of their own:
    //: use the form that fits any fraction.
    return isFigure(days) ? tr("%1 days").arg(ExactFigures::oneDecimal(days)) : QString();
}

QString ReportFigures::drives(int count)
{
    //: Drives of the planner's size a disk array needs for the wanted retention, in the report.
    return count > 0 ? tr("%n drive(s)", nullptr, count) : QString();
}

QString ReportFigures::daysSpread(double fewestDays, double mostDays)
{
    return ExactFigures::retentionRange(fewestDays, mostDays);
}

QString ReportFigures::daysRange(double fewestDays, double mostDays)
{
    const QString spread = daysSpread(fewestDays, mostDays);
    if (!spread.isEmpty())
        return spread;
    const QString one = days(isFigure(fewestDays) ? fewestDays : mostDays);
    return one.isEmpty() ? none() : one;
}

QString ReportFigures::diskRange(double leastGB, double mostGB)
{
    const QString spread = ExactFigures::diskSizeRange(leastGB, mostGB);
    if (!spread.isEmpty())
        return spread;
    const QString one = ExactFigures::diskSize(isFigure(leastGB) ? leastGB : mostGB);
    return one.isEmpty() ? none() : one;
}

QString ReportFigures::drivesSpread(int fewest, int most)
{
    return ExactFigures::driveCountRange(fewest, most);
}
