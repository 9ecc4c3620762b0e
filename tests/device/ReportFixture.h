#pragma once

// What the report suites share: sample groups and results, and the text of a
// PDF as a reader finds it.
#include "device/DeviceReport.h"
#include "model/DeviceEnums.h"
#include "model/DiskArray.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>

namespace ReportFixture {

inline const QString kFixture = QStringLiteral("../device/list");
inline const QDate kDate(2024, 5, 1);

inline StructDeviceItem group(const QString &name, double kbps, const QString &frameRate = QStringLiteral("25"),
                              int channels = 4, int viewMode = LiveViewAndRecording)
{
    StructDeviceItem item;
    item.strDeviceType = QStringLiteral("IPC");
    item.strChannelName = name;
    item.strEncoding = QStringLiteral("H.265");
    item.strResolution = QStringLiteral("1080P");
    item.strFrameRate = frameRate;
    item.iChannelCount = channels;
    item.dBitrate = kbps;
    item.iViewMode = viewMode;
    return item;
}

inline QMap<long long, StructDeviceItem> groups(int count, const QString &name = QStringLiteral("Gate"))
{
    QMap<long long, StructDeviceItem> devices;
    for (int i = 1; i <= count; ++i)
        devices.insert(i, group(QStringLiteral("%1(%2)").arg(name).arg(i), 1024));
    return devices;
}

inline Result sampleResult()
{
    Result result;
    result.diskSize = QStringLiteral("8 TB");
    result.recordHoursPerDay = 24;
    result.savedDays = QStringLiteral("25 days");
    result.savedWeeks = QStringLiteral("3 weeks");
    result.savedMonths = QStringLiteral("0 months");
    result.saveTime = QStringLiteral("30 days");
    result.dailyRecordHours = 16;
    result.requiredDiskSpace = QStringLiteral("7 TB");
    result.channelCount = QStringLiteral("12");
    result.ipcCount = QStringLiteral("12");
    result.dvrCount = QStringLiteral("0");
    result.bandWidth = QStringLiteral("24.0 Mbps");
    return result;
}

// 6 drives of 8 TB in RAID 5 with a spare: 32 TB for video.
inline Result arrayResult()
{
    Result result = sampleResult();
    result.arrayShown = true;
    result.arrayDriveTB = 8.0;
    result.arrayDrives = 6;
    result.arrayLevel = DiskArray::Raid5;
    result.arraySpares = 1;
    result.arrayRawTB = 48.0;
    result.arrayUsableTB = 32.0;
    result.arrayUsableTiB = 29.1038;
    result.arrayDays = 31.4;
    result.arrayCalmDays = 36.2;
    result.arrayBusyDays = 28.7;
    result.arrayDrivesNeeded = 5;
    result.arrayDrivesNeededCalm = 4;
    result.arrayDrivesNeededBusy = 7;
    return result;
}

// Each section's caption row followed by its data rows.
inline QList<QList<QStringList>> dataTables(const QList<ReportTable> &tables)
{
    QList<QList<QStringList>> out;
    for (const ReportTable &table : tables)
        out.append(QList<QStringList>{table.headers} + table.rows);
    return out;
}

inline int pdfPageCount(const QByteArray &pdf)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("/Count (\\d+)")).match(QString::fromLatin1(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

inline QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *text : list)
        out.append(QString::fromUtf8(text));
    return out;
}

// The text of each page, as a reader copying it out finds it.
inline QStringList pdfPages(const QString &fileName)
{
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    if (!extract.waitForFinished())
        return {};
    return QString::fromUtf8(extract.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

// Translates texts of the device list's context, to see that they are looked up there.
class ListTranslator : public QTranslator
{
public:
    explicit ListTranslator(QHash<QString, QString> texts) : m_texts(std::move(texts)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return qstrcmp(context, "DeviceAddPage") == 0 ? m_texts.value(QString::fromUtf8(sourceText)) : QString();
    }

private:
    QHash<QString, QString> m_texts;
};

struct Hint
{
    QString objectName;
    QString title;
    QString text;
    QSize size;
    bool confirmShown = false;
    bool cancelShown = false;
    QStringList extraButtons;
};

} // namespace ReportFixture
