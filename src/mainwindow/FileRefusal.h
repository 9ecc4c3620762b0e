#pragma once

#include "host/RegularFile.h"

#include <QCoreApplication>
#include <QString>

// Why a file the user handed over (a plan, a group list) was not read, in
// words that name it: missing, a folder, a pipe, a socket, a device, or too
// large.
class FileRefusal
{
    Q_DECLARE_TR_FUNCTIONS(FileRefusal)

public:
    // Empty when the file was read. `maxSize` is the cap the reading had.
    static QString text(const QString &path, FenwaGUIToolkit::RegularFile::Status status, qint64 size, qint64 maxSize);
};
