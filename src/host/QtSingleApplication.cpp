#include "host/QtSingleApplication.h"

#include "host/HostLogging.h"

#include "host/TargetPath.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

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

// Whether a live instance answers on the socket; asks that many times, a moment apart.
bool peerAnswers(const QString &name, int attempts)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0)
            QThread::msleep(200);
        const LocalSocketAddress address(name);
        QLocalSocket probe;
        probe.connectToServer(address.name());
        if (probe.waitForConnected(1000))
            return true;
    }
    return false;
}

// Whether a live process holds the file locked, as a lock file is held while its owner runs.
bool heldByLiveProcess(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
#else
    // Without a way to tell, whatever cannot be replaced counts as held.
    Q_UNUSED(path);
    return true;
#endif
}

const char kCannotTell[] = "another running instance cannot be recognised";

// A message travels as its UTF-8 length (4 bytes, big-endian) and its UTF-8
// bytes; the instance confirms it with one byte.
const int kLengthSize = 4;
const quint32 kMaxMessageSize = 1024 * 1024;
const char kReceived = '\x06';
// A peer that neither sends nor leaves is let go after this long.
const int kPeerTimeoutMs = 10000;
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
    const QString folder = FenwaGUIToolkit::GetRuntimePath();
    return folder.isEmpty() ? QString() : folder + keyOf(appId);
}

QString QtSingleApplication::lockFilePath(const QString &appId)
{
    const QString folder = FenwaGUIToolkit::GetRuntimePath();
    return folder.isEmpty() ? QString() : folder + keyOf(appId) + QStringLiteral(".lock");
}

bool QtSingleApplication::becomePrimary()
{
    const QString lockPath = lockFilePath(m_appId);
    if (lockPath.isEmpty()) {
        qCWarning(lcHost) << "The user has no private runtime folder -" << kCannotTell;
        return true;
    }
    // A lock where another user can reach it could be taken or faked: none is better.
    const QString folder = QFileInfo(lockPath).absolutePath();
    if (!FenwaGUIToolkit::MakePrivateFolder(folder)) {
        qCWarning(lcHost).noquote() << "No private folder for the instance lock, running without it -" << kCannotTell;
        return true;
    }
    if (!m_lockFile) {
        m_lockFile = new QLockFile(lockPath);
        // Only a dead owner makes a lock stale, never its age.
        m_lockFile->setStaleLockTime(0);
    }
    if (m_lockFile->tryLock(0)) {
        listen();
        return true;
    }
    const QString name = serverName(m_appId);
    if (m_lockFile->error() != QLockFile::LockFailedError) {
        if (peerAnswers(name, 1))
            return false;
        qCWarning(lcHost).noquote() << "Cannot create the instance lock" << QDir::toNativeSeparators(lockPath) << "-"
                                    << kCannotTell;
        listen();
        return true;
    }
    // The lock names a live process. It may still be a stranger that reused the
    // pid of a crashed instance: only a listening peer proves a live one. An
    // owner that has just taken the lock may not listen yet: ask a few times.
    // What is not a lock of ours at all gets one question.
    qint64 pid = 0;
    QString hostName;
    QString appName;
    const bool ours = m_lockFile->getLockInfo(&pid, &hostName, &appName);
    if (peerAnswers(name, ours ? 5 : 1))
        return false;
    if (!m_lockFile->removeStaleLockFile() || !m_lockFile->tryLock(0)) {
        // A lock held open is a live instance of ours, even when it does not answer.
        if (heldByLiveProcess(lockPath))
            return false;
        qCWarning(lcHost).noquote() << "Something that is not an instance lock is in the way at"
                                    << QDir::toNativeSeparators(lockPath) << "and cannot be removed -" << kCannotTell;
    }
    listen();
    return true;
}

void QtSingleApplication::listen()
{
    const QString name = serverName(m_appId);
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        // A peer probes whether we are alive and leaves, or sends one message.
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection()) {
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
                QTimer::singleShot(kPeerTimeoutMs, socket, &QObject::deleteLater);
                readMessage(socket);
            }
        });
    }
    m_address.reset(name);
    // A socket file left by a crash would make listen() fail.
    QLocalServer::removeServer(m_address.name());
    if (!m_server->listen(m_address.name()))
        qCWarning(lcHost).noquote() << "Cannot listen on" << QDir::toNativeSeparators(name) << "-"
                                    << m_server->errorString() << "- a second start may not recognise this one";
}

void QtSingleApplication::readMessage(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < kLengthSize)
        return;
    const quint32 size = qFromBigEndian<quint32>(socket->peek(kLengthSize).constData());
    if (size > kMaxMessageSize) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < kLengthSize + qint64(size))
        return;
    socket->skip(kLengthSize);
    const QString message = QString::fromUtf8(socket->read(size));
    // Confirmed first, so that the sender may end while the message is handled.
    socket->write(&kReceived, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit messageReceived(message);
}

bool QtSingleApplication::sendMessage(const QString &message, int timeoutMs)
{
    if (m_primary)
        return false;
    const QByteArray payload = message.toUtf8();
    if (quint32(payload.size()) > kMaxMessageSize)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    const LocalSocketAddress address(serverName(m_appId));
    QLocalSocket socket;
    socket.connectToServer(address.name());
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    char length[kLengthSize];
    qToBigEndian<quint32>(quint32(payload.size()), length);
    socket.write(length, kLengthSize);
    socket.write(payload);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kReceived;
}

void QtSingleApplication::releaseInstance()
{
    if (m_server)
        m_server->close();
    if (m_lockFile)
        m_lockFile->unlock();
    m_primary = false;
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
