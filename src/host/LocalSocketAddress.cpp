#include "host/LocalSocketAddress.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace SharedTools {

LocalSocketAddress::LocalSocketAddress(const QString &fullPath)
{
    reset(fullPath);
}

LocalSocketAddress::~LocalSocketAddress()
{
    release();
}

void LocalSocketAddress::reset(const QString &fullPath)
{
    release();
    m_name = fullPath;
    if (QFile::encodeName(fullPath).size() <= kMaxPathBytes)
        return;
#ifdef Q_OS_LINUX
    const QFileInfo socket(fullPath);
    const int folder = ::open(QFile::encodeName(socket.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // Without the folder the full path stands, and listening or connecting says why it fails.
    if (folder < 0)
        return;
    m_folder = folder;
    m_name = QStringLiteral("/proc/self/fd/%1/").arg(folder) + socket.fileName();
#endif
}

void LocalSocketAddress::release()
{
#ifdef Q_OS_LINUX
    if (m_folder >= 0)
        ::close(m_folder);
#endif
    m_folder = -1;
}

} // namespace SharedTools
