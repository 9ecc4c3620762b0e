#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/stat.h>

// Files as a plan session meets them on disk.
namespace PlanFiles {

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes, or for "<N MB>" a file of that size (sparse), or makes a "<folder>", a "<fifo>" or a
// "<link to P>".
inline bool makeFile(const QString &path, const QByteArray &content)
{
    if (content == "<folder>")
        return QDir().mkpath(path);
    if (content == "<fifo>")
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (content.startsWith("<link to "))
        return QFile::link(QString::fromUtf8(content.mid(9).chopped(1)), path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (content.startsWith('<') && content.endsWith(" MB>"))
        return file.resize(content.mid(1, content.size() - 5).toLongLong() * 1024 * 1024);
    return file.write(content) == content.size();
}

} // namespace PlanFiles
