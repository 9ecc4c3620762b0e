#include "device/DeviceReport.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QString cell(const QString &text)
{
    return QStringLiteral("<td align=\"center\"><label>%1</label></td>").arg(text.toHtmlEscaped());
}

QString hoursText(int hours)
{
    return QString::number(hours) + DeviceReport::tr("h");
}

} // namespace

QString DeviceReport::titleBlock(const QString &title)
{
    return QStringLiteral("<div align=\"center\">"
                          "<table width=\"90%\" border=\"0\" bordercolor=\"#FBFBFB\" cellspacing=\"0\" "
                          "cellpadding=\"0\" id=\"FileTabletoo\" style=\"border-collapse:collapse;\">"
                          "<tr align=\"center\" bgcolor=\"#FBFBFB\">"
                          "<td align=\"center\"><font size=\"+2\" color=\"black\"><label>%1</label></font></td>"
                          "</tr>")
        .arg(title.toHtmlEscaped());
}

QString DeviceReport::dataTable(const QStringList &headers, const QList<QStringList> &rows)
{
    QString html = QStringLiteral("<div align=\"center\">"
                                  "<table width=\"90%\" border=\"1\" bordercolor=\"#ABBDD1\" cellspacing=\"0\" "
                                  "cellpadding=\"0\" id=\"FileTabletoo\" style=\"border-collapse:collapse;\">"
                                  // A header row of its own, so a table running over pages repeats it.
                                  "<thead><tr align=\"center\" bgcolor=\"#D9D9D9\">");
    for (const QString &header : headers)
        html += cell(header);
    html += QStringLiteral("</tr></thead>");
    for (const QStringList &row : rows) {
        html += QStringLiteral("<tr align=\"center\">");
        for (const QString &value : row)
            html += cell(value);
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></div>");
    return html;
}

QString DeviceReport::spacer()
{
    return QStringLiteral("<div><br/></div><div><br/></div>");
}

QStringList DeviceReport::sections(const QMap<long long, StructDeviceItem> &devices, const Result &result)
{
    QList<QStringList> deviceRows;
    for (const StructDeviceItem &item : devices) {
        deviceRows.append({item.strChannelName, QString::number(item.iChannelCount), item.strResolution,
                           item.strFrameRate, item.strEncoding, QString::number(item.dBitrate, 'g', 6)});
    }

    QStringList out;
    out.append(titleBlock(tr("Devices")) +
               dataTable({tr("Device Name"), tr("Device Quantity"), tr("Resolution"), tr("Frame Rate(fps)"),
                          tr("Encoding"), tr("Recommended Bitrate(kbps)")},
                         deviceRows));
    out.append(titleBlock(tr("Space Given")) +
               dataTable({tr("Disk Space"), tr("Recording Time/day"), tr("Recording Time By Day"),
                          tr("Recording Time By Week"), tr("Recording Time By Month")},
                         {{result.diskSize, hoursText(result.recordHoursPerDay), result.savedDays, result.savedWeeks,
                           result.savedMonths}}));
    out.append(titleBlock(tr("Time Given")) +
               dataTable({tr("Recording Time"), tr("Recording Time/day"), tr("Required Disk Space")},
                         {{result.saveTime, hoursText(result.dailyRecordHours), result.requiredDiskSpace}}));
    out.append(titleBlock(tr("Bandwidth")) + dataTable({tr("Total device number"), tr("Total Band Width")},
                                                       {{result.channelCount, result.bandWidth}}));
    return out;
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

bool DeviceReport::writePdf(const QStringList &sections, const QString &fileName)
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

    QTextEdit editor;
    for (const QString &section : sections) {
        editor.insertHtml(section);
        editor.insertHtml(spacer());
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(false);
    printer.setPageSize(QPageSize(QSizeF(297.0, 210.0), QPageSize::Millimeter));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(partPath);
    editor.document()->print(&printer);

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
