#include "model/BitrateTableFile.h"

#include "model/LocaleTextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

namespace {

// Off unless asked for ("tavo.data.debug=true"), so that a start prints nothing.
Q_LOGGING_CATEGORY(lcData, "tavo.data", QtInfoMsg)

} // namespace

bool BitrateTableFile::read(const QString &path, QList<double> &points, QList<BitrateRow> &rows)
{
    QStringList lines;
    if (!LocaleTextFile::readLines(path, lines))
        return false;

    points.clear();
    rows.clear();
    if (lines.isEmpty())
        return true;

    const QStringList header = LocaleTextFile::fields(lines.first());
    qCDebug(lcData).noquote() << "[BitrateTable]" << QFileInfo(path).fileName()
                              << "header:" << header.join(QLatin1Char('|'));
    for (qsizetype i = 1; i < header.size(); ++i)
        points.append(header.at(i).toDouble()); // 0 when it does not parse

    for (qsizetype l = 1; l < lines.size(); ++l) {
        const QString &line = lines.at(l);
        if (line.isEmpty())
            continue;
        const QStringList fields = LocaleTextFile::fields(line);
        if (fields.size() != points.size() + 1)
            continue;
        BitrateRow row;
        row.resolution = fields.first();
        for (qsizetype k = 0; k < points.size(); ++k)
            row.bitrates.insert(points.at(k), fields.at(k + 1).toInt()); // later equal points win
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
