#include "model/GroupCsv.h"

#include "model/DeviceEnums.h"
#include "model/GroupLimits.h"
#include "model/LocaleTextFile.h"
#include "model/RetentionPolicyCsv.h"

#include <QLocale>
#include <QStringList>

namespace {

enum Column {
    Name,
    Channels,
    DeviceTypeColumn,
    Encoding,
    Resolution,
    FrameRate,
    Scene,
    Bitrate,
    ViewModeColumn,
    RecordingShare,
    Complexity,
    RateFromTable
};
const int kColumnCount = RateFromTable + 1;

const char *const kColumnNames[kColumnCount] = {
    "Name",           "Channels",  "Device Type",         "Encoding",         "Resolution",     "Frame Rate", "Scene",
    "Bitrate (kbps)", "View Mode", "Recording Share (%)", "Scene Complexity", "Rate From Table"};

// Indexed by SceneComplexity.
const char *const kComplexityNames[] = {"Low", "Medium", "High"};

// A group has either a frame rate or a scene, so a sheet may carry only one;
// sheets written before groups recorded on motion have no share, and those
// written before the busy and calm ranges no complexity or rate origin.
bool isOptional(int column)
{
    return column == FrameRate || column == Scene || column >= RecordingShare;
}

const int kContinuousShare = StructDeviceItem::kContinuousShare;

// One record of the file and the line it starts on.
struct Record
{
    int line = 0;
    QStringList fields;
};

// What spreadsheets split cells on: a comma, a semicolon where the comma is
// the decimal separator, or a tab.
bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('\t');
}

QString quoted(const QString &field)
{
    bool plain = true;
    for (const QChar c : field)
        plain = plain && !isSeparator(c) && c != QLatin1Char('"') && c != QLatin1Char('\n') && c != QLatin1Char('\r');
    if (plain)
        return field;
    return QLatin1Char('"') + QString(field).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

bool startsLikeFormula(QStringView text)
{
    static const QString starts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && starts.contains(text.front());
}

// A spreadsheet runs a cell that starts like a formula; a typed name must stay
// text. That holds for a part after a separator too, for a spreadsheet that
// splits on another separator than the file's: such a field is quoted as well
// (see quoted()), and the apostrophe in front keeps the whole cell text. The
// apostrophe is dropped again on import. A text that starts with an
// apostrophe itself gets one too, so that it reads back whole.
bool needsApostrophe(const QString &text)
{
    if (text.startsWith(QLatin1Char('\'')) || startsLikeFormula(text))
        return true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isSeparator(text.at(i)))
            continue;
        qsizetype next = i + 1;
        while (next < text.size() && text.at(next) == QLatin1Char(' '))
            ++next;
        if (startsLikeFormula(QStringView(text).mid(next)))
            return true;
    }
    return false;
}

QString asText(const QString &field)
{
    return needsApostrophe(field) ? QLatin1Char('\'') + field : field;
}

QString fromText(const QString &field)
{
    return field.startsWith(QLatin1Char('\'')) && needsApostrophe(field.mid(1)) ? field.mid(1) : field;
}

// Low, Medium or High, or the SceneComplexity number; -1 for anything else.
int complexityOf(const QString &field)
{
    for (int c = Low; c <= High; ++c) {
        if (field.compare(QLatin1String(kComplexityNames[c]), Qt::CaseInsensitive) == 0 || field == QString::number(c))
            return c;
    }
    return -1;
}

// 1 for yes, 0 for no, -1 for anything else.
int yesNoOf(const QString &field)
{
    for (const char *yes : {"yes", "true", "1"}) {
        if (field.compare(QLatin1String(yes), Qt::CaseInsensitive) == 0)
            return 1;
    }
    for (const char *no : {"no", "false", "0"}) {
        if (field.compare(QLatin1String(no), Qt::CaseInsensitive) == 0)
            return 0;
    }
    return -1;
}

bool isBlank(const QStringList &fields)
{
    for (const QString &field : fields) {
        if (!field.isEmpty())
            return false;
    }
    return true;
}

