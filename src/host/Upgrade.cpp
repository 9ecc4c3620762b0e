#include "host/Upgrade.h"

#include "host/HostLogging.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>
#include <QVersionNumber>

namespace upgrade {

namespace {

// An answer is a few dozen bytes; anything this big is not our server.
constexpr qint64 MaxAnswerBytes = 64 * 1024;
// How often a running check looks whether it was cancelled.
constexpr int CancelPollMs = 20;

bool isWebUrl(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

// "V4.1.0.2" -> 4.1.0.2 and its text without the V. False for anything but
// dot-separated decimal numbers.
bool parseVersion(QString text, QVersionNumber &number, QString &plain)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('V'), Qt::CaseInsensitive))
        text.remove(0, 1);
    static const QRegularExpression digitsAndDots(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
    if (!digitsAndDots.match(text).hasMatch())
        return false;
    qsizetype end = 0;
    number = QVersionNumber::fromString(text, &end);
    // A component too large for an int stops the parse early.
    if (end != text.size())
        return false;
    plain = text;
    return true;
}

// 4.1 and 4.1.0 are the same version.
QVersionNumber comparable(const QString &text)
{
    QVersionNumber number;
    QString plain;
    return parseVersion(text, number, plain) ? number.normalized() : QVersionNumber();
}

} // namespace

Upgrade::Upgrade() = default;
Upgrade::~Upgrade() = default;

void Upgrade::setServerAddr(const std::string &address)
{
    QMutexLocker lock(&m_mutex);
    m_address = QString::fromStdString(address).trimmed();
}

void Upgrade::setTimeout(int milliseconds)
{
    QMutexLocker lock(&m_mutex);
    m_timeoutMs = qMax(1, milliseconds);
}

bool Upgrade::checkUpdate(std::string &version, const tagAppProperty &app)
{
    version.clear();
    // Only a cancel() during this check counts, not one left from before.
    m_cancelled.store(false);

    QString address;
    int timeoutMs = 0;
    {
        QMutexLocker lock(&m_mutex);
        address = m_address;
        timeoutMs = m_timeoutMs;
        m_status = Status::NotChecked;
        m_downloadPage.clear();
    }

    if (address.isEmpty()) {
        finish(Status::NoServer, {});
        return false;
    }
    const QUrl url(address);
    if (!isWebUrl(url)) {
        qCDebug(lcHost) << "not an http(s) address:" << address;
        finish(Status::BadAddress, {});
        return false;
    }

    QByteArray body;
    const Status fetched = fetch(url, app, timeoutMs, body);
    if (fetched != Status::NotChecked) {
        finish(fetched, {});
        return false;
    }

    QString offered;
    QUrl page;
    if (!parseAnswer(body, offered, page)) {
        qCDebug(lcHost) << "unreadable answer from" << url;
        finish(Status::BadAnswer, {});
        return false;
    }
    // An unreadable running version is older than anything the server offers.
    if (comparable(offered) <= comparable(QString::fromStdString(app.strVersion))) {
        finish(Status::UpToDate, {});
        return false;
    }
    version = offered.toStdString();
    finish(Status::NewerVersion, page);
    return true;
}

// Fetches the answer into body. NotChecked means a complete 200 answer
// arrived; any other value is why the check ends here.
Upgrade::Status Upgrade::fetch(const QUrl &address, const tagAppProperty &app, int timeoutMs, QByteArray &body)
{
    // Both live only for this call, so a check works from any thread.
    QNetworkAccessManager manager;
    QEventLoop loop;

    QNetworkRequest request(address);
    request.setRawHeader(QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json"));
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QString::fromStdString(app.strProductName + '/' + app.strVersion));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setTransferTimeout(timeoutMs);

    QNetworkReply *reply = manager.get(request);
    bool tooBig = false;
    bool timedOut = false;
    bool cancelled = false;

    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        body += reply->read(MaxAnswerBytes + 1 - body.size());
        if (body.size() > MaxAnswerBytes) {
            tooBig = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
        timedOut = true;
        reply->abort();
    });
    QTimer cancelPoll;
    QObject::connect(&cancelPoll, &QTimer::timeout, reply, [&] {
        if (m_cancelled.load()) {
            cancelled = true;
            reply->abort();
        }
    });
    deadline.start(timeoutMs);
    cancelPoll.start(CancelPollMs);

    if (!reply->isFinished())
        loop.exec();
    deadline.stop();
    cancelPoll.stop();

    Status status = Status::NotChecked;
    const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (cancelled || m_cancelled.load()) {
        status = Status::Cancelled;
    } else if (tooBig) {
        status = Status::BadAnswer;
    } else if (timedOut || reply->error() != QNetworkReply::NoError || httpStatus != 200) {
        qCDebug(lcHost) << "no answer from" << address << "status" << httpStatus << reply->errorString();
        status = Status::NotReachable;
    } else {
        body += reply->read(MaxAnswerBytes + 1 - body.size());
        if (body.size() > MaxAnswerBytes)
            status = Status::BadAnswer;
    }
    delete reply;
    return status;
}

void Upgrade::finish(Status status, const QUrl &page)
{
    QMutexLocker lock(&m_mutex);
    m_status = status;
    m_downloadPage = page;
}

bool Upgrade::dowmloadPackage()
{
    const QUrl page = downloadPage();
    return checkPage(page) == PageFault::None && QDesktopServices::openUrl(page);
}

void Upgrade::cancel()
{
    m_cancelled.store(true);
}

Upgrade::Status Upgrade::lastStatus() const
{
    QMutexLocker lock(&m_mutex);
    return m_status;
}

QUrl Upgrade::downloadPage() const
{
    QMutexLocker lock(&m_mutex);
    return m_downloadPage;
}

bool Upgrade::parseAnswer(const QByteArray &body, QString &version, QUrl &downloadPage)
{
    version.clear();
    downloadPage.clear();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject answer = document.object();
    const QJsonValue versionValue = answer.value(QLatin1String("version"));
    const QJsonValue pageValue = answer.value(QLatin1String("download"));
    if (!versionValue.isString() || !pageValue.isString())
        return false;

    QVersionNumber number;
    QString plain;
    if (!parseVersion(versionValue.toString(), number, plain))
        return false;
    const QUrl page(pageValue.toString().trimmed(), QUrl::StrictMode);
    if (!isWebUrl(page))
        return false;

    version = plain;
    downloadPage = page;
    return true;
}

Upgrade::PageFault Upgrade::checkPage(const QUrl &page)
{
    if (!page.isValid() || page.host().isEmpty())
        return PageFault::Missing;
    if (page.toEncoded().size() > MaxPageLength)
        return PageFault::TooLong;
    if (page.scheme() != QLatin1String("https"))
        return PageFault::NotHttps;
    if (!page.userInfo().isEmpty())
        return PageFault::UserInfo;
    return PageFault::None;
}

} // namespace upgrade
