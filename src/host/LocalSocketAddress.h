#pragma once

#include <QString>

namespace SharedTools {

// The name a local socket at a full path is listened on and reached by. A socket
// address holds a path of at most kMaxPathBytes, which a deep runtime folder
// passes; on Linux such a socket is then reached through a descriptor of its
// folder held open while this lives (/proc/self/fd/N/name), so that it still lies
// in the user's private folder. Elsewhere the full path is used as it is.
class LocalSocketAddress
{
public:
    // The bytes of a path that fit sockaddr_un's sun_path with its closing zero.
    static constexpr int kMaxPathBytes = 107;

    explicit LocalSocketAddress(const QString &fullPath = QString());
    ~LocalSocketAddress();
    LocalSocketAddress(const LocalSocketAddress &) = delete;
    LocalSocketAddress &operator=(const LocalSocketAddress &) = delete;

    // Stands for another socket from now on; the former folder is let go.
    void reset(const QString &fullPath);
    // What to hand QLocalServer::listen and QLocalSocket::connectToServer.
    QString name() const { return m_name; }

private:
    void release();

    int m_folder = -1;
    QString m_name;
};

} // namespace SharedTools