// Splits the text into records. A quote opens a quoted field only at the start
// of a field; elsewhere it is taken as it stands, as spreadsheets do. False,
// with the line the record starts on, when a quoted field is never closed.
bool splitRecords(const QString &text, QVector<Record> &records, int &badLine)
{
    int line = 1;
    Record record{line, {}};
    QString field;
    bool inQuotes = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (inQuotes) {
            if (c == QLatin1Char('"') && next == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                inQuotes = false;
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            inQuotes = true;
            wasQuoted = true;
        } else if (c == QLatin1Char(',')) {
            record.fields.append(field);
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('\n')) {
            record.fields.append(field);
            records.append(record);
            record = Record{++line, {}};
            field.clear();
            wasQuoted = false;
        } else if (c != QLatin1Char('\r') || next != QLatin1Char('\n')) {
            field += c;
        }
    }
    if (inQuotes) {
        badLine = record.line;
        return false;
    }
    if (!record.fields.isEmpty() || !field.isEmpty() || wasQuoted) {
        record.fields.append(field);
        records.append(record);
    }
    return true;
}

} // namespace

QByteArray GroupCsv::write(const QVector<StructDeviceItem> &groups)
{
    // The mark makes spreadsheets read the file as UTF-8 whatever their locale.
    QByteArray out("\xEF\xBB\xBF");
    QStringList header;
    for (const char *name : kColumnNames)
        header.append(QString::fromLatin1(name));
    header += RetentionPolicyCsv::columnNames();
    out += header.join(QLatin1Char(',')).toUtf8() + "\r\n";

    for (const StructDeviceItem &g : groups) {
        QStringList row(kColumnCount);
        row[Name] = asText(GroupLimits::typedName(g));
        row[Channels] = QString::number(g.iChannelCount);
        row[DeviceTypeColumn] = g.strDeviceType;
        row[Encoding] = asText(g.strEncoding);
        row[Resolution] = asText(g.strResolution);
        row[FrameRate] = asText(g.strFrameRate);
        row[Scene] = asText(g.strScene);
        // Fixed notation, the shortest that reads back as the same double.
        row[Bitrate] = QString::number(g.dBitrate, 'f', QLocale::FloatingPointShortest);
        row[ViewModeColumn] = QString::number(g.iViewMode);
        row[RecordingShare] = QString::number(g.iRecordingShare);
        // Out of range, the totals count a complexity as the nearest one.
        row[Complexity] = QString::fromLatin1(kComplexityNames[qBound(int(Low), g.iComplexity, int(High))]);
        row[RateFromTable] = QLatin1String(g.bRateFromTable ? "yes" : "no");
        for (const QString &cell : RetentionPolicyCsv::cells(g.policy))
            row.append(asText(cell));
        for (QString &field : row)
            field = quoted(field);
        out += row.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return out;
}

GroupCsv::Reading GroupCsv::read(const QByteArray &bytes)
{
    Reading reading;
    QVector<Record> records;
    int badLine = 0;
    if (!splitRecords(LocaleTextFile::decode(bytes), records, badLine)) {
        reading.fileFault = {badLine, tr("A quoted field is not closed.")};
        return reading;
    }

    int column[kColumnCount];
    const QStringList header = records.value(0).fields;
    for (int c = 0; c < kColumnCount; ++c) {
        const QString name = QString::fromLatin1(kColumnNames[c]);
        column[c] = -1;
        for (qsizetype i = 0; i < header.size() && column[c] < 0; ++i) {
            if (header.at(i).trimmed().compare(name, Qt::CaseInsensitive) == 0)
                column[c] = int(i);
        }
        if (column[c] < 0 && !isOptional(c)) {
            //: Why a CSV file of channel groups was refused: %1 is a column name of the file, kept in English.
            reading.fileFault = {records.isEmpty() ? 1 : records.first().line,
                                 tr("The column “%1” is missing.").arg(name)};
            return reading;
        }
    }

    // The retention's columns, all optional.
    QList<int> policyColumn;
    for (const QString &name : RetentionPolicyCsv::columnNames()) {
        qsizetype found = -1;
        for (qsizetype i = 0; i < header.size() && found < 0; ++i) {
            if (header.at(i).trimmed().compare(name, Qt::CaseInsensitive) == 0)
                found = i;
        }
        policyColumn.append(int(found));
    }

    // The row as a group, or why it is refused.
    const auto readRow = [&column, &policyColumn](const Record &record, StructDeviceItem &g) -> QString {
        const auto field = [&](int c) { return column[c] < 0 ? QString() : record.fields.value(column[c]); };
        g.strChannelName = fromText(field(Name));
        g.strEncoding = fromText(field(Encoding));
        g.strResolution = fromText(field(Resolution));
        g.strFrameRate = fromText(field(FrameRate));
        g.strScene = fromText(field(Scene));

        bool ok = false;
        g.iChannelCount = field(Channels).trimmed().toInt(&ok);
        if (!ok)
            return GroupLimits::faultText(GroupLimits::Channels);

        const QString type = field(DeviceTypeColumn).trimmed();
        if (type.compare(QLatin1String("IPC"), Qt::CaseInsensitive) == 0)
            g.strDeviceType = QStringLiteral("IPC");
        else if (type.compare(QLatin1String("DVR"), Qt::CaseInsensitive) == 0)
            g.strDeviceType = QStringLiteral("DVR");
        else
            return tr("The device type must be IPC or DVR.");

        g.dBitrate = field(Bitrate).trimmed().toDouble(&ok);
        if (!ok)
            return GroupLimits::faultText(GroupLimits::Bitrate);

        g.iViewMode = field(ViewModeColumn).trimmed().toInt(&ok);
        if (!ok || g.iViewMode < LiveView || g.iViewMode > LiveViewAndRecording)
            return tr("The view mode must be 1 (live view), 2 (recording) or 3 (live view and recording).");

        // An empty cell, like a missing column, means a group recorded all the time.
        const QString share = field(RecordingShare).trimmed();
        g.iRecordingShare = share.isEmpty() ? kContinuousShare : share.toInt(&ok);
        if (!share.isEmpty() && !ok)
            return GroupLimits::faultText(GroupLimits::RecordingShare);

        // Empty, like missing, is what a group had before it knew its scene:
        // a typed rate for a Medium one.
        const QString complexity = field(Complexity).trimmed();
        g.iComplexity = complexity.isEmpty() ? int(Medium) : complexityOf(complexity);
        if (g.iComplexity < 0)
            //: Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and Low,
            //: Medium and High the values it may hold, all kept in English.
            return tr("The column “%1” must hold Low, Medium or High.").arg(QLatin1String(kColumnNames[Complexity]));

        const QString fromTable = field(RateFromTable).trimmed();
        const int yes = fromTable.isEmpty() ? 0 : yesNoOf(fromTable);
        if (yes < 0)
            //: Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and yes and
            //: no the values it may hold, all kept in English.
            return tr("The column “%1” must hold yes or no.").arg(QLatin1String(kColumnNames[RateFromTable]));
        g.bRateFromTable = yes == 1;
        const QString limits = GroupLimits::faultText(GroupLimits::check(g));
        if (!limits.isEmpty())
            return limits;
        QStringList policyCells;
        for (const int c : policyColumn)
            policyCells.append(c < 0 ? QString() : fromText(record.fields.value(c)));
        return RetentionPolicyCsv::read(policyCells, g);
    };

    // Refused before a single group is built.
    qsizetype rows = 0;
    int firstTooMany = 0;
    for (qsizetype r = 1; r < records.size(); ++r) {
        if (!isBlank(records.at(r).fields) && ++rows == GroupLimits::kMaxGroups + 1)
            firstTooMany = records.at(r).line;
    }
    if (rows > GroupLimits::kMaxGroups) {
        reading.fileFault = {firstTooMany, GroupLimits::tooManyGroupsText(rows)};
        return reading;
    }

    for (qsizetype r = 1; r < records.size(); ++r) {
        const Record &record = records.at(r);
        if (isBlank(record.fields))
            continue;
        StructDeviceItem g;
        const QString reason = readRow(record, g);
        if (reason.isEmpty())
            reading.groups.append(g);
        else
            reading.refusedRows.append({record.line, reason});
    }
    return reading;
}
