#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QUrl>

class QTcpServer;

// A tiny HTTP/1.1 server on 127.0.0.1 with a port of the system's choosing,
// for tests of code that talks to a web server. It runs in a thread of its
// own, so a test may block or spin its own thread while the server answers.
//
// Every request gets the same answer: by default "200 OK" with an empty body;
// setResponse() chooses another one. Answers carry Content-Length and
// "Connection: close". Two other modes take precedence over the answer:
//   - setRedirectLoop(true): every request is redirected (302) to itself,
//     so a client following redirects never arrives;
//   - setSilent(true): the connection is accepted and the request read, but
//     nothing is ever sent back (for timeouts and cancelling).
// Once start() has returned, all members may be called from any thread.
class LoopbackHttpServer
{
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer &) = delete;
    LoopbackHttpServer &operator=(const LoopbackHttpServer &) = delete;

    // Starts listening; false when no port could be opened. Call once.
    bool start();
    // The listening port, 0 before a successful start().
    quint16 port() const;
    // http://127.0.0.1:<port><path>
    QUrl url(const QString &path = QStringLiteral("/")) const;

    void setResponse(int status, const QByteArray &contentType, const QByteArray &body);
    void setRedirectLoop(bool on);
    void setSilent(bool on);

    // Requests received completely since start(), including silent and
    // redirected ones.
    int requestCount() const;
    // The raw bytes of the last complete request: request line, headers, body.
    QByteArray lastRequest() const;

private:
    void acceptConnection();
    QByteArray answerFor(const QByteArray &request);

    QThread m_thread;
    QTcpServer *m_server = nullptr; // lives in m_thread
    quint16 m_port = 0;

    mutable QMutex m_mutex;
    int m_status = 200;
    QByteArray m_contentType;
    QByteArray m_body;
    bool m_redirectLoop = false;
    bool m_silent = false;
    int m_requestCount = 0;
    QByteArray m_lastRequest;
};
