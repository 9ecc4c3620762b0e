#pragma once

#include <QByteArray>
#include <QString>

namespace FenwaGUIToolkit {

// Reads a file stored on a disk and nothing else. A folder, device, pipe or
// socket is refused unread, since reading one may wait for ever; a file larger
// than the caller allows is refused before it is read, and so is one that grows
// past the limit while it is read. Touches nothing but its own data, so it may
// run on any thread.
class RegularFile
{
public:
    enum Status {
        Read,
        // Missing, not permitted, or an error while reading.
        Unreadable,
        Folder,
        Pipe,
        Socket,
        // A device, or anything else that is not a file.
        Device,
        TooLarge,
    };

    struct Reading
    {
        Status status = Unreadable;
        // The whole file when Read.
        QByteArray bytes;
        // The size found when TooLarge.
        qint64 size = 0;
    };

    // Follows symbolic links.
    static Reading read(const QString &path, qint64 maxSize);
};

} // namespace FenwaGUIToolkit
