#include "device/DeviceReport.h"

#include "device/ReportArraySection.h"
#include "device/ReportPolicySection.h"
#include "model/DeviceEnums.h"
#include "model/DeviceTotals.h"
#include "model/FigureAssumptions.h"
#include "model/FigureFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Past this many groups the smallest share one bar.
constexpr int kChartBars = 16;
constexpr int kContinuousShare = StructDeviceItem::kContinuousShare;

QString hoursText(int hours)
{
    //: Hours recorded a day, in the report's tables: %1 a whole number of hours ("24 h").
    return hours < 0 ? FigureFormat::none() : DeviceReport::tr("%1 h").arg(hours);
}

// A group's bitrate as typed or recommended: up to six significant digits.
QString bitrateText(double kbps)
{
    return FigureFormat::number(kbps, 'g', 6);
}

// The bitrates added up: to the tenth, without it when whole, never in
// exponent form.
QString totalBitrateText(double kbps)
{
    const double tenths = std::round(kbps * 10.0);
    return FigureFormat::number(tenths / 10.0, 'f', std::fmod(tenths, 10.0) == 0.0 ? 0 : 1);
}

QString recordingText(const StructDeviceItem &item)
{
    if (item.iViewMode != Recording && item.iViewMode != LiveViewAndRecording) {
        //: A group's recording in the report's device table: watched live only, never written to disk.
        return DeviceReport::tr("Not recorded");
    }
    const int share = qBound(0, item.iRecordingShare, kContinuousShare);
    if (share == kContinuousShare) {
        //: A group's recording in the report's device table: it records all the time.
        return DeviceReport::tr("Continuous");
    }
    //: A group's recording in the report's device table: it records on motion, %1 percent of the time.
    return DeviceReport::tr("On motion, %1 %").arg(share);
}

