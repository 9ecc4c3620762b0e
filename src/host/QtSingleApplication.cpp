#include "host/QtSingleApplication.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace SharedTools {

namespace {
QString userKey()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return user;
}

QString keyOf(const QString &appId)
{
    const QByteArray hash =
        QCryptographicHash::hash((appId + QLatin1Char('|') + userKey()).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("qtsingleapp-") + QString::fromLatin1(hash.toHex().left(16));
}
} // namespace

QtSingleApplication::QtSingleApplication(const QString &appId, int &argc, char **argv)
    : QApplication(argc, argv), m_appId(appId)
{
    m_primary = becomePrimary();
}

QtSingleApplication::~QtSingleApplication()
{
    if (m_server)
        m_server->close();
    if (m_lockFile)
        m_lockFile->unlock();
    delete m_lockFile;
}

QString QtSingleApplication::serverName(const QString &appId)
{
    return keyOf(appId);
}

QString QtSingleApplication::lockFilePath(const QString &appId)
{
    return QDir::temp().filePath(keyOf(appId) + QStringLiteral(".lock"));
}

bool QtSingleApplication::becomePrimary()
{
    if (!m_lockFile) {
        m_lockFile = new QLockFile(lockFilePath(m_appId));
        // Only a dead owner makes a lock stale, never its age.
        m_lockFile->setStaleLockTime(0);
    }
    if (!m_lockFile->tryLock(0)) {
        // The lock names a live process. It may still be a stranger that reused
        // the pid of a crashed instance: only a listening peer proves a live one.
        // An owner that has just taken the lock may not listen yet: ask a few times.
        for (int attempt = 0; attempt < 5; ++attempt) {
            QLocalSocket probe;
            probe.connectToServer(serverName(m_appId));
            if (probe.waitForConnected(1000))
                return false;
            QThread::msleep(200);
        }
        if (!m_lockFile->removeStaleLockFile() || !m_lockFile->tryLock(0))
            return false;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crash would make listen() fail.
    QLocalServer::removeServer(serverName(m_appId));
    m_server->listen(serverName(m_appId));
    // Peers only probe whether we are alive; drop their connections at once.
    connect(m_server, &QLocalServer::newConnection, m_server, [server = m_server] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            socket->disconnectFromServer();
            socket->deleteLater();
        }
    });
    return true;
}

bool QtSingleApplication::isRunning(qint64 pid)
{
    Q_UNUSED(pid);
    // A former peer may have quit since start-up: take its place then.
    if (!m_primary)
        m_primary = becomePrimary();
    return !m_primary;
}

} // namespace SharedTools
