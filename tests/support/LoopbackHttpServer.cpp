#include "support/LoopbackHttpServer.h"

#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace {

// Whether buffer holds a whole request: the head and as much body as its
// Content-Length announces.
bool isComplete(const QByteArray &buffer)
{
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    qsizetype bodyLength = 0;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
            bodyLength = line.mid(colon + 1).trimmed().toLongLong();
    }
    return buffer.size() >= headEnd + 4 + bodyLength;
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

QByteArray response(int status, const QByteArray &extraHeaders, const QByteArray &body)
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n" + extraHeaders +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer()
{
    m_thread.setObjectName(QStringLiteral("LoopbackHttpServer"));
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    // The server and its sockets are deleted in their own thread as it ends.
    m_thread.quit();
    m_thread.wait();
}

bool LoopbackHttpServer::start()
{
    if (m_server)
        return false;
    m_server = new QTcpServer;
    m_server->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_server, &QObject::deleteLater);
    m_thread.start();

    bool listening = false;
    QMetaObject::invokeMethod(
        m_server,
        [this, &listening] {
            listening = m_server->listen(QHostAddress::LocalHost, 0);
            if (!listening)
                return;
            QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] { acceptConnection(); });
            QMutexLocker lock(&m_mutex);
            m_port = m_server->serverPort();
        },
        Qt::BlockingQueuedConnection);
    return listening;
}

quint16 LoopbackHttpServer::port() const
{
    QMutexLocker lock(&m_mutex);
    return m_port;
}

QUrl LoopbackHttpServer::url(const QString &path) const
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(port());
    url.setPath(path);
    return url;
}

void LoopbackHttpServer::setResponse(int status, const QByteArray &contentType, const QByteArray &body)
{
    QMutexLocker lock(&m_mutex);
    m_status = status;
    m_contentType = contentType;
    m_body = body;
}

void LoopbackHttpServer::setRedirectLoop(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_redirectLoop = on;
}

void LoopbackHttpServer::setSilent(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_silent = on;
}

int LoopbackHttpServer::requestCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_requestCount;
}

QByteArray LoopbackHttpServer::lastRequest() const
{
    QMutexLocker lock(&m_mutex);
    return m_lastRequest;
}

// Runs in the server's thread.
void LoopbackHttpServer::acceptConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            *buffer += socket->readAll();
            if (!isComplete(*buffer))
                return;
            const QByteArray answer = answerFor(*buffer);
            buffer->clear();
            if (answer.isEmpty())
                return;
            socket->write(answer);
            socket->disconnectFromHost();
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

// Records the request and gives the bytes to send back; empty when silent.
QByteArray LoopbackHttpServer::answerFor(const QByteArray &request)
{
    QMutexLocker lock(&m_mutex);
    ++m_requestCount;
    m_lastRequest = request;
    if (m_silent)
        return {};
    if (m_redirectLoop) {
        // The request target of "GET /path HTTP/1.1".
        const QByteArray target = request.left(request.indexOf("\r\n")).split(' ').value(1, "/");
        const QByteArray location = "http://127.0.0.1:" + QByteArray::number(m_port) + target;
        return response(302, "Location: " + location + "\r\n", {});
    }
    const QByteArray contentType = m_contentType.isEmpty() ? QByteArray() : "Content-Type: " + m_contentType + "\r\n";
    return response(m_status, contentType, m_body);
}
