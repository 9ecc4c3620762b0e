#include "model/FigureFormat.h"

#include "model/DiskArray.h"
#include "model/SaturatingCast.h"

#include <QLocale>
#include <QStringList>

#include <cmath>
#include <limits>

namespace {

constexpr double kDaysPerWeek = 7.0;
constexpr double kDaysPerMonth = 30.0;
constexpr double kGBPerTB = 1000.0;
constexpr double kKilo = 1024.0;
constexpr double kMega = 1024.0 * 1024.0;
constexpr double kGigabitCap = 999.9;
// Past six whole digits a figure reads better in exponent form, as the
// rounded day figures do.
constexpr double kPlainLimit = 1e6;
// Beyond these the whole day, week and month figures switch to exponent form.
constexpr qint64 kMaxPlainDays = 999999;
constexpr qint64 kMaxPlainWeeks = 99999;

enum class Rounding { Nearest, Down, Up };

double roundTo(double value, double step, Rounding rounding)
{
    switch (rounding) {
    case Rounding::Down:
        return std::floor(value / step) * step;
    case Rounding::Up:
        return std::ceil(value / step) * step;
    case Rounding::Nearest:
        break;
    }
    return value;
}

// One decimal, rounded the given way first, so that the printing's own
// rounding to the nearest has nothing left to change.
QString tenth(double value, Rounding rounding)
{
    if (!std::isfinite(value) || value < 0.0)
        return QString();
    if (value < kPlainLimit) {
        const double tenths = rounding == Rounding::Nearest ? value
                              : rounding == Rounding::Down  ? std::floor(value * 10.0) / 10.0
                                                            : std::ceil(value * 10.0) / 10.0;
        return FigureFormat::number(tenths, 'f', 1);
    }
    // "1.2e+06": the second digit is the last one shown.
    const double step = std::pow(10.0, std::floor(std::log10(value)) - 1.0);
    return FigureFormat::number(roundTo(value, step, rounding), 'e', 1);
}

// A whole-numbered double as decimal digits; past 64 bits in exponent form.
QString wholeNumberText(double value)
{
    if (std::fabs(value) < 9.2e18)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'e', 0);
}

QString exponentText(qint64 value)
{
    return QString::number(static_cast<double>(value), 'e', 0);
}

// Rounds up to the next tenth in single precision, as the bitrates have always
// been shown; a value already on a tenth stays.
QString tenthsRoundedUp(float scaledByTen)
{
    const float tenths = std::ceil(scaledByTen) / 10.0f;
    return FigureFormat::number(double(tenths), 'f', 1);
}

} // namespace

bool FigureFormat::isFigure(double value)
{
    return std::isfinite(value) && value > 0.0;
}

QString FigureFormat::none()
{
    return QStringLiteral("—");
}

QString FigureFormat::oneDecimal(double value)
{
    return tenth(value, Rounding::Nearest);
}

