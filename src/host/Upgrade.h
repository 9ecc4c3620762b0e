#pragma once

#include "host/tagAppProperty.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QUrl>

#include <atomic>
#include <string>

namespace upgrade {

// Asks the update server whether a newer version than the running one exists.
//
// The server answers an HTTP GET of its address (headers "Accept:
// application/json" and "User-Agent: <product>/<version>") with status 200 and
// a JSON object {"version": "4.1.0.2", "download": "https://..."}. Versions
// compare numerically, component by component, trailing zeros ignored.
//
// checkUpdate() blocks in an event loop of its own and is meant for a worker
// thread; cancel(), lastStatus() and downloadPage() may be called from any
// thread meanwhile. dowmloadPackage() only opens the download page in the
// desktop's browser: it never fetches or installs anything itself.
class Upgrade
{
public:
    enum class Status { NotChecked, NewerVersion, UpToDate, NoServer, BadAddress, NotReachable, BadAnswer, Cancelled };

    // Why a download page is not opened. A user name or password before the
    // host can make any site's address start like the maker's; an address
    // past MaxPageLength characters is no page a server means to name.
    enum class PageFault { None, Missing, NotHttps, UserInfo, TooLong };

    static constexpr int DefaultTimeoutMs = 10000;
    static constexpr int MaxPageLength = 2048;

    Upgrade();
    ~Upgrade();
    Upgrade(const Upgrade &) = delete;
    Upgrade &operator=(const Upgrade &) = delete;

    // An http or https URL as UTF-8 text; empty means no server is configured.
    void setServerAddr(const std::string &address);
    // How long a whole check (connecting, redirects, the answer) may take, at least 1 ms.
    void setTimeout(int milliseconds);

    // True only when the server names a version newer than app.strVersion;
    // version then holds it without a leading V. Otherwise version is empty
    // and lastStatus() tells why.
    bool checkUpdate(std::string &version, const tagAppProperty &app);
    // Opens the download page named by the last check that found a newer
    // version. False when there is none, it has a fault or the desktop refuses.
    bool dowmloadPackage();
    // Ends a running check soon with Status::Cancelled. Callable from any thread.
    void cancel();

    Status lastStatus() const;
    // The page of the last check that found a newer version, else empty.
    QUrl downloadPage() const;

    // Reads the server's answer: false unless it is a JSON object with a
    // version of dot-separated numbers (an optional leading V or v is dropped)
    // and an absolute http(s) download address.
    static bool parseAnswer(const QByteArray &body, QString &version, QUrl &downloadPage);
    // Whether the page may be opened: an https address with a host, no user
    // information and at most MaxPageLength characters when fully encoded.
    static PageFault checkPage(const QUrl &page);

private:
    Status fetch(const QUrl &address, const tagAppProperty &app, int timeoutMs, QByteArray &body);
    void finish(Status status, const QUrl &page);

    mutable QMutex m_mutex;
    QString m_address;
    int m_timeoutMs = DefaultTimeoutMs;
    Status m_status = Status::NotChecked;
    QUrl m_downloadPage;
    std::atomic<bool> m_cancelled{false};
};

} // namespace upgrade
