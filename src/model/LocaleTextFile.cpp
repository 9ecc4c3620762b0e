#include "model/LocaleTextFile.h"

#include <QFile>
#include <QTextCodec>

bool LocaleTextFile::readLines(const QString &path, QStringList &lines)
{
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QByteArray content = file.readAll();
    QTextCodec *codec = QTextCodec::codecForUtfText(content, QTextCodec::codecForLocale());
    const QString text = codec->toUnicode(content);

    lines.clear();
    if (text.isEmpty())
        return true;
    lines = text.split(QLatin1Char('\n'));
    // A final line end does not start another line.
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return true;
}

QStringList LocaleTextFile::fields(const QString &line)
{
    return line.split(QLatin1Char(','));
}

QString LocaleTextFile::fileNamePart(const QString &path)
{
    const qsizetype cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}