QString FigureFormat::number(double value, char format, int precision)
{
    // In the reader's own way of writing decimals (a comma in Russian).
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

QString FigureFormat::trimmed(double value, int decimals)
{
    if (!std::isfinite(value) || value < 0.0)
        return QString();
    if (value >= kPlainLimit)
        return oneDecimal(value);
    QString text = number(value, 'f', decimals);
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

int FigureFormat::pluralCount(const QString &figure)
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

FigureFormat::Kept FigureFormat::kept(double days)
{
    const QString zero = QStringLiteral("0");
    if (!isFigure(days))
        return {zero, zero, zero};
    const qint64 day = saturatingCast<qint64>(days);
    const qint64 week = saturatingCast<qint64>(days / kDaysPerWeek);
    const qint64 month = saturatingCast<qint64>(days / kDaysPerMonth);
    if (day > kMaxPlainDays || week > kMaxPlainWeeks)
        return {exponentText(day), exponentText(week), exponentText(month)};
    return {QString::number(day), QString::number(week), QString::number(month)};
}

FigureFormat::Needed FigureFormat::needed(double gigabytes)
{
    const double wholeGB = std::ceil(gigabytes);
    if (!(wholeGB > kGBPerTB))
        return {wholeGB >= 0 ? wholeNumberText(wholeGB) : QStringLiteral("0"), false};
    return {wholeNumberText(std::ceil(wholeGB / kGBPerTB)), true};
}

FigureFormat::Bitrate FigureFormat::bitrate(double kbps)
{
    Bitrate out;
    const double sum = std::ceil(kbps);
    if (sum > kMega) {
        if (kbps / kMega > kGigabitCap) {
            //: A bitrate past the largest figure shown: more than %1 (999.9) gigabits per second.
            out.value = tr(">%1").arg(tenth(kGigabitCap, Rounding::Nearest));
        } else {
            // At the cap itself single precision may round past it.
            out.value = tenthsRoundedUp(qMin(float(sum) / 1024.0f / 1024.0f * 10.0f, float(kGigabitCap * 10.0)));
        }
        //: Unit of a network bandwidth: gigabits per second (shown under the figure and after it).
        out.unit = QCoreApplication::translate("DeviceAddPage", "Gpbs");
    } else if (sum > kKilo) {
        out.value = tenthsRoundedUp(float(sum) / 1024.0f * 10.0f);
        //: Unit of a network bandwidth: megabits per second (shown under the figure and after it).
        out.unit = QCoreApplication::translate("DeviceAddPage", "Mpbs");
    } else {
        out.value = tenth(qMax(sum, 0.0), Rounding::Nearest);
        //: Unit of a network bandwidth: kilobits per second (shown under the figure and after it).
        out.unit = QCoreApplication::translate("DeviceAddPage", "Kpbs");
    }
    return out;
}

QString FigureFormat::bitrateText(double kbps)
{
    const Bitrate rate = bitrate(kbps);
    //: A bitrate as one phrase: %1 the figure with one decimal, %2 its unit (Kbps, Mbps or Gbps).
    return tr("%1 %2", "bitrate").arg(rate.value, rate.unit);
}

QString FigureFormat::retention(double days)
{
    if (!isFigure(days))
        return QString();
    //: The unrounded retention under the calculator's whole figures: %1 days, %2 weeks and %3 months,
    //: each with one decimal. Decimals take no plural of their own: use the form that fits any fraction.
    return tr("%1 days · %2 weeks · %3 months")
        .arg(tenth(days, Rounding::Down), tenth(days / kDaysPerWeek, Rounding::Down),
             tenth(days / kDaysPerMonth, Rounding::Down));
}

QString FigureFormat::diskSize(double gigabytes)
{
    if (!isFigure(gigabytes))
        return QString();
    if (gigabytes > kGBPerTB) {
        //: A disk size in terabytes with one decimal (1 TB = 1000 GB).
        return tr("%1 TB").arg(tenth(gigabytes / kGBPerTB, Rounding::Up));
    }
    //: A disk size in gigabytes with one decimal.
    return tr("%1 GB").arg(tenth(gigabytes, Rounding::Up));
}

QString FigureFormat::diskAnswer(const RetentionNeed::DiskAnswer &answer)
{
    if (!(answer.scale > 0.0))
        return QString();
    // Rounded down, so that "× 1.23" and "23 %" hold; 1.23 - 1 is a hair
    // under 0.23 in binary and still reads 23 %.
    // A disk short by less reads × 0.99, never × 1.00.
    const double hair = 1e-12;
    const double hundredths = std::floor(answer.scale * 100.0 + hair);
    const QString scale = number((answer.holds ? hundredths : qMin(hundredths, 99.0)) / 100.0, 'f', 2);
    if (answer.holds) {
        const int percent = int(std::floor(answer.spare * 100.0 + hair));
        //: Whether a disk holds every group's retention: %1 the whole per cent of the disk left over, %2 the
        //: factor every retention could be multiplied by and still fit ("1.23").
        return tr("Holds every retention with %1 % to spare; all retentions × %2 would still fit.")
            .arg(percent)
            .arg(scale);
    }
    //: A disk too small for every group's retention: %1 what is missing with its unit ("4.1 TB"), %2 the factor
    //: every retention would have to be multiplied by to fit ("0.87").
    return tr("Falls short by %1; all retentions × %2 would fit.").arg(diskSize(answer.shortGB), scale);
}

QString FigureFormat::largestShares(const QList<RetentionProfile::Share> &largest, int groups, double totalGB)
{
    if (groups < 2 || !isFigure(totalGB) || largest.isEmpty())
        return QString();
    QStringList parts;
    for (const RetentionProfile::Share &share : largest)
        //: One group in the list of those that need the most disk: %1 its name, %2 its whole per cent of the
        //: disk the plan needs.
        parts.append(tr("%1 %2 %").arg(share.name).arg(qRound(share.gigabytes / totalGB * 100.0)));
    //: Separator between the groups of "Largest: %1".
    const QString separator = tr(", ");
    //: The groups that need the most disk and their shares of the whole: %1 the list ("Plates (4) 38 %, Lobby
    //: (1) 21 %").
    return tr("Largest: %1").arg(parts.join(separator));
}

QString FigureFormat::percentChange(double percent)
{
    if (!std::isfinite(percent))
        return QString();
    const double whole = std::round(percent);
    if (whole == 0.0)
        //: A variant's figure against the first variant's: no difference, to the whole per cent.
        return tr("0 %");
    const QString figure = number(std::fabs(whole), 'f', 0);
    return whole > 0.0
               //: A variant's figure against the first variant's: higher by %1 whole per cent ("+12 %").
               ? tr("+%1 %").arg(figure)
               //: A variant's figure against the first variant's: lower by %1 whole per cent ("−38 %"); the sign
               //: is a minus sign (U+2212), not a hyphen.
               : tr("−%1 %").arg(figure);
}

QString FigureFormat::days(double days)
{
    //: Days a disk or array keeps video: %1 with one decimal. Decimals take no plural of their own: use the
    //: form that fits any fraction.
    return isFigure(days) ? tr("%1 days").arg(tenth(days, Rounding::Down)) : QString();
}

QString FigureFormat::drives(int count)
{
    //: Drives of the planner's size a disk array needs for the wanted retention.
    return count > 0 ? tr("%n drive(s)", nullptr, count) : QString();
}

QString FigureFormat::retentionRange(double fewestDays, double mostDays)
{
    if (!isFigure(fewestDays) || !isFigure(mostDays))
        return QString();
    const QString low = tenth(qMin(fewestDays, mostDays), Rounding::Down);
    const QString high = tenth(qMax(fewestDays, mostDays), Rounding::Down);
    if (low == high)
        return QString();
    //: How long the disk keeps video from busy (%1) to calm (%2) scenes, in days with one decimal.
    return tr("%1–%2 days depending on scene activity").arg(low, high);
}

QString FigureFormat::diskSizeRange(double leastGB, double mostGB)
{
    if (!isFigure(leastGB) || !isFigure(mostGB))
        return QString();
    const double low = qMin(leastGB, mostGB);
    const double high = qMax(leastGB, mostGB);
    const bool terabytes = high > kGBPerTB;
    const double scale = terabytes ? kGBPerTB : 1.0;
    const QString lowText = tenth(low / scale, Rounding::Up);
    const QString highText = tenth(high / scale, Rounding::Up);
    if (lowText == highText)
        return QString();
    //: The disk space calm (%1) to busy (%2) scenes need, in terabytes with one decimal.
    const QString terabyteRange = tr("%1–%2 TB depending on scene activity");
    //: The disk space calm (%1) to busy (%2) scenes need, in gigabytes with one decimal.
    const QString gigabyteRange = tr("%1–%2 GB depending on scene activity");
    return (terabytes ? terabyteRange : gigabyteRange).arg(lowText, highText);
}

QString FigureFormat::driveCountRange(int fewest, int most)
{
    if (fewest <= 0 || most <= 0 || fewest == most)
        return QString();
    const int low = qMin(fewest, most);
    const int high = qMax(fewest, most);
    if (low > DiskArray::kMaxDrives)
        return QString();
    if (high > DiskArray::kMaxDrives) {
        //: The drives calm (%1) to busy scenes need when busy scenes would need more than the largest array
        //: holds (%2, 512 drives); the plural follows %2.
        return tr("%1 to more than %2 drive(s) depending on scene activity", nullptr, DiskArray::kMaxDrives)
            .arg(low)
            .arg(DiskArray::kMaxDrives);
    }
    //: The drives calm (%1) to busy (%2) scenes need; the plural follows the larger count, %2.
    return tr("%1–%2 drive(s) depending on scene activity", nullptr, high).arg(low).arg(high);
}

QString FigureFormat::daysRange(double fewestDays, double mostDays)
{
    const QString spread = retentionRange(fewestDays, mostDays);
    if (!spread.isEmpty())
        return spread;
    const QString one = days(isFigure(fewestDays) ? fewestDays : mostDays);
    return one.isEmpty() ? none() : one;
}

QString FigureFormat::diskRange(double leastGB, double mostGB)
{
    const QString spread = diskSizeRange(leastGB, mostGB);
    if (!spread.isEmpty())
        return spread;
    const QString one = diskSize(isFigure(leastGB) ? leastGB : mostGB);
    return one.isEmpty() ? none() : one;
}
