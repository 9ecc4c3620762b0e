#pragma once

#include "host/LocalSocketAddress.h"

#include <QApplication>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace SharedTools {

// An application object that knows whether another live instance with the same
// application id runs for this user. The first instance holds a lock file and
// listens on a local socket, both in the user's private runtime folder
// (FenwaGUIToolkit::GetRuntimePath(), which only this user may enter); a
// later one sees the lock and confirms through the socket that its owner is
// alive, so a lock left by a crash never blocks a start. Neither does anything
// else at the lock's path, nor a lock that cannot be made, nor a folder open
// to others: the program then starts and says on the terminal that it cannot tell. A later start may hand
// the running instance a message through the same socket.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QtSingleApplication(const QString &appId, int &argc, char **argv);
    ~QtSingleApplication() override;

    QString id() const { return m_appId; }
    // Whether another live instance with this id exists. The process id is
    // accepted for the original's signature; only -1 (any process) is used.
    bool isRunning(qint64 pid = -1);

    // Stops being the instance: frees the lock and stops listening, so that a
    // program started from now on takes over. isRunning() takes the place
    // back when it is still free.
    void releaseInstance();

    // From a later start: hands the message to the running instance. True once
    // that instance confirmed it within timeoutMs; false when this is the
    // instance itself or no instance answered.
    bool sendMessage(const QString &message, int timeoutMs);

    // Full paths of the local socket and the lock file of an application id;
    // empty when the user has no private runtime folder.
    static QString serverName(const QString &appId);
    static QString lockFilePath(const QString &appId);

signals:
    // The running instance got a message from a later start.
    void messageReceived(const QString &message);

private:
    bool becomePrimary();
    void listen();
    void readMessage(QLocalSocket *socket);

    QString m_appId;
    QLockFile *m_lockFile = nullptr;
    QLocalServer *m_server = nullptr;
    // What the server listens on; reaches the socket's folder until the server is closed.
    LocalSocketAddress m_address;
    bool m_primary = false;
};

} // namespace SharedTools
