#include "device/DeviceReport.h"

#include "device/ReportArraySection.h"
#include "device/ReportFigures.h"
#include "model/DeviceEnums.h"
#include "model/DeviceTotals.h"
#include "model/ExactFigures.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

#include <algorithm>
#include <numeric>

namespace {

// Past this many groups the smallest share one bar.
constexpr int kChartBars = 16;
constexpr double kKilo = 1024.0;
constexpr int kContinuousShare = StructDeviceItem::kContinuousShare;

QString hoursText(int hours)
{
    return hours < 0 ? ReportFigures::none() : QString::number(hours) + DeviceReport::tr("h");
}

// Written like the bitrate cells, but never in exponent form.
QString plainNumber(double value)
{
    QString text = QString::number(value, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

QString recordingText(const StructDeviceItem &item)
{
    if (item.iViewMode != Recording && item.iViewMode != LiveViewAndRecording)
        return DeviceReport::tr("Not recorded");
    const int share = qBound(0, item.iRecordingShare, kContinuousShare);
    return share == kContinuousShare ? DeviceReport::tr("Continuous") : DeviceReport::tr("On motion, %1 %").arg(share);
}

QString shareText(double share)
{
    const double percent = share * 100.0;
    // A recorded group never reads as nothing.
    if (percent > 0.0 && percent < 0.05)
        return DeviceReport::tr("%1%").arg(QLatin1Char('<') + ExactFigures::oneDecimal(0.1));
    return DeviceReport::tr("%1%").arg(ExactFigures::oneDecimal(percent));
}

// The families of the program's font first; the others hold the glyphs it may
// lack (Cyrillic, Chinese) on systems without it.
QFont reportFont()
{
    QFont font = QGuiApplication::font();
    font.setFamilies({font.family(), QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// A name for the partial file beside the target that nothing else uses. The
// file is made like any new file, so it gets the permissions the umask (or the
// folder's default ACL) gives one.
QString createPartFile(const QFileInfo &target)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QStringLiteral("%1/.%2.%3.part")
                                 .arg(target.absolutePath(), target.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 0, 36);
        QFile part(name);
        if (part.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        if (part.error() != QFileDevice::OpenError || !QFileInfo::exists(name))
            return QString();
    }
    return QString();
}

} // namespace

ReportDocument DeviceReport::document(const QMap<long long, StructDeviceItem> &devices, const Result &result,
                                      const QString &planName, const QDate &date)
{
    ReportDocument document;
    document.heading = tr("Storage plan");
    document.planName = planName.simplified();
    document.facts = {QLocale().toString(date, QLocale::LongFormat), tr("Version %1").arg(programVersion())};

    const DeviceTotals totals(devices);
    qint64 channels = 0;
    for (const StructDeviceItem &item : devices)
        channels += item.iChannelCount;
    document.summary = {
        {tr("Channels"), QString::number(channels)},
        {tr("Storage bitrate"),
         ExactFigures::oneDecimal(totals.storageBitrate() / kKilo) + QLatin1Char(' ') + tr("Mpbs")},
        {tr("Bandwidth"), spaceUnit(result.bandWidth)},
        {tr("Disk for %1").arg(spaceUnit(result.saveTime)), spaceUnit(result.requiredDiskSpace)},
    };
    if (ReportArraySection::shown(result))
        document.summary.append(ReportArraySection::summary(result));

    document.tables = tables(devices, result);
    document.chart = chart(devices);
    document.footer = tr("TAVO storage calculator") + QLatin1Char(' ') + programVersion();
    document.pageNumber = tr("Page %1 of %2");
    document.font = reportFont();
    return document;
}

QList<ReportTable> DeviceReport::tables(const QMap<long long, StructDeviceItem> &devices, const Result &result)
{
    QList<QStringList> deviceRows;
    deviceRows.reserve(devices.size());
    qint64 channels = 0;
    double bitrate = 0.0;
    for (const StructDeviceItem &item : devices) {
        deviceRows.append({item.strChannelName, QString::number(item.iChannelCount), item.strResolution,
                           item.strFrameRate, item.strEncoding, QString::number(item.dBitrate, 'g', 6),
                           recordingText(item)});
        channels += item.iChannelCount;
        bitrate += item.iChannelCount * item.dBitrate;
    }

    QList<ReportTable> sections{
        {tr("Devices"),
         {tr("Device Name"), tr("Device Quantity"), tr("Resolution"), tr("Frame Rate(fps)"), tr("Encoding"),
          tr("Recommended Bitrate(kbps)"), tr("Recording")},
         deviceRows,
         {tr("Total"), QString::number(channels), QString(), QString(), QString(), plainNumber(bitrate), QString()}},
        // The whole-unit figures, the unrounded ones behind them, then what
        // calmer and busier scenes would make of them.
        {tr("Space Given"),
         {tr("Disk Space"), tr("Recording Time/day"), tr("Recording Time By Day"), tr("Recording Time By Week"),
          tr("Recording Time By Month"), tr("Exact"), tr("Scene Activity")},
         {{spaceUnit(result.diskSize), spaceUnit(hoursText(result.recordHoursPerDay)), spaceUnit(result.savedDays),
           spaceUnit(result.savedWeeks), spaceUnit(result.savedMonths), ExactFigures::retention(result.exactDays),
           ReportFigures::daysRange(result.busyDays, result.calmDays)}},
         {}},
        {tr("Time Given"),
         {tr("Recording Time"), tr("Recording Time/day"), tr("Required Disk Space"), tr("Exact"), tr("Scene Activity")},
         {{spaceUnit(result.saveTime), spaceUnit(hoursText(result.dailyRecordHours)),
           spaceUnit(result.requiredDiskSpace), ExactFigures::diskSize(result.exactDiskGB),
           ReportFigures::diskRange(result.calmDiskGB, result.busyDiskGB)}},
         {}},
        {tr("Bandwidth"),
         {tr("Total device number"), tr("Total Band Width")},
         {{spaceUnit(result.channelCount), spaceUnit(result.bandWidth)}},
         {}},
    };
    if (ReportArraySection::shown(result))
        sections.append(ReportArraySection::table(result, spaceUnit(result.saveTime)));
    return sections;
}

ReportChart DeviceReport::chart(const QMap<long long, StructDeviceItem> &devices)
{
    ReportChart chart;
    chart.title = tr("Storage by channel group");
    chart.emptyText = tr("No channel group is recorded.");

    QList<const StructDeviceItem *> recorded;
    double total = 0.0;
    for (const StructDeviceItem &item : devices) {
        const double rate = DeviceTotals::storageRate(item);
        if (rate > 0.0) {
            recorded.append(&item);
            total += rate;
        }
    }
    if (recorded.isEmpty())
        return chart;
    std::stable_sort(recorded.begin(), recorded.end(), [](const StructDeviceItem *a, const StructDeviceItem *b) {
        return DeviceTotals::storageRate(*a) > DeviceTotals::storageRate(*b);
    });

    const int shown = recorded.size() > kChartBars ? kChartBars - 1 : int(recorded.size());
    for (int i = 0; i < shown; ++i) {
        const double share = DeviceTotals::storageRate(*recorded.at(i)) / total;
        chart.bars.append({recorded.at(i)->strChannelName, shareText(share), share, false});
    }
    if (shown < recorded.size()) {
        const double rest = std::accumulate(
            recorded.cbegin() + shown, recorded.cend(), 0.0,
            [](double sum, const StructDeviceItem *item) { return sum + DeviceTotals::storageRate(*item); });
        const int count = int(recorded.size()) - shown;
        chart.bars.append({tr("Others (%n groups)", nullptr, count), shareText(rest / total), rest / total, true});
    }
    return chart;
}

QString DeviceReport::spaceUnit(const QString &figure)
{
    QString spaced;
    spaced.reserve(figure.size() + 2);
    for (int i = 0; i < figure.size(); ++i) {
        spaced.append(figure.at(i));
        if (figure.at(i).isDigit() && i + 1 < figure.size() && figure.at(i + 1).isLetter())
            spaced.append(QLatin1Char(' '));
    }
    return spaced;
}

QString DeviceReport::programVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(TAVO_VERSION) : version;
}

bool DeviceReport::isPdfFile(const QString &fileName)
{
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    if (!file.read(5).startsWith("%PDF-"))
        return false;
    // A writer that stopped half-way leaves no end-of-file marker.
    const qint64 tail = qMin<qint64>(file.size(), 64);
    return file.seek(file.size() - tail) && file.read(tail).contains("%%EOF");
}

ReportOutcome DeviceReport::writePdf(const ReportDocument &document, const QString &fileName,
                                     const ReportPainter::Progress &progress)
{
    const QFileInfo target(fileName);
    if (fileName.isEmpty() || target.isDir())
        return ReportOutcome::TargetIsFolder;
    if (!QFileInfo(target.absolutePath()).isDir())
        return ReportOutcome::FolderMissing;

    const QString partPath = createPartFile(target);
    if (partPath.isEmpty())
        return ReportOutcome::FolderNotWritable;

    bool complete = false;
    bool stopped = false;
    {
        QPdfWriter writer(partPath);
        writer.setPageSize(QPageSize(QSizeF(297.0, 210.0), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(12.0, 10.0, 12.0, 8.0), QPageLayout::Millimeter);
        writer.setTitle(document.planName.isEmpty() ? document.heading : document.planName);
        writer.setCreator(document.footer);
        QPainter painter;
        if (painter.begin(&writer)) {
            complete = ReportPainter(document).paint(writer, painter, progress);
            stopped = !complete;
            painter.end();
        }
    }

    if (!complete) {
        QFile::remove(partPath);
        return stopped ? ReportOutcome::Cancelled : ReportOutcome::WriteFailed;
    }
    if (!isPdfFile(partPath)) {
        QFile::remove(partPath);
        return ReportOutcome::WriteFailed;
    }
    if (!replaceFile(partPath, fileName)) {
        QFile::remove(partPath);
        return ReportOutcome::ReplaceFailed;
    }
    return ReportOutcome::Saved;
}

bool DeviceReport::replaceFile(const QString &from, const QString &to)
{
    if (!QFileInfo::exists(to))
        return QFile::rename(from, to);
    // The earlier file steps aside and comes back if the new one cannot take its place.
    const QString aside = from + QStringLiteral(".previous");
    if (!QFile::rename(to, aside))
        return false;
    if (!QFile::rename(from, to)) {
        QFile::rename(aside, to);
        return false;
    }
    QFile::remove(aside);
    return true;
}
