#include "host/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FenwaGUIToolkit {

namespace {

#ifdef Q_OS_UNIX

RegularFile::Status kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return RegularFile::Read;
    if (S_ISDIR(mode))
        return RegularFile::Folder;
    if (S_ISFIFO(mode))
        return RegularFile::Pipe;
    if (S_ISSOCK(mode))
        return RegularFile::Socket;
    return RegularFile::Device;
}

// At most maxSize + 1 bytes, so that a file grown past the limit shows.
RegularFile::Reading readOpened(int fd, qint64 maxSize)
{
    RegularFile::Reading reading;
    struct stat info = {};
    if (fstat(fd, &info) != 0)
        return reading;
    // The path may have been replaced since it was looked at.
    reading.status = kindOf(info.st_mode);
    if (reading.status != RegularFile::Read)
        return reading;
    if (info.st_size > maxSize) {
        reading.status = RegularFile::TooLarge;
        reading.size = info.st_size;
        return reading;
    }
    const qint64 limit = maxSize + 1;
    QByteArray bytes(qMin<qint64>(qint64(info.st_size) + 1, limit), Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got == limit)
                break;
            bytes.resize(qMin(limit, got * 2 + 4096));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        // Also a file that would wait for data (EAGAIN), such as the kernel log.
        if (n < 0) {
            reading.status = RegularFile::Unreadable;
            return reading;
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxSize) {
        reading.status = RegularFile::TooLarge;
        reading.size = got;
        return reading;
    }
    bytes.truncate(got);
    reading.bytes = bytes;
    return reading;
}

#endif

} // namespace

RegularFile::Reading RegularFile::read(const QString &path, qint64 maxSize)
{
    Reading reading;
    if (path.isEmpty())
        return reading;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(name.constData(), &info) != 0)
        return reading;
    // Refused before it is opened: opening some devices does something.
    reading.status = kindOf(info.st_mode);
    if (reading.status != Read)
        return reading;
    // Not blocking: should the path have become a pipe meanwhile, the open
    // must not wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reading.status = Unreadable;
        return reading;
    }
    reading = readOpened(fd, maxSize);
    ::close(fd);
    return reading;
#else
    const QFileInfo info(path);
    if (info.isDir()) {
        reading.status = Folder;
        return reading;
    }
    if (!info.isFile())
        return reading;
    if (info.size() > maxSize) {
        reading.status = TooLarge;
        reading.size = info.size();
        return reading;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return reading;
    reading.bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        reading.bytes.clear();
        return reading;
    }
    if (reading.bytes.size() > maxSize) {
        reading.size = reading.bytes.size();
        reading.bytes.clear();
        reading.status = TooLarge;
        return reading;
    }
    reading.status = Read;
    return reading;
#endif
}

} // namespace FenwaGUIToolkit
