#include "mainwindow/FileRefusal.h"

#include <QDir>

using FenwaGUIToolkit::RegularFile;

QString FileRefusal::text(const QString &path, RegularFile::Status status, qint64 size, qint64 maxSize)
{
    const QString name = QDir::toNativeSeparators(path);
    switch (status) {
    case RegularFile::Read:
        return QString();
    case RegularFile::Unreadable:
        return tr("The file %1 cannot be read.").arg(name);
    case RegularFile::Folder:
        //: Said when a folder was given where a plan or CSV file was expected; %1 is its path.
        return tr("%1 is a folder, not a file.").arg(name);
    case RegularFile::Pipe:
        //: Said when a named pipe (FIFO) was given where a plan or CSV file was expected; %1 is its path.
        return tr("%1 is a pipe, not a file stored on a disk, and is not read.").arg(name);
    case RegularFile::Socket:
        //: Said when a socket was given where a plan or CSV file was expected; %1 is its path.
        return tr("%1 is a socket, not a file stored on a disk, and is not read.").arg(name);
    case RegularFile::Device:
        //: Said when a device (such as /dev/zero) was given where a plan or CSV file was expected; %1 is its path.
        return tr("%1 is a device, not a file stored on a disk, and is not read.").arg(name);
    case RegularFile::TooLarge:
        // Refused before reading: a wrong file of any size must not freeze the window.
        return tr("The file %1 is too large to open (%2 MB; at most %3 MB).")
            .arg(name)
            .arg(size / (1024 * 1024))
            .arg(maxSize / (1024 * 1024));
    }
    return QString();
}
