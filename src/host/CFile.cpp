#include "host/CFile.h"

#include "host/GuiInit.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

namespace FenwaGUIToolkit {

QString CFile::ReadAll(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QString();
    return GuiTextCodec()->toUnicode(file.readAll());
}

QString CFile::ReadAll(const QStringList &fileNames, const QString &folder)
{
    const QDir dir(folder);
    QString text;
    for (const QString &name : fileNames) {
        // Style sheets are joined, so keep one file's last rule apart from the next one's first.
        const QString part = ReadAll(dir.filePath(name));
        text += part;
        if (!part.isEmpty() && !part.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
    }
    return text;
}

bool CFile::WriteAll(const QString &path, const QByteArray &data)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Small writes only fill the buffer, so a full disk shows first when it is
    // flushed; the file must not be committed after either falls short.
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace FenwaGUIToolkit
