#include "model/LocaleTextFile.h"

#include <QFile>
#include <QTextCodec>

namespace {

const int kUtf8Mib = 106;

} // namespace

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

QString LocaleTextFile::decode(const QByteArray &content, const QByteArray &legacyCodec)
{
    if (QTextCodec *marked = QTextCodec::codecForUtfText(content, nullptr))
        return marked->toUnicode(content);

    QTextCodec *utf8 = QTextCodec::codecForMib(kUtf8Mib);
    QTextCodec::ConverterState state;
    const QString text = utf8->toUnicode(content.constData(), int(content.size()), &state);
    // A sequence cut off at the end counts as invalid too.
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;

    QTextCodec *codec = legacyCodec.isEmpty() ? nullptr : QTextCodec::codecForName(legacyCodec);
    if (!codec)
        codec = QTextCodec::codecForLocale();
    // Files without a mark that are not UTF-8 mostly come from Chinese Windows.
    if (codec->mibEnum() == kUtf8Mib)
        codec = QTextCodec::codecForName("GB18030");
    return codec ? codec->toUnicode(content) : text;
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