QString shareText(double share)
{
    const double percent = share * 100.0;
    // A recorded group never reads as nothing.
    if (percent > 0.0 && percent < 0.05) {
        //: A group's share of the storage in the report's chart when it is below %1 percent (0.1).
        return DeviceReport::tr("<%1%").arg(FigureFormat::oneDecimal(0.1));
    }
    //: A group's share of the storage in the report's chart: %1 percent with one decimal.
    return DeviceReport::tr("%1%").arg(FigureFormat::oneDecimal(percent));
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
    //: The report's heading.
    document.heading = tr("Storage plan");
    document.planName = planName.simplified();
    //: The program's version in the report's title block.
    document.facts = {QLocale().toString(date, QLocale::LongFormat), tr("Version %1").arg(programVersion())};

    const DeviceTotals totals(devices);
    qint64 channels = 0;
    for (const StructDeviceItem &item : devices)
        channels += item.iChannelCount;
    //: Caption of a key figure in the report's title block: the number of channels.
    const QString channelsCaption = tr("Channels");
    //: Caption of a key figure in the report's title block: the bitrate written to disk.
    const QString storageCaption = tr("Storage bitrate");
    // Written like the bandwidth beside it: rounded up, in the unit it fits.
    const QString storage = FigureFormat::bitrateText(totals.storageBitrate());
    //: Caption of a key figure in the report's title block: the network bandwidth of the live-view groups.
    const QString bandwidthCaption = tr("Bandwidth");
    //: Caption of a key figure in the report's title block: the disk the wanted retention needs; %1 is that
    //: retention ("30 days", "1 week").
    const QString diskCaption = totals.retention().anyOwn()
                                    //: Caption of a key figure in the report's title block when some groups keep
                                    //: their own retention: the disk every retention needs.
                                    ? tr("Disk for every retention")
                                    : tr("Disk for %1").arg(result.saveTime);
    document.summary = {
        {channelsCaption, QString::number(channels)},
        {storageCaption, storage},
        {bandwidthCaption, result.bandWidth},
        {diskCaption, result.requiredDiskSpace},
    };
    if (ReportArraySection::shown(result))
        document.summary.append(ReportArraySection::summary(result));

    document.tables = tables(devices, result);
    document.tables.append(assumptions());
    document.chart = chart(devices);
    //: The report's footer: the program's name and %1 its version.
    document.footer = tr("TAVO storage calculator %1").arg(programVersion());
    //: The report's page numbers: page %1 of %2 pages.
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
                           item.strFrameRate, item.strEncoding, bitrateText(item.dBitrate), recordingText(item)});
        channels += item.iChannelCount;
        bitrate += item.iChannelCount * item.dBitrate;
    }

    // Column captions of the report's tables: short, each over one figure.
    //: Title of the report's section listing the channel groups.
    const QString devicesTitle = tr("Devices");
    //: Column caption in the report's device table: the number of channels in a group.
    const QString quantity = tr("Device Quantity");
    //: Column caption in the report's device table: the frame rate in frames per second.
    const QString frameRate = tr("Frame Rate(fps)");
    //: Column caption in the report's device table: a group's bitrate per channel in kilobits per second.
    const QString bitrateCaption = tr("Recommended Bitrate(kbps)");
    //: Column caption in the report's device table: how a group records (all the time, on motion, not at all).
    const QString recording = tr("Recording");
    //: First cell of the row under the device table that adds the channels and bitrates up.
    const QString total = tr("Total");
    //: Title of the report's section on how long a given disk keeps video.
    const QString spaceGiven = tr("Space Given");
    //: Column caption in the report: the size of the given disk.
    const QString diskSpace = tr("Disk Space");
    //: Column caption in the report: the hours recorded each day.
    const QString hoursPerDay = tr("Recording Time/day");
    //: Column caption in the report: how long the disk keeps video, in whole days.
    const QString byDay = tr("Recording Time By Day");
    //: Column caption in the report: how long the disk keeps video, in whole weeks.
    const QString byWeek = tr("Recording Time By Week");
    //: Column caption in the report: how long the disk keeps video, in whole months.
    const QString byMonth = tr("Recording Time By Month");
    //: Column caption in the report: the same figure unrounded, with one decimal (an adjective: "exact figure").
    const QString exact = tr("Exact");
    //: Column caption in the report: what calmer or busier scenes would make of the figure.
    const QString sceneActivity = tr("Scene Activity");
    //: Title of the report's section on how much disk a wanted retention needs.
    const QString timeGiven = tr("Time Given");
    //: Column caption in the report: the retention the planner wants.
    const QString wanted = tr("Recording Time");
    //: Column caption in the report: the disk space the wanted retention needs.
    const QString required = tr("Required Disk Space");
    //: Title of the report's section on the network bandwidth (a noun).
    const QString bandwidth = tr("Bandwidth");
    //: Column caption in the report's bandwidth section: the number of channels watched live.
    const QString channelTotal = tr("Total device number");
    //: Column caption in the report's bandwidth section: the network bandwidth of those channels.
    const QString bandwidthTotal = tr("Total Band Width");

    QList<ReportTable> sections{
        {devicesTitle,
         {tr("Device Name"), quantity, tr("Resolution"), frameRate, tr("Encoding"), bitrateCaption, recording},
         deviceRows,
         {total, QString::number(channels), QString(), QString(), QString(), totalBitrateText(bitrate), QString()}},
        // The whole-unit figures, the unrounded ones behind them, then what
        // calmer and busier scenes would make of them.
        {spaceGiven,
         {diskSpace, hoursPerDay, byDay, byWeek, byMonth, exact, sceneActivity},
         {{result.diskSize, hoursText(result.recordHoursPerDay), result.savedDays, result.savedWeeks,
           result.savedMonths, FigureFormat::retention(result.exactDays),
           FigureFormat::daysRange(result.busyDays, result.calmDays)}},
         {},
         // Whether the disk holds every group's own retention, when any has one.
         result.retentionAnswer},
        {timeGiven,
         {wanted, hoursPerDay, required, exact, sceneActivity},
         {{result.saveTime, hoursText(result.dailyRecordHours), result.requiredDiskSpace,
           FigureFormat::diskSize(result.exactDiskGB), FigureFormat::diskRange(result.calmDiskGB, result.busyDiskGB)}},
         {},
         result.largestNeeds},
        {bandwidth, {channelTotal, bandwidthTotal}, {{result.channelCount, result.bandWidth}}, {}},
    };
    // Right after the devices, whose rows it names again.
    if (ReportPolicySection::shown(devices))
        sections.insert(1, ReportPolicySection::table(devices, result.saveTime));
    if (ReportArraySection::shown(result))
        sections.append(ReportArraySection::table(result, result.saveTime));
    return sections;
}

ReportTable DeviceReport::assumptions()
{
    ReportTable table;
    table.title = FigureAssumptions::title();
    //: Column caption in the report's section on what the figures assume: the topic of each line.
    const QString topic = tr("Topic");
    //: Column caption in the report's section on what the figures assume: what is taken for granted.
    const QString assumption = tr("Assumption");
    table.headers = {topic, assumption};
    for (const FigureAssumptions::Line &line : FigureAssumptions::lines())
        table.rows.append({line.topic, line.text});
    return table;
}

ReportChart DeviceReport::chart(const QMap<long long, StructDeviceItem> &devices)
{
    ReportChart chart;
    //: Title of the report's chart of each channel group's share of the storage.
    chart.title = tr("Storage by channel group");
    //: Said in place of the report's chart when no channel group is written to disk.
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
        //: Label of the chart's last bar, which adds up the smallest %n channel groups.
        chart.bars.append({tr("Others (%n groups)", nullptr, count), shareText(rest / total), rest / total, true});
    }
    return chart;
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
