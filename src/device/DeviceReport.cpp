#include "device/DeviceReport.h"

#include "model/ExactFigures.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

namespace {

QString hoursText(int hours)
{
    return QString::number(hours) + DeviceReport::tr("h");
}

} // namespace

QList<ReportTable> DeviceReport::tables(const QMap<long long, StructDeviceItem> &devices, const Result &result)
{
    QList<QStringList> deviceRows;
    deviceRows.reserve(devices.size());
    for (const StructDeviceItem &item : devices) {
        deviceRows.append({item.strChannelName, QString::number(item.iChannelCount), item.strResolution,
                           item.strFrameRate, item.strEncoding, QString::number(item.dBitrate, 'g', 6)});
    }

    return {
        {tr("Devices"),
         {tr("Device Name"), tr("Device Quantity"), tr("Resolution"), tr("Frame Rate(fps)"), tr("Encoding"),
          tr("Recommended Bitrate(kbps)")},
         deviceRows},
        // The whole-unit figures with the unrounded ones behind them last.
        {tr("Space Given"),
         {tr("Disk Space"), tr("Recording Time/day"), tr("Recording Time By Day"), tr("Recording Time By Week"),
          tr("Recording Time By Month"), tr("Exact")},
         {{result.diskSize, hoursText(result.recordHoursPerDay), result.savedDays, result.savedWeeks,
           result.savedMonths, ExactFigures::retention(result.exactDays)}}},
        {tr("Time Given"),
         {tr("Recording Time"), tr("Recording Time/day"), tr("Required Disk Space"), tr("Exact")},
         {{result.saveTime, hoursText(result.dailyRecordHours), result.requiredDiskSpace,
           ExactFigures::diskSize(result.exactDiskGB)}}},
        {tr("Bandwidth"),
         {tr("Total device number"), tr("Total Band Width")},
         {{result.channelCount, result.bandWidth}}},
    };
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

bool DeviceReport::writePdf(const QList<ReportTable> &tables, const QString &fileName,
                            const ReportPainter::Progress &progress)
{
    const QFileInfo target(fileName);
    if (fileName.isEmpty() || target.isDir())
        return false;

    QString partPath;
    {
        // A hidden name beside the target; QTemporaryFile appends its random suffix.
        QTemporaryFile part(target.absolutePath() + QStringLiteral("/.") + target.fileName());
        part.setAutoRemove(false);
        if (!part.open())
            return false;
        partPath = part.fileName();
    }

    bool complete = false;
    {
        QPdfWriter writer(partPath);
        writer.setPageSize(QPageSize(QSizeF(297.0, 210.0), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(10.0, 10.0, 10.0, 10.0), QPageLayout::Millimeter);
        QPainter painter;
        if (painter.begin(&writer)) {
            complete = ReportPainter(tables).paint(writer, painter, progress);
            painter.end();
        }
    }

    if (!complete) {
        QFile::remove(partPath);
        return false;
    }
    if (!isPdfFile(partPath) || !replaceFile(partPath, fileName)) {
        QFile::remove(partPath);
        return false;
    }
    return true;
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
