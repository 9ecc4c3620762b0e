#include "model/BitrateTableFile.h"

#include "model/ModelLogging.h"

#include "model/LocaleTextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Spreadsheets pad every line with separators up to their widest one.
void dropPadding(QStringList &fields, qsizetype width)
{
    while (fields.size() > width && fields.last().isEmpty())
        fields.removeLast();
}

} // namespace

bool BitrateTableFile::read(const QString &path, QList<double> &points, QList<BitrateRow> &rows)
{
    QStringList lines;
    if (!LocaleTextFile::readLines(path, lines))
        return false;

    points.clear();
    rows.clear();
    const QString file = QDir::toNativeSeparators(path);
    const QString headerLine = lines.value(0);
    QStringList header = LocaleTextFile::fields(headerLine);
    dropPadding(header, kPointCount + 1);
    qCDebug(lcModel).noquote() << "[BitrateTable]" << QFileInfo(path).fileName()
                               << "header:" << header.join(QLatin1Char('|'));
    for (qsizetype i = 1; i < header.size(); ++i)
        points.append(header.at(i).toDouble()); // 0 when it does not parse
    if (points.size() != kPointCount) {
        // One pass of arg(): a field may itself hold a "%1".
        qCWarning(lcModel).noquote() << QStringLiteral("%1:1: the header \"%2\" holds %3 frame-rate points; a "
                                                       "bitrate table needs exactly %4")
                                            .arg(file, headerLine, QString::number(points.size()),
                                                 QString::number(kPointCount));
    }

    for (qsizetype l = 1; l < lines.size(); ++l) {
        const QString &line = lines.at(l);
        if (line.isEmpty())
            continue;
        QStringList fields = LocaleTextFile::fields(line);
        dropPadding(fields, points.size() + 1);
        if (fields.size() != points.size() + 1)
            continue;
        BitrateRow row;
        row.resolution = fields.first();
        for (qsizetype k = 0; k < points.size(); ++k) {
            const QString &field = fields.at(k + 1);
            const int kbps = field.toInt(); // 0 when it does not parse
            if (!BitrateRow::isUsable(kbps)) {
                qCWarning(lcModel).noquote()
                    << QStringLiteral("%1:%2: the bitrate \"%3\" of %4 at %5 fps is not a whole number from 1 to "
                                      "%6 kbps; no bitrate is recommended from it")
                           .arg(file, QString::number(l + 1), field, row.resolution, header.at(k + 1),
                                QString::number(BitrateRow::kMaxKbps));
            }
            row.bitrates.insert(points.at(k), kbps); // later equal points win
        }
        rows.append(row);
    }
    return true;
}

void BitrateTableFile::readFolder(const QString &folder, QList<double> &points,
                                  QMap<QString, QList<BitrateRow>> &tables, QStringList *encodings)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::NoSort);
    for (const QFileInfo &info : files) {
        QList<BitrateRow> rows;
        if (!read(info.filePath(), points, rows))
            continue;
        const QString encoding = info.completeBaseName();
        tables.insert(encoding, rows);
        if (encodings && !encodings->contains(encoding))
            encodings->append(encoding);
    }
}
